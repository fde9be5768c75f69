#include "flat/flat_gradient_progress.h"

#include "flat/flat_create.h"
#include "flat/flat_progress.h"
#include "toolkit/drawing.h"

namespace flat {

std::intptr_t FlatGradientProgressBar(tk::ControlId id, tk::Rect rect, std::int32_t minimum,
                                      std::int32_t maximum, std::int32_t flags) {
  FlatCanvas canvas = StartFlatCanvas(id, rect);
  if (canvas.gadget == nullptr) {
    return canvas.result;
  }
  FlatGadget& gadget = *canvas.gadget;
  gadget.kind = FlatKind::Progress;
  gadget.flags = flags;
  gadget.minimum = minimum;
  gadget.maximum = maximum;
  FlatColor(gadget, FlatColorFront) = kFlatProgressFront;
  FlatColor(gadget, FlatColorBack) = kFlatProgressBack;
  FlatColor(gadget, FlatColorFrame) = kFlatProgressFrame;
  gadget.cleanup = FlatCleanupNothing;
  gadget.paint = PaintFlatGradientProgress;
  FinishFlat(gadget);
  return canvas.result;
}

int PaintFlatGradientProgress(FlatGadget& gadget) {
  std::optional<tk::Drawing> drawing = tk::Drawing::Start(tk::ControlId{gadget.gadgetNumber});
  if (!drawing) {
    return 0;
  }
  int width = drawing->OutputWidth();
  int height = drawing->OutputHeight();
  drawing->Box(0, 0, width, height, FlatColor(gadget, FlatColorFrame));
  drawing->Box(1, 1, width - 2, height - 2, FlatColor(gadget, FlatColorBack));
  if (std::optional<std::int32_t> fill = FlatFillWidth(gadget.state, gadget.maximum, width)) {
    drawing->Mode(tk::kModeGradient);
    drawing->GradientColors(FlatColor(gadget, FlatColorGradientBack),
                            FlatColor(gadget, FlatColorGradientFront));
    drawing->LinearGradient(2, 2, width - 4, 0);
    drawing->Box(2, 2, ClipFlatFill(*fill, width), height - 4, 0);
  }
  return 0;
}

}  // namespace flat
