// Images for the kit's tests, made the way the program makes them: from PNG bytes.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "toolkit/color.h"
#include "toolkit/geometry.h"
#include "toolkit/images.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/raster.h"

namespace flat::testing {

// A new image of one opaque colour, under a number the toolkit chooses.
inline tk::ImageId MakeImage(tk::Size size, tk::Color color) {
  std::string path = ::testing::TempDir() + "flat_test_image.png";
  tk::PixelBuffer pixels(size.width, size.height, tk::ToPixel(color));
  EXPECT_TRUE(tk::headless::WritePng(pixels, path));
  std::ifstream file(path, std::ios::binary);
  std::vector<std::uint8_t> png{std::istreambuf_iterator<char>(file), {}};
  std::remove(path.c_str());
  std::intptr_t number = tk::CatchPngImage(tk::ImageId{tk::kAnyNumber}, png);
  EXPECT_NE(number, 0);
  return tk::ImageId{int(number)};
}

}  // namespace flat::testing
