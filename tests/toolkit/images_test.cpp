// Images by number, PNG through the platform, and image views.
#include "toolkit/images.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "toolkit/controls.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/window.h"

namespace {

using namespace tk;

// A PNG of a 3 x 2 picture, made by the headless writer and read back as bytes.
std::vector<std::uint8_t> SamplePng() {
  PixelBuffer picture;
  picture.width = 3;
  picture.height = 2;
  picture.pixels = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0x80FFFFFFu, 0x00000000u, 0xFF123456u};
  auto path = std::filesystem::temp_directory_path() /
              ("kennwerk_sample_" + std::to_string(::getpid()) + ".png");
  EXPECT_TRUE(headless::WritePng(picture, path.string()));
  std::ifstream in(path, std::ios::binary);
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
  std::filesystem::remove(path);
  return bytes;
}

TEST(Images, DecodeCopyResizeAndFree) {
  headless::Session session;
  std::vector<std::uint8_t> png = SamplePng();
  std::intptr_t handle = CatchPngImage(ImageId{14}, png);
  ASSERT_NE(handle, 0);
  EXPECT_EQ(handle, ImageHandleOf(ImageId{14}));
  const Image* image = ImageFromHandle(handle);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, (std::vector<std::uint32_t>{0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu,
                                                       0x80FFFFFFu, 0x00000000u, 0xFF123456u}));

  std::intptr_t copy = CopyImage(ImageId{14}, ImageId{kAnyNumber});
  ASSERT_TRUE(IsImage(ImageId{int(copy)}));
  EXPECT_NE(ImageHandleOf(ImageId{int(copy)}), handle);
  EXPECT_TRUE(ResizeImage(ImageId{int(copy)}, 6, 4));
  EXPECT_EQ(ImageWidth(ImageId{int(copy)}), 6);
  EXPECT_EQ(ImageHeight(ImageId{14}), 2) << "the original stays";
  EXPECT_TRUE(ResizeImage(ImageId{14}, 3, 2));
  EXPECT_EQ(ImageFromHandle(handle)->pixels, image->pixels) << "the same size is unchanged";

  FreeImage(ImageId{14});
  EXPECT_FALSE(IsImage(ImageId{14}));
  EXPECT_EQ(ImageFromHandle(handle), nullptr);
  EXPECT_EQ(ImageHandleOf(ImageId{14}), 0);
  const std::uint8_t junk[] = {1, 2, 3};
  EXPECT_EQ(CatchPngImage(ImageId{15}, junk), 0);
  EXPECT_FALSE(IsImage(ImageId{15}));
}

TEST(Images, AnImageViewTakesThePicturesSizeAndItsStateIsTheHandle) {
  headless::Session session;
  OpenWindow(WindowId{0}, {0, 0, 100, 100}, u"Test");
  std::intptr_t handle = CatchPngImage(ImageId{14}, SamplePng());
  CreateImageView(ControlId{13}, {10, 5, 26, 30}, handle);
  EXPECT_EQ(ControlRect(ControlId{13}), (Rect{10, 5, 3, 2}));
  EXPECT_EQ(GetControlState(ControlId{13}), handle);
  PixelBuffer shot = headless::Screenshot(WindowId{0});
  EXPECT_EQ(shot.ColorAt(10, 5), Rgb(255, 0, 0));
  EXPECT_EQ(shot.ColorAt(12, 6), Rgb(0x12, 0x34, 0x56));

  CreateImageView(ControlId{20}, {40, 5, 26, 30}, 0);
  EXPECT_EQ(ControlRect(ControlId{20}), (Rect{40, 5, 26, 30})) << "no picture: the size asked";
  SetControlState(ControlId{20}, handle);
  EXPECT_EQ(ControlRect(ControlId{20}), (Rect{40, 5, 3, 2}));
  FreeImage(ImageId{14});
  EXPECT_EQ(GetControlState(ControlId{13}), 0) << "a freed picture is no longer shown";
}

}  // namespace
