// The native controls behave as the toolkit relies on: focus notifications arrive inside
// SetFocus, the digit filter applies to typing only, labels let presses through, the class style
// is replaced per window, and fields centre their text with a real font.
#include <string>
#include <vector>

#include "app/chrome.h"
#include "tests/win32/native_fixture.h"
#include "toolkit/clipboard.h"
#include "toolkit/events.h"
#include "toolkit/fonts.h"

namespace kennwerk_test {
namespace {

using tk::ControlId;
using tk::EventType;

std::vector<std::pair<int, EventType>> seen;

int RecordFocus() {
  seen.emplace_back(tk::EventControl().value, tk::EventKind());
  return 0;
}

void TypeCharacters(HWND edit, std::wstring_view keys) {
  for (wchar_t key : keys)
    ::SendMessageW(edit, WM_CHAR, key, 1);
}

std::u16string TextOf(ControlId control) {
  return tk::GetControlText(control);
}

using NativeControls = NativeWindowTest;

TEST_F(NativeControls, FocusChangesReachTheHandlersBeforeSetActiveControlReturns) {
  tk::CreateEdit(ControlId{1}, {10, 10, 100, 24}, u"");
  tk::CreateEdit(ControlId{2}, {10, 40, 100, 24}, u"");
  for (int id : {1, 2})
    tk::BindControlEvent(ControlId{id}, RecordFocus);
  seen.clear();

  tk::SetActiveControl(ControlId{1});
  EXPECT_EQ(seen, (std::vector<std::pair<int, EventType>>{{1, EventType::FocusGained}}));
  tk::SetActiveControl(ControlId{2});
  EXPECT_EQ(seen, (std::vector<std::pair<int, EventType>>{{1, EventType::FocusGained},
                                                          {1, EventType::FocusLost},
                                                          {2, EventType::FocusGained}}));
  EXPECT_EQ(::GetFocus(), Hwnd(ControlId{2}));
  EXPECT_EQ(tk::ActiveControl(), ControlId{2});
}

TEST_F(NativeControls, DigitsOnlyFieldRefusesTypedLettersButTakesPastedOnes) {
  tk::CreateEdit(ControlId{1}, {10, 10, 100, 24}, u"", {.digitsOnly = true});
  tk::CreateEdit(ControlId{2}, {10, 40, 100, 24}, u"");
  tk::SetActiveControl(ControlId{1});
  TypeCharacters(Hwnd(ControlId{1}), L"4a2-");
  EXPECT_EQ(TextOf(ControlId{1}), u"42");

  ASSERT_TRUE(tk::SetClipboardText(u"x9", tk::ClipboardPrivacy::Ordinary));
  ::SendMessageW(Hwnd(ControlId{1}), WM_PASTE, 0, 0);
  EXPECT_EQ(TextOf(ControlId{1}), u"42x9");

  tk::SetActiveControl(ControlId{2});
  TypeCharacters(Hwnd(ControlId{2}), L"4a2-");
  EXPECT_EQ(TextOf(ControlId{2}), u"4a2-");
}

TEST_F(NativeControls, ReadOnlyFieldTakesNeitherTypingNorPasting) {
  tk::CreateEdit(ControlId{1}, {10, 10, 100, 24}, u"kept", {.readOnly = true});
  tk::SetActiveControl(ControlId{1});
  TypeCharacters(Hwnd(ControlId{1}), L"ab");
  ASSERT_TRUE(tk::SetClipboardText(u"x9", tk::ClipboardPrivacy::Ordinary));
  ::SendMessageW(Hwnd(ControlId{1}), WM_PASTE, 0, 0);
  EXPECT_EQ(TextOf(ControlId{1}), u"kept");
}

TEST_F(NativeControls, LabelsLetPressesThroughAndImageViewsTakeThem) {
  tk::CreateLabel(ControlId{1}, {10, 10, 100, 20}, u"Titel & mehr", {.centerVertically = true});
  tk::CreateImageView(ControlId{2}, {10, 40, 26, 30}, 0);
  LPARAM inside = MAKELPARAM(120, 120);
  EXPECT_EQ(::SendMessageW(Hwnd(ControlId{1}), WM_NCHITTEST, 0, inside), HTTRANSPARENT);
  EXPECT_NE(::GetWindowLongW(Hwnd(ControlId{2}), GWL_STYLE) & SS_NOTIFY, 0);
  EXPECT_EQ(::GetWindowLongW(Hwnd(ControlId{1}), GWL_STYLE) & SS_NOTIFY, 0);
}

TEST_F(NativeControls, DropShadowReplacesTheClassStyleOfThatWindowOnly) {
  tk::OpenWindow(tk::WindowId{1}, {0, 0, 50, 50}, u"other", {.borderless = true});
  HWND other = tk::win32::ToHwnd(tk::WindowHandle(tk::WindowId{1}));
  EXPECT_EQ(::GetClassLongW(WindowHwnd(), GCL_STYLE), DWORD(CS_DBLCLKS));

  tk::SetDropShadowClassStyle(kWindow);
  EXPECT_EQ(::GetClassLongW(WindowHwnd(), GCL_STYLE), DWORD(CS_DROPSHADOW));
  EXPECT_EQ(::GetClassLongW(other, GCL_STYLE), DWORD(CS_DBLCLKS));
}

TEST_F(NativeControls, BorderlessWindowIsAPlainPopUpWithClientAndOuterSizeAlike) {
  LONG style = ::GetWindowLongW(WindowHwnd(), GWL_STYLE);
  EXPECT_EQ(style & ~(WS_VISIBLE | WS_CLIPSIBLINGS), WS_POPUP);
  EXPECT_EQ(::GetWindowLongW(WindowHwnd(), GWL_EXSTYLE) & ~WS_EX_APPWINDOW, 0);
  RECT outer{};
  ::GetWindowRect(WindowHwnd(), &outer);
  EXPECT_EQ(tk::WindowClientSize(kWindow), (tk::Size{400, 300}));
  EXPECT_EQ(outer.right - outer.left, 400);
  EXPECT_EQ(tk::WindowPosition(kWindow), (tk::Point{100, 100}));
}

TEST_F(NativeControls, CenterEditVerticallyUsesTheFieldsRealFont) {
  tk::FontHandle font = tk::LoadFont(tk::FontId{1}, u"Segoe Ui", 12, tk::kFontProofQuality);
  ASSERT_NE(font, 0);
  tk::CreateEdit(ControlId{1}, {1, 1, 583, 53}, u"Verwendung, Hinweis eingeben",
                 {.multiLine = true, .centered = true});
  tk::SetControlFont(ControlId{1}, font);
  int lineHeight = tk::MeasureText(font, u"ABC").height;
  ASSERT_GT(lineHeight, 0);

  app::CenterEditVertically(ControlId{1});
  RECT format{};
  ::SendMessageW(Hwnd(ControlId{1}), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  EXPECT_EQ(format.top, (53 - lineHeight) / 2);
  // The edit control trims the bottom to whole lines; it never reaches above the text block.
  EXPECT_GE(format.bottom, format.top + lineHeight);
  EXPECT_LE(format.bottom, format.top + lineHeight + 4);
}

}  // namespace
}  // namespace kennwerk_test
