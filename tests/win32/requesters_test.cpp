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

// Notes a visible static control that shows an icon (Wine keeps an empty one in every box).
BOOL CALLBACK VisibleIconFinder(HWND child, LPARAM found) {
  wchar_t type[16] = {};
  ::GetClassNameW(child, type, 16);
  bool icon = std::wstring(type) == L"Static" &&
              (::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
              ::IsWindowVisible(child) && ::SendMessageW(child, STM_GETICON, 0, 0) != 0;
  if (icon)
    *reinterpret_cast<bool*>(found) = true;
  return TRUE;
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
  bool hasIcon = false;
  std::jthread look([&] {
    for (int tries = 0; tries < 1500 && !owner; ++tries) {
      HWND box = ::FindWindowW(L"#32770", L"Info");
      if (box && ::IsWindowVisible(box)) {
        owner = ::GetWindow(box, GW_OWNER);
        ::EnumChildWindows(box, VisibleIconFinder, reinterpret_cast<LPARAM>(&hasIcon));
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
