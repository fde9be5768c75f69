// Turns a length, given as text, into a fresh random password over PasswordAlphabet.
//
// The count is the low 32 bits of ParseNumber(lengthText) read as a signed 32-bit number; a count
// below 1 gives the empty password, and a count above kMaximumPasswordLength gives a password of
// that maximum length, so no caller can make the generator allocate without bound. Every
// character is an independent uniform draw among the 92 of the alphabet.
//
// The result is std::nullopt when the operating system's random source failed; then no password
// (not even a part of one) is produced, and the caller must tell the user. An empty string is a
// success: the count was below 1.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "password/random_source.h"

namespace password {

inline constexpr int kMaximumPasswordLength = 4096;

// Draws from a fresh RandomSource on the operating system's source.
std::optional<std::u16string> MakePassword(std::u16string_view lengthText);

// Draws from the given source (tests inject bytes through it; a loop may reuse one).
std::optional<std::u16string> MakePassword(std::u16string_view lengthText, RandomSource& source);

}  // namespace password
