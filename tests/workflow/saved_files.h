// A folder of its own for each test that saves, removed with everything in it at the end, and the
// few reads a test makes of what the program wrote there.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>

#include "toolkit/text.h"

namespace workflow_test {

class SaveFolder {
 public:
  SaveFolder() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() / ("kennwerk-" + std::string(test->name()) +
                                                      "-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(path_);
  }
  ~SaveFolder() { std::filesystem::remove_all(path_); }
  SaveFolder(const SaveFolder&) = delete;
  SaveFolder& operator=(const SaveFolder&) = delete;

  std::u16string Folder() const { return tk::FromUtf8(path_.string()); }
  std::u16string PathOf(const std::string& name) const {
    return tk::FromUtf8((path_ / name).string());
  }

  // Every name in the folder: a temporary file left behind shows up here.
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  std::string Read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  void MakeFolder(const std::string& name) const {
    std::filesystem::create_directory(path_ / name);
  }

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace workflow_test
