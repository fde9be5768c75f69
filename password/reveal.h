// The generate action: a press on the generate button plays a 100-step reveal driven by
// RevealTimer, drawing a fresh password into the password field at every step.
#pragma once

namespace password {

void GeneratePassword();
void EnableResultButtons();

// Bound to all events of GenerateButton; acts on a left-button press.
int GenerateButtonEvents();
// Bound to RevealTimer of MainWindow; also called once directly at each press.
int RevealTimerTick();

}  // namespace password
