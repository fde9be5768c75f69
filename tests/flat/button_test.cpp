// The flat button as a user sees it: its face through pointer input, its toggle look, its nine
// colours.
#include <gtest/gtest.h>

#include <vector>

#include "flat/flat_button.h"
#include "flat_fixture.h"

namespace flat::testing {
namespace {

namespace script = tk::headless;

constexpr tk::ControlId kButton{4};
constexpr tk::Rect kPlace{100, 100, 120, 40};
constexpr tk::Point kOver{110, 105};  // near the button's corner, clear of the caption
constexpr tk::Point kOverToo{112, 107};
constexpr tk::Point kAway{20, 20};

constexpr tk::Color kNormal = tk::Rgb(237, 237, 237);
constexpr tk::Color kHover = tk::Rgb(253, 253, 253);
constexpr tk::Color kPressed = tk::Rgb(205, 205, 205);
constexpr tk::Color kFrame = tk::Rgb(109, 109, 109);

class FlatButtonTest : public FlatTest {
 protected:
  void Create(std::int32_t flags = 0) { CreateFlatButton(kButton, kPlace, u"OK", flags); }
  static tk::Color Face() { return Pixel(kButton, 10, 5); }
};

TEST_F(FlatButtonTest, FaceFollowsEnterPressReleaseLeave) {
  Create();
  EXPECT_EQ(Face(), kNormal);
  script::MovePointer(kWindow, kOver);
  EXPECT_EQ(Face(), kHover);
  script::PressLeft();
  EXPECT_EQ(Face(), kPressed);
  script::ReleaseLeft();
  EXPECT_EQ(Face(), kHover);
  script::MovePointer(kWindow, kAway);
  EXPECT_EQ(Face(), kNormal);
}

TEST_F(FlatButtonTest, LeavingWhileHeldShowsTheNormalFace) {
  Create();
  script::MovePointer(kWindow, kOver);
  script::PressLeft();
  script::MovePointer(kWindow, kAway);
  EXPECT_EQ(Face(), kNormal);
  EXPECT_EQ(Record(kButton).pressed, 1);
  script::ReleaseLeft();  // captured: the release reaches the button away from it
  EXPECT_EQ(Record(kButton).pressed, 0);
  script::MovePointer(kWindow, kOver);
  EXPECT_EQ(Face(), kHover) << "back over it, not pressed any more";
}

TEST_F(FlatButtonTest, FrameOnTheOutermostPixelsOverTheFace) {
  Create();
  script::MovePointer(kWindow, kOver);  // the frame is drawn after the face in every look
  tk::PixelBuffer picture = Picture(kButton);
  for (tk::Point p : {tk::Point{0, 0}, {119, 0}, {0, 39}, {119, 39}, {60, 0}, {0, 20}}) {
    EXPECT_EQ(picture.ColorAt(p.x, p.y), kFrame) << p.x << ", " << p.y;
  }
  for (tk::Point p : {tk::Point{1, 1}, {118, 1}, {1, 38}, {118, 38}}) {
    EXPECT_EQ(picture.ColorAt(p.x, p.y), kHover) << p.x << ", " << p.y;
  }
}

TEST_F(FlatButtonTest, ToggleFlagsShowThePressedColoursWhileOn) {
  for (std::int32_t flags : {0x1000, 0x1, 0x2}) {
    SCOPED_TRACE(flags);
    Create(flags);
    script::MovePointer(kWindow, kOver);
    script::PressLeft();
    script::ReleaseLeft();
    EXPECT_EQ(Face(), kPressed) << "on after the first press";
    script::MovePointer(kWindow, kAway);
    EXPECT_EQ(Face(), kPressed) << "on also without the pointer";
    script::MovePointer(kWindow, kOver);
    script::PressLeft();
    EXPECT_EQ(Face(), kPressed) << "held";
    script::ReleaseLeft();
    EXPECT_EQ(Face(), kHover) << "off after the second";
    script::MovePointer(kWindow, kAway);
    tk::CloseWindow(kWindow);
    tk::OpenWindow(kWindow, {0, 0, 700, 400}, u"Flat");
  }
}

TEST_F(FlatButtonTest, WithoutToggleFlagsPressesFlipAHiddenState) {
  Create();
  script::MovePointer(kWindow, kOver);
  script::PressLeft();
  script::ReleaseLeft();
  EXPECT_EQ(Face(), kHover);
  EXPECT_EQ(Record(kButton).state, 1);
  EXPECT_EQ(tk::GetControlState(kButton), 0);
  script::PressLeft();
  script::ReleaseLeft();
  EXPECT_EQ(Record(kButton).state, 0);
}

TEST_F(FlatButtonTest, OnlyChangesRepaint) {
  Create();
  script::MovePointer(kWindow, kOver);
  int paints = Paints(kButton);
  script::MovePointer(kWindow, kOverToo);
  EXPECT_EQ(Paints(kButton), paints) << "a move within the button";
  script::PressLeft();
  script::ReleaseLeft();
  EXPECT_EQ(Paints(kButton), paints + 2) << "press and release; the click draws nothing";
}

std::vector<int> slotsChanged;
std::array<tk::Color, kFlatColorSlots> lastColors;

// Records which slot each paint follows, then paints as usual.
int SpyPaint(FlatGadget& gadget) {
  for (int slot = 1; slot <= kFlatColorSlots; ++slot) {
    if (FlatColor(gadget, slot) != lastColors[std::size_t(slot - 1)]) {
      slotsChanged.push_back(slot);
    }
  }
  lastColors = gadget.colors;
  return PaintFlatButton(gadget);
}

TEST_F(FlatButtonTest, NineColoursInSlotOrderWithNineRepaints) {
  Create();
  FlatGadget& gadget = Record(kButton);
  slotsChanged.clear();
  lastColors = gadget.colors;
  gadget.paint = SpyPaint;
  int paints = Paints(kButton);

  const FlatButtonColors colors{.front = tk::Rgb(1, 0, 0),
                                .back = tk::Rgb(2, 0, 0),
                                .frame = tk::Rgb(3, 0, 0),
                                .hoverFront = tk::Rgb(7, 0, 0),
                                .hoverBack = tk::Rgb(8, 0, 0),
                                .hoverFrame = tk::Rgb(9, 0, 0),
                                .pressedFront = tk::Rgb(10, 0, 0),
                                .pressedBack = tk::Rgb(11, 0, 0),
                                .pressedFrame = tk::Rgb(12, 0, 0)};
  EXPECT_EQ(SetFlatButtonColors(kButton, colors), 0);

  EXPECT_EQ(slotsChanged, (std::vector<int>{2, 3, 1, 8, 9, 7, 11, 12, 10}));
  EXPECT_EQ(Paints(kButton), paints + 9);
  for (int slot : {1, 2, 3, 7, 8, 9, 10, 11, 12}) {
    EXPECT_EQ(tk::GetControlColor(kButton, slot), tk::Rgb(slot, 0, 0));
  }
  EXPECT_EQ(Face(), tk::Rgb(2, 0, 0));
  EXPECT_EQ(Pixel(kButton, 0, 0), tk::Rgb(3, 0, 0));
}

TEST_F(FlatButtonTest, CreationColours) {
  Create();
  const std::pair<int, tk::Color> expected[] = {{1, tk::Rgb(0, 0, 0)},
                                                {2, kNormal},
                                                {3, kFrame},
                                                {7, tk::Rgb(0, 0, 0)},
                                                {8, kHover},
                                                {9, kFrame},
                                                {10, tk::Rgb(0, 0, 0)},
                                                {11, kPressed},
                                                {12, kFrame},
                                                {4, 0},
                                                {13, 0},
                                                {14, 0}};
  for (auto [slot, color] : expected) {
    EXPECT_EQ(tk::GetControlColor(kButton, slot), color) << "slot " << slot;
  }
  EXPECT_EQ(Face(), kNormal);
}

}  // namespace
}  // namespace flat::testing
