// Keyboard focus: synchronous focus events, Tab order over usable tab stops, and typing.
#include <gtest/gtest.h>

#include "tests/toolkit/event_log.h"
#include "toolkit/controls.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/window.h"

namespace {

using namespace tk;
using test::Call;
using test::Calls;
using test::Logged;

constexpr WindowId kWindow{0};
constexpr ControlId kFirst{0};
constexpr ControlId kLabel{1};
constexpr ControlId kPanel{2};
constexpr ControlId kInPanel{3};
constexpr ControlId kLast{4};

class FocusTest : public ::testing::Test {
 protected:
  FocusTest() {
    Calls().clear();
    OpenWindow(kWindow, {0, 0, 300, 200}, u"Test");
    CreateEdit(kFirst, {0, 0, 100, 20}, u"20", {.digitsOnly = true, .centered = true});
    CreateLabel(kLabel, {0, 30, 100, 20}, u"Anzahl");
    CreateContainer(kPanel, {0, 60, 300, 60});
    CreateEdit(kInPanel, {0, 0, 100, 20}, u"", {.readOnly = true});
    CloseContainer();
    CreateEdit(kLast, {0, 130, 100, 50}, u"", {.multiLine = true});
  }
  std::vector<ControlId> TabWalk(int presses, bool backwards = false) {
    std::vector<ControlId> visited;
    for (int i = 0; i < presses; ++i) {
      backwards ? headless::PressShiftTab() : headless::PressTab();
      visited.push_back(headless::FocusedControl());
    }
    return visited;
  }
  headless::Session session_;
};

TEST_F(FocusTest, SettingTheActiveControlDeliversLossAndGainBeforeItReturns) {
  BindControlEvent(kFirst, Logged<1>);
  BindControlEvent(kLast, Logged<2>);
  SetActiveControl(kFirst);
  SetActiveControl(kLast);
  EXPECT_EQ(Calls(), (std::vector<Call>{{1, Event::Gadget, EventType::FocusGained, kFirst.value},
                                        {1, Event::Gadget, EventType::FocusLost, kFirst.value},
                                        {2, Event::Gadget, EventType::FocusGained, kLast.value}}));
  EXPECT_EQ(ActiveControl(), kLast);
  SetActiveControl(kLabel);
  EXPECT_EQ(ActiveControl(), kLabel) << "a label takes the focus when the program gives it";
  EXPECT_EQ(Calls().back(), (Call{2, Event::Gadget, EventType::FocusLost, kLast.value}));
}

TEST_F(FocusTest, TabWalksEnabledVisibleTabStopsInCreationOrderAndWraps) {
  EXPECT_EQ(TabWalk(4), (std::vector<ControlId>{kFirst, kInPanel, kLast, kFirst}));
  EXPECT_EQ(TabWalk(3, true), (std::vector<ControlId>{kLast, kInPanel, kFirst}));
  SetActiveControl(kLabel);
  EXPECT_EQ(TabWalk(1), (std::vector<ControlId>{kInPanel})) << "on from the label's place";
}

TEST_F(FocusTest, TabSkipsControlsThatAreOrLieInsideHiddenOrDisabledContainers) {
  struct Case {
    const char* name;
    void (*change)();
    std::vector<ControlId> walk;
  };
  const Case cases[] = {
      {"field disabled", [] { DisableControl(kLast, true); }, {kFirst, kInPanel, kFirst}},
      {"field hidden", [] { HideControl(kFirst, true); }, {kInPanel, kLast, kInPanel}},
      {"container hidden", [] { HideControl(kPanel, true); }, {kFirst, kLast, kFirst}},
      {"container disabled", [] { DisableControl(kPanel, true); }, {kFirst, kLast, kFirst}},
  };
  for (const Case& c : cases) {
    headless::Session session;
    OpenWindow(kWindow, {0, 0, 300, 200}, u"Test");
    CreateEdit(kFirst, {0, 0, 100, 20}, u"", {});
    CreateContainer(kPanel, {0, 60, 300, 60});
    CreateEdit(kInPanel, {0, 0, 100, 20}, u"", {});
    CloseContainer();
    CreateEdit(kLast, {0, 130, 100, 50}, u"", {});
    c.change();
    EXPECT_EQ(TabWalk(3), c.walk) << c.name;
    EXPECT_TRUE(IsControlVisible(kInPanel)) << "its own flag, not its parent's";
  }
}

TEST_F(FocusTest, TypingFollowsTheFieldsOptions) {
  BindControlEvent(kFirst, Logged<1>, EventType::Change);
  SetActiveControl(kFirst);
  headless::Type(u"1a2\n");
  EXPECT_EQ(GetControlText(kFirst), u"2012") << "letters and Enter refused";
  EXPECT_EQ(Calls().size(), 2u) << "one change per character taken";
  headless::Paste(u"ab\r\ncd");
  EXPECT_EQ(GetControlText(kFirst), u"2012ab") << "pasted text is not filtered";

  SetActiveControl(kInPanel);
  headless::Type(u"x");
  headless::Paste(u"y");
  EXPECT_EQ(GetControlText(kInPanel), u"") << "read-only";

  SetActiveControl(kLast);
  EXPECT_EQ(EditLineCount(kLast), 1);
  headless::Type(u"eins\nzwei\n");
  EXPECT_EQ(GetControlText(kLast), u"eins\r\nzwei\r\n");
  EXPECT_EQ(EditLineCount(kLast), 3);
  EXPECT_EQ(EditLineCount(kFirst), 1);
  EXPECT_EQ(EditLineCount(kLabel), 0) << "not an edit field";
}

TEST_F(FocusTest, APressOnAnEditFieldFocusesIt) {
  headless::Click(kWindow, {50, 140});
  EXPECT_EQ(ActiveControl(), kLast);
  EXPECT_EQ(headless::FocusedControl(), kLast);
}

}  // namespace
