#pragma once
// Cells for the tests: a layout of the editor's own bytes from the window's
// numbers, and the classic rule of which widths took horizontal scan.

#include "model/font_model.h"

namespace zg::test {

// The editor's own layout of an ncol x nstr cell; vert 1 vertical, else horizontal.
inline Layout Cell(int ncol, int nstr, int vert = 1) {
  return Layout::Classic(ncol, nstr, ScanOf(vert));
}

// Bytes per glyph of a listed cell in vertical scan.
inline int CellBytes(const CellSize& s) { return Cell(s.ncol, s.nstr).BytesPerGlyph(); }

// Widths whose rows fill whole bytes: the cells whose bytes are the same
// count in both scans.
inline bool WholeByteRows(int ncol) { return ncol % 8 == 0; }

}  // namespace zg::test
