#pragma once
// Helpers shared by the font file tests.

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "fontfile/fontfile.h"
#include "test_files.h"

namespace zg::test {

using Store = std::array<std::uint8_t, kFontStoreValues>;

// A byte no test writes on purpose, so untouched store bytes stand out.
inline constexpr std::uint8_t kUntouched = 0xA5;

inline Store FilledStore(std::uint8_t fill = kUntouched) {
  Store s;
  s.fill(fill);
  return s;
}

struct ReadBack {
  ReadResult result;
  Store store;
};

inline ReadBack ReadText(std::string_view text, int pos = -1) {
  ReadBack r{{}, FilledStore()};
  MemoryByteSource in(text);
  r.result = ReadFontSource(in, pos, r.store);
  return r;
}

inline ReadBack ReadCText(std::string_view text, int pos = -1) {
  ReadBack r{{}, FilledStore()};
  MemoryByteSource in(text);
  r.result = ReadCArray(in, pos, r.store);
  return r;
}

// The first n bytes of the store, for comparisons that print well.
inline std::vector<std::uint8_t> Head(const Store& s, std::size_t n) {
  return {s.begin(), s.begin() + static_cast<std::ptrdiff_t>(n)};
}

// Hands out its text a few bytes at a time, so that every line end, keyword
// and value also falls across a block boundary.
class TricklingSource final : public ByteSource {
 public:
  TricklingSource(std::string_view data, std::size_t step) : data_(data), step_(step) {}
  ByteChunk Read(std::span<char> buffer) override {
    const std::size_t n = std::min({step_, buffer.size(), data_.size()});
    std::copy_n(data_.data(), n, buffer.data());
    data_.remove_prefix(n);
    return {n, std::nullopt};
  }

 private:
  std::string_view data_;
  std::size_t step_;
};

}  // namespace zg::test
