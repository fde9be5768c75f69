#include "app/end_program.h"

#include "toolkit/toolkit.h"

namespace app {

void EndProgram() noexcept {
  // The exit code is 0 whatever happens on the way out, and this may run inside a handler called
  // from a native window procedure, where an escaping exception would be undefined behaviour.
  try {
    tk::ShutdownToolkit();
  } catch (...) {
  }
  tk::ExitProcess(0);
}

}  // namespace app
