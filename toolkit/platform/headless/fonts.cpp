// The synthetic font. Its metrics are fixed so that layout tests can state exact coordinates:
// the line height is the font's pixel height, and every character advances pixelHeight * 7 / 16
// pixels (at least 1), so a 16-pixel font has 7-pixel characters. A glyph is a solid block inside
// its character cell (one pixel in from each side, from a quarter of the height down to an eighth
// above the bottom); blanks draw nothing. Nothing is ever drawn outside the text's extent.
#include <cstdlib>

#include "toolkit/platform.h"
#include "toolkit/platform/headless/world.h"

namespace tk::platform {
namespace {

constexpr int kDefaultPixelHeight = 11;  // the size of the system's default GUI font

const headless::SyntheticFont& FontOf(FontHandle font) {
  headless::World& world = headless::TheWorld();
  auto it = world.fonts.find(font);
  if (it != world.fonts.end())
    return it->second;
  return world.fonts.at(DefaultGuiFont());
}

int Advance(const headless::SyntheticFont& font) {
  int advance = font.pixelHeight * 7 / 16;
  return advance > 0 ? advance : 1;
}

// Characters, not code units: a surrogate pair is one character.
int CharacterCount(std::u16string_view text) {
  int count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() &&
                text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    if (pair)
      ++i;
    ++count;
  }
  return count;
}

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

void FillClipped(PixelBuffer& buffer, int left, int top, int right, int bottom,
                 std::uint32_t pixel) {
  if (left < 0)
    left = 0;
  if (top < 0)
    top = 0;
  if (right > buffer.width)
    right = buffer.width;
  if (bottom > buffer.height)
    bottom = buffer.height;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x)
      buffer.pixels[std::size_t(y) * buffer.width + x] = pixel;
  }
}

}  // namespace

FontHandle CreateNativeFont(std::u16string_view face, int height, int flags) {
  headless::World& world = headless::TheWorld();
  FontHandle handle = world.nextFont++;
  int pixels = std::abs(height);
  world.fonts[handle] = {std::u16string(face), pixels > 0 ? pixels : kDefaultPixelHeight, flags};
  return handle;
}

void DeleteNativeFont(FontHandle font) {
  headless::World& world = headless::TheWorld();
  if (font != world.defaultFont)
    world.fonts.erase(font);
}

FontHandle DefaultGuiFont() {
  headless::World& world = headless::TheWorld();
  if (world.defaultFont == 0) {
    world.defaultFont = world.nextFont++;
    world.fonts[world.defaultFont] = {u"MS Shell Dlg", kDefaultPixelHeight, 0};
  }
  return world.defaultFont;
}

Size MeasureText(FontHandle font, std::u16string_view text) {
  if (text.empty())
    return {};
  const headless::SyntheticFont& metrics = FontOf(font);
  return {CharacterCount(text) * Advance(metrics), metrics.pixelHeight};
}

void DrawGlyphs(PixelBuffer& buffer, FontHandle font, Point origin, std::u16string_view text,
                Color color) {
  const headless::SyntheticFont& metrics = FontOf(font);
  int advance = Advance(metrics);
  int inset = advance >= 3 ? 1 : 0;
  int top = origin.y + metrics.pixelHeight / 4;
  int bottom = origin.y + metrics.pixelHeight - metrics.pixelHeight / 8;
  int x = origin.x;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      ++i;
    }
    if (!IsBlank(text[i])) {
      FillClipped(buffer, x + inset, top, x + advance - inset, bottom, ToPixel(color));
    }
    x += advance;
  }
}

}  // namespace tk::platform
