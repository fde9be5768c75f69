// The system's save dialog and message boxes, answered from a helper thread as a user would.
#include "toolkit/requesters.h"

#include <string>

#include "tests/win32/dialog_answerer.h"
#include "tests/win32/native_fixture.h"
#include "tests/win32/temp_folder.h"

namespace kennwerk_test {
namespace {

constexpr std::u16string_view kTitle = u"Save TXT File";

std::u16string AskForPath() {
  return tk::SaveFileRequester(NativeWindowTest::kWindow, kTitle, u"C:\\AccountInfos.txt ",
                               u"TXT FILE(*.txt)|*.txt");
}

std::wstring CurrentFolder() {
  wchar_t folder[MAX_PATH] = {};
  ::GetCurrentDirectoryW(MAX_PATH, folder);
  return folder;
}

using Requesters = NativeWindowTest;

TEST_F(Requesters, SaveDialogReturnsTheTypedPathAsTypedAndLeavesTheCurrentFolder) {
  TempFolder folder;
  std::wstring before = CurrentFolder();
  for (const wchar_t* name : {L"konto.txt", L"ohne-endung"}) {
    DialogAnswerer answer = DialogAnswerer::TypePath(L"Save TXT File", folder.File(name));
    std::u16string chosen = AskForPath();
    ASSERT_TRUE(answer.Found());
    EXPECT_EQ(chosen, folder.File16(name));
  }
  EXPECT_EQ(CurrentFolder(), before);
}

TEST_F(Requesters, CancellingTheSaveDialogGivesAnEmptyPath) {
  DialogAnswerer answer = DialogAnswerer::Press(L"Save TXT File", IDCANCEL);
  EXPECT_EQ(AskForPath(), u"");
  EXPECT_TRUE(answer.Found());
}

TEST_F(Requesters, MessageBoxesAnswerWithTheButtonPressed) {
  struct Case {
    tk::MessageButtons buttons;
    int press;
    tk::MessageAnswer answer;
  };
  for (Case c : {Case{tk::MessageButtons::YesNo, IDYES, tk::MessageAnswer::Yes},
                 Case{tk::MessageButtons::YesNo, IDNO, tk::MessageAnswer::No},
                 Case{tk::MessageButtons::Ok, IDOK, tk::MessageAnswer::Ok}}) {
    DialogAnswerer answer = DialogAnswerer::Press(L"Achtung", c.press);
    EXPECT_EQ(tk::MessageRequester(kWindow, u"Achtung",
                                   u"AccountInfos.txt bereits vorhanden! Datei überschreiben?",
                                   c.buttons),
              c.answer);
    ASSERT_TRUE(answer.Found());
    EXPECT_NE(answer.Text().find(L"bereits vorhanden! Datei \u00fcberschreiben?"),
              std::wstring::npos);
  }
}

TEST_F(Requesters, MessageBoxIsOwnedByTheWindowAndHasNoIcon) {
  HWND owner = nullptr;
  bool hasIcon = true;
  std::jthread look([&] {
    for (int tries = 0; tries < 1500 && !owner; ++tries) {
      if (HWND box = ::FindWindowW(L"#32770", L"Info")) {
        owner = ::GetWindow(box, GW_OWNER);
        // The icon of a message box is a static control showing an icon.
        hasIcon = ::FindWindowExW(box, nullptr, L"Static", nullptr) != nullptr &&
                  (::GetWindowLongW(::FindWindowExW(box, nullptr, L"Static", nullptr), GWL_STYLE) &
                   SS_TYPEMASK) == SS_ICON &&
                  ::IsWindowVisible(::FindWindowExW(box, nullptr, L"Static", nullptr));
        ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
      }
      ::Sleep(20);
    }
  });
  tk::MessageRequester(kWindow, u"Info", u"Datei konnte nicht geschrieben werden!",
                       tk::MessageButtons::Ok);
  look.join();
  EXPECT_EQ(owner, WindowHwnd());
  EXPECT_FALSE(hasIcon);
}

}  // namespace
}  // namespace kennwerk_test
