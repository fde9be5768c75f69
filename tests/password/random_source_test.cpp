#include "password/random_source.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <vector>

#include "tests/password/scripted_bytes.h"

namespace password {
namespace {

using testing::ScriptedBytes;

// Every value the draw's bytes can hold, once each, little-endian.
std::vector<std::uint8_t> EveryValue(int width) {
  std::vector<std::uint8_t> bytes;
  for (std::uint32_t v = 0; v < (1u << (8 * width)); ++v) {
    for (int k = 0; k < width; ++k)
      bytes.push_back(std::uint8_t(v >> (8 * k)));
  }
  return bytes;
}

struct SweepCase {
  std::uint32_t max;
  int width;               // bytes per draw
  std::uint32_t perValue;  // how often each result comes out of one pass over every value
};

// One pass over every possible input must give each result equally often; a draw that folded the
// remainder above the last whole range back in (plain modulo) would favour the low results.
TEST(RandomUpTo, OnePassOverEveryInputGivesEachResultEquallyOften) {
  constexpr SweepCase kCases[] = {
      {0, 1, 256},   {1, 1, 128},   {91, 1, 2},    {255, 1, 1},
      {256, 2, 255}, {299, 2, 218}, {65535, 2, 1},
  };
  for (const SweepCase& c : kCases) {
    RandomSource source(ScriptedBytes(EveryValue(c.width)));
    std::map<std::uint32_t, std::uint32_t> counts;
    while (std::optional<std::uint32_t> r = source.RandomUpTo(c.max))
      ++counts[*r];
    ASSERT_EQ(counts.size(), std::size_t(c.max) + 1) << "max " << c.max;
    for (auto [value, count] : counts) {
      ASSERT_LE(value, c.max);
      EXPECT_EQ(count, c.perValue) << "max " << c.max << ", value " << value;
    }
  }
}

struct ScriptCase {
  std::uint32_t max;
  std::vector<std::uint8_t> bytes;
  std::vector<std::uint32_t> results;
};

TEST(RandomUpTo, RejectsValuesAboveTheLastWholeRangeAndDrawsAgain) {
  const ScriptCase kCases[] = {
      // 184 = 2 * 92: 184, 255 and 200 are rejected, not folded onto 0, 71 and 16.
      {91, {184, 255, 183, 0, 200, 91}, {91, 0, 91}},
      // Two bytes, little-endian; 65400 = 218 * 300 and above is rejected.
      {299, {0x78, 0xFF, 0x2B, 0x01, 0x77, 0xFF}, {299, 65399 % 300}},
      // The full 32-bit range has nothing to reject.
      {0xFFFFFFFF, {0x78, 0x56, 0x34, 0x12, 0xFF, 0xFF, 0xFF, 0xFF}, {0x12345678, 0xFFFFFFFF}},
      // 2^31 + 1 outcomes fit only once into 2^32: everything above max is rejected.
      {0x80000000,
       {0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x80, 0x00, 0x00, 0x00, 0x80},
       {0x80000000}},
  };
  for (const ScriptCase& c : kCases) {
    RandomSource source(ScriptedBytes(c.bytes));
    for (std::uint32_t expected : c.results) {
      EXPECT_EQ(source.RandomUpTo(c.max), expected) << "max " << c.max;
    }
  }
}

TEST(RandomUpTo, FailsWhenTheByteSourceFailsAndTriesAgainOnTheNextDraw) {
  int calls = 0;
  RandomSource source([&calls](std::span<std::uint8_t> bytes) {
    ++calls;
    std::fill(bytes.begin(), bytes.end(), std::uint8_t(7));
    return calls != 1;
  });
  EXPECT_EQ(source.RandomUpTo(91), std::nullopt);
  EXPECT_EQ(source.RandomUpTo(91), 7u);
  EXPECT_EQ(calls, 2);
}

// The test keeps the span the source hands to its fill function, to look at the buffer.
struct WatchedBuffer {
  std::span<std::uint8_t> seen;
  bool succeed = true;
  ByteFill Fill() {
    return [this](std::span<std::uint8_t> bytes) {
      seen = bytes;
      std::fill(bytes.begin(), bytes.end(), std::uint8_t(0xAA));
      return succeed;
    };
  }
};

TEST(RandomUpTo, UsedBytesDoNotLingerInTheBuffer) {
  WatchedBuffer watched;
  RandomSource source(watched.Fill());
  ASSERT_EQ(source.RandomUpTo(299), 0xAAAAu % 300);
  ASSERT_EQ(watched.seen.size(), RandomSource::kBufferSize);
  EXPECT_EQ(watched.seen[0], 0);
  EXPECT_EQ(watched.seen[1], 0);
  EXPECT_EQ(watched.seen[2], 0xAA);  // not used yet

  watched.succeed = false;
  for (std::size_t k = 2; k < RandomSource::kBufferSize; ++k)
    ASSERT_TRUE(source.RandomUpTo(255));
  ASSERT_EQ(source.RandomUpTo(255), std::nullopt);
  // A failed fill leaves undefined contents; they are wiped as well.
  for (std::uint8_t byte : watched.seen)
    ASSERT_EQ(byte, 0);
}

}  // namespace
}  // namespace password
