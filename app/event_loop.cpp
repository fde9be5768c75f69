#include "app/event_loop.h"

#include "app/end_program.h"
#include "password/window_ids.h"
#include "toolkit/events.h"
#include "toolkit/window.h"

namespace app {

void RunEventLoop() {
  for (;;) {
    if (tk::WaitEvent() != static_cast<int>(tk::Event::CloseRequest)) {
      continue;
    }
    if (tk::EventWindow() != password::MainWindow) {
      continue;
    }
    tk::CloseWindow(password::MainWindow);
    EndProgram();
  }
}

}  // namespace app
