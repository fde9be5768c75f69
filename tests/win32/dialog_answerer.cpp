#include "tests/win32/dialog_answerer.h"

#include <chrono>

namespace kennwerk_test {
namespace {

constexpr auto kDeadline = std::chrono::seconds(30);
// The file dialog's name box: a combo box with an edit (cmb13) in the explorer-style dialog, an
// edit (edt1) in the older one.
constexpr int kFileNameCombo = 0x47c;
constexpr int kFileNameEdit = 0x480;

HWND WaitForDialog(const std::wstring& title) {
  auto until = std::chrono::steady_clock::now() + kDeadline;
  while (std::chrono::steady_clock::now() < until) {
    HWND dialog = ::FindWindowW(L"#32770", title.c_str());
    if (dialog && ::IsWindowVisible(dialog))
      return dialog;
    ::Sleep(20);
  }
  return nullptr;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM text) {
  wchar_t type[16] = {};
  ::GetClassNameW(child, type, 16);
  if (std::wstring(type) == L"Static") {
    wchar_t buffer[512] = {};
    ::GetWindowTextW(child, buffer, 512);
    *reinterpret_cast<std::wstring*>(text) += buffer;
  }
  return TRUE;
}

void TypeFileName(HWND dialog, const std::wstring& path) {
  HWND box = ::GetDlgItem(dialog, kFileNameCombo);
  if (!box)
    box = ::GetDlgItem(dialog, kFileNameEdit);
  ::SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
}

}  // namespace

DialogAnswerer DialogAnswerer::TypePath(std::wstring title, std::wstring path) {
  DialogAnswerer answerer;
  answerer.Start(std::move(title), std::move(path), 0);
  return answerer;
}

DialogAnswerer DialogAnswerer::Press(std::wstring title, int button) {
  DialogAnswerer answerer;
  answerer.Start(std::move(title), L"", button);
  return answerer;
}

void DialogAnswerer::Start(std::wstring title, std::wstring path, int button) {
  worker_ = std::jthread([this, title, path, button] {
    HWND dialog = WaitForDialog(title);
    if (!dialog)
      return;
    found_ = true;
    ::EnumChildWindows(dialog, CollectStaticText, reinterpret_cast<LPARAM>(&text_));
    if (button == 0) {
      TypeFileName(dialog, path);
    } else {
      ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(::GetDlgItem(dialog, button)));
    }
  });
}

bool DialogAnswerer::Found() {
  if (worker_.joinable())
    worker_.join();
  return found_;
}

DialogAnswerer::~DialogAnswerer() {
  if (worker_.joinable())
    worker_.join();
}

}  // namespace kennwerk_test
