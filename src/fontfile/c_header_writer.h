#pragma once
// The font as a C header: one array of 224 glyphs for firmware sources.

#include <array>
#include <cstdint>
#include <span>
#include <string>

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

// `glyphs` holds 224 glyphs in the editor's byte order (bytes beyond the span
// write as 0); `characters[i]` is the character of code 20h + i, 0 for none.
// A negative font writes the complement of every byte, as the font source does.
std::string WriteCHeader(std::span<const std::uint8_t> glyphs, int ncol, int nstr, int vert,
                         bool negative, const std::array<char32_t, 224>& characters,
                         const CHeaderOptions& options);

}  // namespace zg
