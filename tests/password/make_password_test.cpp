#include "password/make_password.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "password/password_alphabet.h"
#include "tests/password/scripted_bytes.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/text.h"

namespace password {
namespace {

using testing::ScriptedBytes;

TEST(PasswordAlphabet, IsEveryPrintableAsciiCharacterButSpaceQuoteAndBacktickOnce) {
  std::u16string expected;
  for (char16_t c = u'!'; c <= u'~'; ++c) {
    if (c != u'"' && c != u'`')
      expected += c;
  }
  std::u16string sorted(PasswordAlphabet);
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, expected);
}

struct LengthCase {
  std::u16string_view text;
  std::size_t length;
};

TEST(MakePassword, LengthFollowsTheLow32BitsOfTheTextCappedForDirectCallers) {
  constexpr LengthCase kCases[] = {
      {u"20", 20},
      {u" 12", 12},
      {u"$1E", 30},
      {u"%101", 5},
      {u"4294967306", 10},   // 2^32 + 10: only the low 32 bits count
      {u"-4294967286", 10},  // and so a negative text can ask for 10
      {u"4294967295", 0},    // the low 32 bits read as -1
      {u"2147483648", 0},    // the smallest 32-bit count
      {u"", 0},
      {u"abc", 0},
      {u"- 5", 0},
      {u"-5", 0},
      {u"4096", 4096},
      {u"4097", 4096},
      {u"2147483647", 4096},
  };
  for (const LengthCase& c : kCases) {
    std::optional<std::u16string> password = MakePassword(c.text);
    ASSERT_TRUE(password) << "text: " << tk::ToUtf8(c.text);
    EXPECT_EQ(password->size(), c.length) << "text: " << tk::ToUtf8(c.text);
  }
}

TEST(MakePassword, DrawZeroTo91SelectsTheAlphabetInOrder) {
  std::vector<std::uint8_t> draws(kAlphabetSize);
  for (std::size_t k = 0; k < draws.size(); ++k)
    draws[k] = std::uint8_t(k);
  RandomSource source(ScriptedBytes(draws));
  EXPECT_EQ(MakePassword(u"92", source), std::u16string(PasswordAlphabet));
}

TEST(MakePassword, TwoPasswordsFromTheSystemSourceDiffer) {
  EXPECT_NE(MakePassword(u"20"), MakePassword(u"20"));
}

// A byte source that fails on its failingCall-th block (counting from 1).
ByteFill FailingOnCall(int failingCall) {
  return [failingCall, calls = 0](std::span<std::uint8_t> bytes) mutable {
    std::fill(bytes.begin(), bytes.end(), std::uint8_t(1));
    return ++calls != failingCall;
  };
}

TEST(MakePassword, GivesNoPasswordAtAllWhenTheRandomSourceFails) {
  for (int failingCall : {1, 2, 4}) {
    RandomSource source(FailingOnCall(failingCall));
    EXPECT_EQ(MakePassword(u"200", source), std::nullopt) << "failing call " << failingCall;
  }
  RandomSource never(FailingOnCall(1));
  EXPECT_EQ(MakePassword(u"0", never), std::u16string()) << "no draw, no failure";
}

TEST(MakePassword, GivesNoPasswordWhenTheSystemSourceFails) {
  tk::headless::ResetPlatform();
  tk::headless::SetRandomFailing(true);
  std::optional<std::u16string> password = MakePassword(u"20");
  tk::headless::SetRandomFailing(false);
  EXPECT_EQ(password, std::nullopt);
  EXPECT_TRUE(MakePassword(u"20"));
}

// How often each alphabet character occurs; other characters are counted apart.
struct CharacterCounts {
  std::array<std::int64_t, kAlphabetSize> perCharacter{};
  std::int64_t total = 0;
  std::int64_t foreign = 0;

  void Add(std::u16string_view text) {
    for (char16_t c : text) {
      std::size_t at = PasswordAlphabet.find(c);
      if (at == std::u16string_view::npos) {
        ++foreign;
      } else {
        ++perCharacter[at];
      }
      ++total;
    }
  }

  // Pearson's statistic against the uniform distribution, 91 degrees of freedom.
  double ChiSquare() const {
    const double expected = double(total) / double(kAlphabetSize);
    double sum = 0;
    for (std::int64_t count : perCharacter)
      sum += (double(count) - expected) * (double(count) - expected);
    return sum / expected;
  }
};

// Uniform draws exceed this with probability below 1e-9; one character twice as likely as the
// others gives about 10500 over a million characters.
constexpr double kChiSquareLimit = 200;

CharacterCounts CountMillionCharacters(RandomSource& source) {
  CharacterCounts counts;
  for (int k = 0; k < 250; ++k) {
    std::optional<std::u16string> password = MakePassword(u"4000", source);
    if (password)
      counts.Add(*password);
  }
  return counts;
}

TEST(MakePassword, SystemSourceGivesEachOfThe92CharactersEquallyOften) {
  RandomSource source;
  CharacterCounts counts = CountMillionCharacters(source);
  ASSERT_EQ(counts.total, 1000000);
  EXPECT_EQ(counts.foreign, 0);
  EXPECT_LT(counts.ChiSquare(), kChiSquareLimit);
}

// The check above has the power to see a doubled character: fed the draws of a 93-outcome
// generator whose outcomes 0 and 1 both give "A", it fails clearly.
TEST(MakePassword, UniformityCheckCatchesADoubledCharacter) {
  std::vector<std::uint8_t> draws;
  for (int cycle = 0; cycle < 10753; ++cycle) {
    for (int r = 0; r <= 92; ++r)
      draws.push_back(std::uint8_t(std::max(r, 1) - 1));
  }
  RandomSource source(ScriptedBytes(draws));
  CharacterCounts counts = CountMillionCharacters(source);
  ASSERT_EQ(counts.total, 1000000);
  EXPECT_GT(counts.perCharacter[0], 2 * counts.perCharacter[1] - 2);
  EXPECT_GT(counts.ChiSquare(), kChiSquareLimit);
}

}  // namespace
}  // namespace password
