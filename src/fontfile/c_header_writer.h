#pragma once
// The font as a C header: one array of 224 glyphs for firmware sources.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "model/layout.h"

namespace zg {

// Where the array is placed on an AVR; elsewhere both compile to plain const data.
enum class FlashAttribute : std::uint8_t {
  None,
  Progmem,  // avr-libc's PROGMEM, read with pgm_read_byte
  Flash,    // avr-gcc's __flash address space in GNU C, PROGMEM elsewhere on AVR
};

struct CHeaderOptions {
  std::string name;  // the array's name; made a C identifier
  FlashAttribute flash = FlashAttribute::None;
  bool pictures = false;  // each glyph drawn with '#' and '.' in comment lines
  // The header declares the array extern and defines it only where
  // NAME_IMPLEMENTATION is defined, so that one source file holds the font.
  bool singleDefinition = false;
  // Glyph i's advance in pixels (1..ncol). Given, a second array NAME_widths[224]
  // follows the glyphs, placed as they are; empty: no widths array.
  std::span<const std::uint8_t> widths = {};
};

// Which codes the array holds and how each glyph is packed in it.
struct CHeaderTable {
  Layout layout;
  // The code of the array's first glyph: 0x20 for the editor's 224 glyphs,
  // 0x00 for a table of 256 that firmware indexes by the raw code.
  int firstCode = 0x20;
};

// `glyphs` holds the table's glyphs (codes firstCode..FFh) packed as its
// layout says, bytes beyond the span written as 0; `characters[i]` is the
// character of code 20h + i, 0 for none. The header carries the layout in its
// macros (width, height, scan, bit order, band order, first code, count), so
// ReadCHeaderParams takes it back without options.
std::string WriteCHeader(std::span<const std::uint8_t> glyphs, const CHeaderTable& table,
                         bool negative, const std::array<char32_t, 224>& characters,
                         const CHeaderOptions& options);

// `glyphs` holds 224 glyphs in the editor's byte order (bytes beyond the span
// write as 0); `characters[i]` is the character of code 20h + i, 0 for none.
// A negative font writes the complement of every byte, as the font source does.
std::string WriteCHeader(std::span<const std::uint8_t> glyphs, int ncol, int nstr, int vert,
                         bool negative, const std::array<char32_t, 224>& characters,
                         const CHeaderOptions& options);

}  // namespace zg
