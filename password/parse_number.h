// Reads a signed 64-bit number from the start of a text, the way the length field is read.
//
// Leading spaces and tabs are skipped, then at most one "+" or "-". A "$" starts hexadecimal
// digits, a "%" binary ones, anything else decimal. The first character that is not a digit of
// the base ends the number; no digits give 0. The value wraps modulo 2^64 without any overflow
// check, and a "-" gives its two's complement. An absent (empty) text gives 0.
#pragma once

#include <cstdint>
#include <string_view>

namespace password {

std::int64_t ParseNumber(std::u16string_view text);

}  // namespace password
