#pragma once
// The widths of a proportional font in its font source file: one comment
// line after the glyph lines, which every reader that does not know it skips
// as a comment,
//   ; zgedit widths: 3 2 4 6 ... (224 advances, codes 20h..FFh)
// with "'" in front instead of ";" for BASIC's "Data" lines.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fontfile/byte_source.h"

namespace zg {

// What follows the comment mark and blanks.
inline constexpr std::string_view kWidthsKeyword = "zgedit widths:";

// The line, ending in CR LF, for the line keyword the glyph lines start with
// (LineKeyword's "Data ", ".db " or none); each width as given.
std::string WriteWidthsLine(std::span<const std::uint8_t> widths, std::string_view keyword);

enum class WidthsLineStatus : std::uint8_t {
  Absent,     // no widths line: a monospaced font
  Read,       // one line of 224 widths, each 1 to the cell's width
  Malformed,  // a widths line that is not that; the widths are not taken
};

struct WidthsLine {
  WidthsLineStatus status = WidthsLineStatus::Absent;
  std::vector<std::uint8_t> widths;  // Read: the 224 widths
  std::size_t line = 0;              // the line's number from 1, when there is one
  std::string problem;               // Malformed: why, in English
  friend bool operator==(const WidthsLine&, const WidthsLine&) = default;
};

// Passes another source's bytes on unchanged and looks at each line as they
// go by: a line of blanks, a comment mark (";", "'" or "//"), blanks and
// kWidthsKeyword is a widths line. Give it to a reader in place of the source,
// then ask Found() for the widths of a cell `cellWidth` pixels wide. Keeps at
// most one line's start in memory, whatever the file.
class WidthsLineSource final : public ByteSource {
 public:
  WidthsLineSource(ByteSource& in, int cellWidth) : in_(in), cellWidth_(cellWidth) {}
  ByteChunk Read(std::span<char> buffer) override;
  // What the lines read so far held; a last line without a line end counts.
  WidthsLine Found() const;

 private:
  enum class State : std::uint8_t { Blanks, Slash, AfterMark, Keyword, Collect, Other };
  void Feed(char c);
  void EndLine();

  ByteSource& in_;
  int cellWidth_;
  State state_ = State::Blanks;
  bool afterCr_ = false;
  std::size_t line_ = 1;
  std::size_t matched_ = 0;  // characters of kWidthsKeyword seen
  std::string text_;         // Collect: the line after the keyword
  bool overlong_ = false;
  WidthsLine found_;
};

// The same over a whole text in memory.
WidthsLine FindWidthsLine(std::string_view text, int cellWidth);

}  // namespace zg
