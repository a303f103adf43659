#pragma once
// What the import and the save tell the user about a file that does not
// hold, or would not be read back as, the font in the window.

#include <string>
#include <string_view>

#include "document/font_io.h"

namespace zg {

// "Прочитано 95 символов (20h..7Eh), остальные символы не изменены." for a
// file that ends before the font's last glyph, a sentence on the values
// past it, or "" for a file that fills the font exactly.
std::string ReadExtentNote(const ReadExtent& extent);

// The question before saving `d` under `path`, whose name says `named`.
std::string NameContradictionQuestion(std::string_view path, const FontFileParams& named,
                                      const FontDocument& d);

}  // namespace zg
