// Closing windows and shutting the toolkit down: the order of the steps and what is left after.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/toolkit/event_log.h"
#include "toolkit/controls.h"
#include "toolkit/files.h"
#include "toolkit/fonts.h"
#include "toolkit/images.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/text.h"
#include "toolkit/timers.h"
#include "toolkit/toolkit.h"
#include "toolkit/window.h"

namespace {

using namespace tk;
using test::Calls;
using test::Logged;

constexpr WindowId kWindow{0};
constexpr ControlId kCanvas{4};

// What a free entry saw when it ran: its control still findable, its handlers already gone.
struct FreeRecord {
  int number;
  bool stillFindable;
  std::size_t bindingsCalledAfter;
};
std::vector<FreeRecord>& Freed() {
  static std::vector<FreeRecord> freed;
  return freed;
}

std::intptr_t RecordingFree(GadgetObject& object) {
  Calls().clear();
  headless::MovePointer(kWindow, {5, 5});  // would raise enter if the bindings were still there
  Freed().push_back({object.number.value, FindControl(object.number) == &object, Calls().size()});
  return 0;
}

class ShutdownTest : public ::testing::Test {
 protected:
  ShutdownTest() {
    Calls().clear();
    Freed().clear();
    OpenWindow(kWindow, {0, 0, 100, 100}, u"Test");
    CreateCanvas(kCanvas, {0, 0, 20, 20});
    patched_ = *FindControl(kCanvas)->ops;
    patched_.free = RecordingFree;
    FindControl(kCanvas)->ops = &patched_;
    BindControlEvent(kCanvas, Logged<1>);
    BindTimerEvent(kWindow, TimerId{123}, Logged<2>);
    StartTimer(kWindow, TimerId{123}, 2);
  }
  GadgetOps patched_{};
  headless::Session session_;
};

TEST_F(ShutdownTest, ClosingAWindowUnbindsDropsQueuedEventsThenRunsTheCurrentFreeEntries) {
  headless::Advance(2);
  ASSERT_EQ(Calls().size(), 1u);
  CloseWindow(kWindow);
  ASSERT_EQ(Freed().size(), 1u);
  EXPECT_EQ(Freed()[0].number, kCanvas.value);
  EXPECT_TRUE(Freed()[0].stillFindable);
  EXPECT_EQ(Freed()[0].bindingsCalledAfter, 0u);
  EXPECT_FALSE(IsControl(kCanvas));
  EXPECT_FALSE(IsWindow(kWindow));
  EXPECT_FALSE(IsTimerRunning(kWindow, TimerId{123}));
  headless::Advance(100);
  EXPECT_TRUE(Calls().empty());
  headless::QueueStep([] {});
  EXPECT_EQ(WaitEvent(), headless::kScriptMessage) << "the queued tick went with the window";
}

TEST_F(ShutdownTest, AHandlerThatClosesTheWindowStopsTheHandlersAfterIt) {
  BindControlEvent(
      kCanvas,
      [] {
        CloseWindow(kWindow);
        return 0;
      },
      EventType::MouseEnter);
  headless::MovePointer(kWindow, {5, 5});
  EXPECT_TRUE(Calls().empty()) << "the all-types handler was unbound by the close";
  EXPECT_EQ(Freed().size(), 1u);
}

TEST_F(ShutdownTest, ShutdownClosesWindowsAndFilesAndLeavesAFreshToolkitForTheNextStart) {
  auto path = std::filesystem::temp_directory_path() /
              ("kennwerk_shutdown_" + std::to_string(::getpid()) + ".txt");
  auto file = File::Open(FromUtf8(path.string()), File::Mode::CreateOrTruncate);
  ASSERT_TRUE(file);
  ASSERT_TRUE(file->Write("written before"));
  LoadFont(FontId{0}, u"Arial", 12, 0);

  ShutdownToolkit();
  EXPECT_EQ(Freed().size(), 1u);
  EXPECT_FALSE(file->Write(" and after")) << "the file was closed by the shutdown";
  EXPECT_EQ(std::filesystem::file_size(path), 14u);
  EXPECT_FALSE(IsWindow(kWindow));
  headless::Advance(100);
  EXPECT_TRUE(Calls().empty()) << "no handler after the shutdown";

  InitToolkit();
  EXPECT_FALSE(IsControl(kCanvas));
  EXPECT_EQ(FontHandleOf(FontId{0}), 0);
  OpenWindow(kWindow, {0, 0, 100, 100}, u"Again");
  EXPECT_TRUE(IsWindow(kWindow));
  EXPECT_EQ(EventCode(), Event::None);
  std::filesystem::remove(path);
}

}  // namespace
