#pragma once
// What the import and the save tell the user about a file that does not
// hold, or would not be read back as, the font in the window.

#include <string>
#include <string_view>
#include <vector>

#include "document/file_replace.h"
#include "document/font_io.h"

namespace zg {

// Why a file's values could not be read, with the line and column where
// the fault has one ("Строка 3, позиция 7: ..."); for ReadFailure the
// system's reason as it came.
std::string ReadProblemText(const ReadResult& result);

// The sentence for a file that could not be opened, read (`writing` false)
// or written: the kind of the fault in words, or the system's description
// for the rest.
std::string FileErrorText(const std::string& path, const FileError& error, bool writing);

// "Прочитано 95 символов (20h..7Eh), остальные символы не изменены." for a
// file that ends before the font's last glyph, a sentence on the values
// past it, or "" for a file that fills the font exactly.
std::string ReadExtentNote(const ReadExtent& extent);

// "Символы с кодами C0h, C1h не записаны: ..." for the glyphs an export
// could not carry, with the reason of its format (BDF: their code points are
// taken; LVGL: they have no character of their own), or "" when it carried
// every one.
std::string UnwrittenGlyphsNote(const std::vector<int>& codes,
                                OutputFormat format = OutputFormat::Bdf);

// "Строка 225: ширины символов записаны неверно ..." for a widths line the
// load did not take, or "" when there was none or it was taken.
std::string WidthsLineNote(const WidthsLine& line);

// The question before saving `d` under `path`, whose name says `named`.
std::string NameContradictionQuestion(std::string_view path, const FontFileParams& named,
                                      const FontDocument& d);

}  // namespace zg
