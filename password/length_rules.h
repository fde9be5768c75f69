// The rules of the length field: it empties when it gains the focus, and when it loses the focus
// its value is forced into 8 to 30, the status line saying what was corrected.
//
// The field's text is the only state. A text in range keeps its exact form (leading zeros, a sign,
// trailing letters); only its value, read by ParseNumber over the full 64 bits, decides. The
// status line is written only when the focus is lost, so a message stays while the user types.
#pragma once

namespace password {

// Bound to all events of LengthField; acts on focus gained and focus lost only.
int LengthFieldEvents();

}  // namespace password
