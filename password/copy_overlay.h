// Copying the password to the clipboard, and the white overlay with its running bar that
// confirms a copy or a save while it puts the workflow's controls out of use.
#pragma once

namespace password {

void EnterOverlay(int periodMs);
void LeaveOverlay();

// Bound to all events of CopyButton; acts on a left-button press.
int CopyButtonEvents();
// Bound to OverlayTimer of MainWindow.
int OverlayTimerTick();

}  // namespace password
