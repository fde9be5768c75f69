// Moving the borderless window by its title strip: which presses hand the window to the
// system's move loop and which do not.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "app/chrome.h"
#include "app/shell_ids.h"
#include "password/window_ids.h"
#include "started_window.h"
#include "toolkit/events.h"

namespace {

using app_test::StartedWindow;
using password::MainWindow;
namespace headless = tk::headless;

struct PressCase {
  const char* where;
  tk::Point point;
  int drags;
};

class TitleDrag : public testing::TestWithParam<PressCase> {};

TEST_P(TitleDrag, OnlyPressesOnTheStripThatReachTheWindowMoveIt) {
  StartedWindow kennwerk;
  // A press on the close box would end the test program; without its handler the box still
  // takes the press itself, which is what matters here.
  tk::UnbindControlEvent(app::CloseBox, app::CloseBoxEvents);
  headless::Click(MainWindow, GetParam().point);
  EXPECT_EQ(headless::FactsOf(MainWindow).dragsStarted, GetParam().drags);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, TitleDrag,
    testing::Values(PressCase{"top left corner", {0, 0}, 1},
                    PressCase{"last strip pixel, on the client panel", {728, 33}, 1},
                    PressCase{"strip row 33 on the client panel", {5, 33}, 1},
                    PressCase{"title text", app_test::kTitleText, 1},
                    PressCase{"last window column", {729, 10}, 0},
                    PressCase{"client panel below the strip", {100, 34}, 0},
                    PressCase{"logo", app_test::kLogoCentre, 0},
                    PressCase{"minimise button", app_test::kMinimizeButtonCentre, 0},
                    PressCase{"close box", app_test::kCloseBoxCentre, 0}),
    [](const testing::TestParamInfo<PressCase>& param) {
      std::string name = param.param.where;
      for (char& c : name) {
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      }
      return name;
    });

TEST(TitleDrag, DoubleClickOnTheTitleMovesTheWindowTwice) {
  StartedWindow kennwerk;
  headless::Click(MainWindow, app_test::kTitleText);
  headless::Click(MainWindow, app_test::kTitleText);
  EXPECT_EQ(headless::FactsOf(MainWindow).dragsStarted, 2);
}

}  // namespace
