#include "app/startup.h"

#include "app/chrome.h"
#include "app/main_window.h"
#include "app/palette.h"
#include "app/program_fonts.h"
#include "flat/flat_registry.h"
#include "password/copy_overlay.h"
#include "password/reveal.h"
#include "password/window_ids.h"
#include "toolkit/events.h"
#include "toolkit/toolkit.h"
#include "toolkit/window.h"

namespace app {

// The private heap and string workspace of a native program are the C++ runtime's here, and the
// PNG decoder comes up with the toolkit's image service: neither needs a step of its own.
void OpenKennwerk() {
  flat::CreateFlatRegistry();
  LoadProgramFonts();
  OpenMainWindow();
  tk::SetWindowColor(password::MainWindow, Green);
  ApplyDropShadow(password::MainWindow);
  BuildMainWindow();
  tk::ShowWindow(password::MainWindow);
  tk::BindTimerEvent(password::MainWindow, password::OverlayTimer, password::OverlayTimerTick);
  tk::BindTimerEvent(password::MainWindow, password::RevealTimer, password::RevealTimerTick);
  // Only once the window exists: the toolkit ignores a callback for a number that names none.
  tk::SetWindowCallback(TitleDragCallback, password::MainWindow);
}

void StartKennwerk() {
  tk::InitToolkit();
  OpenKennwerk();
}

void RunKennwerk() {
  StartKennwerk();
  RunEventLoop();
}

}  // namespace app
