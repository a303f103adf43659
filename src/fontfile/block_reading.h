#pragma once
// The readers' loop: the file in fixed blocks through a scanner, so that a
// file of any size is read in bounded memory. A scanner has
// Feed(begin, end) -> bool (false: stop), Finish() and Result().

#include <algorithm>
#include <cstddef>
#include <memory>
#include <span>
#include <utility>

#include "fontfile/byte_source.h"
#include "fontfile/font_reader.h"

namespace zg {

inline constexpr std::size_t kReadBlockSize = 64 * 1024;

template <class Scanner>
ReadResult ReadInBlocks(ByteSource& in, Scanner& scanner) {
  const auto block = std::make_unique_for_overwrite<char[]>(kReadBlockSize);
  for (;;) {
    ByteChunk chunk = in.Read(std::span<char>(block.get(), kReadBlockSize));
    if (chunk.failure) {
      ReadResult failed = scanner.Result();
      failed.status = ReadStatus::ReadFailure;
      failed.failureText = std::move(*chunk.failure);
      return failed;
    }
    if (chunk.count == 0) {
      scanner.Finish();
      return scanner.Result();
    }
    const char* begin = block.get();
    if (!scanner.Feed(begin, begin + std::min(chunk.count, kReadBlockSize))) {
      return scanner.Result();
    }
  }
}

}  // namespace zg
