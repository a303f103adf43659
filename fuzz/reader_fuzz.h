#pragma once
// The checks both file readers must pass on any bytes: nothing outside the
// store span changes, nothing past the values reported as stored changes,
// and reading the same data again in other blocks and with the other
// polarity agrees with the first reading.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string_view>
#include <vector>

#include "fontfile/fontfile.h"

namespace zg_fuzz {

constexpr std::size_t kGuard = 256;
constexpr std::uint8_t kFill = 0xA5;

inline void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "fuzz: %s\n", what);
    std::abort();
  }
}

// Hands out the data in blocks of a fixed small size.
class BlockSource final : public zg::ByteSource {
 public:
  BlockSource(std::string_view data, std::size_t step) : data_(data), step_(step) {}
  zg::ByteChunk Read(std::span<char> buffer) override {
    const std::size_t n = std::min({step_, buffer.size(), data_.size()});
    std::copy_n(data_.data(), n, buffer.data());
    data_.remove_prefix(n);
    return {n, std::nullopt};
  }

 private:
  std::string_view data_;
  std::size_t step_;
};

struct Reading {
  zg::ReadResult result;
  std::vector<std::uint8_t> buffer;
};

using Reader = zg::ReadResult (*)(zg::ByteSource&, int, std::span<std::uint8_t>);

inline Reading ReadGuarded(Reader read, zg::ByteSource& in, int pos) {
  Reading r{{}, std::vector<std::uint8_t>(kGuard + zg::kFontStoreValues + kGuard, kFill)};
  const std::span<std::uint8_t> store = std::span(r.buffer).subspan(kGuard, zg::kFontStoreValues);
  r.result = read(in, pos, store);

  Check(r.result.valuesStored <= zg::kFontStoreValues, "more values than the store holds");
  // memcmp against a block of the fill byte: a byte-by-byte loop here would
  // cost more than the reading it checks.
  static const std::vector<std::uint8_t> untouched(r.buffer.size(), kFill);
  const auto unchanged = [&](std::size_t from, std::size_t to) {
    return std::memcmp(r.buffer.data() + from, untouched.data(), to - from) == 0;
  };
  Check(unchanged(0, kGuard), "wrote before the store");
  Check(unchanged(kGuard + store.size(), r.buffer.size()), "wrote after the store");
  Check(unchanged(kGuard + r.result.valuesStored, kGuard + store.size()),
        "wrote past the values it reports");
  Check((r.result.status == zg::ReadStatus::ReadFailure) == !r.result.failureText.empty(),
        "failure text without a read failure");
  Check(
      r.result.status != zg::ReadStatus::StoreFull || r.result.valuesStored == zg::kFontStoreValues,
      "store full before it is full");
  return r;
}

// The first byte picks the polarity of a first reading and the block size of
// a second one with the other polarity; the rest is the file. The second
// must give the same result and the complement of every stored value: a fault
// of either the block reading or the polarity shows in that one comparison,
// so each input is read twice, not once per property. Returns the first
// reading for checks of its own.
inline Reading CheckReader(Reader read, const std::uint8_t* data, std::size_t size) {
  const int pos = (data[0] & 1U) != 0 ? 0 : -1;
  const std::size_t step = 1 + (data[0] >> 1U);
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  zg::MemoryByteSource whole(text);
  const Reading first = ReadGuarded(read, whole, pos);

  BlockSource blocks(text, step);
  const Reading other = ReadGuarded(read, blocks, pos == 0 ? -1 : 0);
  Check(other.result == first.result, "block size or polarity changed the result");
  for (std::size_t i = 0; i < first.result.valuesStored; ++i) {
    const std::size_t at = kGuard + i;
    Check(other.buffer[at] == static_cast<std::uint8_t>(~first.buffer[at]),
          "block size or polarity changed a value");
  }
  return first;
}

}  // namespace zg_fuzz
