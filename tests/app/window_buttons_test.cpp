// The close box's face as the pointer comes and goes, and the minimise button. (A left press on
// the close box ends the program: see the shutdown tests.)
#include <gtest/gtest.h>

#include "app/shell_ids.h"
#include "password/window_ids.h"
#include "started_window.h"

namespace {

using app_test::StartedWindow;
using password::MainWindow;
namespace headless = tk::headless;

constexpr tk::Color kGreen = tk::Rgb(149, 185, 104);
constexpr tk::Color kWhite = tk::Rgb(255, 255, 255);
constexpr tk::Color kDarkGreen = tk::Rgb(86, 114, 52);

// The two diagonals of the square from (18, 6) to (35, 23), end points included.
bool OnCross(int x, int y) {
  return x >= 18 && x <= 35 && (y == x - 12 || x + y == 41);
}

// Every pixel of the 52 x 31 box: the cross in its colour, green everywhere else.
void ExpectCloseBoxFace(tk::Color cross) {
  const tk::PixelBuffer face = headless::CanvasPicture(app::CloseBox);
  ASSERT_EQ(face.width, 52);
  ASSERT_EQ(face.height, 31);
  for (int y = 0; y < face.height; ++y) {
    for (int x = 0; x < face.width; ++x) {
      ASSERT_EQ(face.ColorAt(x, y), OnCross(x, y) ? cross : kGreen) << x << ", " << y;
    }
  }
}

TEST(CloseBox, CrossTurnsDarkGreenWhileThePointerIsOverIt) {
  StartedWindow kennwerk;
  ExpectCloseBoxFace(kWhite);

  headless::MovePointer(MainWindow, app_test::kCloseBoxCentre);
  ExpectCloseBoxFace(kDarkGreen);

  headless::MovePointer(MainWindow, {app_test::kCloseBoxCentre.x + 5, 20});
  ExpectCloseBoxFace(kDarkGreen);

  headless::MovePointer(MainWindow, {600, 16});
  ExpectCloseBoxFace(kWhite);

  headless::MovePointer(MainWindow, {690, 5});
  ExpectCloseBoxFace(kDarkGreen);
}

TEST(MinimizeButton, AClickMinimisesTheWindow) {
  StartedWindow kennwerk;
  headless::MovePointer(MainWindow, app_test::kMinimizeButtonCentre);
  headless::PressLeft();
  EXPECT_FALSE(headless::FactsOf(MainWindow).minimised) << "minimised on the press already";
  headless::ReleaseLeft();
  EXPECT_TRUE(headless::FactsOf(MainWindow).minimised);
}

TEST(MinimizeButton, APressReleasedElsewhereDoesNotMinimise) {
  StartedWindow kennwerk;
  headless::MovePointer(MainWindow, app_test::kMinimizeButtonCentre);
  headless::PressLeft();
  headless::MovePointer(MainWindow, {600, 16});
  headless::ReleaseLeft();
  EXPECT_FALSE(headless::FactsOf(MainWindow).minimised);
}

}  // namespace
