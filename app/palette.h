// The colours the shell paints with, packed RGB. Green is the window's own colour: the title
// strip, the one-pixel frame round the client panel and the close box background all use it.
#pragma once

#include "toolkit/color.h"

namespace app {

inline constexpr tk::Color Green = tk::Rgb(149, 185, 104);
inline constexpr tk::Color DarkGreen = tk::Rgb(86, 114, 52);
inline constexpr tk::Color White = tk::Rgb(255, 255, 255);

}  // namespace app
