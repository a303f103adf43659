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

// A font source of `count` values 81h, one a line: a font cut short or
// running long.
inline std::string FontSourceValues(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "Data &h81\r\n";
  return text;
}

}  // namespace zg::test
