// The generate action: a press on the generate button plays a 100-step reveal driven by
// RevealTimer, drawing a fresh password into the password field at every step.
//
// The reveal keeps no data of its own: it runs exactly while RevealTimer runs, and its progress is
// the value of RevealProgress, one step per tick up to the bar's maximum; the tick that finds the
// bar full ends the reveal and gives the bar its resting colours. A press during a reveal only
// adds one step at once, so a reveal never draws more passwords than the maximum.
//
// When the random source fails no password is shown: the reveal ends, the field is emptied, the
// copy and save buttons go back to their disabled look, and one message says so.
#pragma once

namespace password {

// One step: moves the focus off the length field (so that its rules correct it), then draws a
// password of the length it gives into PasswordField and enables the copy and save buttons.
void GeneratePassword();
void EnableResultButtons();

// Bound to all events of GenerateButton; acts on a left-button press.
int GenerateButtonEvents();
// Bound to RevealTimer of MainWindow; also called once directly at each press.
int RevealTimerTick();

}  // namespace password
