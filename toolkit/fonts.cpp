#include "toolkit/fonts.h"

#include <cstdlib>

#include "toolkit/core_state.h"
#include "toolkit/platform.h"
#include "toolkit/screen.h"

namespace tk {

// MulDiv's rounding: to the nearest, halves away from zero, in 64 bits.
int FontPixelHeight(int points, int dpi) {
  std::int64_t product = std::int64_t(points) * dpi;
  std::int64_t magnitude = (std::llabs(product) + 36) / 72;
  return int(product < 0 ? -magnitude : magnitude);
}

std::intptr_t LoadFont(FontId id, std::u16string_view face, int points, int flags) {
  core::Context* context = core::Current();
  if (!context)
    return 0;
  bool chosen = id.value == kAnyNumber;
  if (chosen)
    id.value = core::ChooseNumber(*context, context->fonts);
  if (auto old = context->fonts.find(id.value); old != context->fonts.end()) {
    platform::DeleteNativeFont(old->second.handle);
    context->fonts.erase(old);
  }
  int pixelHeight = FontPixelHeight(points, ScreenDpi());
  FontHandle handle = platform::CreateNativeFont(face, -pixelHeight, flags);
  if (handle == 0)
    return 0;
  context->fonts[id.value] = {handle, pixelHeight};
  return chosen ? id.value : handle;
}

FontHandle FontHandleOf(FontId id) {
  core::Context* context = core::Current();
  if (!context)
    return 0;
  auto it = context->fonts.find(id.value);
  return it == context->fonts.end() ? 0 : it->second.handle;
}

// A font the toolkit did not create (the default GUI font) reports its line height instead.
int FontHeightOf(FontHandle font) {
  if (core::Context* context = core::Current()) {
    for (const auto& [number, record] : context->fonts) {
      if (record.handle == font)
        return record.pixelHeight;
    }
  }
  return MeasureText(font, u"A").height;
}

FontHandle DefaultControlFont() {
  core::Context* context = core::Current();
  return context ? context->defaultFont : platform::DefaultGuiFont();
}

Size MeasureText(FontHandle font, std::u16string_view text) {
  if (text.empty())
    return {};
  return platform::MeasureText(font, text);
}

}  // namespace tk
