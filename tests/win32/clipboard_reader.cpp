// Another program on the clipboard: prints what it finds there, one line per format name
// (registered formats by name, CF_UNICODETEXT as "CF_UNICODETEXT"), then "text=" and the text in
// UTF-8.
#include <windows.h>

#include <cstdio>

int main() {
  if (!OpenClipboard(nullptr))
    return 2;
  UINT format = 0;
  while ((format = EnumClipboardFormats(format)) != 0) {
    wchar_t name[256] = {};
    if (format == CF_UNICODETEXT) {
      std::printf("CF_UNICODETEXT\n");
    } else if (GetClipboardFormatNameW(format, name, 256) > 0) {
      char utf8[512] = {};
      WideCharToMultiByte(CP_UTF8, 0, name, -1, utf8, sizeof(utf8), nullptr, nullptr);
      std::printf("%s\n", utf8);
    }
  }
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
      char utf8[4096] = {};
      WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof(utf8), nullptr, nullptr);
      std::printf("text=%s\n", utf8);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return 0;
}
