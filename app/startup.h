// Start-up and the event loop.
//
// RunKennwerk is the whole program: it brings up the toolkit, opens and fills the main window,
// then waits for events until the window is asked to close, and never returns (the process ends
// in EndProgram with exit code 0). The steps before the loop are also reachable on their own, so
// that a test can start the real window and then drive it: StartKennwerk brings the toolkit up
// itself, OpenKennwerk expects a toolkit that is already up (as a test session provides it).
#pragma once

#include "app/event_loop.h"

namespace app {

// Everything after the toolkit is up: registry, fonts, the main window built and shown, the
// timer handlers and the window callback bound. Returns with the window on screen.
void OpenKennwerk();

// Brings the toolkit up, then OpenKennwerk.
void StartKennwerk();

// StartKennwerk, then RunEventLoop.
[[noreturn]] void RunKennwerk();

}  // namespace app
