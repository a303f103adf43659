#pragma once
// The one path from a file's text to a font and back, shared by the editor
// and the converter. Opening and writing the file itself is the caller's:
// the editor goes through its platform, the converter through the standard
// library.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "fontfile/fontfile.h"
#include "model/font_document.h"

namespace zg {

// Reads every value of a font source file into `store` from index 0, the
// complement of each value for a negative font.
ReadResult ReadFontFile(ByteSource& in, std::string_view path, bool negative,
                        std::span<std::uint8_t> store);

// The cell, scan and polarity the file name carries, if it has the form the
// save dialog proposes and names one of the seven cells.
std::optional<FontFileParams> ParamsFromName(std::string_view path);

struct LoadedDocument {
  ReadResult result;  // Completed, or why the file was refused
  FontDocument document;
};

// A whole font from a file of the given cell: glyphs past the file's last
// value stay empty.
LoadedDocument LoadFontDocument(ByteSource& in, std::string_view path, int ncol, int nstr,
                                int vert, bool negative);

enum class OutputFormat : std::uint8_t { FontSource };

struct OutputOptions {
  OutputFormat format = OutputFormat::FontSource;
  std::string lineFormat = "Data code";  // the "Формат строки" text
  std::string numberFormat = "&hNN";     // the "Формат числа" text
};

// The file's whole text for the document in the chosen form.
std::string FormatFontDocument(const FontDocument& d, const OutputOptions& options);

}  // namespace zg
