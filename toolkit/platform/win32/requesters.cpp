// The save dialog (GetSaveFileNameW, which shows the system's current file dialog when no hook
// or template is given) and message boxes, both modal over their owner window. Their modal loops
// keep dispatching the owner's messages, so timers and control events go on meanwhile.

#include <vector>

#include "toolkit/platform.h"
#include "toolkit/platform/win32/system_function.h"
#include "toolkit/platform/win32/win32.h"

namespace tk::platform {
namespace {

using namespace tk::win32;

// The dialog's file buffer: room for any path Windows accepts.
constexpr std::size_t kPathRoom = 32768;

// "display\0pattern\0\0", as the dialog takes its filter list.
std::wstring FilterList(const SaveDialogSpec& spec) {
  std::wstring list = Wide(spec.filterDisplay);
  list += L'\0';
  list += Wide(spec.filterPattern);
  list += L'\0';
  return list;
}

// A bare drive ("C:") means its root, not the drive's current folder.
std::wstring InitialFolder(std::u16string_view folder) {
  std::wstring wide = Wide(folder);
  if (wide.size() == 2 && wide[1] == L':')
    wide += L'\\';
  return wide;
}

}  // namespace

std::u16string ShowSaveDialog(Handle owner, const SaveDialogSpec& spec) {
  std::wstring filter = FilterList(spec);
  std::wstring folder = InitialFolder(spec.folder);
  std::wstring title = Wide(spec.title);
  std::vector<wchar_t> file(kPathRoom, L'\0');
  std::u16string_view name = spec.fileName.substr(0, kPathRoom - 1);
  std::copy(name.begin(), name.end(), file.begin());

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = ToHwnd(owner);
  dialog.lpstrFilter = spec.filterDisplay.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = DWORD(file.size());
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrTitle = title.c_str();
  // No OFN_OVERWRITEPROMPT and no default extension: the program asks itself, and a name typed
  // without an extension is used as typed.
  dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  auto* showDialog =
      SystemFunction<decltype(::GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW");
  if (!showDialog || !showDialog(&dialog))
    return {};
  return FromWide(file.data());
}

MessageAnswer ShowMessageBox(Handle owner, std::u16string_view title, std::u16string_view text,
                             MessageButtons buttons) {
  std::wstring caption = Wide(title);
  std::wstring body = Wide(text);
  UINT type = buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK;
  int answer = ::MessageBoxW(ToHwnd(owner), body.c_str(), caption.c_str(), type);
  if (buttons == MessageButtons::Ok)
    return MessageAnswer::Ok;
  return answer == IDYES ? MessageAnswer::Yes : MessageAnswer::No;
}

std::u16string DocumentsFolder() {
  auto* folderPath =
      SystemFunction<decltype(::SHGetFolderPathW)>(L"shell32.dll", "SHGetFolderPathW");
  wchar_t path[MAX_PATH] = {};
  if (folderPath &&
      (SUCCEEDED(folderPath(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path)) ||
       SUCCEEDED(folderPath(nullptr, CSIDL_PROFILE, nullptr, SHGFP_TYPE_CURRENT, path)))) {
    return FromWide(path);
  }
  return {};
}

char16_t PathSeparator() {
  return u'\\';
}

}  // namespace tk::platform
