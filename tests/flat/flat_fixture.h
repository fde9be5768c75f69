// A headless session with one open window and a fresh kit registry, and the picture helpers the
// kit's tests share. Controls go at known places in window 0, so pointer input can reach them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>

#include "flat/flat_attach.h"
#include "flat/flat_gadget.h"
#include "flat/flat_registry.h"
#include "toolkit/color.h"
#include "toolkit/controls.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/raster.h"
#include "toolkit/window.h"

// Readable failures for the toolkit's geometry.
namespace tk {
inline void PrintTo(Point p, std::ostream* out) {
  *out << "(" << p.x << ", " << p.y << ")";
}
inline void PrintTo(Rect r, std::ostream* out) {
  *out << "(" << r.x << ", " << r.y << ", " << r.width << " x " << r.height << ")";
}
}  // namespace tk

namespace flat::testing {

inline constexpr tk::WindowId kWindow{0};

class FlatTest : public ::testing::Test {
 protected:
  FlatTest() {
    tk::OpenWindow(kWindow, {0, 0, 700, 400}, u"Flat");
    CreateFlatRegistry();
  }

  static tk::PixelBuffer Picture(tk::ControlId id) { return tk::headless::CanvasPicture(id); }
  static tk::Color Pixel(tk::ControlId id, int x, int y) { return Picture(id).ColorAt(x, y); }
  static int Paints(tk::ControlId id) { return tk::headless::CanvasPresentations(id); }
  static FlatGadget& Record(tk::ControlId id) {
    tk::GadgetObject* object = tk::FindControl(id);
    EXPECT_NE(object, nullptr);
    return *FlatFromObject(*object);
  }

  tk::headless::Session session_;
};

// Pixels that are not the background colour, as the smallest rectangle holding them.
inline std::optional<tk::Rect> InkBounds(const tk::PixelBuffer& picture, tk::Rect area,
                                         tk::Color background) {
  int left = area.x + area.width, top = area.y + area.height, right = area.x - 1,
      bottom = area.y - 1;
  for (int y = area.y; y < area.y + area.height; ++y) {
    for (int x = area.x; x < area.x + area.width; ++x) {
      if (picture.ColorAt(x, y) != background) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
  }
  if (right < left) {
    return std::nullopt;
  }
  return tk::Rect{left, top, right - left + 1, bottom - top + 1};
}

}  // namespace flat::testing
