// The gradient look of the flat progress bar (kind 4): frame, back and fill width as the plain bar
// (flat_progress.h), the fill painted with a linear gradient from FlatColorGradientBack to
// FlatColorGradientFront along the whole inner width, so a half-full bar shows only the first half
// of the colour run. Both slots start at 0, so an unset gradient is black.
#pragma once

#include <cstdint>

#include "flat/flat_gadget.h"
#include "toolkit/geometry.h"
#include "toolkit/ids.h"

namespace flat {

// Colours as the plain bar's, gradient slots unset. Returns the canvas creation's result.
std::intptr_t FlatGradientProgressBar(tk::ControlId id, tk::Rect rect, std::int32_t minimum,
                                      std::int32_t maximum, std::int32_t flags = 0);

int PaintFlatGradientProgress(FlatGadget& gadget);

}  // namespace flat
