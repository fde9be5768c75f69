#include "flat/flat_gadget.h"

namespace flat {

int FlatCleanupNothing(FlatGadget&) {
  return 0;
}

}  // namespace flat
