#include "toolkit/canvas_picture.h"

#include "toolkit/core_state.h"
#include "toolkit/platform.h"

namespace tk::core {

PixelBuffer* CanvasPictureOf(ControlId canvas) {
  ControlRecord* record = FindRecord(canvas);
  if (!record || !record->object.ops || record->object.ops->type != GadgetType::Canvas) {
    return nullptr;
  }
  return &record->picture;
}

void PresentPicture(ControlId canvas, const PixelBuffer* picture) {
  ControlRecord* record = FindRecord(canvas);
  if (record && picture == &record->picture) {
    platform::PresentCanvas(record->object.handle, *picture);
  }
}

}  // namespace tk::core
