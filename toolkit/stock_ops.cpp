#include "toolkit/stock_ops.h"

#include "toolkit/images.h"
#include "toolkit/platform.h"

namespace tk::core {
namespace {

// Colours of labels and edit fields; containers leave out the text colour.
std::intptr_t SetColorOf(GadgetObject& object, int colorType, Color color, bool takesFront) {
  ControlRecord* record = RecordOf(object);
  bool front = colorType == kColorFront && takesFront;
  if (!record || (!front && colorType != kColorBack))
    return 0;
  (front ? record->front : record->back) = color;
  platform::SetColor(object.handle, colorType, color);
  return 0;
}

std::intptr_t GetColorOf(GadgetObject& object, int colorType, bool takesFront) {
  ControlRecord* record = RecordOf(object);
  if (!record)
    return 0;
  if (colorType == kColorFront && takesFront)
    return record->front;
  if (colorType == kColorBack)
    return record->back;
  return 0;
}

std::intptr_t SetTextColor(GadgetObject& object, int colorType, Color color) {
  return SetColorOf(object, colorType, color, true);
}

std::intptr_t GetTextColor(GadgetObject& object, int colorType) {
  return GetColorOf(object, colorType, true);
}

std::intptr_t SetBackColor(GadgetObject& object, int colorType, Color color) {
  return SetColorOf(object, colorType, color, false);
}

std::intptr_t GetBackColor(GadgetObject& object, int colorType) {
  return GetColorOf(object, colorType, false);
}

std::intptr_t FreeCanvas(GadgetObject& object) {
  if (ControlRecord* record = RecordOf(object))
    record->picture = PixelBuffer{};
  return 0;
}

std::intptr_t ResizeCanvas(GadgetObject& object, int x, int y, int width, int height) {
  ControlRecord* record = RecordOf(object);
  if (!record)
    return 0;
  Rect rect = ResolveRect(*record, x, y, width, height);
  PlaceControl(*record, rect);
  if (rect.width != record->picture.width || rect.height != record->picture.height) {
    record->picture = BlankPicture(rect.width, rect.height);
    platform::PresentCanvas(object.handle, record->picture);
  }
  return 0;
}

// The pointer's position belongs to the canvas event being handled; any other time it is 0.
std::intptr_t GetCanvasAttribute(GadgetObject& object, int attribute) {
  ControlRecord* record = RecordOf(object);
  Context* context = Current();
  if (!record || !context)
    return 0;
  if (attribute == kCanvasMouseX || attribute == kCanvasMouseY) {
    const EventRecord& event = context->current;
    if (event.code != Event::Gadget || event.object != object.number.value || !event.pointer) {
      return 0;
    }
    return attribute == kCanvasMouseX ? event.pointer->x : event.pointer->y;
  }
  auto it = record->attributes.find(attribute);
  return it == record->attributes.end() ? 0 : it->second;
}

std::intptr_t SetCanvasAttribute(GadgetObject& object, int attribute, std::intptr_t value) {
  ControlRecord* record = RecordOf(object);
  if (!record || attribute == kCanvasMouseX || attribute == kCanvasMouseY)
    return 0;
  record->attributes[attribute] = value;
  return 0;
}

std::intptr_t GetShownImage(GadgetObject& object) {
  ControlRecord* record = RecordOf(object);
  return record ? record->image : 0;
}

// A picture gives the view its size; no picture (or a handle that names none) shows nothing and
// keeps the size.
std::intptr_t ShowImage(GadgetObject& object, std::intptr_t image) {
  ControlRecord* record = RecordOf(object);
  if (!record)
    return 0;
  const Image* picture = ImageFromHandle(image);
  record->image = picture ? image : 0;
  platform::SetImageViewPicture(object.handle, picture);
  if (picture) {
    PlaceControl(*record, {record->rect.x, record->rect.y, picture->width, picture->height});
  }
  return 0;
}

GadgetOps Table(GadgetType type) {
  GadgetOps table{};
  table.type = type;
  table.length = kGadgetOpsEntries;
  return table;
}

}  // namespace

GadgetOps& LabelOps() {
  static GadgetOps ops = [] {
    GadgetOps table = Table(GadgetType::Label);
    table.setColor = SetTextColor;
    table.getColor = GetTextColor;
    return table;
  }();
  return ops;
}

GadgetOps& EditOps() {
  static GadgetOps ops = [] {
    GadgetOps table = Table(GadgetType::Edit);
    table.setColor = SetTextColor;
    table.getColor = GetTextColor;
    return table;
  }();
  return ops;
}

GadgetOps& ContainerOps() {
  static GadgetOps ops = [] {
    GadgetOps table = Table(GadgetType::Container);
    table.setColor = SetBackColor;
    table.getColor = GetBackColor;
    return table;
  }();
  return ops;
}

GadgetOps& CanvasOps() {
  static GadgetOps ops = [] {
    GadgetOps table = Table(GadgetType::Canvas);
    table.free = FreeCanvas;
    table.resize = ResizeCanvas;
    table.getAttribute = GetCanvasAttribute;
    table.setAttribute = SetCanvasAttribute;
    return table;
  }();
  return ops;
}

GadgetOps& ImageViewOps() {
  static GadgetOps ops = [] {
    GadgetOps table = Table(GadgetType::ImageView);
    table.getState = GetShownImage;
    table.setState = ShowImage;
    return table;
  }();
  return ops;
}

ControlRecord* RecordOf(const GadgetObject& object) {
  ControlRecord* record = FindRecord(object.number);
  return record && &record->object == &object ? record : nullptr;
}

Rect ResolveRect(const ControlRecord& record, int x, int y, int width, int height) {
  auto keep = [](int value, int current) { return value == kKeepValue ? current : value; };
  return {keep(x, record.rect.x), keep(y, record.rect.y), keep(width, record.rect.width),
          keep(height, record.rect.height)};
}

void PlaceControl(ControlRecord& record, Rect rect) {
  record.rect = rect;
  platform::Move(record.object.handle, rect);
}

}  // namespace tk::core
