// The clipboard: the text as CF_UNICODETEXT. A sensitive text also carries the three formats
// that keep it out of the clipboard history, the cloud clipboard and clipboard monitors; if they
// cannot be placed, the clipboard is emptied and the copy reported as failed, so that a password
// never lands there unmarked.
#include <cstring>

#include "toolkit/platform.h"
#include "toolkit/platform/win32/win32.h"

namespace tk::platform {
namespace {

using namespace tk::win32;

// Keeps the clipboard open for the life of the guard.
class OpenClipboardGuard {
 public:
  OpenClipboardGuard() : open_(::OpenClipboard(nullptr) != FALSE) {}
  OpenClipboardGuard(const OpenClipboardGuard&) = delete;
  OpenClipboardGuard& operator=(const OpenClipboardGuard&) = delete;
  ~OpenClipboardGuard() {
    if (open_)
      ::CloseClipboard();
  }
  bool IsOpen() const { return open_; }

 private:
  bool open_;
};

// Hands a copy of the bytes to the clipboard, which owns the memory once it accepted it.
bool Place(UINT format, const void* bytes, std::size_t size) {
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size);
  if (!memory)
    return false;
  void* target = ::GlobalLock(memory);
  if (!target) {
    ::GlobalFree(memory);
    return false;
  }
  std::memcpy(target, bytes, size);
  ::GlobalUnlock(memory);
  if (!::SetClipboardData(format, memory)) {
    ::GlobalFree(memory);
    return false;
  }
  return true;
}

bool PlaceExclusionMarks() {
  const DWORD no = 0;
  for (const wchar_t* name : {L"ExcludeClipboardContentFromMonitorProcessing",
                              L"CanIncludeInClipboardHistory", L"CanUploadToCloudClipboard"}) {
    UINT format = ::RegisterClipboardFormatW(name);
    if (format == 0 || !Place(format, &no, sizeof(no)))
      return false;
  }
  return true;
}

}  // namespace

bool SetClipboardText(std::u16string_view text, bool sensitive) {
  OpenClipboardGuard clipboard;
  if (!clipboard.IsOpen() || !::EmptyClipboard())
    return false;
  std::wstring wide = Wide(text);
  bool placed = (!sensitive || PlaceExclusionMarks()) &&
                Place(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  if (!placed)
    ::EmptyClipboard();
  return placed;
}

}  // namespace tk::platform
