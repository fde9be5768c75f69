// A control's flags, place and lookup, and the keyboard focus.
#include "toolkit/controls.h"
#include "toolkit/core_state.h"
#include "toolkit/platform.h"

namespace tk {
namespace core {
namespace {

// A control counts as hidden or disabled when a container around it is.
bool Usable(const ControlRecord& record) {
  for (const ControlRecord* at = &record; at; at = FindRecord(at->container)) {
    if (!at->enabled || !at->visible)
      return false;
  }
  return true;
}

}  // namespace

Handle NextTabStop(Handle window, Handle from, bool backwards) {
  Context* context = Current();
  WindowRecord* owner = WindowRecordByHandle(window);
  if (!context || !owner)
    return 0;
  std::vector<const ControlRecord*> order;  // this window's controls in creation order
  for (const auto& record : context->controls) {
    if (record->object.window == owner->id)
      order.push_back(record.get());
  }
  int count = int(order.size());
  int start = backwards ? count : -1;
  for (int i = 0; i < count; ++i) {
    if (order[i]->object.handle == from)
      start = i;
  }
  for (int step = 1; step <= count; ++step) {
    int at = ((backwards ? start - step : start + step) % count + count) % count;
    if (order[at]->tabStop && Usable(*order[at]))
      return order[at]->object.handle;
  }
  return 0;
}

}  // namespace core

void DisableControl(ControlId id, bool disabled) {
  if (core::ControlRecord* record = core::FindRecord(id)) {
    record->enabled = !disabled;
    platform::SetEnabled(record->object.handle, !disabled);
  }
}

void HideControl(ControlId id, bool hidden) {
  if (core::ControlRecord* record = core::FindRecord(id)) {
    record->visible = !hidden;
    platform::SetVisible(record->object.handle, !hidden);
  }
}

bool IsControlEnabled(ControlId id) {
  core::ControlRecord* record = core::FindRecord(id);
  return record && record->enabled;
}

bool IsControlVisible(ControlId id) {
  core::ControlRecord* record = core::FindRecord(id);
  return record && record->visible;
}

Rect ControlRect(ControlId id) {
  core::ControlRecord* record = core::FindRecord(id);
  return record ? record->rect : Rect{};
}

void SetActiveControl(ControlId id) {
  if (core::ControlRecord* record = core::FindRecord(id))
    platform::Focus(record->object.handle);
}

ControlId ActiveControl() {
  core::Context* context = core::Current();
  return context ? context->active : ControlId{};
}

int EditLineCount(ControlId id) {
  core::ControlRecord* record = core::FindRecord(id);
  if (!record || record->kind != GadgetType::Edit)
    return 0;
  return platform::EditLineCount(record->object.handle);
}

void SetEditFormattingRect(ControlId id, Rect rect) {
  core::ControlRecord* record = core::FindRecord(id);
  if (record && record->kind == GadgetType::Edit) {
    platform::SetEditRect(record->object.handle, rect);
  }
}

GadgetObject* FindControl(ControlId id) {
  core::ControlRecord* record = core::FindRecord(id);
  return record ? &record->object : nullptr;
}

bool IsControl(ControlId id) {
  return core::FindRecord(id) != nullptr;
}

Handle ControlHandle(ControlId id) {
  core::ControlRecord* record = core::FindRecord(id);
  return record ? record->object.handle : 0;
}

void ForEachControl(const std::function<bool(GadgetObject&)>& visit) {
  core::Context* context = core::Current();
  if (!context)
    return;
  std::vector<ControlId> numbers;
  for (const auto& record : context->controls)
    numbers.push_back(record->object.number);
  for (ControlId number : numbers) {
    core::ControlRecord* record = core::FindRecord(number);
    if (record && visit(record->object))
      return;
  }
}

}  // namespace tk
