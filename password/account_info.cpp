#include "password/account_info.h"

#include "password/copy_overlay.h"
#include "password/info_file.h"
#include "password/whole_file_write.h"
#include "password/window_ids.h"
#include "toolkit/color.h"
#include "toolkit/controls.h"
#include "toolkit/events.h"
#include "toolkit/fonts.h"
#include "toolkit/requesters.h"

namespace password {
namespace {

constexpr int kSaveOverlayPeriodMs = 15;
constexpr std::u16string_view kProposedFileName = u"AccountInfos.txt";

struct NoteField {
  tk::ControlId id;
  std::u16string_view placeholder;
};

constexpr NoteField kAccount{AccountField, AccountPlaceholder};
constexpr NoteField kUsage{UsageField, UsagePlaceholder};

bool ShowsPlaceholder(const NoteField& field) {
  return tk::GetControlText(field.id) == field.placeholder;
}

// Only the text goes: a field that was never focused keeps its grey placeholder look.
void ClearPlaceholder(const NoteField& field) {
  if (ShowsPlaceholder(field)) {
    tk::SetControlText(field.id, u"");
  }
}

void RestorePlaceholder(const NoteField& field) {
  if (tk::GetControlText(field.id).empty()) {
    tk::SetControlText(field.id, field.placeholder);
  }
}

void StartTyping(const NoteField& field) {
  tk::SetControlText(field.id, u"");
  tk::SetControlColor(field.id, tk::kColorFront, tk::Rgb(0, 0, 0));
  tk::SetControlFont(field.id, tk::FontHandleOf(PasswordFont));
}

std::u16string AskForPath() {
  std::u16string proposed = tk::DocumentsFolder();
  proposed.push_back(tk::PathSeparator());
  proposed.append(kProposedFileName);
  return tk::SaveFileRequester(MainWindow, u"Save TXT File", proposed, u"TXT FILE(*.txt)|*.txt");
}

// Folders are not asked about: writing over one fails and is reported.
bool MayWrite(std::u16string_view path) {
  if (tk::FileSize(path) < 0) {
    return true;
  }
  std::u16string question(FileNameOf(path));
  question.append(u" bereits vorhanden! Datei überschreiben?");
  return tk::MessageRequester(MainWindow, u"Achtung", question, tk::MessageButtons::YesNo) ==
         tk::MessageAnswer::Yes;
}

}  // namespace

std::u16string_view FileNameOf(std::u16string_view path) {
  // A slash never belongs to a file name, so it separates on every platform.
  const std::size_t separator = path.find_last_of(std::u16string{tk::PathSeparator(), u'/'});
  return separator == std::u16string_view::npos ? path : path.substr(separator + 1);
}

int AccountFieldEvents() {
  if (tk::EventKind() != tk::EventType::FocusGained) {
    return 0;
  }
  // Only the field that gained the focus changes: a placeholder text typed into the other field
  // must not wipe what the user wrote here.
  for (const NoteField& field : {kAccount, kUsage}) {
    if (field.id == tk::EventControl() && ShowsPlaceholder(field)) {
      StartTyping(field);
    }
  }
  return 0;
}

int SaveAccountInfo() {
  ClearPlaceholder(kUsage);
  ClearPlaceholder(kAccount);
  const std::u16string path = AskForPath();
  if (path.empty() || !MayWrite(path)) {
    return 0;
  }
  if (!WriteWholeFile(path, WriteInfoFile)) {
    tk::MessageRequester(MainWindow, u"Info", u"Datei konnte nicht geschrieben werden!",
                         tk::MessageButtons::Ok);
    return 0;
  }
  EnterOverlay(kSaveOverlayPeriodMs);
  tk::SetControlText(CopiedLabel, u"Datei wird gespeichert");
  RestorePlaceholder(kUsage);
  RestorePlaceholder(kAccount);
  return 0;
}

}  // namespace password
