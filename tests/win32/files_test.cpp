// Files through the Win32 file API: opened without sharing, sizes and folders told apart, and a
// whole-file write that replaces an existing file only with the complete new one.
#include "toolkit/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "password/whole_file_write.h"
#include "tests/win32/temp_folder.h"
#include "toolkit/toolkit.h"

namespace kennwerk_test {
namespace {

std::string Contents(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

HANDLE OpenShared(const std::wstring& path) {
  return ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, 0, nullptr);
}

bool WriteInfo(tk::File& file) {
  return file.WriteUtf8(u"gültig für   : Bank\r\n");
}

class Win32Files : public ::testing::Test {
 protected:
  void SetUp() override { tk::InitToolkit(); }
  void TearDown() override { tk::ShutdownToolkit(); }
  TempFolder folder;
};

TEST_F(Win32Files, AnOpenFileIsSharedWithNoOneAndHoldsWhatWasWritten) {
  std::u16string path = folder.File16(L"info.txt");
  {
    std::optional<tk::File> file = tk::File::Open(path, tk::File::Mode::CreateOrTruncate);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->WriteUtf8(u"Passwortlänge: 20 Zeichen\r\n"));
    HANDLE other = OpenShared(folder.File(L"info.txt"));
    EXPECT_EQ(other, INVALID_HANDLE_VALUE);
    EXPECT_EQ(::GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
    EXPECT_TRUE(file->Close());
  }
  EXPECT_EQ(Contents(folder.File(L"info.txt")), "Passwortl\xc3\xa4nge: 20 Zeichen\r\n");
  EXPECT_EQ(tk::FileSize(path), 28);
}

TEST_F(Win32Files, SizesTellMissingFilesAndFoldersApart) {
  EXPECT_EQ(tk::FileSize(folder.File16(L"fehlt.txt")), tk::kFileMissing);
  EXPECT_EQ(tk::FileSize(folder.File16(L"")), tk::kFileIsFolder);
  EXPECT_FALSE(tk::File::Open(folder.File16(L"fehlt.txt"), tk::File::Mode::ExistingTruncate));
}

TEST_F(Win32Files, WholeFileWriteReplacesAnExistingFileCompletely) {
  std::wstring target = folder.File(L"AccountInfos.txt");
  std::ofstream(std::filesystem::path(target), std::ios::binary)
      << "old content that is longer than the new one\r\n";
  ASSERT_TRUE(password::WriteWholeFile(folder.File16(L"AccountInfos.txt"), WriteInfo));
  EXPECT_EQ(Contents(target), "g\xc3\xbcltig f\xc3\xbcr   : Bank\r\n");
}

TEST_F(Win32Files, AFileAnotherProgramHoldsOpenIsNotWrittenAndKeepsItsContent) {
  std::wstring target = folder.File(L"AccountInfos.txt");
  std::ofstream(std::filesystem::path(target), std::ios::binary) << "kept\r\n";
  HANDLE held = ::CreateFileW(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(password::WriteWholeFile(folder.File16(L"AccountInfos.txt"), WriteInfo));
  ::CloseHandle(held);
  EXPECT_EQ(Contents(target), "kept\r\n");
}

}  // namespace
}  // namespace kennwerk_test
