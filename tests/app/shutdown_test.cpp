// How the program ends: over its real event loop on a close request, and from inside the close
// box's handler, whatever is running. Each story runs in a child process that must exit with
// code 0 and print nothing but what the story prints.
#include <gtest/gtest.h>

#include <cstdio>

#include "app/event_loop.h"
#include "app/shell_ids.h"
#include "password/window_ids.h"
#include "started_window.h"
#include "toolkit/controls.h"
#include "toolkit/events.h"
#include "toolkit/timers.h"
#include "toolkit/window.h"

namespace {

using app_test::StartedWindow;
using password::MainWindow;
namespace headless = tk::headless;

int ReportRevealTick() {
  std::fputs("tick\n", stderr);
  return 0;
}

// Five ticks, a close request for another window (ignored), two more ticks, then the close
// request for the main window: the program ends there, and the last step never runs.
void CloseRequestStory() {
  StartedWindow kennwerk;
  tk::OpenWindow(tk::WindowId{1}, {0, 0, 100, 100}, u"other");
  tk::BindTimerEvent(MainWindow, password::RevealTimer, ReportRevealTick);
  headless::QueueStep([] { headless::Click(MainWindow, app_test::kGenerateButtonCentre); });
  headless::QueueStep([] { headless::Advance(40); });
  headless::QueueStep([] { headless::RequestClose(tk::WindowId{1}); });
  headless::QueueStep([] { headless::Advance(16); });
  headless::QueueStep([] { headless::RequestClose(MainWindow); });
  headless::QueueStep([] { headless::Advance(1000); });
  app::RunEventLoop();
}

TEST(ShutdownDeathTest, CloseRequestOfTheMainWindowEndsTheLoopWithExitCodeZero) {
  EXPECT_EXIT(CloseRequestStory(), testing::ExitedWithCode(0), "^(tick\n){7}$");
}

enum class Moment { AtRest, DuringReveal, WhileOverlayIsUp };

void PressCloseBoxStory(Moment moment) {
  StartedWindow kennwerk;
  if (moment != Moment::AtRest) {
    headless::Click(MainWindow, app_test::kGenerateButtonCentre);
    headless::Advance(100);
  }
  if (moment == Moment::WhileOverlayIsUp) {
    headless::Advance(2000);
    headless::Click(MainWindow, app_test::kCopyButtonCentre);
    headless::Advance(20);
  }
  const bool revealing = tk::IsTimerRunning(MainWindow, password::RevealTimer);
  const bool overlayUp = tk::IsControlVisible(password::CopiedOverlay);
  if (revealing != (moment == Moment::DuringReveal) ||
      overlayUp != (moment == Moment::WhileOverlayIsUp)) {
    std::fputs("the story did not reach its moment\n", stderr);
  }
  headless::MovePointer(MainWindow, app_test::kCloseBoxCentre);
  headless::PressLeft();
  std::fputs("the press returned\n", stderr);
}

class CloseBoxPressDeathTest : public testing::TestWithParam<Moment> {};

TEST_P(CloseBoxPressDeathTest, EndsTheProgramAtOnceWithExitCodeZero) {
  EXPECT_EXIT(PressCloseBoxStory(GetParam()), testing::ExitedWithCode(0), "^$");
}

INSTANTIATE_TEST_SUITE_P(Moments, CloseBoxPressDeathTest,
                         testing::Values(Moment::AtRest, Moment::DuringReveal,
                                         Moment::WhileOverlayIsUp));

}  // namespace
