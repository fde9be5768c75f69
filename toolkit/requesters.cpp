#include "toolkit/requesters.h"

#include "toolkit/platform.h"
#include "toolkit/window.h"

namespace tk {

std::u16string SaveFileRequester(WindowId owner, std::u16string_view title,
                                 std::u16string_view defaultPath, std::u16string_view filter) {
  platform::SaveDialogSpec spec{title, u"", defaultPath, filter, u""};
  if (std::size_t cut = defaultPath.find_last_of(u"\\/"); cut != std::u16string_view::npos) {
    spec.folder = defaultPath.substr(0, cut);
    spec.fileName = defaultPath.substr(cut + 1);
  }
  if (std::size_t bar = filter.find(u'|'); bar != std::u16string_view::npos) {
    spec.filterDisplay = filter.substr(0, bar);
    spec.filterPattern = filter.substr(bar + 1);
  }
  return platform::ShowSaveDialog(WindowHandle(owner), spec);
}

MessageAnswer MessageRequester(WindowId owner, std::u16string_view title, std::u16string_view text,
                               MessageButtons buttons) {
  MessageAnswer answer = platform::ShowMessageBox(WindowHandle(owner), title, text, buttons);
  if (buttons == MessageButtons::YesNo && answer != MessageAnswer::Yes)
    return MessageAnswer::No;
  if (buttons == MessageButtons::Ok)
    return MessageAnswer::Ok;
  return answer;
}

std::u16string DocumentsFolder() {
  return platform::DocumentsFolder();
}

char16_t PathSeparator() {
  return platform::PathSeparator();
}

}  // namespace tk
