// Pointer input on canvases: enter, move, leave, down, up and the click, with the capture that a
// left press takes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/controls.h"
#include "toolkit/events.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/window.h"

namespace {

using namespace tk;

constexpr WindowId kWindow{0};
constexpr ControlId kCanvas{1};
constexpr ControlId kOther{2};
constexpr Point kInside{60, 60};   // (10, 10) on kCanvas at (50, 50)
constexpr Point kOutside{10, 10};  // on the window only
constexpr Point kOnOther{110, 60};

std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

std::string TypeName(EventType type) {
  switch (type) {
    case EventType::MouseEnter:
      return "enter";
    case EventType::MouseMove:
      return "move";
    case EventType::MouseLeave:
      return "leave";
    case EventType::LeftButtonDown:
      return "down";
    case EventType::LeftButtonUp:
      return "up";
    case EventType::Click:
      return "click";
    default:
      return std::to_string(int(type));
  }
}

int Record() {
  ControlId canvas = EventControl();
  Log().push_back((canvas == kCanvas ? "A " : "B ") + TypeName(EventKind()));
  return 0;
}

// Where the pointer was for the event being handled, as the canvas attributes tell it.
std::vector<Point>& Positions() {
  static std::vector<Point> positions;
  return positions;
}

int RecordPosition() {
  Positions().push_back({int(GetControlAttribute(EventControl(), kCanvasMouseX)),
                         int(GetControlAttribute(EventControl(), kCanvasMouseY))});
  return 0;
}

class CanvasEventsTest : public ::testing::Test {
 protected:
  CanvasEventsTest() {
    Log().clear();
    Positions().clear();
    OpenWindow(kWindow, {0, 0, 200, 100}, u"Test");
    CreateCanvas(kCanvas, {50, 50, 40, 30});
    CreateCanvas(kOther, {100, 50, 40, 30});
    BindControlEvent(kCanvas, Record);
    BindControlEvent(kOther, Record);
  }
  headless::Session session_;
};

struct PointerCase {
  const char* name;
  void (*script)();
  std::vector<std::string> events;
};

void Move(Point p) {
  headless::MovePointer(kWindow, p);
}

TEST_F(CanvasEventsTest, PointerInputBecomesEnterMoveLeaveDownUpAndClick) {
  const PointerCase cases[] = {
      {"moves over it",
       [] {
         Move(kInside), Move({61, 61}), Move({62, 62}), Move(kOutside);
       },
       {"A enter", "A move", "A move", "A leave"}},
      {"pressed and released over it",
       [] { Move(kInside), headless::PressLeft(), headless::ReleaseLeft(); },
       {"A enter", "A down", "A up", "A click"}},
      {"released outside after a press on it: the up still comes, no click",
       [] { Move(kInside), headless::PressLeft(), Move(kOutside), headless::ReleaseLeft(); },
       {"A enter", "A down", "A leave", "A up"}},
      {"dragged out and back in before the release",
       [] {
         Move(kInside), headless::PressLeft(), Move(kOutside), Move({70, 70});
         headless::ReleaseLeft();
       },
       {"A enter", "A down", "A leave", "A enter", "A up", "A click"}},
      {"pressed elsewhere, released over it: no click",
       [] { Move(kOutside), headless::PressLeft(), Move(kInside), headless::ReleaseLeft(); },
       {"A enter", "A up"}},
      {"while captured the other canvas sees nothing until the release",
       [] { Move(kInside), headless::PressLeft(), Move(kOnOther), headless::ReleaseLeft(); },
       {"A enter", "A down", "A leave", "A up", "B enter"}},
  };
  for (const PointerCase& c : cases) {
    Log().clear();
    Move({0, 0});
    c.script();
    EXPECT_EQ(Log(), c.events) << c.name;
    headless::ReleaseLeft();
    Move({0, 0});
  }
}

TEST_F(CanvasEventsTest, EventsCarryThePointerInCanvasCoordinatesAlsoOutsideWhileCaptured) {
  BindControlEvent(kCanvas, RecordPosition);
  Move(kInside);
  headless::PressLeft();
  Move({20, 5});
  headless::ReleaseLeft();
  EXPECT_EQ(Positions(), (std::vector<Point>{{10, 10}, {10, 10}, {-30, -45}, {-30, -45}}))
      << "enter, down, leave, up";
  EXPECT_EQ(GetControlAttribute(kCanvas, kCanvasMouseX), 0) << "no canvas event being handled";
}

// The release's handler may close the window that holds the canvas; no click may follow for a
// control that is gone.
TEST_F(CanvasEventsTest, NoClickWhenTheReleaseClosedTheWindow) {
  BindControlEvent(
      kCanvas, [] { return CloseWindow(kWindow), 0; }, EventType::LeftButtonUp);
  headless::Click(kWindow, kInside);
  EXPECT_EQ(Log(), (std::vector<std::string>{"A enter", "A down"}))
      << "the type-specific handler closed it before the all-type one saw the up";
  EXPECT_FALSE(IsControl(kCanvas));
}

}  // namespace
