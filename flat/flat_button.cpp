#include "flat/flat_button.h"

#include "flat/flat_caption.h"
#include "flat/flat_create.h"
#include "flat/flat_events.h"
#include "flat/flat_look.h"
#include "toolkit/controls.h"
#include "toolkit/drawing.h"

namespace flat {

std::intptr_t CreateFlatButton(tk::ControlId id, tk::Rect rect, std::u16string_view caption,
                               std::int32_t flags) {
  std::u16string text(caption);  // the caller's text may live in what the creation changes
  FlatCanvas canvas = StartFlatCanvas(id, rect);
  if (canvas.gadget == nullptr) {
    return canvas.result;
  }
  FlatGadget& gadget = *canvas.gadget;
  gadget.kind = FlatKind::Button;
  gadget.flags = flags;
  gadget.text = std::move(text);
  PutFlatButtonColors(gadget, kFlatButtonCreationColors);
  gadget.cleanup = FlatCleanupNothing;
  gadget.paint = PaintFlatButton;
  gadget.eventHandler = FlatButtonEvents;
  FinishFlat(gadget);
  return canvas.result;
}

int SetFlatButtonColors(tk::ControlId id, const FlatButtonColors& colors) {
  tk::SetControlColor(id, FlatColorBack, colors.back);
  tk::SetControlColor(id, FlatColorFrame, colors.frame);
  tk::SetControlColor(id, FlatColorFront, colors.front);
  tk::SetControlColor(id, FlatColorHoverBack, colors.hoverBack);
  tk::SetControlColor(id, FlatColorHoverFrame, colors.hoverFrame);
  tk::SetControlColor(id, FlatColorHoverFront, colors.hoverFront);
  tk::SetControlColor(id, FlatColorPressedBack, colors.pressedBack);
  tk::SetControlColor(id, FlatColorPressedFrame, colors.pressedFrame);
  tk::SetControlColor(id, FlatColorPressedFront, colors.pressedFront);
  return 0;
}

void PutFlatButtonColors(FlatGadget& gadget, const FlatButtonColors& colors) {
  FlatColor(gadget, FlatColorFront) = colors.front;
  FlatColor(gadget, FlatColorBack) = colors.back;
  FlatColor(gadget, FlatColorFrame) = colors.frame;
  FlatColor(gadget, FlatColorHoverFront) = colors.hoverFront;
  FlatColor(gadget, FlatColorHoverBack) = colors.hoverBack;
  FlatColor(gadget, FlatColorHoverFrame) = colors.hoverFrame;
  FlatColor(gadget, FlatColorPressedFront) = colors.pressedFront;
  FlatColor(gadget, FlatColorPressedBack) = colors.pressedBack;
  FlatColor(gadget, FlatColorPressedFrame) = colors.pressedFrame;
}

int PaintFlatButton(FlatGadget& gadget) {
  FlatLook look = FlatToggleLookOf(gadget);
  std::optional<tk::Drawing> drawing = tk::Drawing::Start(tk::ControlId{gadget.gadgetNumber});
  if (!drawing) {
    return 0;
  }
  int width = drawing->OutputWidth();
  int height = drawing->OutputHeight();
  drawing->Box(0, 0, width, height, look.back);
  drawing->Mode(tk::kModeTransparent);
  drawing->Font(gadget.font);
  drawing->FrontColor(look.front);
  DrawFlatCaption(*drawing, {1, 1, width - 2, height - 2}, gadget.text, gadget.flags);
  drawing->Mode(tk::kModeOutlined);
  drawing->Box(0, 0, width, height, look.frame);
  return 0;
}

}  // namespace flat
