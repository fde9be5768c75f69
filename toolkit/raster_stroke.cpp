// Anti-aliased stroking of an open polyline.
//
// The stroke is built as polygons: one rectangle per segment (flat caps end it exactly at the
// segment's ends) and one wedge per inner corner, a mitre or, past the mitre limit, a bevel. All
// polygons are turned the same way round, so their union is the nonzero-winding area of their
// edges. Each pixel row is cut by 16 sub-scanlines; on each, the covered spans add their exact
// horizontal extent to the pixels they cross, so a pixel wholly inside the stroke gets the full
// colour and a pixel on its border a share by area.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

#include "toolkit/raster.h"
#include "toolkit/raster_pixels.h"

namespace tk {

namespace {

using raster::BlendPixel;
using raster::IsDrawable;
using raster::RowOf;

constexpr int kSubScanlines = 16;
constexpr double kMitreLimit = 10.0;  // mitre length over stroke width, as in SVG and cairo

struct Edge {
  double x_top, y_top, x_bottom, y_bottom;  // y_top < y_bottom
  int winding;                              // +1 or -1
};

struct Crossing {
  double x;
  int winding;
};

PointF operator+(PointF a, PointF b) {
  return {a.x + b.x, a.y + b.y};
}
PointF operator-(PointF a, PointF b) {
  return {a.x - b.x, a.y - b.y};
}
PointF operator*(PointF a, double k) {
  return {a.x * k, a.y * k};
}
double Dot(PointF a, PointF b) {
  return a.x * b.x + a.y * b.y;
}

bool IsFinite(PointF p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

// Adds a closed polygon's edges, turned so that its inside counts +1; a polygon without area adds
// nothing.
void AddPolygon(std::vector<Edge>& edges, std::span<const PointF> polygon) {
  double twice_area = 0;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const PointF a = polygon[i];
    const PointF b = polygon[(i + 1) % polygon.size()];
    twice_area += a.x * b.y - b.x * a.y;
  }
  if (!(twice_area != 0)) {
    return;
  }
  const int turn = twice_area > 0 ? 1 : -1;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const PointF a = polygon[i];
    const PointF b = polygon[(i + 1) % polygon.size()];
    if (a.y < b.y) {
      edges.push_back({a.x, a.y, b.x, b.y, turn});
    } else if (b.y < a.y) {
      edges.push_back({b.x, b.y, a.x, a.y, -turn});
    }
  }
}

// The polyline without repeated points, or nothing when a point is not finite.
std::vector<PointF> DistinctPoints(std::span<const PointF> points) {
  std::vector<PointF> distinct;
  for (const PointF& p : points) {
    if (!IsFinite(p)) {
      return {};
    }
    if (distinct.empty() || p.x != distinct.back().x || p.y != distinct.back().y) {
      distinct.push_back(p);
    }
  }
  return distinct;
}

// The unit normal to the left of the segment from a to b.
PointF NormalOf(PointF a, PointF b) {
  const PointF d = b - a;
  const double length = std::hypot(d.x, d.y);
  return {-d.y / length, d.x / length};
}

// The wedge that fills the outer side of the corner at p between a segment with normal n1 and
// the next with normal n2.
void AddJoin(std::vector<Edge>& edges, PointF p, PointF n1, PointF n2, PointF next_direction,
             double half) {
  // The outer side is the one the next segment turns away from.
  const double side = Dot(n1, next_direction) > 0 ? -1.0 : 1.0;
  const PointF outer1 = n1 * side;
  const PointF outer2 = n2 * side;
  const PointF a = p + outer1 * half;
  const PointF b = p + outer2 * half;
  const PointF bisector = outer1 + outer2;
  const double bisector_squared = Dot(bisector, bisector);
  // The mitre tip lies half / cos(theta / 2) out along the bisector, where |bisector| is
  // 2 cos(theta / 2); its length over the stroke width is 1 / cos(theta / 2).
  if (bisector_squared * kMitreLimit * kMitreLimit > 4.0) {
    const PointF tip = p + bisector * (2.0 * half / bisector_squared);
    const PointF mitre[] = {p, a, tip, b};
    AddPolygon(edges, mitre);
  } else {
    const PointF bevel[] = {p, a, b};
    AddPolygon(edges, bevel);
  }
}

std::vector<Edge> StrokeEdges(const std::vector<PointF>& line, double half) {
  std::vector<Edge> edges;
  for (std::size_t i = 0; i + 1 < line.size(); ++i) {
    const PointF a = line[i];
    const PointF b = line[i + 1];
    const PointF offset = NormalOf(a, b) * half;
    const PointF quad[] = {a + offset, b + offset, b - offset, a - offset};
    AddPolygon(edges, quad);
    if (i + 2 < line.size()) {
      AddJoin(edges, b, NormalOf(a, b), NormalOf(b, line[i + 2]), line[i + 2] - b, half);
    }
  }
  return edges;
}

// Adds the horizontal extent of the span from x0 to x1 (clipped to 0..width) to each pixel.
void AddSpan(std::vector<double>& coverage, double x0, double x1) {
  const double width = double(coverage.size());
  x0 = std::clamp(x0, 0.0, width);
  x1 = std::clamp(x1, 0.0, width);
  if (!(x0 < x1)) {
    return;
  }
  const std::size_t first = std::size_t(x0);
  const std::size_t last = std::size_t(x1);
  if (first == last) {
    coverage[first] += x1 - x0;
    return;
  }
  coverage[first] += double(first + 1) - x0;
  for (std::size_t p = first + 1; p < last; ++p) {
    coverage[p] += 1.0;
  }
  if (last < coverage.size()) {
    coverage[last] += x1 - double(last);
  }
}

// Adds the nonzero-winding spans of one sub-scanline at height y.
void AddScanline(std::vector<double>& coverage, const std::vector<Edge>& edges, double y,
                 std::vector<Crossing>& crossings) {
  crossings.clear();
  for (const Edge& e : edges) {
    if (e.y_top <= y && y < e.y_bottom) {
      // Written so that no crossing is NaN, even for edges near the limits of double: t stays
      // in 0..1 and each term of the mix is finite.
      double t = (y - e.y_top) / (e.y_bottom - e.y_top);
      t = t > 0 ? std::min(t, 1.0) : 0.0;
      crossings.push_back({e.x_top * (1 - t) + e.x_bottom * t, e.winding});
    }
  }
  std::sort(crossings.begin(), crossings.end(),
            [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
  int winding = 0;
  double span_start = 0;
  for (std::size_t i = 0; i < crossings.size();) {
    const double x = crossings[i].x;
    const int before = winding;
    // Crossings at one x act together, so that polygons sharing an edge leave no seam.
    for (; i < crossings.size() && crossings[i].x == x; ++i) {
      winding += crossings[i].winding;
    }
    if (before == 0 && winding != 0) {
      span_start = x;
    } else if (before != 0 && winding == 0) {
      AddSpan(coverage, span_start, x);
    }
  }
}

void BlendRow(std::uint32_t* row, const std::vector<double>& coverage, std::uint32_t rgba) {
  const double alpha = double(rgba >> 24);
  for (std::size_t x = 0; x < coverage.size(); ++x) {
    const double share = std::min(coverage[x] / kSubScanlines, 1.0);
    const auto a = std::uint32_t(std::nearbyint(alpha * share));
    if (a != 0) {
      row[x] = BlendPixel(row[x], rgba, a);
    }
  }
}

}  // namespace

void StrokePolyline(PixelBuffer& buffer, std::span<const PointF> points, double width,
                    std::uint32_t rgba) {
  if (!IsDrawable(buffer) || !(width > 0) || !std::isfinite(width) || (rgba >> 24) == 0) {
    return;
  }
  const std::vector<PointF> line = DistinctPoints(points);
  if (line.size() < 2) {
    return;
  }
  const std::vector<Edge> edges = StrokeEdges(line, width / 2);
  double top = buffer.height;
  double bottom = 0;
  for (const Edge& e : edges) {
    if (!std::isfinite(e.x_top) || !std::isfinite(e.x_bottom) || !std::isfinite(e.y_top) ||
        !std::isfinite(e.y_bottom)) {
      return;
    }
    top = std::min(top, e.y_top);
    bottom = std::max(bottom, e.y_bottom);
  }
  const int first_row = int(std::max(0.0, std::floor(top)));
  const int end_row = int(std::min(double(buffer.height), std::ceil(bottom)));
  std::vector<double> coverage(std::size_t(buffer.width));
  std::vector<Crossing> crossings;
  for (int y = first_row; y < end_row; ++y) {
    std::fill(coverage.begin(), coverage.end(), 0.0);
    for (int sub = 0; sub < kSubScanlines; ++sub) {
      AddScanline(coverage, edges, y + (sub + 0.5) / kSubScanlines, crossings);
    }
    BlendRow(RowOf(buffer, y), coverage, rgba);
  }
}

}  // namespace tk
