// Vector drawing on a canvas, in pixel units: one path of lines, stroked with flat caps, mitred
// joins and anti-aliasing. Ends, and shows the picture, when the object is destroyed.
#pragma once

#include <optional>
#include <vector>

#include "toolkit/color.h"
#include "toolkit/ids.h"
#include "toolkit/raster.h"

namespace tk {

class VectorDrawing {
 public:
  static std::optional<VectorDrawing> Start(ControlId canvas);
  VectorDrawing(VectorDrawing&& other) noexcept;
  VectorDrawing& operator=(VectorDrawing&&) = delete;
  VectorDrawing(const VectorDrawing&) = delete;
  ~VectorDrawing();

  double OutputWidth() const;
  double OutputHeight() const;

  void MovePathCursor(double x, double y);  // starts a new path
  void AddPathLine(double x, double y);
  void SourceColor(Color color, int alpha);
  void StrokePath(double width);  // strokes and clears the path

 private:
  VectorDrawing(ControlId canvas, PixelBuffer& target);

  ControlId canvas_;
  PixelBuffer* target_;
  std::vector<PointF> path_;
  std::uint32_t rgba_ = 0xFF000000u;
};

}  // namespace tk
