#include "password/whole_file_write.h"

#include <optional>
#include <string>
#include <utility>

namespace password {
namespace {

// Names already taken beside the target are skipped; a stale one is never overwritten.
constexpr int kTemporaryNames = 8;

struct TemporaryFile {
  std::u16string path;
  tk::File file;
};

std::u16string TemporaryName(std::u16string_view target, int attempt) {
  std::u16string name(target);
  name.append(u".kennwerk-").push_back(static_cast<char16_t>(u'0' + attempt));
  name.append(u".tmp");
  return name;
}

// None when the folder takes no new file (or every temporary name is taken).
std::optional<TemporaryFile> CreateBeside(std::u16string_view target) {
  for (int attempt = 0; attempt < kTemporaryNames; ++attempt) {
    std::u16string path = TemporaryName(target, attempt);
    if (tk::FileSize(path) != tk::kFileMissing) {
      continue;
    }
    std::optional<tk::File> file = tk::File::Open(path, tk::File::Mode::CreateNew);
    if (!file) {
      return std::nullopt;
    }
    return TemporaryFile{std::move(path), std::move(*file)};
  }
  return std::nullopt;
}

std::optional<tk::File> OpenTarget(std::u16string_view target) {
  if (std::optional<tk::File> file = tk::File::Open(target, tk::File::Mode::CreateOrTruncate)) {
    return file;
  }
  return tk::File::Open(target, tk::File::Mode::ExistingTruncate);
}

// Takes the file, so that it is closed when this returns, also after a failed write.
bool WriteAndClose(tk::File file, FileWriter write) {
  return write(file) && file.Flush() && file.Close();
}

}  // namespace

bool WriteWholeFile(std::u16string_view target, FileWriter write) {
  if (std::optional<TemporaryFile> temporary = CreateBeside(target)) {
    if (WriteAndClose(std::move(temporary->file), write) &&
        tk::ReplaceFileAtomically(temporary->path, target)) {
      return true;
    }
    tk::RemoveFile(temporary->path);
    return false;
  }
  std::optional<tk::File> direct = OpenTarget(target);
  return direct && WriteAndClose(std::move(*direct), write);
}

}  // namespace password
