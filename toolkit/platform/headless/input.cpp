// Pointer and keyboard input from the script, routed as the native system routes it.
//
// Hit testing finds the deepest visible control under a point, later-created siblings on top.
// Labels and disabled controls take no pointer input: it falls through to what lies beneath, in
// the end the parent. A press on the window or on a container goes to the window callback (message
// 513); a press on an edit field focuses it; an image view takes its own presses and does nothing.
#include "toolkit/platform.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/platform/headless/world.h"
#include "toolkit/window.h"

namespace tk::headless {
namespace {

Handle HitTest(Handle parent, Point p) {
  std::vector<Handle> children = ChildrenOf(parent);
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    const NativeObject& child = *FindNative(*it);
    if (!child.visible || !child.enabled || child.kind == NativeKind::Label)
      continue;
    if (child.rect.Contains(p))
      return HitTest(*it, {p.x - child.rect.x, p.y - child.rect.y});
  }
  return parent;
}

Point LocalPointer(Handle control) {
  Point origin = ClientOrigin(control);
  return {TheWorld().pointer.x - origin.x, TheWorld().pointer.y - origin.y};
}

Handle HitUnderPointer() {
  World& world = TheWorld();
  return FindNative(world.pointerWindow) ? HitTest(world.pointerWindow, world.pointer) : 0;
}

Handle CanvasUnderPointer() {
  Handle hit = HitUnderPointer();
  NativeObject* object = FindNative(hit);
  return object && object->kind == NativeKind::Canvas ? hit : 0;
}

// Leave for the canvas the pointer is no longer over; a move for the one it is over now (only
// when the pointer itself moved: a released capture changes the hover without a move).
void UpdateHover(bool moved) {
  World& world = TheWorld();
  Handle target = CanvasUnderPointer();
  if (world.hovered != 0 && world.hovered != target) {
    Handle left = world.hovered;
    world.hovered = 0;
    core::OnCanvasPointer(left, core::PointerInput::Leave, LocalPointer(left));
  }
  if (target != 0 && (moved || world.hovered != target)) {
    world.hovered = target;
    core::OnCanvasPointer(target, core::PointerInput::Move, LocalPointer(target));
  }
}

std::intptr_t PackPoint(Point p) {
  return std::intptr_t((std::uint32_t(p.y & 0xFFFF) << 16) | std::uint32_t(p.x & 0xFFFF));
}

NativeObject* FocusedEdit() {
  NativeObject* object = FindNative(TheWorld().focused);
  return object && object->kind == NativeKind::Edit ? object : nullptr;
}

bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

void TabFrom(bool backwards) {
  World& world = TheWorld();
  Handle window = world.focused ? TopLevelOf(world.focused) : world.activeWindow;
  Handle next = core::NextTabStop(window, world.focused, backwards);
  if (next != 0)
    platform::Focus(next);
}

}  // namespace

void MovePointer(WindowId window, Point client) {
  World& world = TheWorld();
  world.pointerWindow = WindowHandle(window);
  world.pointer = client;
  if (world.captured != 0) {
    core::OnCanvasPointer(world.captured, core::PointerInput::Move, LocalPointer(world.captured));
    return;
  }
  UpdateHover(true);
}

void PressLeft() {
  Handle hit = HitUnderPointer();
  NativeObject* object = FindNative(hit);
  if (!object)
    return;
  switch (object->kind) {
    case NativeKind::Canvas:
      core::OnCanvasPointer(hit, core::PointerInput::LeftDown, LocalPointer(hit));
      break;
    case NativeKind::Edit:
      platform::Focus(hit);
      break;
    case NativeKind::TopLevel:
    case NativeKind::Container:
      core::OnWindowMessage(hit, kMessageLeftButtonDown, 1, PackPoint(LocalPointer(hit)));
      break;
    case NativeKind::Label:
    case NativeKind::ImageView:
      break;
  }
}

void ReleaseLeft() {
  World& world = TheWorld();
  if (Handle captured = world.captured) {
    core::OnCanvasPointer(captured, core::PointerInput::LeftUp, LocalPointer(captured));
    world.captured = 0;
    UpdateHover(false);
    return;
  }
  if (Handle canvas = CanvasUnderPointer()) {
    core::OnCanvasPointer(canvas, core::PointerInput::LeftUp, LocalPointer(canvas));
  }
}

void Click(WindowId window, Point client) {
  MovePointer(window, client);
  PressLeft();
  ReleaseLeft();
}

// A digits-only field refuses typed non-digits; a read-only one refuses everything; Enter adds a
// line break in a multi-line field and nothing in a single-line one.
void Type(std::u16string_view text) {
  for (char16_t c : text) {
    NativeObject* edit = FocusedEdit();
    if (!edit || edit->edit.readOnly)
      return;
    std::u16string_view typed(&c, 1);
    if (c == u'\n') {
      if (!edit->edit.multiLine)
        continue;
      typed = u"\r\n";
    } else if (edit->edit.digitsOnly && !IsDigit(c)) {
      continue;
    }
    edit->text += typed;
    core::OnEditChange(TheWorld().focused);
  }
}

// Pasted text is not filtered; a single-line field takes it up to the first line break.
void Paste(std::u16string_view text) {
  NativeObject* edit = FocusedEdit();
  if (!edit || edit->edit.readOnly)
    return;
  if (!edit->edit.multiLine)
    text = text.substr(0, text.find_first_of(u"\r\n"));
  edit->text += text;
  core::OnEditChange(TheWorld().focused);
}

void PressTab() {
  TabFrom(false);
}

void PressShiftTab() {
  TabFrom(true);
}

void RequestClose(WindowId window) {
  core::OnCloseRequest(WindowHandle(window));
}

}  // namespace tk::headless
