#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "tests/raster/picture.h"
#include "toolkit/raster.h"

namespace tk {
namespace {

using testing::Picture;

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kInk = 0xFF204080u;
const std::map<std::uint32_t, char> kLegend = {{kWhite, '.'}, {kInk, '#'}};

struct Segment {
  PointF a, b;
};

// Distance from p to the segment's line and p's position along it (0 at a, 1 at b).
struct Placement {
  double distance;
  double along;
};

Placement PlaceOn(const Segment& s, PointF p) {
  const double dx = s.b.x - s.a.x;
  const double dy = s.b.y - s.a.y;
  const double length = std::hypot(dx, dy);
  const double px = p.x - s.a.x;
  const double py = p.y - s.a.y;
  return {std::abs(px * dy - py * dx) / length, (px * dx + py * dy) / (length * length)};
}

bool SquareInsideSegment(const Segment& s, int x, int y, double half) {
  for (const PointF corner : {PointF{double(x), double(y)}, PointF{x + 1.0, double(y)},
                              PointF{double(x), y + 1.0}, PointF{x + 1.0, y + 1.0}}) {
    const Placement place = PlaceOn(s, corner);
    if (place.distance > half || place.along < 0 || place.along > 1) {
      return false;
    }
  }
  return true;
}

double DistanceToSegment(const Segment& s, PointF p) {
  const Placement place = PlaceOn(s, p);
  if (place.along >= 0 && place.along <= 1) {
    return place.distance;
  }
  const PointF end = place.along < 0 ? s.a : s.b;
  return std::hypot(p.x - end.x, p.y - end.y);
}

// The check mark of a 20 x 20 check box: (3, 10) to (10, 14) to (17, 3), three pixels wide.
class CheckMark : public ::testing::Test {
 protected:
  void SetUp() override {
    const PointF mark[] = {{3, 10}, {10, 14}, {17, 3}};
    StrokePolyline(buffer, mark, 3, kInk);
  }

  PixelBuffer buffer{20, 20, kWhite};
  const Segment segments[2] = {{{3, 10}, {10, 14}}, {{10, 14}, {17, 3}}};
};

TEST_F(CheckMark, FillsPixelsWellInsideAndLeavesFarPixelsUntouched) {
  int inside = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      const PointF centre{x + 0.5, y + 0.5};
      const double distance =
          std::min(DistanceToSegment(segments[0], centre), DistanceToSegment(segments[1], centre));
      if (SquareInsideSegment(segments[0], x, y, 1.5) ||
          SquareInsideSegment(segments[1], x, y, 1.5)) {
        ++inside;
        EXPECT_EQ(buffer.At(x, y), kInk) << "inside at (" << x << ", " << y << ")";
      } else if (distance > 2.9) {  // beyond half the width, a pixel's reach and the mitre tip
        EXPECT_EQ(buffer.At(x, y), kWhite) << "far at (" << x << ", " << y << ")";
      }
    }
  }
  EXPECT_GT(inside, 20);
}

TEST_F(CheckMark, CoversPixelsOnItsBorderPartially) {
  int partial = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      const PointF centre{x + 0.5, y + 0.5};
      for (const Segment& s : segments) {
        const Placement place = PlaceOn(s, centre);
        // Centres near the long edges, away from the ends and the corner.
        if (std::abs(place.distance - 1.5) < 0.2 && place.along > 0.25 && place.along < 0.75) {
          ++partial;
          EXPECT_NE(buffer.At(x, y), kInk) << "(" << x << ", " << y << ")";
          EXPECT_NE(buffer.At(x, y), kWhite) << "(" << x << ", " << y << ")";
        }
      }
    }
  }
  EXPECT_GT(partial, 4);
}

TEST_F(CheckMark, HasFlatEndsThatStopAtItsEndPoints) {
  // Wholly behind the start, but within half the width of it: a square or round cap would
  // reach here.
  EXPECT_EQ(buffer.At(1, 10), kWhite);
  EXPECT_EQ(buffer.At(17, 1), kWhite);
}

TEST(StrokePolyline, MitresARightAngleAndCutsTheEndsFlat) {
  PixelBuffer buffer(14, 14, kWhite);
  const PointF corner[] = {{2, 10}, {10, 10}, {10, 2}};
  StrokePolyline(buffer, corner, 4, kInk);
  EXPECT_EQ(Picture(buffer, kLegend), (std::vector<std::string>{
                                          "..............",
                                          "..............",
                                          "........####..",
                                          "........####..",
                                          "........####..",
                                          "........####..",
                                          "........####..",
                                          "........####..",
                                          "..##########..",
                                          "..##########..",
                                          "..##########..",
                                          "..##########..",
                                          "..............",
                                          "..............",
                                      }));
}

TEST(StrokePolyline, BevelsACornerSharperThanTheMitreLimit) {
  PixelBuffer buffer(40, 8, kWhite);
  const PointF spike[] = {{2, 2}, {20, 3}, {2, 4}};
  StrokePolyline(buffer, spike, 2, kInk);
  EXPECT_NE(buffer.At(18, 3), kWhite);
  for (int y = 0; y < 8; ++y) {
    for (int x = 22; x < 40; ++x) {
      EXPECT_EQ(buffer.At(x, y), kWhite) << "(" << x << ", " << y << ")";
    }
  }
}

TEST(StrokePolyline, BlendsWithTheColoursAlpha) {
  PixelBuffer buffer(8, 4, 0xFF000000u);
  const PointF line[] = {{0, 2}, {8, 2}};
  StrokePolyline(buffer, line, 2, 0x80FFFFFFu);
  EXPECT_EQ(buffer.At(3, 1), 0xFF808080u);
  EXPECT_EQ(buffer.At(3, 0), 0xFF000000u);
}

TEST(StrokePolyline, ClipsAHugeStrokeToTheBuffer) {
  PixelBuffer buffer(8, 8, kWhite);
  const PointF line[] = {{-1e12, 5}, {1e12, 5}};
  StrokePolyline(buffer, line, 2, kInk);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      EXPECT_EQ(buffer.At(x, y), y == 4 || y == 5 ? kInk : kWhite) << "(" << x << ", " << y << ")";
    }
  }
}

TEST(StrokePolyline, DrawsNothingForDegenerateInput) {
  constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const std::vector<std::vector<PointF>> paths = {
      {},
      {{3, 3}},
      {{3, 3}, {3, 3}},
      {{1, 1}, {kNan, 5}},
      {{1, 1}, {5, kInf}},
      {{-1e308, 4}, {1e308, 4}},
  };
  for (const auto& path : paths) {
    PixelBuffer buffer(8, 8, kWhite);
    StrokePolyline(buffer, path, 2, kInk);
    EXPECT_EQ(buffer.pixels, std::vector<std::uint32_t>(64, kWhite)) << path.size() << " points";
  }
  for (const double width : {0.0, -2.0, kNan, kInf}) {
    PixelBuffer buffer(8, 8, kWhite);
    const PointF line[] = {{0, 4}, {8, 4}};
    StrokePolyline(buffer, line, width, kInk);
    EXPECT_EQ(buffer.pixels, std::vector<std::uint32_t>(64, kWhite)) << "width " << width;
  }
}

}  // namespace
}  // namespace tk
