#include "flat/flat_progress.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "flat/flat_create.h"
#include "toolkit/drawing.h"

namespace flat {

std::intptr_t CreateFlatProgress(tk::ControlId id, tk::Rect rect, std::int32_t minimum,
                                 std::int32_t maximum, std::int32_t flags, FlatProcedure paint) {
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
  gadget.paint = paint;
  FinishFlat(gadget);
  return canvas.result;
}

std::intptr_t FlatProgressBar(tk::ControlId id, tk::Rect rect, std::int32_t minimum,
                              std::int32_t maximum, std::int32_t flags) {
  return CreateFlatProgress(id, rect, minimum, maximum, flags, PaintFlatProgress);
}

std::optional<std::int32_t> FlatFillWidth(std::int32_t state, std::int32_t maximum, int width) {
  if (maximum == 0) {
    return std::nullopt;
  }
  // Percentage and scale are each held in single precision; their product is exact in double.
  float percentage = float(double(state) * 100.0 / double(maximum));
  float scale = float(double(width - 4) / 100.0);
  double fill = std::nearbyint(double(scale) * double(percentage));  // ties to even
  if (!(fill >= std::numeric_limits<std::int32_t>::min() &&
        fill <= std::numeric_limits<std::int32_t>::max())) {
    return std::nullopt;
  }
  return std::int32_t(fill);
}

std::int32_t ClipFlatFill(std::int32_t fill, int width) {
  return std::clamp<std::int32_t>(fill, -width, width);
}

std::optional<tk::Drawing> StartFlatProgressPaint(const FlatGadget& gadget) {
  std::optional<tk::Drawing> drawing = tk::Drawing::Start(tk::ControlId{gadget.gadgetNumber});
  if (drawing) {
    const int width = drawing->OutputWidth();
    const int height = drawing->OutputHeight();
    drawing->Box(0, 0, width, height, FlatColor(gadget, FlatColorFrame));
    drawing->Box(1, 1, width - 2, height - 2, FlatColor(gadget, FlatColorBack));
  }
  return drawing;
}

int PaintFlatProgress(FlatGadget& gadget) {
  std::optional<tk::Drawing> drawing = StartFlatProgressPaint(gadget);
  if (!drawing) {
    return 0;
  }
  const int width = drawing->OutputWidth();
  if (std::optional<std::int32_t> fill = FlatFillWidth(gadget.state, gadget.maximum, width)) {
    drawing->Box(2, 2, ClipFlatFill(*fill, width), drawing->OutputHeight() - 4,
                 FlatColor(gadget, FlatColorFront));
  }
  return 0;
}

}  // namespace flat
