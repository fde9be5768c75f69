#include "flat/flat_image_button.h"

#include "flat/flat_button.h"
#include "flat/flat_create.h"
#include "flat/flat_events.h"
#include "flat/flat_look.h"
#include "toolkit/drawing.h"
#include "toolkit/images.h"

namespace flat {

std::intptr_t CreateFlatImageButton(tk::ControlId id, tk::Rect rect, tk::ImageId image0,
                                    tk::ImageId image1, std::int32_t flags) {
  FlatCanvas canvas = StartFlatCanvas(id, rect);
  if (canvas.gadget == nullptr) {
    return canvas.result;
  }
  FlatGadget& gadget = *canvas.gadget;
  gadget.kind = FlatKind::ImageButton;
  gadget.flags = flags;
  HoldFlatImage(gadget, 0, image0);
  HoldFlatImage(gadget, 1, image1);
  PutFlatButtonColors(gadget, kFlatButtonCreationColors);
  gadget.cleanup = ReleaseFlatImages;
  gadget.paint = PaintFlatImageButton;
  gadget.eventHandler = FlatToggleEvents;
  FinishFlat(gadget);
  return canvas.result;
}

void HoldFlatImage(FlatGadget& gadget, int index, tk::ImageId image) {
  if (!tk::IsImage(image)) {
    return;
  }
  // Copy before freeing the old copy, so that handing in the held copy itself is safe.
  std::intptr_t copy = tk::CopyImage(image, tk::ImageId{tk::kAnyNumber});
  if (copy == 0) {
    return;
  }
  tk::ImageId& held = gadget.images[std::size_t(index)];
  if (tk::IsImage(held)) {
    tk::FreeImage(held);
  }
  held = tk::ImageId{int(copy)};
}

int PaintFlatImageButton(FlatGadget& gadget) {
  const tk::Image* picture = nullptr;
  tk::Handle pictureHandle = 0;
  if (gadget.state == 0 || gadget.state == 1) {
    tk::ImageId image = gadget.images[std::size_t(gadget.state)];
    if (tk::IsImage(image)) {
      pictureHandle = tk::ImageHandleOf(image);
      picture = tk::ImageFromHandle(pictureHandle);
    }
  }
  FlatLook look = FlatToggleLookOf(gadget);
  std::optional<tk::Drawing> drawing = tk::Drawing::Start(tk::ControlId{gadget.gadgetNumber});
  if (!drawing) {
    return 0;
  }
  int width = drawing->OutputWidth();
  int height = drawing->OutputHeight();
  drawing->Box(0, 0, width, height, look.back);
  if (picture != nullptr) {
    drawing->AlphaImage(pictureHandle, (width - picture->width) / 2,
                        (height - picture->height + 1) / 2, 255);
  }
  drawing->Mode(tk::kModeOutlined);
  drawing->Box(0, 0, width, height, look.frame);
  return 0;
}

int ReleaseFlatImages(FlatGadget& gadget) {
  for (tk::ImageId& held : gadget.images) {
    if (tk::IsImage(held)) {
      tk::FreeImage(held);
    }
    held = tk::ImageId{};
  }
  return 0;
}

}  // namespace flat
