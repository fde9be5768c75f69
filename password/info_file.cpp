#include "password/info_file.h"

#include "password/window_ids.h"
#include "toolkit/clock.h"
#include "toolkit/controls.h"

namespace password {
namespace {

constexpr std::u16string_view kLineEnd = u"\r\n";

std::u16string InfoRule() {
  return std::u16string(60, u'-');
}

std::u16string Joined(std::u16string_view label, std::u16string_view value,
                      std::u16string_view tail = {}) {
  std::u16string text(label);
  text.append(value).append(tail);
  return text;
}

}  // namespace

std::vector<std::u16string> InfoFileTexts(const InfoFileValues& values) {
  const std::u16string rule = InfoRule();
  return {
      u"",
      u"Kennwerk v1-03-2018",
      u"",
      rule,
      u"",
      Joined(u"Passwort Infos am ", values.date, u" gespeichert"),
      u"",
      rule,
      u"",
      u"",
      u"",
      Joined(u"gültig für   : ", values.usage),
      u"",
      Joined(u"Benutzername : ", values.account),
      Joined(u"Passwort     : ", values.password),
      u"",
      u"",
      Joined(u"Passwortlänge: ", values.length, u" Zeichen"),
      u"",
      u"",
      u"",
      rule,
      u"",
      Joined(u"Wenn dir das Tool gefällt, freuen wir uns über eine Spende\r\n"
             u"auf das PayPal Konto: ",
             DonationMailAddress),
      u"",
      rule,
      u"",
      u"",
      rule,
      u"",
      Joined(u"Oder sende uns Bitcoins auf das Wallet:\r\n", DonationWallet),
      u"",
      rule,
      Joined(u"get in contact @: ", ContactWebAddress),
      rule,
  };
}

bool WriteInfoFile(tk::File& file) {
  const std::u16string date = tk::FormatDate(kInfoDateMask, tk::LocalTime());
  const std::u16string usage = tk::GetControlText(UsageField);
  const std::u16string account = tk::GetControlText(AccountField);
  const std::u16string shown = tk::GetControlText(PasswordField);
  const std::u16string length = tk::GetControlText(LengthField);
  for (const std::u16string& text : InfoFileTexts({date, usage, account, shown, length})) {
    if (!file.WriteUtf8(text + std::u16string(kLineEnd))) {
      return false;
    }
  }
  return true;
}

}  // namespace password
