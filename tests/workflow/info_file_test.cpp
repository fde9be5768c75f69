// The info file as it lands on the disk: 37 lines of UTF-8 without a byte-order mark, each ending
// in CR LF, the field texts inserted exactly as they stand, placeholders never written.
#include "password/info_file.h"

#include <gtest/gtest.h>

#include <string>

#include "kennwerk_window.h"
#include "password/account_info.h"
#include "saved_files.h"
#include "toolkit/clock.h"
#include "toolkit/fonts.h"
#include "toolkit/text.h"

namespace {

using namespace password;
using namespace workflow_test;
namespace headless = tk::headless;

constexpr tk::LocalDateTime kSavedAt{2018, 3, 5, 9, 7, 4};

std::string Utf8(std::u16string_view text) {
  return tk::ToUtf8(text);
}

// The file for these values, written out line by line as the user will read it.
std::string ExpectedInfoFile(const std::string& usage, const std::string& account,
                             const std::string& shown, const std::string& length) {
  return "\r\n"
         "Kennwerk v1-03-2018\r\n"
         "\r\n"
         "------------------------------------------------------------\r\n"
         "\r\n"
         "Passwort Infos am 05.03.2018 um 09:07:04 gespeichert\r\n"
         "\r\n"
         "------------------------------------------------------------\r\n"
         "\r\n"
         "\r\n"
         "\r\n"
         "g\xC3\xBCltig f\xC3\xBCr   : " +
         usage +
         "\r\n"
         "\r\n"
         "Benutzername : " +
         account +
         "\r\n"
         "Passwort     : " +
         shown +
         "\r\n"
         "\r\n"
         "\r\n"
         "Passwortl\xC3\xA4nge: " +
         length +
         " Zeichen\r\n"
         "\r\n"
         "\r\n"
         "\r\n"
         "------------------------------------------------------------\r\n"
         "\r\n"
         "Wenn dir das Tool gef\xC3\xA4llt, freuen wir uns \xC3\xBC"
         "ber eine Spende\r\n"
         "auf das PayPal Konto: " +
         Utf8(DonationMailAddress) +
         "\r\n"
         "\r\n"
         "------------------------------------------------------------\r\n"
         "\r\n"
         "\r\n"
         "------------------------------------------------------------\r\n"
         "\r\n"
         "Oder sende uns Bitcoins auf das Wallet:\r\n" +
         Utf8(DonationWallet) +
         "\r\n"
         "\r\n"
         "------------------------------------------------------------\r\n"
         "get in contact @: " +
         Utf8(ContactWebAddress) +
         "\r\n"
         "------------------------------------------------------------\r\n";
}

int CrLfCount(const std::string& bytes) {
  int count = 0;
  for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
       at = bytes.find("\r\n", at + 2)) {
    ++count;
  }
  return count;
}

void TypeInto(tk::Point field, std::u16string_view text) {
  ClickAt(field);
  headless::Paste(text);
}

void SaveAs(const std::u16string& path) {
  headless::SetLocalTime(kSavedAt);
  headless::AnswerSaveDialog(path);
  ClickAt(kSaveButton);
}

TEST(InfoFile, HoldsTheFieldsAndTheDateByteForByte) {
  Kennwerk kennwerk;
  SaveFolder folder;
  TypeInto(kUsageField, u"Mail-Konto bei Müller & Söhne");
  TypeInto(kAccountField, u"erika@example.org");
  GenerateAndWait();
  SaveAs(folder.PathOf("AccountInfos.txt"));

  const std::string file = folder.Read("AccountInfos.txt");
  EXPECT_EQ(file, ExpectedInfoFile("Mail-Konto bei M\xC3\xBCller & S\xC3\xB6hne",
                                   "erika@example.org", Utf8(TextOf(PasswordField)), "20"));
  EXPECT_EQ(CrLfCount(file), 37);
  EXPECT_EQ(file.find('\n'), file.find("\r\n") + 1);
}

TEST(InfoFile, LineBreaksInTheNotesCarryOnIntoTheFollowingLines) {
  Kennwerk kennwerk;
  SaveFolder folder;
  TypeInto(kUsageField, u"Haupt\r\nNeben");
  TypeInto(kAccountField, u"erste\r\nzweite");
  GenerateAndWait();
  SaveAs(folder.PathOf("notes.txt"));

  const std::string file = folder.Read("notes.txt");
  EXPECT_EQ(file, ExpectedInfoFile("Haupt\r\nNeben", "erste\r\nzweite", Utf8(TextOf(PasswordField)),
                                   "20"));
  EXPECT_EQ(CrLfCount(file), 39);
}

TEST(InfoFile, LengthLineTakesTheFieldAsItStandsWhenWritten) {
  Kennwerk kennwerk;
  SaveFolder folder;
  GenerateAndWait();
  // A new length typed after the reveal goes into the file beside the 20-character password.
  ClickAt(kLengthField);
  headless::Type(u"025");
  headless::PressTab();
  SaveAs(folder.PathOf("a.txt"));
  ASSERT_EQ(TextOf(PasswordField).size(), 20u);
  EXPECT_EQ(folder.Read("a.txt"), ExpectedInfoFile("", "", Utf8(TextOf(PasswordField)), "025"));
}

TEST(InfoFile, PlaceholdersAreNeverWrittenAndComeBackAfterTheSave) {
  const tk::Color grey = tk::Grey(143);
  const tk::Color black = tk::Rgb(0, 0, 0);
  const struct {
    const char* story;
    bool focusBoth;
    std::u16string typedAccount;  // into AccountField after focusing it
    std::u16string typedUsage;
    tk::Color colorAfter;
    tk::FontId fontAfter;
  } cases[] = {
      {"untouched", false, u"", u"", grey, TitleFont},
      {"focused and left empty", true, u"", u"", black, PasswordFont},
      {"placeholder typed by the user", true, std::u16string(AccountPlaceholder),
       std::u16string(UsagePlaceholder), black, PasswordFont},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.story);
    Kennwerk kennwerk;
    SaveFolder folder;
    if (c.focusBoth) {
      TypeInto(kAccountField, c.typedAccount);
      TypeInto(kUsageField, c.typedUsage);
    }
    GenerateAndWait();
    SaveAs(folder.PathOf("a.txt"));

    EXPECT_EQ(folder.Read("a.txt"), ExpectedInfoFile("", "", Utf8(TextOf(PasswordField)), "20"));
    for (tk::ControlId field : {AccountField, UsageField}) {
      EXPECT_EQ(tk::GetControlColor(field, tk::kColorFront), c.colorAfter);
      EXPECT_EQ(tk::GetControlFont(field), tk::FontHandleOf(c.fontAfter));
    }
    EXPECT_EQ(TextOf(AccountField), AccountPlaceholder);
    EXPECT_EQ(TextOf(UsageField), UsagePlaceholder);
  }
}

}  // namespace
