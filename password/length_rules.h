// The rules of the length field: it empties when it gains the focus, and when it loses the focus
// its value is forced into 8 to 30, the status line saying what was corrected.
#pragma once

namespace password {

// Bound to all events of LengthField; acts on focus gained and focus lost only.
int LengthFieldEvents();

}  // namespace password
