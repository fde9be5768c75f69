// The program entry. On Windows this is linked for the GUI subsystem; the runtime still enters
// through main, so no platform header is needed here.
#include "app/startup.h"

int main() {
  app::RunKennwerk();
}
