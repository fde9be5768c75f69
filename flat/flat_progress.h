// The flat progress bar: a frame ring, a back ring and a plain fill from the left, showing state
// against maximum; no text, no reaction to the mouse (no event handler). The state is stored as
// set, never clamped, and the minimum is stored but never drawn.
//
// The fill width follows the single-precision steps P = float(S * 100.0 / M), Q = float((W - 4)
// / 100.0), F = Q * P rounded to the nearest, ties to even. The three boxes are drawn by the
// toolkit's box rule (a negative height or width extends the box above or left of its corner),
// which is what low bars of height 1 to 4 rely on. With M = 0, or F outside the 32-bit range,
// the bar shows its frame and back only.
#pragma once

#include <cstdint>
#include <optional>

#include "flat/flat_gadget.h"
#include "toolkit/drawing.h"
#include "toolkit/geometry.h"
#include "toolkit/ids.h"

namespace flat {

inline constexpr tk::Color kFlatProgressFront = tk::Rgb(0, 0, 0);
inline constexpr tk::Color kFlatProgressBack = tk::Rgb(237, 237, 237);
inline constexpr tk::Color kFlatProgressFrame = tk::Rgb(109, 109, 109);

// Returns the canvas creation's result: with kAnyNumber the new number, else the native handle;
// 0 when no canvas was made.
std::intptr_t FlatProgressBar(tk::ControlId id, tk::Rect rect, std::int32_t minimum,
                              std::int32_t maximum, std::int32_t flags = 0);

// F for a bar of output width `width`; none when it is not a number or not a 32-bit integer.
std::optional<std::int32_t> FlatFillWidth(std::int32_t state, std::int32_t maximum, int width);

// The fill limited to [-width, width]: the canvas clips the box to the same pixels, and the box
// arithmetic stays far from overflow for fills near the 32-bit ends.
std::int32_t ClipFlatFill(std::int32_t fill, int width);

int PaintFlatProgress(FlatGadget& gadget);

// What every bar look shares: the creator steps with the bar's fields and default colours, and
// the frame and back boxes. The kinds differ only in how they paint the fill.
std::intptr_t CreateFlatProgress(tk::ControlId id, tk::Rect rect, std::int32_t minimum,
                                 std::int32_t maximum, std::int32_t flags, FlatProcedure paint);
// Starts drawing and paints frame and back; none when drawing cannot start.
std::optional<tk::Drawing> StartFlatProgressPaint(const FlatGadget& gadget);

}  // namespace flat
