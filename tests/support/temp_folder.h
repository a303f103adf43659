#pragma once
// A fresh folder for one test's files, removed with everything in it at the
// end of the test.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace zg::test {

class TempFolder {
 public:
  // Named after the running test, so that a folder left by a crash says whose it was.
  TempFolder() {
    std::string name = "zg";
    if (const auto* info = ::testing::UnitTest::GetInstance()->current_test_info()) {
      name += std::string("_") + info->test_suite_name() + "_" + info->name();
      std::replace(name.begin(), name.end(), '/', '_');
    }
    std::string pattern = (std::filesystem::temp_directory_path() / (name + ".XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) {
      ADD_FAILURE() << "cannot make a folder like " << pattern;
      return;
    }
    dir_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    if (!dir_.empty()) std::filesystem::remove_all(dir_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The path of `name` in the folder.
  std::string operator/(const std::string& name) const { return (dir_ / name).string(); }

  // Writes `text` to `name` in the folder; returns its path.
  std::string Write(const std::string& name, std::string_view text) const {
    const std::string file = *this / name;
    std::ofstream(file, std::ios::binary) << text;
    return file;
  }

  // The names in the folder, sorted.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir_)) {
      names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::filesystem::path dir_;
};

}  // namespace zg::test
