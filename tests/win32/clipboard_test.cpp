// The clipboard as another program sees it: the text in CF_UNICODETEXT, and for a sensitive
// text the three formats that keep it out of history, cloud clipboard and monitors.
#include "toolkit/clipboard.h"

#include <gtest/gtest.h>

#include <string>

#include "toolkit/platform/win32/win32.h"
#include "toolkit/toolkit.h"

namespace kennwerk_test {
namespace {

// Runs the reader program and returns what it printed, without "\r".
std::string ReadClipboardFromAnotherProcess() {
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 0))
    return "no pipe";
  ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION process{};
  std::wstring command = L"\"" KENNWERK_CLIPBOARD_READER_W L"\"";
  BOOL started = ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                  nullptr, &startup, &process);
  ::CloseHandle(writeEnd);
  std::string output;
  char c = 0;
  DWORD got = 0;
  while (started && ::ReadFile(readEnd, &c, 1, &got, nullptr) && got == 1) {
    if (c != '\r')
      output += c;
  }
  if (started) {
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
  }
  ::CloseHandle(readEnd);
  return started ? output : "not started";
}

class ClipboardTest : public ::testing::Test {
 protected:
  void SetUp() override { tk::InitToolkit(); }
  void TearDown() override { tk::ShutdownToolkit(); }
};

constexpr const char* kMarks[] = {"ExcludeClipboardContentFromMonitorProcessing",
                                  "CanIncludeInClipboardHistory", "CanUploadToCloudClipboard"};

TEST_F(ClipboardTest, SensitiveTextCarriesTheExclusionFormatsForOtherPrograms) {
  ASSERT_TRUE(tk::SetClipboardText(u"p4ss\u00e4wort", tk::ClipboardPrivacy::Sensitive));
  std::string seen = ReadClipboardFromAnotherProcess();
  EXPECT_NE(seen.find("CF_UNICODETEXT\n"), std::string::npos) << seen;
  EXPECT_NE(seen.find("text=p4ss\xc3\xa4wort\n"), std::string::npos) << seen;
  for (const char* mark : kMarks)
    EXPECT_NE(seen.find(mark), std::string::npos) << seen;
}

TEST_F(ClipboardTest, OrdinaryTextReplacesTheMarkedOneWithoutMarks) {
  ASSERT_TRUE(tk::SetClipboardText(u"geheim", tk::ClipboardPrivacy::Sensitive));
  ASSERT_TRUE(tk::SetClipboardText(u"offen", tk::ClipboardPrivacy::Ordinary));
  std::string seen = ReadClipboardFromAnotherProcess();
  EXPECT_NE(seen.find("text=offen\n"), std::string::npos) << seen;
  for (const char* mark : kMarks)
    EXPECT_EQ(seen.find(mark), std::string::npos) << seen;
}

}  // namespace
}  // namespace kennwerk_test
