// Requesters: how the default path and the filter reach the dialog, and scripted answers.
#include "toolkit/requesters.h"

#include <gtest/gtest.h>

#include "toolkit/platform/headless/script.h"
#include "toolkit/window.h"

namespace {

using namespace tk;
using headless::RequesterShown;

TEST(SaveFileRequester, SplitsTheDefaultAtItsLastSeparatorAndTheFilterAtTheBar) {
  headless::Session session;
  OpenWindow(WindowId{0}, {0, 0, 10, 10}, u"Test");
  struct Case {
    std::u16string path, filter, folder, file, display, pattern;
  };
  const Case cases[] = {
      {u"C:\\AccountInfos.txt ", u"TXT FILE(*.txt)|*.txt", u"C:", u"AccountInfos.txt ",
       u"TXT FILE(*.txt)", u"*.txt"},
      {u"/home/a/b.txt", u"Alle|*", u"/home/a", u"b.txt", u"Alle", u"*"},
      {u"c:\\x/y\\z.txt", u"ohne Muster", u"c:\\x/y", u"z.txt", u"ohne Muster", u""},
      {u"name.txt", u"", u"", u"name.txt", u"", u""},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i)
    headless::AnswerSaveDialog(u"/tmp/chosen.txt");
  for (const Case& c : cases) {
    EXPECT_EQ(SaveFileRequester(WindowId{0}, u"Save TXT File", c.path, c.filter),
              u"/tmp/chosen.txt");
    const RequesterShown& shown = headless::RequestersShown().back();
    EXPECT_EQ(shown.kind, RequesterShown::Kind::SaveDialog);
    EXPECT_EQ(shown.title, u"Save TXT File");
    EXPECT_EQ(shown.folder, c.folder);
    EXPECT_EQ(shown.fileName, c.file);
    EXPECT_EQ(shown.filterDisplay, c.display);
    EXPECT_EQ(shown.filterPattern, c.pattern);
  }
  headless::CancelSaveDialog();
  EXPECT_EQ(SaveFileRequester(WindowId{0}, u"t", u"a", u"b"), u"");
}

TEST(MessageRequester, AnswersFromTheScriptAndFailsLoudlyWithoutOne) {
  headless::Session session;
  headless::AnswerMessageBox(MessageAnswer::Ok);  // closing a Yes/No box otherwise than Yes
  EXPECT_EQ(MessageRequester(WindowId{0}, u"Achtung", u"Frage?", MessageButtons::YesNo),
            MessageAnswer::No);
  EXPECT_EQ(headless::RequestersShown().back().buttons, MessageButtons::YesNo);
  EXPECT_EQ(headless::RequestersShown().back().text, u"Frage?");
  EXPECT_THROW(MessageRequester(WindowId{0}, u"Info", u"x", MessageButtons::Ok),
               headless::ScriptError);
  EXPECT_THROW(SaveFileRequester(WindowId{0}, u"t", u"a", u"b"), headless::ScriptError);
}

TEST(DocumentsFolder, IsTheScriptedOneWithTheSlashSeparator) {
  headless::Session session;
  headless::SetDocumentsFolder(u"/srv/docs");
  EXPECT_EQ(DocumentsFolder(), u"/srv/docs");
  EXPECT_EQ(PathSeparator(), u'/');
}

}  // namespace
