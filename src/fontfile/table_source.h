#pragma once
// The values of a font table as a file holds them, before any layout is
// known: a font source, an assembler or BASIC table, or one array of a C
// source, as plain bytes for the table import to decode.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fontfile/byte_source.h"
#include "fontfile/font_reader.h"

namespace zg {

// More values than 256 glyphs of 24 x 24 with a header take; one more
// stops the reading with TooManyValues.
inline constexpr std::size_t kMaxTableValues = 64 * 1024;

enum class SourceKind : std::uint8_t {
  FontSource,  // zgedit's own files, assembler (.db, DB, .byte, DEFB) and BASIC (Data)
  CSource,     // an array initialiser of a C or C++ source
};

// CSource for the names IsCSourcePath knows, FontSource for any other.
SourceKind SourceKindOfPath(std::string_view path);

struct TableValues {
  // Completed, or why the reading stopped, with the line and column
  // (valuesStored is values.size()).
  ReadResult result;
  std::vector<std::uint8_t> values;  // as written in the file, never complemented
};

// Every value of the file in order, up to kMaxTableValues. For a C source
// the array named `arrayName`, or the first array when it is empty; no
// array of that name gives NoSuchArray. The values read before a failure
// are kept.
TableValues ReadTableValues(ByteSource& in, SourceKind kind, std::string_view arrayName = {});

// One array initialiser of a C source that reads without a fault.
struct CArrayInfo {
  std::string name;    // the declared name ("font" of "const uint8_t font[] = {")
  std::size_t values;  // how many values it holds
  std::size_t line;    // the line of its opening brace
  friend bool operator==(const CArrayInfo&, const CArrayInfo&) = default;
};

struct CArrayList {
  ReadResult result;  // Completed, or why the file could not be read to its end
  std::vector<CArrayInfo> arrays;
};

// The arrays of a C source, in the order of the file. Arrays with values
// that are no bytes (pointers, structures of names) are left out.
CArrayList ListCArrays(ByteSource& in);

}  // namespace zg
