// Files through the Win32 file API. Files are opened without sharing, so no other program reads
// or writes one while it is open; a replacement takes the target's place in one move.
#include "toolkit/files.h"

#include "toolkit/platform.h"
#include "toolkit/platform/win32/win32.h"

namespace tk::platform {
namespace {

using namespace tk::win32;

HANDLE ToFile(Handle file) {
  return reinterpret_cast<HANDLE>(file);
}

}  // namespace

std::int64_t FileSize(std::u16string_view path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data)) {
    return kFileMissing;
  }
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
    return kFileIsFolder;
  return (std::int64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

Handle OpenNativeFile(std::u16string_view path, File::Mode mode) {
  DWORD access = GENERIC_READ | GENERIC_WRITE;
  DWORD disposition = CREATE_ALWAYS;
  switch (mode) {
    case File::Mode::CreateNew:
      disposition = CREATE_NEW;
      break;
    case File::Mode::CreateOrTruncate:
      disposition = CREATE_ALWAYS;
      break;
    case File::Mode::ExistingTruncate:
      access = GENERIC_WRITE;
      disposition = TRUNCATE_EXISTING;
      break;
  }
  HANDLE file = ::CreateFileW(Wide(path).c_str(), access, 0, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  return file == INVALID_HANDLE_VALUE ? 0 : reinterpret_cast<Handle>(file);
}

bool WriteNativeFile(Handle file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD chunk = DWORD(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!::WriteFile(ToFile(file), bytes.data(), chunk, &written, nullptr) || written == 0) {
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

bool FlushNativeFile(Handle file) {
  return ::FlushFileBuffers(ToFile(file)) != FALSE;
}

bool CloseNativeFile(Handle file) {
  return ::CloseHandle(ToFile(file)) != FALSE;
}

bool MoveFileOver(std::u16string_view replacement, std::u16string_view target) {
  return ::MoveFileExW(Wide(replacement).c_str(), Wide(target).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool RemoveNativeFile(std::u16string_view path) {
  return ::DeleteFileW(Wide(path).c_str()) != FALSE;
}

}  // namespace tk::platform
