// Random bytes from the system's preferred cryptographic generator (BCryptGenRandom).

#include <algorithm>

#include "toolkit/platform.h"
#include "toolkit/platform/win32/win32.h"

namespace tk::platform {

bool RandomBytes(std::span<std::uint8_t> bytes) {
  while (!bytes.empty()) {
    ULONG chunk = ULONG(std::min<std::size_t>(bytes.size(), 1u << 30));
    if (!BCRYPT_SUCCESS(
            ::BCryptGenRandom(nullptr, bytes.data(), chunk, BCRYPT_USE_SYSTEM_PREFERRED_RNG))) {
      return false;
    }
    bytes = bytes.subspan(chunk);
  }
  return true;
}

}  // namespace tk::platform
