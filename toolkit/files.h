// Files through the platform's file API. Every operation reports failure; nothing fails silently.
// Files the program creates are readable by their owner only where the platform has modes.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "toolkit/ids.h"

namespace tk {

inline constexpr std::int64_t kFileMissing = -1;
inline constexpr std::int64_t kFileIsFolder = -2;

std::int64_t FileSize(std::u16string_view path);  // bytes, kFileMissing or kFileIsFolder

class File {
 public:
  enum class Mode {
    CreateNew,         // fails if the file exists
    CreateOrTruncate,  // read and write, not shared; created anew or emptied
    ExistingTruncate,  // an existing file, write only, emptied
  };

  static std::optional<File> Open(std::u16string_view path, Mode mode);
  File(File&& other) noexcept;
  File& operator=(File&&) = delete;
  File(const File&) = delete;
  ~File();  // closes a file still open, ignoring errors

  bool Write(std::string_view bytes);
  bool WriteUtf8(std::u16string_view text);
  bool Flush();  // through to the disk
  bool Close();  // false when closing failed; the file is closed either way

 private:
  explicit File(Handle handle);
  Handle handle_;
};

// Puts replacement in target's place in one step, replacing target if it exists.
bool ReplaceFileAtomically(std::u16string_view replacement, std::u16string_view target);
bool RemoveFile(std::u16string_view path);

}  // namespace tk
