#include "password/random_source.h"

#include <utility>

#include "toolkit/random.h"

namespace password {
namespace {

// Zeroes through a volatile pointer, so that the compiler cannot drop the stores as dead.
void WipeBytes(std::span<std::uint8_t> bytes) {
  volatile std::uint8_t* p = bytes.data();
  for (std::size_t k = 0; k < bytes.size(); ++k)
    p[k] = 0;
}

// The fewest whole bytes that can hold every value from 0 to max.
int BytesFor(std::uint32_t max) {
  int width = 1;
  while (width < 4 && (max >> (8 * width)) != 0)
    ++width;
  return width;
}

}  // namespace

RandomSource::RandomSource() : RandomSource(tk::RandomBytes) {}

RandomSource::RandomSource(ByteFill fill) : fill_(std::move(fill)) {}

RandomSource::~RandomSource() {
  Wipe();
}

std::optional<std::uint32_t> RandomSource::RandomUpTo(std::uint32_t max) {
  const int width = BytesFor(max);
  const std::uint64_t span = std::uint64_t(1) << (8 * width);  // values the bytes can hold
  const std::uint64_t range = std::uint64_t(max) + 1;
  const std::uint64_t limit = span - span % range;  // a whole number of ranges: no bias below it
  for (;;) {
    std::uint64_t value = 0;
    for (int k = 0; k < width; ++k) {
      std::optional<std::uint8_t> byte = NextByte();
      if (!byte)
        return std::nullopt;
      value |= std::uint64_t(*byte) << (8 * k);
    }
    if (value < limit)
      return std::uint32_t(value % range);
  }
}

std::optional<std::uint8_t> RandomSource::NextByte() {
  if (used_ == buffer_.size()) {
    if (!fill_(buffer_)) {
      Wipe();
      return std::nullopt;
    }
    used_ = 0;
  }
  std::uint8_t byte = buffer_[used_];
  WipeBytes(std::span(buffer_).subspan(used_, 1));
  ++used_;
  return byte;
}

// Leaves the buffer empty, so that the next draw refills it.
void RandomSource::Wipe() {
  WipeBytes(buffer_);
  used_ = buffer_.size();
}

}  // namespace password
