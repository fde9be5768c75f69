// The main window: one borderless 730 x 615 pop-up with a green title strip over a white client
// panel that holds the password workflow.
//
// OpenMainWindow creates the window invisible and centred on the primary screen (an edge that
// does not fit goes to 0). BuildMainWindow then creates every control in a fixed order, which is
// also the Tab order of the edit fields, gives each its text, colours and font, and binds the
// workflow's and the chrome's handlers. The layout is static: nothing is created, moved or
// destroyed afterwards. The confirmation overlay is created visible and hidden at the end, while
// the window is still invisible, so it never shows at start-up.
#pragma once

#include "toolkit/geometry.h"

namespace app {

inline constexpr tk::Size kMainWindowSize{730, 615};  // client area and outer size alike

void OpenMainWindow();
int BuildMainWindow();

}  // namespace app
