#include "flat/flat_check.h"

#include <cmath>

#include "flat/flat_button.h"
#include "flat/flat_create.h"
#include "flat/flat_events.h"
#include "flat/flat_look.h"
#include "toolkit/drawing.h"
#include "toolkit/vector_drawing.h"

namespace flat {

namespace {

constexpr int kSquareInset = 4;

// The mark's geometry from the vector output's size, every division rounded ties to even.
void StrokeCheckMark(tk::ControlId canvas, tk::Color color) {
  std::optional<tk::VectorDrawing> vector = tk::VectorDrawing::Start(canvas);
  if (!vector) {
    return;
  }
  double w = vector->OutputWidth();
  double cx = std::nearbyint(w / 2);
  double cy = std::nearbyint(vector->OutputHeight() / 2);
  double u = std::nearbyint(w / 6);
  double h = std::nearbyint(w / 2);
  vector->MovePathCursor(cx - h + u, cy);
  vector->AddPathLine(cx, cy + h - 2 * u);
  vector->AddPathLine(cx + h - u, cy - h + u);
  vector->SourceColor(color, 255);
  vector->StrokePath(u);
}

}  // namespace

std::intptr_t CreateFlatCheck(tk::ControlId id, tk::Rect rect, std::int32_t flags) {
  FlatCanvas canvas = StartFlatCanvas(id, rect);
  if (canvas.gadget == nullptr) {
    return canvas.result;
  }
  FlatGadget& gadget = *canvas.gadget;
  gadget.kind = FlatKind::Check;
  gadget.flags = flags;
  PutFlatButtonColors(gadget, kFlatButtonCreationColors);
  gadget.cleanup = FlatCleanupNothing;
  gadget.paint = PaintFlatCheck;
  gadget.eventHandler = FlatToggleEvents;
  FinishFlat(gadget);
  return canvas.result;
}

int PaintFlatCheck(FlatGadget& gadget) {
  FlatLook look = FlatLookOf(gadget);
  tk::ControlId canvas{gadget.gadgetNumber};
  bool square = (gadget.flags & FlatCheckSquare) != 0;
  if (std::optional<tk::Drawing> drawing = tk::Drawing::Start(canvas)) {
    int width = drawing->OutputWidth();
    int height = drawing->OutputHeight();
    drawing->Box(0, 0, width, height, look.back);
    if (gadget.state != 0 && square) {
      drawing->Box(kSquareInset, kSquareInset, width - 2 * kSquareInset, height - 2 * kSquareInset,
                   look.front);
    }
    drawing->Mode(tk::kModeOutlined);
    drawing->Box(0, 0, width, height, look.frame);
  }
  if (gadget.state != 0 && !square) {
    StrokeCheckMark(canvas, look.front);
  }
  return 0;
}

}  // namespace flat
