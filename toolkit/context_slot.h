// Where the toolkit context lives; only the toolkit's lifetime (InitToolkit, ShutdownToolkit)
// replaces it. Everything else reaches it through core::Current().
#pragma once

#include <memory>

#include "toolkit/core_state.h"

namespace tk::core {

std::unique_ptr<Context>& ContextSlot();

}  // namespace tk::core
