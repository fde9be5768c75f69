// Stock controls in memory: text, options, colours, fonts, flags and the focus. Setting an edit
// field's text reports a change, as the native control does; labels report nothing.
#include "toolkit/platform.h"
#include "toolkit/platform/headless/world.h"

namespace tk::platform {
namespace {

using headless::FindNative;
using headless::NativeKind;
using headless::NativeObject;

Handle AddControl(NativeKind kind, Handle parent, Rect rect, std::u16string_view text = {}) {
  if (!FindNative(parent))
    return 0;
  NativeObject control;
  control.kind = kind;
  control.parent = parent;
  control.rect = rect;
  control.text = std::u16string(text);
  return headless::AddNative(std::move(control));
}

}  // namespace

Handle CreateLabel(Handle parent, Rect rect, std::u16string_view text, LabelOptions options) {
  Handle handle = AddControl(NativeKind::Label, parent, rect, text);
  if (handle != 0)
    FindNative(handle)->label = options;
  return handle;
}

Handle CreateEdit(Handle parent, Rect rect, std::u16string_view text, EditOptions options) {
  Handle handle = AddControl(NativeKind::Edit, parent, rect, text);
  if (handle != 0)
    FindNative(handle)->edit = options;
  return handle;
}

Handle CreateContainer(Handle parent, Rect rect) {
  return AddControl(NativeKind::Container, parent, rect);
}

Handle CreateCanvas(Handle parent, Rect rect) {
  return AddControl(NativeKind::Canvas, parent, rect);
}

Handle CreateImageView(Handle parent, Rect rect) {
  return AddControl(NativeKind::ImageView, parent, rect);
}

std::u16string GetText(Handle control) {
  NativeObject* object = FindNative(control);
  return object ? object->text : std::u16string();
}

void SetText(Handle control, std::u16string_view text) {
  NativeObject* object = FindNative(control);
  if (!object)
    return;
  object->text = std::u16string(text);
  if (object->kind == NativeKind::Edit)
    core::OnEditChange(control);
}

void SetFont(Handle control, FontHandle font) {
  if (NativeObject* object = FindNative(control))
    object->font = font;
}

void SetColor(Handle control, int colorType, Color color) {
  NativeObject* object = FindNative(control);
  if (!object)
    return;
  if (colorType == kColorFront)
    object->front = color;
  if (colorType == kColorBack)
    object->back = color;
}

void Move(Handle control, Rect rect) {
  if (NativeObject* object = FindNative(control))
    object->rect = rect;
}

void SetEnabled(Handle control, bool enabled) {
  if (NativeObject* object = FindNative(control))
    object->enabled = enabled;
}

void SetVisible(Handle control, bool visible) {
  if (NativeObject* object = FindNative(control))
    object->visible = visible;
}

// The loser hears of it first, then the gainer, as native focus changes are reported.
void Focus(Handle control) {
  headless::World& world = headless::TheWorld();
  if (!FindNative(control) || world.focused == control)
    return;
  Handle previous = world.focused;
  world.focused = control;
  world.activeWindow = headless::TopLevelOf(control);
  if (previous != 0)
    core::OnFocusChange(previous, false);
  core::OnFocusChange(control, true);
}

// Lines end at CR LF only, as in the native edit control; a field without one has one line.
int EditLineCount(Handle edit) {
  NativeObject* object = FindNative(edit);
  if (!object)
    return 0;
  if (!object->edit.multiLine)
    return 1;
  int lines = 1;
  for (std::size_t at = object->text.find(u"\r\n"); at != std::u16string::npos;
       at = object->text.find(u"\r\n", at + 2)) {
    ++lines;
  }
  return lines;
}

void SetEditRect(Handle edit, Rect rect) {
  if (NativeObject* object = FindNative(edit))
    object->formattingRect = rect;
}

Size ClientSize(Handle control) {
  NativeObject* object = FindNative(control);
  return object ? Size{object->rect.width, object->rect.height} : Size{};
}

void SetImageViewPicture(Handle view, const Image* image) {
  NativeObject* object = FindNative(view);
  if (!object)
    return;
  object->image.reset();
  if (image)
    object->image = *image;
}

void PresentCanvas(Handle canvas, const PixelBuffer& picture) {
  NativeObject* object = FindNative(canvas);
  if (!object)
    return;
  object->picture = picture;
  ++object->presentations;
}

void CapturePointer(Handle canvas, bool capture) {
  headless::World& world = headless::TheWorld();
  if (capture) {
    world.captured = canvas;
  } else if (world.captured == canvas) {
    world.captured = 0;
  }
}

}  // namespace tk::platform
