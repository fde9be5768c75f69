// Random bytes from the operating system's cryptographic source. There is no weaker fallback.
#pragma once

#include <cstdint>
#include <span>

namespace tk {

// Fills the whole span; false when the source failed (the contents are then undefined).
bool RandomBytes(std::span<std::uint8_t> bytes);

}  // namespace tk
