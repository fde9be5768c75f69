// The window as the screen would show it. Each control is drawn into a copy of what lies under
// it, then copied back within its parent's visible area, so children are clipped to their
// parents and later siblings cover earlier ones. Colours nobody set are the system's: the window
// face RGB(240, 240, 240) for windows, containers and labels, white for edit fields (the face for
// read-only or disabled ones), black text (grey 109 when disabled).
#include <algorithm>

#include "toolkit/platform.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/platform/headless/world.h"
#include "toolkit/window.h"

namespace tk::headless {
namespace {

constexpr Color kFace = Rgb(240, 240, 240);
constexpr Color kDisabledText = Rgb(109, 109, 109);

Rect Intersect(Rect a, Rect b) {
  int left = std::max(a.x, b.x);
  int top = std::max(a.y, b.y);
  int right = std::min(a.x + a.width, b.x + b.width);
  int bottom = std::min(a.y + a.height, b.y + b.height);
  return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

PixelBuffer BlankLike(Rect area) {
  PixelBuffer picture;
  picture.width = area.width;
  picture.height = area.height;
  picture.pixels.assign(std::size_t(area.width) * std::size_t(area.height), ToPixel(kFace));
  return picture;
}

PixelBuffer CopyOut(const PixelBuffer& screen, Rect area) {
  PixelBuffer local = BlankLike(area);
  for (int y = 0; y < area.height; ++y) {
    for (int x = 0; x < area.width; ++x) {
      int sx = area.x + x;
      int sy = area.y + y;
      if (sx >= 0 && sy >= 0 && sx < screen.width && sy < screen.height) {
        local.pixels[std::size_t(y) * area.width + x] = screen.At(sx, sy);
      }
    }
  }
  return local;
}

void CopyBack(PixelBuffer& screen, const PixelBuffer& local, Rect area, Rect clip) {
  Rect visible = Intersect(area, clip);
  for (int y = visible.y; y < visible.y + visible.height; ++y) {
    for (int x = visible.x; x < visible.x + visible.width; ++x) {
      screen.pixels[std::size_t(y) * screen.width + x] = local.At(x - area.x, y - area.y);
    }
  }
}

void Fill(PixelBuffer& local, Color color) {
  std::fill(local.pixels.begin(), local.pixels.end(), ToPixel(color));
}

std::vector<std::u16string_view> Lines(std::u16string_view text) {
  std::vector<std::u16string_view> lines;
  for (std::size_t at = text.find(u"\r\n"); at != std::u16string_view::npos;
       at = text.find(u"\r\n")) {
    lines.push_back(text.substr(0, at));
    text.remove_prefix(at + 2);
  }
  lines.push_back(text);
  return lines;
}

// Lines of text stacked from `top`, each left-aligned at `left` or centred in [left, left+width).
void DrawTextBlock(PixelBuffer& local, const NativeObject& object, Rect box, bool centred,
                   Color color) {
  int y = box.y;
  for (std::u16string_view line : Lines(object.text)) {
    Size extent = platform::MeasureText(object.font, line);
    int x = centred ? box.x + (box.width - extent.width) / 2 : box.x;
    platform::DrawGlyphs(local, object.font, {x, y}, line, color);
    y += platform::MeasureText(object.font, u"A").height;
  }
}

void DrawLabel(PixelBuffer& local, const NativeObject& label, bool enabled) {
  Fill(local, label.back.value_or(kFace));
  Color color = enabled ? label.front.value_or(0) : kDisabledText;
  int height = platform::MeasureText(label.font, u"A").height;
  int top = label.label.centerVertically ? (label.rect.height - height) / 2 : 0;
  DrawTextBlock(local, label, {0, top, label.rect.width, label.rect.height},
                label.label.centerHorizontally, color);
}

void DrawEdit(PixelBuffer& local, const NativeObject& edit, bool enabled) {
  bool plain = enabled && !edit.edit.readOnly;
  Fill(local, edit.back.value_or(plain ? Rgb(255, 255, 255) : kFace));
  Rect box = edit.formattingRect.value_or(Rect{0, 0, edit.rect.width, edit.rect.height});
  Color color = enabled ? edit.front.value_or(0) : kDisabledText;
  DrawTextBlock(local, edit, box, edit.edit.centered, color);
}

void DrawImage(PixelBuffer& local, const Image& image) {
  for (int y = 0; y < std::min(image.height, local.height); ++y) {
    for (int x = 0; x < std::min(image.width, local.width); ++x) {
      std::uint32_t over = image.pixels[std::size_t(y) * image.width + x];
      std::uint32_t under = local.At(x, y);
      std::uint32_t alpha = over >> 24;
      std::uint32_t mixed = 0xFF000000u;
      for (int shift = 0; shift < 24; shift += 8) {
        std::uint32_t a = (over >> shift) & 0xFF;
        std::uint32_t b = (under >> shift) & 0xFF;
        mixed |= ((a * alpha + b * (255 - alpha) + 127) / 255) << shift;
      }
      local.pixels[std::size_t(y) * local.width + x] = mixed;
    }
  }
}

void DrawControl(PixelBuffer& screen, Handle handle, Point parentOrigin, Rect clip, bool enabled) {
  const NativeObject& object = *FindNative(handle);
  if (!object.visible)
    return;
  Rect area{parentOrigin.x + object.rect.x, parentOrigin.y + object.rect.y, object.rect.width,
            object.rect.height};
  Rect visible = Intersect(area, clip);
  if (visible.width == 0 || visible.height == 0)
    return;
  bool usable = enabled && object.enabled;
  PixelBuffer local = CopyOut(screen, area);
  switch (object.kind) {
    case NativeKind::Container:
      Fill(local, object.back.value_or(kFace));
      break;
    case NativeKind::Label:
      DrawLabel(local, object, usable);
      break;
    case NativeKind::Edit:
      DrawEdit(local, object, usable);
      break;
    case NativeKind::Canvas:
      for (int y = 0; y < std::min(local.height, object.picture.height); ++y) {
        for (int x = 0; x < std::min(local.width, object.picture.width); ++x) {
          local.pixels[std::size_t(y) * local.width + x] = object.picture.At(x, y);
        }
      }
      break;
    case NativeKind::ImageView:
      if (object.image)
        DrawImage(local, *object.image);
      break;
    case NativeKind::TopLevel:
      break;
  }
  CopyBack(screen, local, area, clip);
  for (Handle child : ChildrenOf(handle)) {
    DrawControl(screen, child, {area.x, area.y}, visible, usable);
  }
}

}  // namespace

PixelBuffer Screenshot(WindowId id) {
  Handle window = WindowHandle(id);
  const NativeObject* object = FindNative(window);
  if (!object)
    return {};
  Rect client{0, 0, object->rect.width, object->rect.height};
  PixelBuffer screen = BlankLike(client);
  Fill(screen, object->color);
  for (Handle child : ChildrenOf(window))
    DrawControl(screen, child, {0, 0}, client, true);
  return screen;
}

}  // namespace tk::headless
