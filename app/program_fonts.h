// The six fonts of the program, created once at start-up under the numbers of
// password/window_ids.h and kept until shutdown. Each is requested in proof quality, with its
// face exactly as named here; the toolkit turns the point size into a pixel height for the
// screen's DPI.
#pragma once

#include <array>
#include <string_view>

#include "password/window_ids.h"
#include "toolkit/ids.h"

namespace app {

struct ProgramFont {
  tk::FontId number;
  std::u16string_view face;
  int points;
};

// In the order they are loaded.
inline constexpr std::array<ProgramFont, 6> kProgramFonts{{
    {password::TitleFont, u"Segoe Ui", 12},
    {password::ButtonFont, u"Segoe Ui", 14},
    {password::LengthFont, u"Segoe Ui", 18},
    {password::CaptionFont, u"Segoe Ui", 10},
    {password::PasswordFont, u"Segoe Ui", 24},
    {password::MinimizeFont, u"Arial", 12},
}};

void LoadProgramFonts();

}  // namespace app
