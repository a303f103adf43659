#pragma once
// What the dialog "Импорт таблицы" shows and returns, as plain data: the
// arrays of the file, the layout found, the whole table as pictures, and the
// words for the layout and for what an import read.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fontfile/table_layout.h"

namespace zg {

// One table of a file: the array's name (empty where the file holds one
// table) and its values.
struct TableArray {
  std::string name;
  std::vector<std::uint8_t> values;
  friend bool operator==(const TableArray&, const TableArray&) = default;
};

// The user's choice: which array, read with which layout.
struct TableImportChoice {
  std::size_t array = 0;
  TableLayout table;
  friend bool operator==(const TableImportChoice&, const TableImportChoice&) = default;
};

// What the dialog opens with: the arrays, the choice detection made and the
// line that names it.
struct TableImportRequest {
  std::vector<TableArray> arrays;
  TableImportChoice initial;
  std::string found;  // "Найдено: ..." or that nothing was found
};

// Detection over every array: the array whose best layout looks most like
// text, and its layout; an 8 x 8 table from 20h when nothing was found.
TableImportRequest MakeTableRequest(std::vector<TableArray> arrays);

// "8 x 8, строки, младший бит слева, первый код 00h", and where they are not
// the plain ones: the band order, the header, the stride and glyph offset,
// the polarity.
std::string LayoutText(const TableLayout& table);

// The message after an import that did not fill exactly the codes 20h..FFh:
// "Прочитано 95 символов (20h..7Eh), остальные пусты." and the glyphs left
// out below 20h or past FFh; empty when the import was exact.
std::string TableReadText(const TableRead& read);

// The whole table as the dialog draws it: glyph i (code firstCode + i) as
// rows of pixels, bit x of a row the pixel x from the left.
struct TablePreview {
  int width = 0;
  int height = 0;
  int firstCode = 0;
  int count = 0;
  std::vector<std::uint32_t> rows;  // count * height
  bool Pixel(int glyph, int x, int y) const;
  friend bool operator==(const TablePreview&, const TablePreview&) = default;
};
// At most the 256 glyphs of codes 00h..FFh; nothing for an invalid layout.
TablePreview MakeTablePreview(const std::vector<std::uint8_t>& values, const TableLayout& table);

// The layout the editor keeps a table's glyphs in: its cell and scan, the
// editor's own bit and band order; vertical where the editor's rows cannot
// hold the width. Nothing for a cell the editor cannot hold.
std::optional<Layout> EditorLayoutFor(const Layout& table);

// Sources whose tables need a layout: C, assembler and BASIC (.c .h .asm
// .inc .s .font .bas, any letter case).
bool IsTableSourcePath(std::string_view path);

// "1Fh": a code as the texts show it.
std::string HexCode(int code);

}  // namespace zg
