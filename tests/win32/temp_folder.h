// A fresh folder under the system's temporary folder for one test, removed with what it holds.
#pragma once

#include <filesystem>
#include <string>

#include "toolkit/platform/win32/win32.h"

namespace kennwerk_test {

class TempFolder {
 public:
  TempFolder() {
    wchar_t base[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, base);
    path_ = std::filesystem::path(base) / (L"kennwerk-" + std::to_wstring(::GetCurrentProcessId()) +
                                           L"-" + std::to_wstring(::GetTickCount64()));
    std::filesystem::create_directories(path_);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  std::wstring File(const wchar_t* name) const { return (path_ / name).wstring(); }
  std::u16string File16(const wchar_t* name) const {
    std::wstring wide = File(name);
    return std::u16string(wide.begin(), wide.end());
  }

 private:
  std::filesystem::path path_;
};

}  // namespace kennwerk_test
