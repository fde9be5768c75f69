// Real files on the local disk through POSIX. Every file the program creates is readable and
// writable by its owner only (mode 0600). An open takes an exclusive lock, so that a file that is
// held open elsewhere cannot be opened again, as a file opened without sharing behaves on Windows;
// emptying happens only once the lock is held.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "toolkit/platform.h"
#include "toolkit/platform/headless/world.h"
#include "toolkit/text.h"

namespace tk::platform {
namespace {

bool TakeFailure(int& count) {
  if (count == 0)
    return false;
  --count;
  return true;
}

bool TakeOpenFailure(File::Mode mode) {
  auto& opens = headless::TheWorld().fileFailures.opens;
  for (auto it = opens.begin(); it != opens.end(); ++it) {
    if (!it->has_value() || **it == mode) {
      opens.erase(it);
      return true;
    }
  }
  return false;
}

int FlagsFor(File::Mode mode) {
  switch (mode) {
    case File::Mode::CreateNew:
      return O_RDWR | O_CREAT | O_EXCL;
    case File::Mode::CreateOrTruncate:
      return O_RDWR | O_CREAT;
    case File::Mode::ExistingTruncate:
      return O_WRONLY;
  }
  return O_RDONLY;
}

int DescriptorOf(Handle file) {
  auto& files = headless::TheWorld().files;
  auto it = files.find(file);
  return it == files.end() ? -1 : it->second;
}

}  // namespace

std::int64_t FileSize(std::u16string_view path) {
  struct stat info {};
  if (::stat(ToUtf8(path).c_str(), &info) != 0)
    return kFileMissing;
  if (S_ISDIR(info.st_mode))
    return kFileIsFolder;
  return std::int64_t(info.st_size);
}

Handle OpenNativeFile(std::u16string_view path, File::Mode mode) {
  if (TakeOpenFailure(mode))
    return 0;
  int descriptor = ::open(ToUtf8(path).c_str(), FlagsFor(mode) | O_CLOEXEC, 0600);
  if (descriptor < 0)
    return 0;
  bool empties = mode != File::Mode::CreateNew;
  if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0 || (empties && ::ftruncate(descriptor, 0) != 0)) {
    ::close(descriptor);
    return 0;
  }
  headless::World& world = headless::TheWorld();
  Handle file = world.nextFile++;
  world.files[file] = descriptor;
  return file;
}

bool WriteNativeFile(Handle file, std::string_view bytes) {
  int descriptor = DescriptorOf(file);
  auto& failures = headless::TheWorld().fileFailures;
  if (descriptor < 0)
    return false;
  if (failures.writeCountdown > 0 && --failures.writeCountdown == 0)
    return false;
  while (!bytes.empty()) {
    ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR)
        continue;
      return false;
    }
    bytes.remove_prefix(std::size_t(written));
  }
  return true;
}

bool FlushNativeFile(Handle file) {
  int descriptor = DescriptorOf(file);
  if (descriptor < 0 || TakeFailure(headless::TheWorld().fileFailures.flushes))
    return false;
  return ::fsync(descriptor) == 0;
}

bool CloseNativeFile(Handle file) {
  int descriptor = DescriptorOf(file);
  if (descriptor < 0)
    return false;
  headless::TheWorld().files.erase(file);
  bool closed = ::close(descriptor) == 0;
  return !TakeFailure(headless::TheWorld().fileFailures.closes) && closed;
}

bool MoveFileOver(std::u16string_view replacement, std::u16string_view target) {
  if (TakeFailure(headless::TheWorld().fileFailures.replaces))
    return false;
  return std::rename(ToUtf8(replacement).c_str(), ToUtf8(target).c_str()) == 0;
}

bool RemoveNativeFile(std::u16string_view path) {
  return ::unlink(ToUtf8(path).c_str()) == 0;
}

}  // namespace tk::platform
