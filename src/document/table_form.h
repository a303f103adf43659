#pragma once
// The glyphs of a font as a table in any layout, for the writers: the
// font's cell, any scan, bit order and band order, from code 20h (the
// editor's 224 glyphs) or 00h (256 glyphs, the codes below 20h empty, for
// firmware that indexes the table by the raw code). And back, for files that
// say their own layout.

#include <cstdint>
#include <vector>

#include "model/font_document.h"
#include "model/layout.h"

namespace zg {

struct TableForm {
  Layout layout;
  int firstCode = 0x20;  // 0x00..0x20
  friend bool operator==(const TableForm&, const TableForm&) = default;
};

// The layout the document's glyphs are kept in.
Layout LayoutOf(const FontDocument& d);

// The document's glyphs from form.firstCode to FFh, each repacked from the
// document's layout into form.layout (the cell's top left corner kept).
// The document's own bytes unchanged when the form is its own.
std::vector<std::uint8_t> PackTable(const FontDocument& d, const TableForm& form);

}  // namespace zg
