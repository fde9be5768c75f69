// The info file: the password with its notes, its length and the date, as a plain text file of 37
// lines for the user to keep.
//
// The file is UTF-8 without a byte-order mark and every line, the last included, ends in CR LF.
// Values go in exactly as they stand: a line break typed into a note carries on into the lines
// after it, and an empty value leaves its label alone on the line. The file is never read back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/files.h"

namespace password {

// Configuration of the build (CMake cache variables KENNWERK_DONATION_MAIL,
// KENNWERK_DONATION_WALLET and KENNWERK_CONTACT_WEB), written unchanged into the footer.
inline constexpr std::u16string_view DonationMailAddress = u"" KENNWERK_DONATION_MAIL;
inline constexpr std::u16string_view DonationWallet = u"" KENNWERK_DONATION_WALLET;
inline constexpr std::u16string_view ContactWebAddress = u"" KENNWERK_CONTACT_WEB;

// The date mask of the heading line: day, month, hour, minute and second with two digits.
inline constexpr std::u16string_view kInfoDateMask = u"%dd.%mm.%yyyy um %hh:%ii:%ss";

// What one info file says besides its fixed texts.
struct InfoFileValues {
  std::u16string_view date;      // already formatted
  std::u16string_view usage;     // UsageField
  std::u16string_view account;   // AccountField
  std::u16string_view password;  // PasswordField
  std::u16string_view length;    // LengthField, as typed
};

// The texts of the file in writing order, each to be followed by CR LF. The two donation notes
// are one text each with an embedded CR LF, so there are 35 texts for the 37 lines.
std::vector<std::u16string> InfoFileTexts(const InfoFileValues& values);

// Writes the 37 lines from the current texts of the fields and the local time. False at the
// first write that fails; nothing after it is written.
bool WriteInfoFile(tk::File& file);

}  // namespace password
