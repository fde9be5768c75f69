// Bilinear image scaling.
//
// Pixel centres are mapped onto each other (a target pixel's centre samples the source at the
// matching fraction of its size), and samples beyond the outer source centres take the edge
// pixels. The four neighbours are mixed with their colours weighted by alpha, so that the colour
// of a fully transparent pixel never bleeds into its visible neighbours.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "toolkit/raster.h"

namespace tk {

namespace {

// Larger targets (a gigabyte of pixels) are refused rather than left to fail allocation.
constexpr std::size_t kMaxPixels = std::size_t(1) << 28;

// Where one target column (or row) samples the source: two neighbours and the weight of the
// second.
struct Sample {
  int near = 0;
  int far = 0;
  double weight = 0;
};

std::vector<Sample> SamplesAlong(int source_size, int target_size) {
  std::vector<Sample> samples(static_cast<std::size_t>(target_size));
  const double scale = double(source_size) / double(target_size);
  for (int i = 0; i < target_size; ++i) {
    const double at = std::clamp((i + 0.5) * scale - 0.5, 0.0, double(source_size - 1));
    const int near = int(at);
    samples[std::size_t(i)] = {near, std::min(near + 1, source_size - 1), at - near};
  }
  return samples;
}

// Alpha and the three alpha-weighted colour channels of a pixel.
struct Weighted {
  double alpha = 0, red = 0, green = 0, blue = 0;
};

Weighted WeightedOf(std::uint32_t pixel) {
  const double alpha = double(pixel >> 24);
  return {alpha, alpha * double((pixel >> 16) & 0xFFu), alpha * double((pixel >> 8) & 0xFFu),
          alpha * double(pixel & 0xFFu)};
}

Weighted Mix(const Weighted& a, const Weighted& b, double t) {
  return {a.alpha + (b.alpha - a.alpha) * t, a.red + (b.red - a.red) * t,
          a.green + (b.green - a.green) * t, a.blue + (b.blue - a.blue) * t};
}

std::uint32_t ToStraight(const Weighted& w) {
  const auto alpha = std::uint32_t(std::clamp(std::nearbyint(w.alpha), 0.0, 255.0));
  if (!(w.alpha > 0)) {
    return 0;
  }
  const auto channel = [&](double weighted) {
    return std::uint32_t(std::clamp(std::nearbyint(weighted / w.alpha), 0.0, 255.0));
  };
  return alpha << 24 | channel(w.red) << 16 | channel(w.green) << 8 | channel(w.blue);
}

}  // namespace

Image ScaleImage(const Image& image, int width, int height) {
  const bool whole = image.width > 0 && image.height > 0 &&
                     image.pixels.size() >= std::size_t(image.width) * std::size_t(image.height);
  if (!whole || width <= 0 || height <= 0 ||
      std::size_t(width) * std::size_t(height) > kMaxPixels) {
    return {};
  }
  if (width == image.width && height == image.height) {
    return image;
  }
  const std::vector<Sample> columns = SamplesAlong(image.width, width);
  const std::vector<Sample> rows = SamplesAlong(image.height, height);
  Image scaled{width, height, std::vector<std::uint32_t>(std::size_t(width) * std::size_t(height))};
  const auto source = [&](int x, int y) {
    return WeightedOf(image.pixels[std::size_t(y) * std::size_t(image.width) + std::size_t(x)]);
  };
  std::uint32_t* out = scaled.pixels.data();
  for (const Sample& row : rows) {
    for (const Sample& column : columns) {
      const Weighted upper =
          Mix(source(column.near, row.near), source(column.far, row.near), column.weight);
      const Weighted lower =
          Mix(source(column.near, row.far), source(column.far, row.far), column.weight);
      *out++ = ToStraight(Mix(upper, lower, row.weight));
    }
  }
  return scaled;
}

}  // namespace tk
