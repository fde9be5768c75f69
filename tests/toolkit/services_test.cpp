// The platform services as the program sees them: dates, files, random bytes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "toolkit/clock.h"
#include "toolkit/files.h"
#include "toolkit/platform/headless/script.h"
#include "toolkit/random.h"
#include "toolkit/text.h"

namespace {

namespace fs = std::filesystem;
using tk::File;

TEST(FormatDate, ReplacesEachTokenWithLeadingZeros) {
  tk::LocalDateTime time{2018, 3, 5, 9, 7, 4};
  struct Case {
    std::u16string mask;
    std::u16string expected;
  };
  const Case cases[] = {
      {u"%dd.%mm.%yyyy um %hh:%ii:%ss", u"05.03.2018 um 09:07:04"},
      {u"%yy/%yyyy", u"18/2018"},
      {u"100% %x %", u"100% %x %"},
      {u"%yyyyy", u"2018y"},
      {u"", u""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(tk::FormatDate(c.mask, time), c.expected) << tk::ToUtf8(c.mask);
  EXPECT_EQ(tk::FormatDate(u"%yyyy-%yy %hh", {5, 12, 31, 23, 59, 59}), u"0005-05 23");
}

TEST(LocalTime, IsTheScriptedTimeMovedOnByTheVirtualClock) {
  tk::headless::ResetPlatform();
  tk::headless::SetLocalTime({2018, 12, 31, 23, 59, 58});
  tk::headless::Stall(2500);
  tk::LocalDateTime now = tk::LocalTime();
  EXPECT_EQ(tk::FormatDate(u"%dd.%mm.%yyyy %hh:%ii:%ss", now), u"01.01.2019 00:00:00");
}

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tk::headless::ResetPlatform();
    folder_ = fs::temp_directory_path() /
              ("kennwerk_files_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::u16string Path(const std::string& name) const {
    return tk::FromUtf8((folder_ / name).string());
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  void Put(const std::string& name, const std::string& bytes) const {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
  }

  fs::path folder_;
};

TEST_F(FilesTest, WritesUtf8ToAFileOnlyItsOwnerMayRead) {
  auto file = File::Open(Path("info.txt"), File::Mode::CreateOrTruncate);
  ASSERT_TRUE(file);
  EXPECT_TRUE(file->WriteUtf8(u"gültig\r\n"));
  EXPECT_TRUE(file->Write("x"));
  EXPECT_TRUE(file->Flush());
  EXPECT_TRUE(file->Close());
  EXPECT_FALSE(file->Write("late")) << "a closed file takes no more bytes";
  EXPECT_EQ(Read("info.txt"), "g\xC3\xBCltig\r\nx");
  struct stat info {};
  ASSERT_EQ(::stat((folder_ / "info.txt").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(FilesTest, SizesTellFilesFoldersAndMissingPathsApart) {
  Put("five.txt", "12345");
  EXPECT_EQ(tk::FileSize(Path("five.txt")), 5);
  EXPECT_EQ(tk::FileSize(Path("nothing.txt")), tk::kFileMissing);
  EXPECT_EQ(tk::FileSize(tk::FromUtf8(folder_.string())), tk::kFileIsFolder);
}

TEST_F(FilesTest, ModesCreateEmptyOrRefuseAsTheySay) {
  Put("old.txt", "old contents");
  EXPECT_FALSE(File::Open(Path("old.txt"), File::Mode::CreateNew)) << "CreateNew never reuses";
  EXPECT_FALSE(File::Open(Path("new.txt"), File::Mode::ExistingTruncate)) << "needs the file";
  {
    auto file = File::Open(Path("old.txt"), File::Mode::ExistingTruncate);
    ASSERT_TRUE(file);
    EXPECT_EQ(Read("old.txt"), "") << "opened emptied";
  }
  Put("old.txt", "old contents");
  auto held = File::Open(Path("old.txt"), File::Mode::CreateOrTruncate);
  ASSERT_TRUE(held);
  ASSERT_TRUE(held->Write("mine"));
  EXPECT_FALSE(File::Open(Path("old.txt"), File::Mode::CreateOrTruncate))
      << "a file held open is not shared";
  EXPECT_FALSE(File::Open(Path("old.txt"), File::Mode::ExistingTruncate));
  ASSERT_TRUE(held->Close());
  EXPECT_EQ(Read("old.txt"), "mine") << "a refused open must not empty the held file";
}

TEST_F(FilesTest, InjectedFailuresHitExactlyTheOperationNamed) {
  tk::headless::FailNextOpen(File::Mode::CreateNew);
  EXPECT_TRUE(File::Open(Path("a.txt"), File::Mode::CreateOrTruncate)) << "other modes open";
  EXPECT_FALSE(File::Open(Path("b.txt"), File::Mode::CreateNew));
  EXPECT_TRUE(File::Open(Path("c.txt"), File::Mode::CreateNew)) << "one failure only";

  auto file = File::Open(Path("d.txt"), File::Mode::CreateOrTruncate);
  ASSERT_TRUE(file);
  tk::headless::FailWrite(2);
  EXPECT_TRUE(file->Write("1"));
  EXPECT_FALSE(file->Write("2"));
  EXPECT_TRUE(file->Write("3"));
  tk::headless::FailNextFlush();
  EXPECT_FALSE(file->Flush());
  EXPECT_TRUE(file->Flush());
  tk::headless::FailNextClose();
  EXPECT_FALSE(file->Close());
  EXPECT_FALSE(file->Close()) << "the failed close closed it all the same";
  EXPECT_EQ(Read("d.txt"), "13");

  tk::headless::FailNextReplace();
  EXPECT_FALSE(tk::ReplaceFileAtomically(Path("d.txt"), Path("a.txt")));
  EXPECT_EQ(Read("d.txt"), "13");
  EXPECT_TRUE(tk::ReplaceFileAtomically(Path("d.txt"), Path("a.txt")));
  EXPECT_EQ(Read("a.txt"), "13");
  EXPECT_EQ(tk::FileSize(Path("d.txt")), tk::kFileMissing);
  EXPECT_TRUE(tk::RemoveFile(Path("a.txt")));
  EXPECT_FALSE(tk::RemoveFile(Path("a.txt")));
}

TEST(RandomBytes, FillsFromTheSourceAndReportsItsFailure) {
  tk::headless::ResetPlatform();
  std::array<std::uint8_t, 64> bytes{};
  ASSERT_TRUE(tk::RandomBytes(bytes));
  EXPECT_NE(bytes, (std::array<std::uint8_t, 64>{})) << "64 zero bytes from the OS source";
  tk::headless::SetRandomFailing(true);
  EXPECT_FALSE(tk::RandomBytes(bytes));
  tk::headless::SetRandomFailing(false);
  EXPECT_TRUE(tk::RandomBytes(bytes));
}

}  // namespace
