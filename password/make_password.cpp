#include "password/make_password.h"

#include <algorithm>
#include <cstdint>

#include "password/parse_number.h"
#include "password/password_alphabet.h"

namespace password {
namespace {

// The low 32 bits of the parsed number, read as a signed count, capped for direct callers.
int PasswordLength(std::u16string_view lengthText) {
  auto low = std::uint32_t(std::uint64_t(ParseNumber(lengthText)));
  auto count = std::int32_t(low);
  return std::clamp(count, 0, kMaximumPasswordLength);
}

// A part of a password is still secret: it must not linger in freed memory.
void WipeText(std::u16string& text) {
  volatile char16_t* p = text.data();
  for (std::size_t k = 0; k < text.size(); ++k)
    p[k] = 0;
}

}  // namespace

std::optional<std::u16string> MakePassword(std::u16string_view lengthText) {
  RandomSource source;
  return MakePassword(lengthText, source);
}

std::optional<std::u16string> MakePassword(std::u16string_view lengthText, RandomSource& source) {
  const int length = PasswordLength(lengthText);
  std::u16string password;
  password.reserve(std::size_t(length));
  for (int k = 0; k < length; ++k) {
    std::optional<std::uint32_t> r = source.RandomUpTo(std::uint32_t(kAlphabetSize - 1));
    if (!r) {
      WipeText(password);
      return std::nullopt;
    }
    password += PasswordAlphabet[*r];
  }
  return password;
}

}  // namespace password
