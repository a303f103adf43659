#pragma once
// Files for the tests: the test data folder and whole files read back.

#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace zg::test {

inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

inline std::string DataPath(std::string_view name) {
  return std::string(ZG_TEST_DATA_DIR) + "/" + std::string(name);
}

}  // namespace zg::test
