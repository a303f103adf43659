#pragma once
// The state every command of the editor reads and writes: the parameters of
// the font being edited, the glyph store, the edit grid and the symbol table,
// all as plain data.

#include <array>
#include <cstdint>
#include <string>

#include "model/layout.h"

namespace zg {

using Color = std::uint32_t;  // 0x00BBGGRR

inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kYellow = 0x00FFFF;
inline constexpr Color kBlue = 0xFF0000;
inline constexpr Color kRed = 0x0000FF;

inline constexpr int kSymbolCount = 224;  // codes 20h..FFh
inline constexpr int kFirstCode = 0x20;
inline constexpr int kGridSide = 24;
inline constexpr int kGridBoxes = kGridSide * kGridSide;  // 576
inline constexpr int kStoreSize = 16129;                  // indices 0..16128
inline constexpr int kBackupSize = 129;
inline constexpr int kBandBoxes = 8 * kGridSide;  // 192: one band of 8 grid rows

inline constexpr std::int16_t kNormalFontSize = 10;
inline constexpr std::int16_t kEditedFontSize = 12;

using GlyphStore = std::array<std::uint8_t, kStoreSize>;
using GlyphBackup = std::array<std::uint8_t, kBackupSize>;

// One of the 224 boxes of the symbol table.
struct SymbolBox {
  Color backColor = kWhite;
  std::int16_t fontSize = kNormalFontSize;
  bool bold = false;
  bool locked = true;
  friend bool operator==(const SymbolBox&, const SymbolBox&) = default;
};

struct FontModel {
  // Font parameters (16-bit as the file format and the window expect).
  std::int16_t ncol = 0;  // cell width
  std::int16_t nstr = 0;  // cell height
  std::int16_t cb = 0;    // bytes per glyph
  std::int16_t vert = 0;  // 1 = vertical scan, anything else horizontal
  std::int16_t pos = 0;   // -1 positive, 0 negative
  std::int16_t simb = 0;  // current symbol
  std::int16_t oldsimb = 0;
  std::int16_t memsimb = 0;
  std::int16_t sb = 0;          // store index of the current glyph's first byte
  std::int16_t nb = 0;          // store index of the byte last edited
  std::int16_t nosave = 0;      // 1: the font has unsaved changes
  std::int16_t nosavesimb = 0;  // 1: the current glyph changed since selection

  GlyphStore glyphStore{};
  std::array<std::int16_t, kGridBoxes + 1> pixelOn{};  // -1 on, 0 off
  std::array<Color, kGridBoxes + 1> pixelBackColor{};  // off colour per box
  GlyphBackup glyphBackup{};

  // The edit grid as the window shows it.
  std::array<Color, kGridBoxes> pixelBoxColor{};
  std::array<bool, kGridBoxes> pixelBoxVisible{};

  std::array<SymbolBox, kSymbolCount> symbols{};

  // Each glyph's advance in pixels (the cell's width in a monospaced font),
  // and whether the font keeps widths of its own. The grid draws the current
  // glyph's width as a line after column widths[simb] - 1.
  std::array<std::uint8_t, kSymbolCount> widths{};
  bool proportional = false;

  friend bool operator==(const FontModel&, const FontModel&) = default;
};

// The cells the parameters dialog lists, in its order: the classic seven,
// then the two most asked for; any other cell up to 24 x 24 is entered by
// its width and height.
struct CellSize {
  const char* name;
  std::int16_t ncol;
  std::int16_t nstr;
};
inline constexpr std::array<CellSize, 9> kCellSizes{{
    {"6 x 8", 6, 8},
    {"8 x 8", 8, 8},
    {"12 x 16", 12, 16},
    {"16 x 16", 16, 16},
    {"16 x 24", 16, 24},
    {"24 x 16", 24, 16},
    {"24 x 24", 24, 24},
    {"8 x 16", 8, 16},
    {"5 x 8", 5, 8},
}};

// True when (ncol, nstr) is one of the listed cells.
bool IsCellSize(int ncol, int nstr);

// The window variables ncol, nstr and vert as the layout of the editor's
// own bytes (classic bit and band order).
constexpr Layout LayoutOf(const FontModel& m) {
  return Layout::Classic(m.ncol, m.nstr, ScanOf(m.vert));
}

// The status line text: "Шрифт 8 x 8 вертикальный  " and the like.
std::string StatusCaption(const Layout& layout);

// The glyph at store index sb drawn as text rows of '#' (on) and '.' (off),
// for test failure messages and debugging.
std::string GlyphPicture(const GlyphStore& store, int sb, int cb, const Layout& layout);

}  // namespace zg
