#include "flat/flat_gradient_progress.h"

#include "flat/flat_progress.h"
#include "toolkit/drawing.h"

namespace flat {

std::intptr_t FlatGradientProgressBar(tk::ControlId id, tk::Rect rect, std::int32_t minimum,
                                      std::int32_t maximum, std::int32_t flags) {
  return CreateFlatProgress(id, rect, minimum, maximum, flags, PaintFlatGradientProgress);
}

int PaintFlatGradientProgress(FlatGadget& gadget) {
  std::optional<tk::Drawing> drawing = StartFlatProgressPaint(gadget);
  if (!drawing) {
    return 0;
  }
  const int width = drawing->OutputWidth();
  if (std::optional<std::int32_t> fill = FlatFillWidth(gadget.state, gadget.maximum, width)) {
    drawing->Mode(tk::kModeGradient);
    drawing->GradientColors(FlatColor(gadget, FlatColorGradientBack),
                            FlatColor(gadget, FlatColorGradientFront));
    drawing->LinearGradient(2, 2, width - 4, 0);
    drawing->Box(2, 2, ClipFlatFill(*fill, width), drawing->OutputHeight() - 4, 0);
  }
  return 0;
}

}  // namespace flat
