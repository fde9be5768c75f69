// The edges of the pointer capture on a canvas: positions outside it while captured, and a
// release whose handler closes the canvas's window.
#include <gtest/gtest.h>

#include <vector>

#include "tests/toolkit/event_log.h"
#include "toolkit/controls.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/window.h"

namespace {

using namespace tk;
using test::Calls;
using test::Logged;

constexpr WindowId kWindow{0};
constexpr ControlId kCanvas{1};
constexpr Point kInside{60, 60};  // (10, 10) on the canvas at (50, 50)

std::vector<Point>& Positions() {
  static std::vector<Point> positions;
  return positions;
}

int RecordPosition() {
  Positions().push_back({int(GetControlAttribute(EventControl(), kCanvasMouseX)),
                         int(GetControlAttribute(EventControl(), kCanvasMouseY))});
  return 0;
}

class CanvasCaptureTest : public ::testing::Test {
 protected:
  CanvasCaptureTest() {
    Calls().clear();
    Positions().clear();
    OpenWindow(kWindow, {0, 0, 200, 100}, u"Test");
    CreateCanvas(kCanvas, {50, 50, 40, 30});
  }
  headless::Session session_;
};

TEST_F(CanvasCaptureTest, ALeaveAndAReleaseOutsideCarryCanvasCoordinatesBeyondItsEdges) {
  BindControlEvent(kCanvas, RecordPosition);
  headless::MovePointer(kWindow, kInside);
  headless::PressLeft();
  headless::MovePointer(kWindow, {20, 5});
  headless::ReleaseLeft();
  EXPECT_EQ(Positions(), (std::vector<Point>{{10, 10}, {10, 10}, {-30, -45}, {-30, -45}}))
      << "enter, down, leave, up: negative, not clamped to the canvas";
}

// The click would go to a control that is gone.
TEST_F(CanvasCaptureTest, NoClickFollowsAReleaseWhoseHandlerClosedTheWindow) {
  BindControlEvent(kCanvas, Logged<1>);
  BindControlEvent(
      kCanvas, [] { return CloseWindow(kWindow), 0; }, EventType::LeftButtonUp);
  headless::Click(kWindow, kInside);
  EXPECT_EQ(test::HandlerOrder(), (std::vector<int>{1, 1})) << "enter and down only";
  EXPECT_FALSE(IsControl(kCanvas));
  headless::MovePointer(kWindow, {10, 10});
  EXPECT_EQ(Calls().size(), 2u);
}

}  // namespace
