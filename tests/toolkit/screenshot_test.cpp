// What the headless screen shows, and the program's own event loop over scripted steps.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "toolkit/controls.h"
#include "toolkit/drawing.h"
#include "toolkit/events.h"
#include "toolkit/fonts.h"
#include "toolkit/images.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/toolkit.h"
#include "toolkit/window.h"

namespace {

using namespace tk;

constexpr WindowId kWindow{0};
constexpr Color kGreen = Rgb(149, 185, 104);
constexpr Color kWhite = Rgb(255, 255, 255);

TEST(Screenshot, ComposesTheWindowColourControlsTextsAndCanvasPictures) {
  headless::Session session;
  OpenWindow(kWindow, {0, 0, 200, 100}, u"Test", {.borderless = true});
  SetWindowColor(kWindow, kGreen);
  FontHandle font = FontHandleOf(FontId{int(LoadFont(FontId{kAnyNumber}, u"Segoe Ui", 12, 0))});
  CreateLabel(ControlId{1}, {10, 10, 50, 30}, u"AB",
              {.centerVertically = true, .centerHorizontally = true});
  SetControlFont(ControlId{1}, font);
  SetControlColor(ControlId{1}, kColorBack, kWhite);
  CreateEdit(ControlId{2}, {100, 10, 60, 60}, u"x\r\ny", {.multiLine = true});
  SetControlFont(ControlId{2}, font);
  SetEditFormattingRect(ControlId{2}, {0, 20, 60, 40});
  CreateCanvas(ControlId{3}, {0, 80, 20, 20});
  Drawing::Start(ControlId{3})->Box(0, 0, 20, 20, Rgb(255, 0, 0));

  PixelBuffer shot = headless::Screenshot(kWindow);
  ASSERT_EQ(shot.width, 200);
  EXPECT_EQ(shot.ColorAt(0, 0), kGreen);
  EXPECT_EQ(shot.ColorAt(10, 10), kWhite);
  // "AB" is 14 x 16, centred in 50 x 30: cells from x = 10 + 18, y = 10 + 7; glyph rows 4..13.
  EXPECT_EQ(shot.ColorAt(29, 21), Rgb(0, 0, 0));
  EXPECT_EQ(shot.ColorAt(28, 21), kWhite) << "one pixel in from the cell's side";
  EXPECT_EQ(shot.ColorAt(29, 20), kWhite) << "a quarter of the height down";
  // The edit's lines start at its formatting rectangle, one line height apart.
  EXPECT_EQ(shot.ColorAt(101, 10 + 20 + 4), Rgb(0, 0, 0));
  EXPECT_EQ(shot.ColorAt(101, 10 + 36 + 4), Rgb(0, 0, 0));
  EXPECT_EQ(shot.ColorAt(101, 10 + 4), kWhite);
  EXPECT_EQ(shot.ColorAt(5, 85), Rgb(255, 0, 0));

  auto path = std::filesystem::temp_directory_path() /
              ("kennwerk_shot_" + std::to_string(::getpid()) + ".png");
  ASSERT_TRUE(headless::WritePng(shot, path.string()));
  std::ifstream in(path, std::ios::binary);
  std::vector<std::uint8_t> png{std::istreambuf_iterator<char>(in), {}};
  std::filesystem::remove(path);
  ASSERT_NE(CatchPngImage(ImageId{1}, png), 0);
  EXPECT_EQ(ImageFromHandle(ImageHandleOf(ImageId{1}))->pixels, shot.pixels);
}

// A program's loop: wait until the close request of window 0, close it, end.
[[noreturn]] void RunProgram() {
  OpenWindow(kWindow, {0, 0, 100, 100}, u"Test");
  for (;;) {
    if (WaitEvent() == int(Event::CloseRequest) && EventWindow() == kWindow)
      break;
  }
  CloseWindow(kWindow);
  ShutdownToolkit();
  ExitProcess(IsWindow(kWindow) ? 1 : 0);
}

TEST(EventLoop, RunsOnScriptedStepsUntilTheCloseRequestEndsTheProcess) {
  EXPECT_EXIT(
      {
        headless::Session session;
        headless::QueueStep([] { headless::Advance(10); });
        headless::QueueStep([] { headless::RequestClose(kWindow); });
        RunProgram();
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_DEATH(
      {
        headless::Session session;
        try {
          RunProgram();
        } catch (const headless::ScriptError& error) {
          std::fprintf(stderr, "%s\n", error.what());
          std::abort();
        }
      },
      "no further step");
}

}  // namespace
