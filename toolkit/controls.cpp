// Creating and destroying controls, and the open-container stack.
#include "toolkit/controls.h"

#include <algorithm>

#include "toolkit/core_state.h"
#include "toolkit/images.h"
#include "toolkit/platform.h"
#include "toolkit/stock_ops.h"

namespace tk {
namespace core {
namespace {

struct NewControl {
  ControlId id;
  GadgetType kind;
  Rect rect;
  GadgetOps& ops;
  bool tabStop = false;
  bool takesFont = false;
};

void RunFree(ControlId number) {
  ControlRecord* record = FindRecord(number);
  if (!record)
    return;
  GadgetOps* ops = record->object.ops;
  if (ops && ops->length > 0 && ops->free)
    ops->free(record->object);
}

// The control and everything inside it, in creation order.
std::vector<ControlId> Subtree(const Context& context, Handle root) {
  std::vector<Handle> handles{root};
  std::vector<ControlId> numbers;
  for (const auto& record : context.controls) {
    if (std::find(handles.begin(), handles.end(), record->parent) != handles.end() ||
        record->object.handle == root) {
      handles.push_back(record->object.handle);
      numbers.push_back(record->object.number);
    }
  }
  return numbers;
}

void Forget(Context& context, const std::vector<ControlId>& numbers) {
  for (ControlId number : numbers) {
    context.controlByNumber.erase(number.value);
    if (context.active == number)
      context.active = {};
    std::erase_if(context.openContainers,
                  [&](const ContainerLevel& level) { return level.container == number; });
  }
  std::erase_if(context.controls, [&](const std::unique_ptr<ControlRecord>& record) {
    return !context.controlByNumber.contains(record->object.number.value) ||
           context.controlByNumber.at(record->object.number.value) != record.get();
  });
}

// A number that is given again replaces the control that held it.
void Replace(Context& context, ControlId id) {
  ControlRecord* old = FindRecord(id);
  if (!old)
    return;
  Handle handle = old->object.handle;
  std::vector<ControlId> numbers = Subtree(context, handle);
  for (ControlId number : numbers) {
    std::erase_if(context.bindings,
                  [&](const Binding& b) { return !b.timer && b.object == number.value; });
    std::erase_if(context.queue, [&](const EventRecord& e) {
      return e.code == Event::Gadget && e.object == number.value;
    });
  }
  for (ControlId number : numbers)
    RunFree(number);
  Forget(context, numbers);
  platform::Destroy(handle);
}

template <class Make>
std::intptr_t Create(NewControl spec, Make make) {
  Context* context = Current();
  if (!context || context->openContainers.empty())
    return 0;
  bool chosen = spec.id.value == kAnyNumber;
  if (chosen) {
    spec.id.value = ChooseNumber(*context, context->controlByNumber);
  } else {
    Replace(*context, spec.id);
  }
  if (context->openContainers.empty())
    return 0;
  ContainerLevel parent = context->openContainers.back();
  Handle handle = make(parent.handle, spec.rect);
  if (handle == 0)
    return 0;
  auto record = std::make_unique<ControlRecord>();
  record->object = {.number = spec.id, .window = parent.window, .handle = handle, .ops = &spec.ops};
  record->kind = spec.kind;
  record->parent = parent.handle;
  record->container = parent.container;
  record->rect = spec.rect;
  record->tabStop = spec.tabStop;
  if (spec.takesFont) {
    record->font = context->defaultFont;
    platform::SetFont(handle, record->font);
  }
  context->controlByNumber[spec.id.value] = record.get();
  context->controls.push_back(std::move(record));
  return chosen ? spec.id.value : handle;
}

}  // namespace

void DestroyWindowControls(WindowId window) {
  Context* context = Current();
  if (!context)
    return;
  std::vector<ControlId> numbers;
  for (const auto& record : context->controls) {
    if (record->object.window == window)
      numbers.push_back(record->object.number);
  }
  for (ControlId number : numbers)
    RunFree(number);
  if (Current() == context)
    Forget(*context, numbers);
}

}  // namespace core

std::intptr_t CreateLabel(ControlId id, Rect rect, std::u16string_view text, LabelOptions options) {
  return core::Create(
      {id, GadgetType::Label, rect, core::LabelOps(), false, true},
      [&](Handle parent, Rect r) { return platform::CreateLabel(parent, r, text, options); });
}

std::intptr_t CreateEdit(ControlId id, Rect rect, std::u16string_view text, EditOptions options) {
  return core::Create(
      {id, GadgetType::Edit, rect, core::EditOps(), true, true},
      [&](Handle parent, Rect r) { return platform::CreateEdit(parent, r, text, options); });
}

std::intptr_t CreateContainer(ControlId id, Rect rect) {
  std::intptr_t result =
      core::Create({id, GadgetType::Container, rect, core::ContainerOps()},
                   [](Handle parent, Rect r) { return platform::CreateContainer(parent, r); });
  core::Context* context = core::Current();
  if (result == 0 || !context)
    return result;
  const core::ControlRecord& record = *context->controls.back();
  context->openContainers.push_back({.window = record.object.window,
                                     .container = record.object.number,
                                     .handle = record.object.handle});
  return result;
}

std::intptr_t CreateCanvas(ControlId id, Rect rect) {
  std::intptr_t result =
      core::Create({id, GadgetType::Canvas, rect, core::CanvasOps()},
                   [](Handle parent, Rect r) { return platform::CreateCanvas(parent, r); });
  core::Context* context = core::Current();
  if (result == 0 || !context)
    return result;
  core::ControlRecord& record = *context->controls.back();
  record.picture = core::BlankPicture(rect.width, rect.height);
  platform::PresentCanvas(record.object.handle, record.picture);
  return result;
}

std::intptr_t CreateImageView(ControlId id, Rect rect, Handle image) {
  const Image* picture = ImageFromHandle(image);
  if (picture)
    rect = {rect.x, rect.y, picture->width, picture->height};
  std::intptr_t result =
      core::Create({id, GadgetType::ImageView, rect, core::ImageViewOps()},
                   [](Handle parent, Rect r) { return platform::CreateImageView(parent, r); });
  core::Context* context = core::Current();
  if (result == 0 || !context || !picture)
    return result;
  core::ControlRecord& record = *context->controls.back();
  record.image = image;
  platform::SetImageViewPicture(record.object.handle, picture);
  return result;
}

void CloseContainer() {
  core::Context* context = core::Current();
  if (context && context->openContainers.size() > 1)
    context->openContainers.pop_back();
}

}  // namespace tk
