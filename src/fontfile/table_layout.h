#pragma once
// A font table as firmware keeps it: a run of values, perhaps after a header,
// one glyph after another from some first code, each glyph perhaps with bytes
// of its own around it (a width byte first) or fewer bytes than its cell (5
// column bytes for a 6-wide cell). TableLayout says where each glyph's bytes
// are and how they are packed; DecodeTable fills the editor's 224 glyphs from
// it.

#include <cstdint>
#include <span>
#include <vector>

#include "model/layout.h"

namespace zg {

inline constexpr int kTableCodes = 256;  // codes 00h..FFh

struct TableLayout {
  Layout layout = Layout::Classic(8, 8, Scan::Vertical);
  int firstCode = 0x20;   // the code of the table's first glyph, 00h..FFh
  int skip = 0;           // values before the first glyph (a header)
  int stride = 8;         // values one glyph takes in the table
  int glyphOffset = 0;    // where the glyph's own values begin in its stride
  bool negative = false;  // a clear bit is a lit pixel

  // The table of plain glyphs: no header, no extra bytes, from code 20h.
  static TableLayout Plain(const Layout& layout, int firstCode = 0x20) {
    return {layout, firstCode, 0, layout.BytesPerGlyph(), 0, false};
  }

  // The glyph's own values: the layout's bytes, or fewer when the stride
  // leaves fewer after the offset (the missing columns or rows stay empty).
  int GlyphBytes() const;
  // The cell, a first code 00h..FFh, skip >= 0, stride >= 1, the offset
  // inside the stride and at least one byte of the glyph in it.
  bool Valid() const;

  friend bool operator==(const TableLayout&, const TableLayout&) = default;
};

// Whole glyphs the values hold: those whose own bytes are all there.
int TableGlyphCount(std::span<const std::uint8_t> values, const TableLayout& table);

// Glyph `index` of the table (code firstCode + index) in the table's own
// layout, the polarity applied; empty bytes for a glyph the values lack.
std::vector<std::uint8_t> TableGlyph(std::span<const std::uint8_t> values, const TableLayout& table,
                                     int index);

// What a decoding read, for the message after an import.
struct TableRead {
  // 224 glyphs in the target layout, code 20h + i at i * BytesPerGlyph();
  // codes the table does not hold are empty.
  std::vector<std::uint8_t> glyphs;
  int glyphCount = 0;  // whole glyphs in the table
  int belowFirst = 0;  // glyphs of codes below 20h, left out
  int pastLast = 0;    // glyphs past code FFh, left out
  int firstRead = -1;  // the first and last codes filled, -1 when none
  int lastRead = -1;
  int leftoverValues = 0;  // values after the last whole glyph

  int CodesRead() const { return firstRead < 0 ? 0 : lastRead - firstRead + 1; }
  // Every code 20h..FFh filled and nothing left out.
  bool Exact() const;
  friend bool operator==(const TableRead&, const TableRead&) = default;
};

// The table's glyphs moved into the editor's codes 20h..FFh in layout `to`
// (pixels outside the smaller cell dropped). An invalid table reads nothing.
TableRead DecodeTable(std::span<const std::uint8_t> values, const TableLayout& table,
                      const Layout& to);

}  // namespace zg
