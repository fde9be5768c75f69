#include <sys/random.h>

#include <cerrno>

#include "toolkit/platform.h"
#include "toolkit/platform/headless/world.h"

namespace tk::platform {

// The kernel's cryptographic source. getrandom may return fewer bytes than asked (or be
// interrupted by a signal), so it is called until the span is full.
bool RandomBytes(std::span<std::uint8_t> bytes) {
  if (headless::TheWorld().randomFailing)
    return false;
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    ssize_t got = ::getrandom(bytes.data() + filled, bytes.size() - filled, 0);
    if (got < 0) {
      if (errno == EINTR)
        continue;
      return false;
    }
    filled += std::size_t(got);
  }
  return true;
}

}  // namespace tk::platform
