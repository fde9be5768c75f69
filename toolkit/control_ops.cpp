// The generic control operations: look the control up, call the entry of its current table, or
// fall back on the native handling of a plain control when the entry is empty.
#include "toolkit/controls.h"
#include "toolkit/core_state.h"
#include "toolkit/platform.h"
#include "toolkit/stock_ops.h"

namespace tk {
namespace {

// The entries in table order; a table shorter than the full set has the rest empty.
enum Entry {
  kFree,
  kGetState,
  kSetState,
  kGetText,
  kSetText,
  kResize,
  kGetAttribute,
  kSetAttribute,
  kSetColor,
  kGetColor,
  kGetFont,
  kSetFont
};

template <class Function>
Function EntryOf(const GadgetObject& object, Function GadgetOps::*entry, Entry index) {
  const GadgetOps* ops = object.ops;
  return ops && index < ops->length ? ops->*entry : nullptr;
}

}  // namespace

std::intptr_t GetControlState(ControlId id) {
  core::ControlRecord* record = core::FindRecord(id);
  if (!record)
    return 0;
  auto entry = EntryOf(record->object, &GadgetOps::getState, kGetState);
  return entry ? entry(record->object) : 0;
}

std::intptr_t SetControlState(ControlId id, std::intptr_t value) {
  core::ControlRecord* record = core::FindRecord(id);
  if (!record)
    return 0;
  core::MuteEvents muted;
  auto entry = EntryOf(record->object, &GadgetOps::setState, kSetState);
  return entry ? entry(record->object, value) : 0;
}

std::u16string GetControlText(ControlId id) {
  core::ControlRecord* record = core::FindRecord(id);
  if (!record)
    return {};
  auto entry = EntryOf(record->object, &GadgetOps::getText, kGetText);
  return entry ? entry(record->object) : platform::GetText(record->object.handle);
}

std::intptr_t SetControlText(ControlId id, std::u16string_view text) {
  core::ControlRecord* record = core::FindRecord(id);
  if (!record)
    return 0;
  core::MuteEvents muted;
  if (auto entry = EntryOf(record->object, &GadgetOps::setText, kSetText)) {
    return entry(record->object, text);
  }
  platform::SetText(record->object.handle, text);
  return 0;
}

std::intptr_t ResizeControl(ControlId id, int x, int y, int width, int height) {
  core::ControlRecord* record = core::FindRecord(id);
  if (!record)
    return 0;
  if (auto entry = EntryOf(record->object, &GadgetOps::resize, kResize)) {
    return entry(record->object, x, y, width, height);
  }
  core::PlaceControl(*record, core::ResolveRect(*record, x, y, width, height));
  return 0;
}

std::intptr_t GetControlAttribute(ControlId id, int attribute) {
  core::ControlRecord* record = core::FindRecord(id);
  if (!record)
    return 0;
  auto entry = EntryOf(record->object, &GadgetOps::getAttribute, kGetAttribute);
  return entry ? entry(record->object, attribute) : 0;
}

std::intptr_t SetControlAttribute(ControlId id, int attribute, std::intptr_t value) {
  core::ControlRecord* record = core::FindRecord(id);
  if (!record)
    return 0;
  auto entry = EntryOf(record->object, &GadgetOps::setAttribute, kSetAttribute);
  return entry ? entry(record->object, attribute, value) : 0;
}

std::intptr_t SetControlColor(ControlId id, int colorType, Color color) {
  core::ControlRecord* record = core::FindRecord(id);
  if (!record)
    return 0;
  auto entry = EntryOf(record->object, &GadgetOps::setColor, kSetColor);
  return entry ? entry(record->object, colorType, color) : 0;
}

std::intptr_t GetControlColor(ControlId id, int colorType) {
  core::ControlRecord* record = core::FindRecord(id);
  if (!record)
    return 0;
  auto entry = EntryOf(record->object, &GadgetOps::getColor, kGetColor);
  return entry ? entry(record->object, colorType) : 0;
}

FontHandle GetControlFont(ControlId id) {
  core::ControlRecord* record = core::FindRecord(id);
  if (!record)
    return 0;
  auto entry = EntryOf(record->object, &GadgetOps::getFont, kGetFont);
  return entry ? entry(record->object) : record->font;
}

std::intptr_t SetControlFont(ControlId id, FontHandle font) {
  core::ControlRecord* record = core::FindRecord(id);
  if (!record)
    return 0;
  if (auto entry = EntryOf(record->object, &GadgetOps::setFont, kSetFont)) {
    return entry(record->object, font);
  }
  record->font = font;
  platform::SetFont(record->object.handle, font);
  return 0;
}

}  // namespace tk
