// Integer pixel geometry. Control rectangles are relative to the parent's client area.
#pragma once

namespace tk {

struct Point {
  int x = 0;
  int y = 0;
  constexpr bool operator==(const Point&) const = default;
};

struct Size {
  int width = 0;
  int height = 0;
  constexpr bool operator==(const Size&) const = default;
};

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  constexpr bool operator==(const Rect&) const = default;
  constexpr bool Contains(Point p) const {
    return p.x >= x && p.y >= y && p.x < x + width && p.y < y + height;
  }
};

}  // namespace tk
