#include "password/length_rules.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "password/parse_number.h"
#include "password/window_ids.h"
#include "toolkit/controls.h"
#include "toolkit/events.h"

namespace password {
namespace {

constexpr std::int64_t kMinimumLength = 8;
constexpr std::int64_t kMaximumLength = 30;

constexpr std::u16string_view kCappedMessage =
    u"die Anzahl der maximalen Passwortlänge wurde auf 30 Zeichen begrenzt";
constexpr std::u16string_view kRaisedMessage =
    u"die Anzahl der mindest Passwortlänge wurde auf 8 Zeichen erhöht";

// What the length field and the status line hold after the focus has left the field.
struct LengthCorrection {
  std::u16string text;
  std::u16string status;  // empty when nothing was corrected
};

LengthCorrection CorrectLength(std::u16string_view text) {
  LengthCorrection corrected{std::u16string(text), {}};
  if (ParseNumber(corrected.text) > kMaximumLength) {
    corrected = {u"30", std::u16string(kCappedMessage)};
  }
  // Read again: a capped text is 30 now and passes the lower bound.
  if (ParseNumber(corrected.text) < kMinimumLength) {
    corrected = {u"8", std::u16string(kRaisedMessage)};
  }
  return corrected;
}

void ApplyLengthRules() {
  const LengthCorrection corrected = CorrectLength(tk::GetControlText(LengthField));
  tk::SetControlText(StatusLabel, corrected.status);
  // Written back also when unchanged: the field always ends with the text the rules chose.
  tk::SetControlText(LengthField, corrected.text);
}

}  // namespace

int LengthFieldEvents() {
  switch (tk::EventKind()) {
    case tk::EventType::FocusGained:
      tk::SetControlText(LengthField, u"");
      break;
    case tk::EventType::FocusLost:
      ApplyLengthRules();
      break;
    default:
      break;
  }
  return 0;
}

}  // namespace password
