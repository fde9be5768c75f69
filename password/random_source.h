// Uniform draws from the operating system's cryptographic random source.
//
// A RandomSource reads random bytes in blocks into a small buffer and turns them into draws from
// 0 to max inclusive without bias: each draw takes the fewest whole bytes that can hold max, read
// little-endian, and rejects (and draws again for) any value at or above the largest multiple of
// max + 1 that fits in those bytes; an accepted value is taken modulo max + 1. Bytes are wiped
// from the buffer as soon as they are used, and the rest when the source goes.
//
// The byte source is a fill function, tk::RandomBytes unless a test injects another. When it
// fails the draw fails: there is no weaker fallback, and the caller gets std::nullopt.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

namespace password {

// Fills the whole span with random bytes; false when the source failed.
using ByteFill = std::function<bool(std::span<std::uint8_t>)>;

class RandomSource {
 public:
  RandomSource();  // draws from tk::RandomBytes
  explicit RandomSource(ByteFill fill);
  ~RandomSource();
  RandomSource(const RandomSource&) = delete;
  RandomSource& operator=(const RandomSource&) = delete;

  // A uniform draw from 0 to max inclusive; nullopt when the byte source failed.
  std::optional<std::uint32_t> RandomUpTo(std::uint32_t max);

  static constexpr std::size_t kBufferSize = 64;  // bytes read from the fill function at once

 private:
  std::optional<std::uint8_t> NextByte();
  void Wipe();

  ByteFill fill_;
  std::array<std::uint8_t, kBufferSize> buffer_{};
  std::size_t used_ = kBufferSize;  // bytes of buffer_ already handed out (and wiped)
};

}  // namespace password
