// Answers a system dialog from a helper thread, as a user would: it waits until a dialog with the
// given title appears in this process, then acts on it. The test's own thread meanwhile sits in
// the dialog's modal loop. The helper polls for the dialog (it does not guess a delay) and gives
// up after a generous deadline, so that a missing dialog fails the test instead of hanging it.
#pragma once

#include <string>
#include <thread>

#include "toolkit/platform/win32/win32.h"

namespace kennwerk_test {

class DialogAnswerer {
 public:
  // Types `path` into the file dialog's name box and presses its default (Save) button.
  static DialogAnswerer TypePath(std::wstring title, std::wstring path);
  // Presses the button with the given command id (IDOK, IDYES, IDNO) of a message box.
  static DialogAnswerer Press(std::wstring title, int button);

  DialogAnswerer(DialogAnswerer&&) = default;
  ~DialogAnswerer();
  // Waits for the helper to finish: it has answered the dialog, or given up on finding it.
  bool Found();
  // The text of the dialog's static controls, read before it was answered; valid after Found.
  const std::wstring& Text() const { return text_; }

 private:
  DialogAnswerer() = default;
  void Start(std::wstring title, std::wstring path, int button);

  std::jthread worker_;
  bool found_ = false;
  std::wstring text_;
};

}  // namespace kennwerk_test
