// What the canvases cost to repaint: the reveal step (one bar and two buttons painted nine times
// each), the check mark stroke and an image resize.
#include <benchmark/benchmark.h>

#include "toolkit/raster.h"

namespace {

void PaintBar(tk::PixelBuffer& bar, int fill) {
  tk::FillBox(bar, 0, 0, bar.width, bar.height, tk::Rgb(109, 109, 109));
  tk::FillBox(bar, 1, 1, bar.width - 2, bar.height - 2, tk::Rgb(237, 237, 237));
  tk::FillBox(bar, 2, 2, fill, bar.height - 4, tk::Rgb(0, 0, 0));
}

void PaintButtonFace(tk::PixelBuffer& button) {
  tk::FillBox(button, 0, 0, button.width, button.height, tk::Rgb(253, 253, 253));
  tk::OutlineBox(button, 0, 0, button.width, button.height, tk::Rgb(109, 109, 109));
}

void RevealStep(benchmark::State& state) {
  tk::PixelBuffer bar(585, 3);
  tk::PixelBuffer copy(260, 50);
  tk::PixelBuffer save(260, 50);
  int fill = 0;
  for (auto _ : state) {
    PaintBar(bar, fill);
    for (int i = 0; i < 9; ++i) {
      PaintButtonFace(copy);
      PaintButtonFace(save);
    }
    fill = (fill + 6) % 582;
    benchmark::DoNotOptimize(bar.pixels.data());
    benchmark::DoNotOptimize(save.pixels.data());
  }
}
BENCHMARK(RevealStep);

void CheckMark(benchmark::State& state) {
  tk::PixelBuffer box(20, 20);
  const tk::PointF mark[] = {{3, 10}, {10, 14}, {17, 3}};
  for (auto _ : state) {
    tk::StrokePolyline(box, mark, 3, 0xFF000000u);
    benchmark::DoNotOptimize(box.pixels.data());
  }
}
BENCHMARK(CheckMark);

void GradientFill(benchmark::State& state) {
  tk::PixelBuffer bar(585, 9);
  const tk::LinearGradient gradient{.x1 = 2,
                                    .y1 = 2,
                                    .x2 = 581,
                                    .y2 = 0,
                                    .start = tk::Rgb(0, 0, 0),
                                    .end = tk::Rgb(149, 185, 104)};
  for (auto _ : state) {
    tk::GradientBox(bar, 2, 2, 581, 5, gradient);
    benchmark::DoNotOptimize(bar.pixels.data());
  }
}
BENCHMARK(GradientFill);

void DoubleAnImage(benchmark::State& state) {
  const tk::Image logo{18, 22, std::vector<std::uint32_t>(18 * 22, 0x80406080u)};
  for (auto _ : state) {
    benchmark::DoNotOptimize(tk::ScaleImage(logo, 36, 44));
  }
}
BENCHMARK(DoubleAnImage);

}  // namespace
