#include "toolkit/vector_drawing.h"

#include "toolkit/canvas_picture.h"

namespace tk {

std::optional<VectorDrawing> VectorDrawing::Start(ControlId canvas) {
  PixelBuffer* picture = core::CanvasPictureOf(canvas);
  if (!picture)
    return std::nullopt;
  return VectorDrawing(canvas, *picture);
}

VectorDrawing::VectorDrawing(ControlId canvas, PixelBuffer& target)
    : canvas_(canvas), target_(&target) {}

VectorDrawing::VectorDrawing(VectorDrawing&& other) noexcept
    : canvas_(other.canvas_),
      target_(other.target_),
      path_(std::move(other.path_)),
      rgba_(other.rgba_) {
  other.target_ = nullptr;
}

VectorDrawing::~VectorDrawing() {
  if (target_)
    core::PresentPicture(canvas_, target_);
}

double VectorDrawing::OutputWidth() const {
  return target_->width;
}

double VectorDrawing::OutputHeight() const {
  return target_->height;
}

void VectorDrawing::MovePathCursor(double x, double y) {
  path_ = {{x, y}};
}

void VectorDrawing::AddPathLine(double x, double y) {
  path_.push_back({x, y});
}

void VectorDrawing::SourceColor(Color color, int alpha) {
  std::uint32_t a = std::uint32_t(alpha < 0 ? 0 : alpha > 255 ? 255 : alpha);
  rgba_ = (a << 24) | (ToPixel(color) & 0x00FFFFFFu);
}

void VectorDrawing::StrokePath(double width) {
  if (path_.size() >= 2)
    StrokePolyline(*target_, path_, width, rgba_);
  path_.clear();
}

}  // namespace tk
