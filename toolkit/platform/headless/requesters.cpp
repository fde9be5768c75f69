// Requesters answer from the script. Each shown requester is recorded; its scripted whileOpen
// action runs while it is "open", as the user's time in front of it, so that a test can advance
// the clock there and watch timers go on.
#include <sys/stat.h>

#include <cstdlib>

#include "toolkit/platform.h"
#include "toolkit/platform/headless/world.h"
#include "toolkit/text.h"

namespace tk::platform {
namespace {

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::u16string ShowSaveDialog(Handle, const SaveDialogSpec& spec) {
  headless::World& world = headless::TheWorld();
  world.requestersShown.push_back({.kind = headless::RequesterShown::Kind::SaveDialog,
                                   .title = std::u16string(spec.title),
                                   .folder = std::u16string(spec.folder),
                                   .fileName = std::u16string(spec.fileName),
                                   .filterDisplay = std::u16string(spec.filterDisplay),
                                   .filterPattern = std::u16string(spec.filterPattern)});
  if (world.saveAnswers.empty()) {
    throw headless::ScriptError("a save dialog \"" + ToUtf8(spec.title) +
                                "\" was shown, but the test scripted no answer for it");
  }
  headless::ScriptedSave answer = std::move(world.saveAnswers.front());
  world.saveAnswers.pop_front();
  if (answer.whileOpen)
    answer.whileOpen();
  return answer.path.value_or(std::u16string());
}

MessageAnswer ShowMessageBox(Handle, std::u16string_view title, std::u16string_view text,
                             MessageButtons buttons) {
  headless::World& world = headless::TheWorld();
  world.requestersShown.push_back({.kind = headless::RequesterShown::Kind::MessageBox,
                                   .title = std::u16string(title),
                                   .text = std::u16string(text),
                                   .buttons = buttons});
  if (world.messageAnswers.empty()) {
    throw headless::ScriptError("a message box \"" + ToUtf8(title) + "\" / \"" + ToUtf8(text) +
                                "\" was shown, but the test scripted no answer for it");
  }
  headless::ScriptedMessage answer = std::move(world.messageAnswers.front());
  world.messageAnswers.pop_front();
  if (answer.whileOpen)
    answer.whileOpen();
  return answer.answer;
}

std::u16string DocumentsFolder() {
  const headless::World& world = headless::TheWorld();
  if (!world.documentsFolder.empty())
    return world.documentsFolder;
  const char* home = std::getenv("HOME");
  std::string folder = home && *home ? home : "/tmp";
  if (IsFolder(folder + "/Documents"))
    folder += "/Documents";
  return FromUtf8(folder);
}

char16_t PathSeparator() {
  return u'/';
}

}  // namespace tk::platform
