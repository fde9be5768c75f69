#include "toolkit/drawing.h"

#include "toolkit/canvas_picture.h"
#include "toolkit/fonts.h"
#include "toolkit/images.h"
#include "toolkit/platform.h"

namespace tk {

std::optional<Drawing> Drawing::Start(ControlId canvas) {
  PixelBuffer* picture = core::CanvasPictureOf(canvas);
  if (!picture)
    return std::nullopt;
  return Drawing(canvas, *picture);
}

Drawing::Drawing(ControlId canvas, PixelBuffer& target)
    : canvas_(canvas), target_(&target), font_(DefaultControlFont()) {}

Drawing::Drawing(Drawing&& other) noexcept
    : canvas_(other.canvas_),
      target_(other.target_),
      mode_(other.mode_),
      font_(other.font_),
      front_(other.front_),
      back_(other.back_),
      origin_(other.origin_),
      gradient_(other.gradient_) {
  other.target_ = nullptr;
}

Drawing::~Drawing() {
  if (target_)
    core::PresentPicture(canvas_, target_);
}

int Drawing::OutputWidth() const {
  return target_->width;
}

int Drawing::OutputHeight() const {
  return target_->height;
}

void Drawing::Mode(int mode) {
  mode_ = mode;
}

void Drawing::Font(FontHandle font) {
  if (font != 0)
    font_ = font;
}

void Drawing::FrontColor(Color color) {
  front_ = color;
}

void Drawing::BackColor(Color color) {
  back_ = color;
}

void Drawing::Origin(int x, int y) {
  origin_ = {x, y};
}

void Drawing::GradientColors(Color start, Color end) {
  gradient_.start = start;
  gradient_.end = end;
}

void Drawing::LinearGradient(int x1, int y1, int x2, int y2) {
  gradient_.x1 = x1;
  gradient_.y1 = y1;
  gradient_.x2 = x2;
  gradient_.y2 = y2;
}

// The outline wins over the gradient when both modes are given.
void Drawing::Box(int x, int y, int width, int height, Color color) {
  int left = x + origin_.x;
  int top = y + origin_.y;
  if (mode_ & kModeOutlined) {
    OutlineBox(*target_, left, top, width, height, color);
  } else if (mode_ & kModeGradient) {
    tk::LinearGradient shifted = gradient_;
    shifted.x1 += origin_.x;
    shifted.x2 += origin_.x;
    shifted.y1 += origin_.y;
    shifted.y2 += origin_.y;
    GradientBox(*target_, left, top, width, height, shifted);
  } else {
    FillBox(*target_, left, top, width, height, color);
  }
}

void Drawing::Line(int x, int y, int width, int height, Color color) {
  DrawLine(*target_, x + origin_.x, y + origin_.y, width, height, color);
}

void Drawing::Plot(int x, int y, Color color) {
  tk::Plot(*target_, x + origin_.x, y + origin_.y, color);
}

int Drawing::Text(int x, int y, std::u16string_view text) {
  return Text(x, y, text, front_, back_);
}

int Drawing::Text(int x, int y, std::u16string_view text, Color front) {
  return Text(x, y, text, front, back_);
}

int Drawing::Text(int x, int y, std::u16string_view text, Color front, Color back) {
  Size extent = MeasureText(font_, text);
  Point at{x + origin_.x, y + origin_.y};
  if (!(mode_ & kModeTransparent))
    FillBox(*target_, at.x, at.y, extent.width, extent.height, back);
  if (!text.empty())
    platform::DrawGlyphs(*target_, font_, at, text, front);
  return x + extent.width;
}

int Drawing::TextWidth(std::u16string_view text) const {
  return MeasureText(font_, text).width;
}

int Drawing::TextHeight(std::u16string_view text) const {
  return MeasureText(font_, text).height;
}

void Drawing::AlphaImage(Handle image, int x, int y, int opacity) {
  if (const Image* picture = ImageFromHandle(image)) {
    BlendImage(*target_, *picture, x + origin_.x, y + origin_.y, opacity);
  }
}

}  // namespace tk
