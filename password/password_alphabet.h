// The 92 characters a password is made of: every printable ASCII character except the space, the
// double quote and the backtick, each exactly once. Position 0 is "A"; a draw r from 0 to 91
// selects PasswordAlphabet[r].
#pragma once

#include <cstddef>
#include <string_view>

namespace password {

inline constexpr std::u16string_view PasswordAlphabet =
    u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789~!@#$%^&*()_-+=[]\\{}|;':,./"
    u"<>?";

inline constexpr std::size_t kAlphabetSize = 92;
static_assert(PasswordAlphabet.size() == kAlphabetSize);

}  // namespace password
