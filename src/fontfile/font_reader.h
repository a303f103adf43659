#pragma once
// The font source reader: takes every value of a font source file, in order,
// into the glyph store from index 0.

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "fontfile/byte_source.h"

namespace zg {

// Store indices 0..16128 take values; one more value fails the import.
inline constexpr std::size_t kFontStoreValues = 16129;

enum class ReadStatus : std::uint8_t {
  Completed,
  SyntaxError,           // a value of no known form, or an empty one
  StoreFull,             // a value for index 16129
  UnclosedBlockComment,  // the file ended inside a "/*" block
  ReadFailure,           // the source failed; ReadResult::failureText says how
  // The C array reader's own:
  NotANumber,       // a value that is no C number (a name, bad digits, a missing value)
  ValueOutOfRange,  // a number outside 0..255
  NoArray,          // no "= {" initialiser in the whole file
  UnclosedArray,    // the file ended before the array's closing brace
  BinaryData,       // a NUL byte: the file is no text
  NoSuchArray,      // no array of the name asked for
  // The table reader's own:
  TooManyValues,  // more values than kMaxTableValues
};

std::string_view ToString(ReadStatus status);
std::ostream& operator<<(std::ostream& os, ReadStatus status);

struct ReadResult {
  ReadStatus status = ReadStatus::Completed;
  std::size_t valuesStored = 0;  // also those stored before a failure; they stay
  std::string failureText;
  // The place (line and column from 1; a column counts bytes, a tab as one)
  // of the value or character a reading stopped at; for the font source
  // reader, 0 and 0 when it completed or the source failed. The C array
  // reader also names the line where it completed.
  std::size_t line = 0;
  std::size_t column = 0;
  friend bool operator==(const ReadResult&, const ReadResult&) = default;
};
std::ostream& operator<<(std::ostream& os, const ReadResult& result);

// Reads `in` to its end or to the first failure. A data line begins with a
// keyword or with its first value, after any blanks and tabs: "Data" and
// ".db" exactly so, glued to a value or not, and "data", "db", ".db",
// ".byte" and "defb" in any letter case followed by a blank or a tab. Values
// take the notations of ParseSourceValue. Lines of a label ("Font8x8:"), of
// a BASCOM directive ("$asm", "$end asm") and comment lines are skipped.
// A value longer than kMaxSourceValueChars stops the reading at once. pos 0 (negative font)
// stores the complement of every value, any other pos the value as read.
// Writes only inside `store` and at most kFontStoreValues values, however
// long the file is; the memory used does not grow with the file.
ReadResult ReadFontSource(ByteSource& in, int pos, std::span<std::uint8_t> store);

// The same into the whole of `store`, as the table reader uses it: filling it
// stops with StoreFull.
ReadResult ReadFontSourceValues(ByteSource& in, bool negative, std::span<std::uint8_t> store);

}  // namespace zg
