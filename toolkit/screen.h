// The primary screen. The DPI is read once at start-up; 96 when it cannot be read.
#pragma once

#include "toolkit/geometry.h"

namespace tk {

Size ScreenSize();
int ScreenDpi();

}  // namespace tk
