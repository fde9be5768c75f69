// Saving the info file as a user meets it: the dialog, the overwrite question that names the
// chosen file, and what happens when the disk says no. A save that fails is reported, shows no
// overlay, leaves no temporary file and never touches the file that was there before.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>

#include "kennwerk_window.h"
#include "password/account_info.h"
#include "saved_files.h"
#include "toolkit/files.h"
#include "toolkit/requesters.h"

namespace {

using namespace password;
using namespace workflow_test;
namespace headless = tk::headless;

constexpr int kInfoFileLines = 37;
const std::string kOldFile = std::string(5000, 'x') + "\r\nder alte Inhalt\r\n";

bool IsInfoFile(const std::string& bytes) {
  return bytes.starts_with("\r\nKennwerk v1-03-2018\r\n") &&
         std::count(bytes.begin(), bytes.end(), '\n') == kInfoFileLines;
}

const headless::RequesterShown& LastRequester() {
  return headless::RequestersShown().back();
}

void ExpectWriteFailureReported() {
  ASSERT_FALSE(headless::RequestersShown().empty());
  EXPECT_EQ(LastRequester().kind, headless::RequesterShown::Kind::MessageBox);
  EXPECT_EQ(LastRequester().title, u"Info");
  EXPECT_EQ(LastRequester().text, u"Datei konnte nicht geschrieben werden!");
  EXPECT_EQ(LastRequester().buttons, tk::MessageButtons::Ok);
  EXPECT_FALSE(OverlayUp());
  EXPECT_FALSE(tk::IsControlVisible(CopiedOverlay));
  // The placeholders the save took away stay away after an early end.
  EXPECT_EQ(TextOf(AccountField), u"");
  EXPECT_EQ(TextOf(UsageField), u"");
}

TEST(Save, DialogStartsInTheDocumentsFolderAndTheOverlayConfirms) {
  Kennwerk kennwerk;
  SaveFolder folder;
  headless::SetDocumentsFolder(folder.Folder());
  GenerateAndWait();
  headless::AnswerSaveDialog(folder.PathOf("Konto"));
  ClickAt(kSaveButton);

  ASSERT_EQ(headless::RequestersShown().size(), 1u);
  const headless::RequesterShown& dialog = headless::RequestersShown()[0];
  EXPECT_EQ(dialog.kind, headless::RequesterShown::Kind::SaveDialog);
  EXPECT_EQ(dialog.title, u"Save TXT File");
  EXPECT_EQ(dialog.folder, folder.Folder());
  EXPECT_EQ(dialog.fileName, u"AccountInfos.txt");
  EXPECT_EQ(dialog.filterDisplay, u"TXT FILE(*.txt)");
  EXPECT_EQ(dialog.filterPattern, u"*.txt");
  // A name typed without an extension is saved as it stands.
  EXPECT_EQ(folder.Names(), std::set<std::string>{"Konto"});
  EXPECT_TRUE(IsInfoFile(folder.Read("Konto")));

  EXPECT_EQ(TextOf(CopiedLabel), u"Datei wird gespeichert");
  EXPECT_TRUE(tk::IsControlVisible(CopiedOverlay));
  EXPECT_FALSE(tk::IsControlVisible(SaveButton));
  // Ticks of 15 ms: 101 of them before the overlay goes.
  headless::Advance(100 * 15);
  EXPECT_TRUE(OverlayUp());
  headless::Advance(15);
  EXPECT_FALSE(OverlayUp());
  EXPECT_TRUE(tk::IsControlVisible(SaveButton));

  // The next copy shows its own text, not the save's.
  ClickAt(kCopyButton);
  EXPECT_EQ(TextOf(CopiedLabel), u"Passwort in Zwischenablage kopieren");
}

TEST(Save, CancelWritesNothingAndLeavesThePlaceholdersRemoved) {
  Kennwerk kennwerk;
  SaveFolder folder;
  GenerateAndWait();
  headless::CancelSaveDialog();
  ClickAt(kSaveButton);
  EXPECT_TRUE(folder.Names().empty());
  EXPECT_FALSE(OverlayUp());
  EXPECT_EQ(TextOf(AccountField), u"");
  EXPECT_EQ(TextOf(UsageField), u"");
  // No longer equal to the placeholder, so focusing no longer changes the look.
  ClickAt(kAccountField);
  EXPECT_EQ(tk::GetControlColor(AccountField, tk::kColorFront), tk::Grey(143));
}

TEST(Save, OverwriteQuestionNamesTheChosenFile) {
  const struct {
    tk::MessageAnswer answer;
    bool replaced;
  } cases[] = {{tk::MessageAnswer::No, false}, {tk::MessageAnswer::Yes, true}};
  for (const auto& c : cases) {
    Kennwerk kennwerk;
    SaveFolder folder;
    folder.Write("Bank.txt", kOldFile);
    GenerateAndWait();
    headless::AnswerSaveDialog(folder.PathOf("Bank.txt"));
    headless::AnswerMessageBox(c.answer);
    ClickAt(kSaveButton);

    ASSERT_EQ(headless::RequestersShown().size(), 2u);
    EXPECT_EQ(LastRequester().title, u"Achtung");
    EXPECT_EQ(LastRequester().text, u"Bank.txt bereits vorhanden! Datei überschreiben?");
    EXPECT_EQ(LastRequester().buttons, tk::MessageButtons::YesNo);
    EXPECT_EQ(folder.Names(), std::set<std::string>{"Bank.txt"});
    EXPECT_EQ(IsInfoFile(folder.Read("Bank.txt")), c.replaced);
    EXPECT_EQ(folder.Read("Bank.txt") == kOldFile, !c.replaced);
    EXPECT_EQ(OverlayUp(), c.replaced);
  }
}

TEST(Save, ChosenFolderIsNotAskedAboutAndFailsToBeWritten) {
  Kennwerk kennwerk;
  SaveFolder folder;
  folder.MakeFolder("Ordner");
  GenerateAndWait();
  headless::AnswerSaveDialog(folder.PathOf("Ordner"));
  headless::AnswerMessageBox(tk::MessageAnswer::Ok);
  ClickAt(kSaveButton);
  ASSERT_EQ(headless::RequestersShown().size(), 2u);
  ExpectWriteFailureReported();
  // Nothing beside the folder either: the file written for it is gone again.
  EXPECT_EQ(folder.Names(), std::set<std::string>{"Ordner"});
  EXPECT_EQ(tk::FileSize(folder.PathOf("Ordner")), tk::kFileIsFolder);
}

TEST(Save, FailureAnywhereKeepsTheOldFileAndLeavesNoTemporaryFile) {
  const struct {
    const char* story;
    std::function<void()> fail;
  } cases[] = {
      {"temporary file and the target both refuse",
       [] {
         headless::FailNextOpen(tk::File::Mode::CreateNew);
         headless::FailNextOpen(tk::File::Mode::CreateOrTruncate);
         headless::FailNextOpen(tk::File::Mode::ExistingTruncate);
       }},
      {"a write midway", [] { headless::FailWrite(12); }},
      {"the first write", [] { headless::FailWrite(1); }},
      {"the flush", [] { headless::FailNextFlush(); }},
      {"the close", [] { headless::FailNextClose(); }},
      {"the replace", [] { headless::FailNextReplace(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.story);
    Kennwerk kennwerk;
    SaveFolder folder;
    folder.Write("Bank.txt", kOldFile);
    GenerateAndWait();
    headless::AnswerSaveDialog(folder.PathOf("Bank.txt"));
    headless::AnswerMessageBox(tk::MessageAnswer::Yes);
    headless::AnswerMessageBox(tk::MessageAnswer::Ok);
    c.fail();
    ClickAt(kSaveButton);

    ASSERT_EQ(headless::RequestersShown().size(), 3u);
    ExpectWriteFailureReported();
    EXPECT_EQ(folder.Names(), std::set<std::string>{"Bank.txt"});
    EXPECT_EQ(folder.Read("Bank.txt"), kOldFile);
  }
}

TEST(Save, FolderWithoutRoomForANewFileWritesTheChosenFileItself) {
  Kennwerk kennwerk;
  SaveFolder folder;
  folder.Write("Bank.txt", kOldFile);
  GenerateAndWait();
  headless::AnswerSaveDialog(folder.PathOf("Bank.txt"));
  headless::AnswerMessageBox(tk::MessageAnswer::Yes);
  headless::FailNextOpen(tk::File::Mode::CreateNew);
  ClickAt(kSaveButton);

  EXPECT_EQ(headless::RequestersShown().size(), 2u);
  EXPECT_EQ(folder.Names(), std::set<std::string>{"Bank.txt"});
  EXPECT_TRUE(IsInfoFile(folder.Read("Bank.txt")));
  EXPECT_TRUE(OverlayUp());
}

TEST(Save, DirectWriteStillReportsAFailedWrite) {
  Kennwerk kennwerk;
  SaveFolder folder;
  GenerateAndWait();
  headless::AnswerSaveDialog(folder.PathOf("neu.txt"));
  headless::AnswerMessageBox(tk::MessageAnswer::Ok);
  headless::FailNextOpen(tk::File::Mode::CreateNew);
  headless::FailWrite(5);
  ClickAt(kSaveButton);
  ExpectWriteFailureReported();
}

TEST(Save, RevealGoesOnBehindTheDialogAndTheFileTakesItsLastPassword) {
  Kennwerk kennwerk;
  SaveFolder folder;
  GenerateAndWait();
  ClickAt(kGenerateButton);
  const std::u16string atTheClick = TextOf(PasswordField);
  headless::AnswerSaveDialog(folder.PathOf("a.txt"), [] { headless::Advance(1000); });
  ClickAt(kSaveButton);

  EXPECT_FALSE(Revealing());
  EXPECT_EQ(RevealValue(), 0);
  const std::u16string last = TextOf(PasswordField);
  EXPECT_NE(last, atTheClick);
  EXPECT_NE(folder.Read("a.txt").find("Passwort     : " + tk::ToUtf8(last) + "\r\n"),
            std::string::npos);
}

}  // namespace
