#pragma once
// zgconv as a function: the program's main only hands it the command line
// and its standard streams.

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "fontfile/font_reader.h"

namespace zg::cli {

enum ExitStatus : int { kDone = 0, kBadInput = 1, kBadUsage = 2 };

// Runs the converter over `argv` (without the program name): the result goes
// to the output file, or to `out` for "-o -"; notes and errors go to `err`,
// each line starting "zgconv: ".
int Run(std::span<const std::string_view> argv, std::ostream& out, std::ostream& err);

// Why reading a font file failed, in a sentence; a bad value of a font
// source also names its number and glyph ("value 34 (glyph 24h): ...").
std::string ReadFailureText(const ReadResult& result, int cb, int firstCode = 0x20, int skip = 0);
// ":LINE:COLUMN" of a failure that has a place in the file, or nothing: put
// after the file name, it gives the form editors and build logs link to.
std::string ReadFailurePlace(const ReadResult& result);

}  // namespace zg::cli
