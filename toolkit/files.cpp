#include "toolkit/files.h"

#include <map>

#include "toolkit/file_table.h"
#include "toolkit/platform.h"
#include "toolkit/text.h"

namespace tk {
namespace {

// The file service's object table: open files by a serial number that is never reused, so that a
// File closed by the shutdown cannot reach a later file that the platform gave the same handle.
struct FileTable {
  std::map<Handle, Handle> open;  // serial -> native handle
  Handle nextSerial = 1;
};

FileTable& Files() {
  static FileTable table;
  return table;
}

Handle NativeOf(Handle serial) {
  auto it = Files().open.find(serial);
  return it == Files().open.end() ? 0 : it->second;
}

}  // namespace

namespace core {

void CloseOpenFiles() {
  for (auto& [serial, native] : Files().open)
    platform::CloseNativeFile(native);
  Files().open.clear();
}

}  // namespace core

std::int64_t FileSize(std::u16string_view path) {
  return platform::FileSize(path);
}

std::optional<File> File::Open(std::u16string_view path, Mode mode) {
  Handle native = platform::OpenNativeFile(path, mode);
  if (native == 0)
    return std::nullopt;
  Handle serial = Files().nextSerial++;
  Files().open[serial] = native;
  return File(serial);
}

File::File(Handle handle) : handle_(handle) {}

File::File(File&& other) noexcept : handle_(other.handle_) {
  other.handle_ = 0;
}

File::~File() {
  Close();
}

bool File::Write(std::string_view bytes) {
  Handle native = NativeOf(handle_);
  return native != 0 && (bytes.empty() || platform::WriteNativeFile(native, bytes));
}

bool File::WriteUtf8(std::u16string_view text) {
  return Write(ToUtf8(text));
}

bool File::Flush() {
  Handle native = NativeOf(handle_);
  return native != 0 && platform::FlushNativeFile(native);
}

bool File::Close() {
  Handle native = NativeOf(handle_);
  if (native == 0)
    return false;
  Files().open.erase(handle_);
  handle_ = 0;
  return platform::CloseNativeFile(native);
}

bool ReplaceFileAtomically(std::u16string_view replacement, std::u16string_view target) {
  return platform::MoveFileOver(replacement, target);
}

bool RemoveFile(std::u16string_view path) {
  return platform::RemoveNativeFile(path);
}

}  // namespace tk
