// What the flat kit costs per paint, and per reveal step: one bar repaint and nine for each of
// the two result buttons. The reveal timer runs every 8 ms; a step should stay far below that.
#include <benchmark/benchmark.h>

#include "flat/flat_attach.h"
#include "flat/flat_button.h"
#include "flat/flat_progress.h"
#include "flat/flat_registry.h"
#include "toolkit/controls.h"
#include "toolkit/fonts.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/window.h"

namespace {

constexpr tk::WindowId kWindow{0};
constexpr tk::ControlId kCopyButton{5};
constexpr tk::ControlId kSaveButton{6};
constexpr tk::ControlId kBar{17};

// The main window's flat controls at their sizes, with the button font.
class Scene {
 public:
  Scene() {
    tk::OpenWindow(kWindow, {0, 0, 730, 615}, u"Kennwerk");
    flat::CreateFlatRegistry();
    tk::FontHandle font = tk::LoadFont(tk::FontId{2}, u"Segoe Ui", 14, 16);
    flat::CreateFlatButton(kCopyButton, {100, 300, 260, 50}, u"Passwort kopieren");
    flat::CreateFlatButton(kSaveButton, {380, 300, 260, 50}, u"Passwort speichern");
    tk::SetControlFont(kCopyButton, font);
    tk::SetControlFont(kSaveButton, font);
    flat::FlatProgressBar(kBar, {0, 52, 585, 3}, 0, 100);
  }

  static flat::FlatGadget& Record(tk::ControlId id) {
    return *flat::FlatFromObject(*tk::FindControl(id));
  }

 private:
  tk::headless::Session session_;
};

const flat::FlatButtonColors kEnabled{
    .front = tk::Rgb(255, 255, 255),
    .back = tk::Rgb(149, 185, 104),
    .frame = tk::Rgb(149, 185, 104),
    .hoverFront = tk::Rgb(255, 255, 255),
    .hoverBack = tk::Rgb(129, 165, 84),
    .hoverFrame = tk::Rgb(129, 165, 84),
    .pressedFront = tk::Rgb(255, 255, 255),
    .pressedBack = tk::Rgb(109, 145, 64),
    .pressedFrame = tk::Rgb(109, 145, 64),
};

void BM_PaintFlatButton260x50(benchmark::State& state) {
  Scene scene;
  flat::FlatGadget& button = Scene::Record(kCopyButton);
  for (auto _ : state) {
    benchmark::DoNotOptimize(flat::PaintFlatButton(button));
  }
}
BENCHMARK(BM_PaintFlatButton260x50);

void BM_PaintFlatProgress585x3(benchmark::State& state) {
  Scene scene;
  flat::FlatGadget& bar = Scene::Record(kBar);
  bar.state = 50;
  for (auto _ : state) {
    benchmark::DoNotOptimize(flat::PaintFlatProgress(bar));
  }
}
BENCHMARK(BM_PaintFlatProgress585x3);

// Through the generic operations, as the reveal tick makes them.
void BM_RevealStepPaints(benchmark::State& state) {
  Scene scene;
  int value = 0;
  for (auto _ : state) {
    value = value == 100 ? 1 : value + 1;
    tk::SetControlState(kBar, value);
    flat::SetFlatButtonColors(kCopyButton, kEnabled);
    flat::SetFlatButtonColors(kSaveButton, kEnabled);
  }
}
BENCHMARK(BM_RevealStepPaints)->Unit(benchmark::kMicrosecond);

}  // namespace
