#include "flat/flat_caption_bar.h"

#include "flat/flat_create.h"
#include "flat/flat_events.h"
#include "toolkit/controls.h"
#include "toolkit/drawing.h"

namespace flat {

namespace {

constexpr int kTextLeft = 10;
// The cross box's corner: 40 pixels left of the right edge, centred in a 40-pixel band vertically.
constexpr int kCrossBand = 40;
constexpr int kCrossBoxSize = 32;  // the pointer test includes both bounds

}  // namespace

std::intptr_t CreateFlatCaptionBar(tk::ControlId id, tk::Rect rect, std::u16string_view text,
                                   tk::FontHandle font) {
  std::u16string caption(text);
  FlatCanvas canvas = StartFlatCanvas(id, rect);
  if (canvas.gadget == nullptr) {
    return canvas.result;
  }
  FlatGadget& gadget = *canvas.gadget;
  gadget.kind = FlatKind::CaptionBar;
  gadget.text = std::move(caption);
  if (font != 0) {
    gadget.font = font;
  }
  FlatColor(gadget, FlatColorFront) = kFlatCaptionBarText;
  FlatColor(gadget, FlatColorBack) = kFlatCaptionBarBack;
  FlatColor(gadget, FlatColorFrame) = kFlatCaptionBarFrame;
  FlatColor(gadget, FlatColorHoverFront) = kFlatCaptionBarCross;
  gadget.cleanup = FlatCleanupNothing;
  gadget.paint = PaintFlatCaptionBar;
  gadget.eventHandler = FlatTrackEvents;
  FinishFlat(gadget);
  return canvas.result;
}

int PaintFlatCaptionBar(FlatGadget& gadget) {
  tk::ControlId canvas{gadget.gadgetNumber};
  tk::Point pointer;
  if (gadget.hover != 0) {
    pointer = {int(tk::GetControlAttribute(canvas, tk::kCanvasMouseX)),
               int(tk::GetControlAttribute(canvas, tk::kCanvasMouseY))};
  }
  std::optional<tk::Drawing> drawing = tk::Drawing::Start(canvas);
  if (!drawing) {
    return 0;
  }
  int width = drawing->OutputWidth();
  int height = drawing->OutputHeight();
  drawing->Box(0, 0, width, height, FlatColor(gadget, FlatColorFrame));
  drawing->Box(1, 1, width - 2, height - 2, FlatColor(gadget, FlatColorBack));
  if (gadget.font != 0) {
    drawing->Font(gadget.font);
  }
  drawing->Text(kTextLeft, (height - drawing->TextHeight(gadget.text)) / 2, gadget.text,
                FlatColor(gadget, FlatColorFront), FlatColor(gadget, FlatColorBack));

  tk::Point box{width - kCrossBand, (height - kCrossBand) / 2};
  bool overBox = gadget.hover != 0 && pointer.x >= box.x && pointer.x <= box.x + kCrossBoxSize &&
                 pointer.y >= box.y && pointer.y <= box.y + kCrossBoxSize;
  tk::Color cross = FlatColor(gadget, overBox ? FlatColorFront : FlatColorHoverFront);
  drawing->Origin(box.x, box.y);
  drawing->Line(2, 2, 27, 27, cross);    // (2, 2) to (28, 28)
  drawing->Line(2, 28, 27, -27, cross);  // (2, 28) to (28, 2)
  return 0;
}

}  // namespace flat
