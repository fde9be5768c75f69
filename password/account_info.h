// The two account fields with their placeholders, and saving the password with them into the
// info file at a place the user picks.
#pragma once

namespace password {

// Bound to all events of AccountField and of UsageField; acts on focus gained only.
int AccountFieldEvents();
// Bound to the click of SaveButton.
int SaveAccountInfo();

}  // namespace password
