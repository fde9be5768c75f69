#include "toolkit/text.h"

#include <cstdint>

namespace tk {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | (c >> 18));
    out += char(0x80 | ((c >> 12) & 0x3F));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

void AppendUtf16(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out += char16_t(c);
  } else {
    c -= 0x10000;
    out += char16_t(0xD800 + (c >> 10));
    out += char16_t(0xDC00 + (c & 0x3FF));
  }
}

// The well-formed UTF-8 sequences: the lead byte fixes the length and the allowed range of the
// second byte, which excludes overlong forms, surrogates and code points above U+10FFFF.
struct LeadRule {
  int length = 0;  // 0: not a lead byte
  std::uint8_t secondLow = 0x80;
  std::uint8_t secondHigh = 0xBF;
};

LeadRule RuleFor(std::uint8_t lead) {
  if (lead >= 0xC2 && lead <= 0xDF)
    return {2};
  if (lead == 0xE0)
    return {3, 0xA0, 0xBF};
  if (lead == 0xED)
    return {3, 0x80, 0x9F};
  if (lead >= 0xE1 && lead <= 0xEF)
    return {3};
  if (lead == 0xF0)
    return {4, 0x90, 0xBF};
  if (lead == 0xF4)
    return {4, 0x80, 0x8F};
  if (lead >= 0xF1 && lead <= 0xF3)
    return {4};
  return {};
}

}  // namespace

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      AppendUtf8(out, 0x10000 + ((char32_t(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      AppendUtf8(out, kReplacement);
    } else {
      AppendUtf8(out, c);
    }
  }
  return out;
}

// An invalid sequence gives one U+FFFD for its longest valid beginning (the maximal subpart), so
// that a broken byte never swallows the well-formed text after it.
std::u16string FromUtf8(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    auto lead = std::uint8_t(text[i]);
    if (lead < 0x80) {
      out += char16_t(lead);
      ++i;
      continue;
    }
    LeadRule rule = RuleFor(lead);
    if (rule.length == 0) {
      out += char16_t(kReplacement);
      ++i;
      continue;
    }
    char32_t c = lead & (0xFF >> (rule.length + 1));
    std::size_t taken = 1;
    bool complete = true;
    for (int k = 1; k < rule.length; ++k) {
      if (i + taken >= text.size()) {
        complete = false;
        break;
      }
      auto next = std::uint8_t(text[i + taken]);
      std::uint8_t low = k == 1 ? rule.secondLow : 0x80;
      std::uint8_t high = k == 1 ? rule.secondHigh : 0xBF;
      if (next < low || next > high) {
        complete = false;
        break;
      }
      c = (c << 6) | (next & 0x3F);
      ++taken;
    }
    AppendUtf16(out, complete ? c : kReplacement);
    i += taken;
  }
  return out;
}

}  // namespace tk
