// Text inside the program is UTF-16; these convert at the file and platform edges. An unpaired
// surrogate becomes U+FFFD instead of corrupt bytes, and invalid UTF-8 likewise.
#pragma once

#include <string>
#include <string_view>

namespace tk {

std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

}  // namespace tk
