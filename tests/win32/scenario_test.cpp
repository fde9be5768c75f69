// One whole session with the real program, driven from outside as a user would drive it: start
// Kennwerk.exe, generate, copy, save through the system's dialog, close with the close box. The
// program runs as its own process, so what this test sees (the clipboard, the file, the exit
// code) is what any other program would see.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "tests/win32/dialog_answerer.h"
#include "tests/win32/shown_window.h"
#include "tests/win32/temp_folder.h"
#include "toolkit/platform/win32/win32.h"

namespace kennwerk_test {
namespace {

constexpr auto kPatience = std::chrono::seconds(30);

// Points in the main window, inside the controls they name.
constexpr POINT kGenerate{1 + 174 + 130, 33 + 55 + 30};
constexpr POINT kPasswordField{1 + 71 + 290, 33 + 160 + 26};
constexpr POINT kAccountField{1 + 71 + 1 + 290, 33 + 370 + 1 + 26};
constexpr POINT kCopy{1 + 71 + 130, 33 + 470 + 25};
constexpr POINT kSave{1 + 393 + 130, 33 + 470 + 25};
constexpr POINT kCloseBox{677 + 26, 1 + 15};

bool WaitUntil(const std::function<bool()>& done) {
  auto until = std::chrono::steady_clock::now() + kPatience;
  while (!done()) {
    if (std::chrono::steady_clock::now() > until)
      return false;
    ::Sleep(20);
  }
  return true;
}

// The innermost shown child window under a point of `top`, with the point in its coordinates.
HWND ChildAt(HWND top, POINT& point) {
  HWND window = top;
  for (;;) {
    HWND child = ::ChildWindowFromPointEx(window, point, CWP_SKIPINVISIBLE);
    if (!child || child == window)
      return window;
    ::MapWindowPoints(window, child, &point, 1);
    window = child;
  }
}

std::wstring TextOf(HWND control) {
  wchar_t text[256] = {};
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 5000,
                        &ignored);
  return text;
}

// The reveal shows a new password at every step, 100 steps in about a second; the text that
// stays for half a second is the one that is left.
std::wstring RevealedText(HWND field) {
  std::wstring shown;
  int steady = 0;
  WaitUntil([&] {
    std::wstring now = TextOf(field);
    steady = now == shown ? steady + 1 : 0;
    shown = now;
    return !shown.empty() && steady == 25;
  });
  return shown;
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!::OpenClipboard(nullptr))
    return L"(clipboard busy)";
  if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(::GlobalLock(data));
    ::GlobalUnlock(data);
  }
  ::CloseClipboard();
  return text;
}

std::string Utf8(const std::wstring& text) {
  std::string bytes(size_t(::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()),
                                                 nullptr, 0, nullptr, nullptr)),
                    '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), bytes.data(), int(bytes.size()),
                        nullptr, nullptr);
  return bytes;
}

std::string ReadBytes(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// Kennwerk.exe as a child process; killed if a test leaves it running.
class Kennwerk {
 public:
  Kennwerk() {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring command = L"\"" KENNWERK_EXE_W L"\"";
    started_ = ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                nullptr, &startup, &process_) != FALSE;
    WaitUntil(
        [this] { return started_ && (window_ = ShownWindowOf(process_.dwProcessId)) != nullptr; });
  }
  Kennwerk(const Kennwerk&) = delete;
  Kennwerk& operator=(const Kennwerk&) = delete;
  ~Kennwerk() {
    if (!started_)
      return;
    if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
      ::TerminateProcess(process_.hProcess, 99);
    ::CloseHandle(process_.hThread);
    ::CloseHandle(process_.hProcess);
  }

  HWND Window() const { return window_; }
  HWND At(POINT point) const { return ChildAt(window_, point); }

  // Moves the pointer onto the point, then presses and releases the left button there.
  void Click(POINT point) const {
    POINT onScreen = point;
    ::ClientToScreen(window_, &onScreen);
    ::SetCursorPos(onScreen.x, onScreen.y);
    HWND target = ChildAt(window_, point);
    LPARAM where = MAKELPARAM(point.x, point.y);
    ::PostMessageW(target, WM_MOUSEMOVE, 0, where);
    ::PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, where);
    ::PostMessageW(target, WM_LBUTTONUP, 0, where);
  }

  // The overlay comes up after a copy or save, hiding the button, and goes by itself; it is up
  // for at least 200 ms, long enough to be seen.
  static bool OverlayCameAndWent(HWND button) {
    return WaitUntil([button] { return !::IsWindowVisible(button); }) &&
           WaitUntil([button] { return Usable(button); });
  }

  static bool Usable(HWND control) {
    return ::IsWindowVisible(control) && ::IsWindowEnabled(control);
  }

  // The exit code once the process has ended, or -1 if it is still running after the wait.
  long ExitCode() const {
    if (::WaitForSingleObject(process_.hProcess, 30000) != WAIT_OBJECT_0)
      return -1;
    DWORD code = 0;
    ::GetExitCodeProcess(process_.hProcess, &code);
    return long(code);
  }

 private:
  PROCESS_INFORMATION process_{};
  bool started_ = false;
  HWND window_ = nullptr;
};

TEST(Scenario, GenerateCopySaveAndCloseWithTheRealProgram) {
  TempFolder folder;
  const std::wstring target = folder.File(L"konto.txt");
  Kennwerk kennwerk;
  ASSERT_NE(kennwerk.Window(), nullptr) << "no window shown";
  RECT outer{};
  ::GetWindowRect(kennwerk.Window(), &outer);
  EXPECT_EQ(outer.right - outer.left, 730);
  EXPECT_EQ(outer.bottom - outer.top, 615);
  // The buttons' own windows, found while nothing covers them.
  const HWND copyButton = kennwerk.At(kCopy);
  const HWND saveButton = kennwerk.At(kSave);
  EXPECT_FALSE(Kennwerk::Usable(copyButton));

  kennwerk.Click(kGenerate);
  const std::wstring password = RevealedText(kennwerk.At(kPasswordField));
  EXPECT_TRUE(Kennwerk::Usable(copyButton));
  EXPECT_EQ(password.size(), 20u);

  kennwerk.Click(kCopy);
  ASSERT_TRUE(WaitUntil([&] { return ClipboardText() == password; })) << "nothing copied";
  EXPECT_TRUE(::IsClipboardFormatAvailable(
      ::RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing")));
  ASSERT_TRUE(Kennwerk::OverlayCameAndWent(saveButton));

  const std::wstring account = L"Bank \u00e4\u20ac";
  ::SendMessageW(kennwerk.At(kAccountField), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(account.c_str()));
  DialogAnswerer answer = DialogAnswerer::TypePath(L"Save TXT File", target);
  kennwerk.Click(kSave);
  ASSERT_TRUE(answer.Found()) << "no save dialog";
  ASSERT_TRUE(WaitUntil([&] {
    return ::GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES;
  })) << "no file saved";
  ASSERT_TRUE(Kennwerk::OverlayCameAndWent(saveButton));
  const std::string saved = ReadBytes(target);
  EXPECT_TRUE(saved.starts_with("\r\nKennwerk v1-03-2018\r\n")) << saved;
  EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 37);
  EXPECT_NE(saved.find(Utf8(password)), std::string::npos) << saved;
  EXPECT_NE(saved.find(Utf8(account)), std::string::npos) << saved;

  kennwerk.Click(kCloseBox);
  EXPECT_EQ(kennwerk.ExitCode(), 0);
}

}  // namespace
}  // namespace kennwerk_test
