#include "resources/logo_picture.h"

namespace resources {
namespace {

constexpr std::uint8_t kLogoPng[] = {
#include "logo_png.inc"
};

}  // namespace

std::span<const std::uint8_t> LogoPicturePng() {
  return kLogoPng;
}

}  // namespace resources
