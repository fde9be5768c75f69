// Fonts by number. A font is created once with a character height of
// -FontPixelHeight(points, screen DPI) and lives until shutdown. An empty number gives 0.
#pragma once

#include <string_view>

#include "toolkit/geometry.h"
#include "toolkit/ids.h"

namespace tk {

inline constexpr int kFontBold = 0x100;
inline constexpr int kFontItalic = 0x200;
inline constexpr int kFontUnderline = 4;
inline constexpr int kFontStrikeOut = 8;
inline constexpr int kFontProofQuality = 16;

// points * dpi / 72, rounded to the nearest with halves away from zero.
int FontPixelHeight(int points, int dpi);

// Returns the new number for kAnyNumber, else the font handle; 0 when it cannot be created.
std::intptr_t LoadFont(FontId id, std::u16string_view face, int points, int flags);
FontHandle FontHandleOf(FontId id);
int FontHeightOf(FontHandle font);  // the character height in pixels it was created with
FontHandle DefaultControlFont();    // the system's default GUI font

// The extent of a text in a font; {0, 0} for the empty text.
Size MeasureText(FontHandle font, std::u16string_view text);

}  // namespace tk
