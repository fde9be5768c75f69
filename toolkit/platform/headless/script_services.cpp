// The script's side of the platform services: screen, clock of local time, random source,
// files, clipboard and requesters.
#include "toolkit/platform/headless/script.h"
#include "toolkit/platform/headless/world.h"

namespace tk::headless {

void ResetPlatform() {
  ResetWorld();
}

void SetScreenSize(Size size) {
  TheWorld().screen = size;
}

void SetScreenDpi(int dpi) {
  TheWorld().dpi = dpi;
}

void SetRandomFailing(bool failing) {
  TheWorld().randomFailing = failing;
}

void SetLocalTime(LocalDateTime time) {
  TheWorld().localTime = time;
  TheWorld().localTimeSetAt = TheWorld().now;
}

void FailNextOpen(std::optional<File::Mode> mode) {
  TheWorld().fileFailures.opens.push_back(mode);
}

void FailWrite(int n) {
  TheWorld().fileFailures.writeCountdown = n;
}

void FailNextFlush() {
  ++TheWorld().fileFailures.flushes;
}

void FailNextClose() {
  ++TheWorld().fileFailures.closes;
}

void FailNextReplace() {
  ++TheWorld().fileFailures.replaces;
}

std::u16string ClipboardText() {
  return TheWorld().clipboard;
}

bool ClipboardIsSensitive() {
  return TheWorld().clipboardSensitive;
}

void FailNextClipboardSet() {
  TheWorld().failNextClipboardSet = true;
}

void AnswerSaveDialog(std::u16string path, std::function<void()> whileOpen) {
  TheWorld().saveAnswers.push_back({std::move(path), std::move(whileOpen)});
}

void CancelSaveDialog(std::function<void()> whileOpen) {
  TheWorld().saveAnswers.push_back({std::nullopt, std::move(whileOpen)});
}

void AnswerMessageBox(MessageAnswer answer, std::function<void()> whileOpen) {
  TheWorld().messageAnswers.push_back({answer, std::move(whileOpen)});
}

const std::vector<RequesterShown>& RequestersShown() {
  return TheWorld().requestersShown;
}

void SetDocumentsFolder(std::u16string folder) {
  TheWorld().documentsFolder = std::move(folder);
}

}  // namespace tk::headless
