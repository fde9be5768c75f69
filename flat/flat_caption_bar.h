// The caption bar: a framed strip with its text at x = 10, centred vertically, and a close cross
// in a 32-pixel box 40 pixels from the right edge. The cross takes FlatColorHoverFront normally and
// FlatColorFront while the pointer is inside its box (bounds included); it follows the pointer
// because the bar's handler repaints on every mouse move (FlatTrackEvents).
#pragma once

#include <cstdint>
#include <string_view>

#include "flat/flat_gadget.h"
#include "toolkit/color.h"
#include "toolkit/geometry.h"
#include "toolkit/ids.h"

namespace flat {

inline constexpr tk::Color kFlatCaptionBarText = tk::Rgb(0, 0, 0);
inline constexpr tk::Color kFlatCaptionBarBack = tk::Rgb(237, 237, 237);
inline constexpr tk::Color kFlatCaptionBarFrame = tk::Rgb(109, 109, 109);
inline constexpr tk::Color kFlatCaptionBarCross = tk::Rgb(109, 109, 109);

// Kind FlatKind::CaptionBar; font 0 keeps the default control font. Returns the canvas
// creation's result (flat_button.h).
std::intptr_t CreateFlatCaptionBar(tk::ControlId id, tk::Rect rect, std::u16string_view text,
                                   tk::FontHandle font = 0);

int PaintFlatCaptionBar(FlatGadget& gadget);

}  // namespace flat
