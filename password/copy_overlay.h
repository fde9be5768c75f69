// Copying the password to the clipboard, and the white overlay with its running bar that
// confirms a copy or a save while it puts the workflow's controls out of use.
//
// The overlay keeps no data of its own: it is up exactly while OverlayTimer runs, and its progress
// is the value of CopiedProgress, counted up one per tick to the bar's maximum; the tick after the
// bar is full takes the overlay down. A copy that fails shows no overlay but a message, and the
// password is marked sensitive so that clipboard history and clipboard managers leave it out.
#pragma once

namespace password {

// Starts OverlayTimer with the period, puts the workflow's controls out of use and shows the
// overlay. The caller sets the text of CopiedLabel right after.
void EnterOverlay(int periodMs);
void LeaveOverlay();

// Bound to all events of CopyButton; acts on a left-button press.
int CopyButtonEvents();
// Bound to OverlayTimer of MainWindow.
int OverlayTimerTick();

}  // namespace password
