#pragma once
// Adafruit GFX fonts as a whole font of the editor, for the window's import
// and zgconv alike: the text of a C source that holds a GFXfont, and the
// font placed in a cell of the editor.

#include <optional>
#include <string>
#include <string_view>

#include "fontfile/byte_source.h"
#include "fontfile/gfx_reader.h"
#include "model/font_document.h"

namespace zg {

// The whole text of `in` when it holds an Adafruit GFX font; nothing for any
// other source (a read failure included: the other readers report it), or
// one larger than any font (16 MB).
std::optional<std::string> GfxTextOf(ByteSource& in);

struct LoadedGfx {
  GfxFont font;           // its status says whether it was read, or why not
  FontDocument document;  // Completed: the glyphs, and their widths where they differ
};

// The font of `text` in `cell` when given, else in the smallest cell its
// glyphs fit that is as tall as the font's line (yAdvance) where the
// editor's cells allow, in `scan`: a font zgedit exported comes back in its
// own cell. A font larger than the cell is refused (TooLarge) with the cell
// it needs in font.neededWidth and neededHeight.
LoadedGfx LoadGfxFont(std::string_view text, const std::optional<Layout>& cell, Scan scan);

}  // namespace zg
