#pragma once
// Reads the bytes of the first array initialiser of a C or C++ source, as
// firmware keeps its fonts: `static const uint8_t font[] PROGMEM = {...};`.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "fontfile/byte_source.h"
#include "fontfile/font_reader.h"

namespace zg {

// Everything before the first "{" that directly follows an assignment "=" is
// passed over (include guards, #define, typedef struct {...}, functions);
// the values up to its matching "}" are stored in order, nested braces
// flattened. Comments and preprocessor lines count as blanks anywhere; the
// code inside #if blocks is read like any other. A nested group that holds a
// name or an expression among its first 16 values is a header, as in a
// structure's `{ 0, 0, FONTDATAMAX, 0 }, { ...bytes... }`: it is passed over.
// A NUL byte anywhere stops the reading with BinaryData.
// A value is a C integer constant 0..255: 0x/0X hexadecimal, decimal, octal
// with a leading 0, 0b/0B binary, with u/U/l/L suffixes and ' digit
// separators, after an optional cast such as (uint8_t); Arduino's B00111100
// binary names count as their value too. A trailing comma is allowed.
// Reading stops at the first failure, with its line and column; what was
// stored stays.
// pos 0 (negative font) stores complements, as ReadFontSource does; at most
// kFontStoreValues values are stored, and the memory used does not grow with
// the file.
ReadResult ReadCArray(ByteSource& in, int pos, std::span<std::uint8_t> store);

// The same into the whole of `store` (filling it stops with StoreFull), from
// the array named `name`, or the first one when `name` is empty.
ReadResult ReadCArrayValues(ByteSource& in, bool negative, std::span<std::uint8_t> store,
                            std::string_view name);

struct CArrayInfo;
// Every array initialiser that reads without a fault, into `arrays`.
ReadResult ListCArrayInitialisers(ByteSource& in, std::vector<CArrayInfo>& arrays);

// True for names the import reads with ReadCArray rather than ReadFontSource:
// the extensions .c .h .cc .cpp .cxx .c++ .hh .hpp .hxx .h++ and Arduino's
// .ino, in either letter case. ".inc" stays a font source: assemblers use it.
bool IsCSourcePath(std::string_view path);

}  // namespace zg
