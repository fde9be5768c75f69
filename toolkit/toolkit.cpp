#include "toolkit/toolkit.h"

#include "toolkit/context_slot.h"
#include "toolkit/core_state.h"
#include "toolkit/file_table.h"
#include "toolkit/platform.h"
#include "toolkit/window.h"

namespace tk {

void InitToolkit() {
  ShutdownToolkit();
  platform::Init();
  auto context = std::make_unique<core::Context>();
  int dpi = platform::ScreenDpi();
  context->dpi = dpi > 0 ? dpi : 96;
  context->defaultFont = platform::DefaultGuiFont();
  core::ContextSlot() = std::move(context);
}

// The services go in a fixed order: controls (they go with their windows), windows, files,
// events, images, drawing (sessions hold nothing of their own), fonts.
void ShutdownToolkit() {
  core::Context* context = core::Current();
  if (!context)
    return;
  while (!context->windows.empty()) {
    CloseWindow(WindowId{context->windows.begin()->first});
  }
  core::CloseOpenFiles();
  context->bindings.clear();
  context->queue.clear();
  context->current = {};
  context->images.clear();
  for (const auto& [number, font] : context->fonts)
    platform::DeleteNativeFont(font.handle);
  context->fonts.clear();
  platform::Shutdown();
  core::ContextSlot().reset();
}

void ExitProcess(int code) {
  platform::ExitProcess(code);
}

}  // namespace tk
