#include "toolkit/random.h"

#include "toolkit/platform.h"

namespace tk {

bool RandomBytes(std::span<std::uint8_t> bytes) {
  return bytes.empty() || platform::RandomBytes(bytes);
}

}  // namespace tk
