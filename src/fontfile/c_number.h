#pragma once
// One value of a C array initialiser as a byte.

#include <cstddef>
#include <string_view>

#include "fontfile/font_reader.h"

namespace zg {

// Longer than any sensible spelling of a byte, leading zeros and all.
inline constexpr std::size_t kMaxCNumberChars = 64;

struct CNumber {
  ReadStatus status = ReadStatus::Completed;  // NotANumber or ValueOutOfRange otherwise
  unsigned value = 0;
  friend bool operator==(const CNumber&, const CNumber&) = default;
};

// A C integer constant (0x/0X, decimal, octal with a leading 0, 0b/0B, '
// separators, u/U/l/L suffixes) or an Arduino binary name B0..B11111111.
// A well-formed number above 255 is out of range; anything else, including
// text over kMaxCNumberChars, is not a number.
CNumber ParseCNumber(std::string_view text);

// The same forms with any limit up to 65535 (glyph tables hold 16-bit
// offsets and codes): above `max` is out of range.
CNumber ParseCInteger(std::string_view text, unsigned max);

}  // namespace zg
