#pragma once
// What the dialog "Экспорт..." asks: the form of the exported file and its
// options.

#include <optional>

#include "document/font_io.h"
#include "ui/texts.h"

namespace zg {

struct ExportChoice {
  OutputFormat format = OutputFormat::CHeader;
  FlashAttribute flash = FlashAttribute::None;
  bool pictures = false;          // C header: each glyph's picture in comments
  bool rawEncoding = false;       // BDF: the codes themselves, not Unicode
  bool singleDefinition = false;  // C header: extern, defined under NAME_IMPLEMENTATION
  // Font source and C header: the layout of the written glyphs.
  std::optional<Scan> scan = std::nullopt;  // none: the font's own
  std::optional<bool> msbFirst =
      std::nullopt;  // bit 7 the top or left pixel; none: the editor's order
  BandOrder bandOrder = BandOrder::Bands;
  bool fullTable = false;  // 256 glyphs from code 00h, the codes below 20h empty
  friend bool operator==(const ExportChoice&, const ExportChoice&) = default;
};

// The output options of the choice for a font kept in `fontScan`.
inline void ApplyTableChoice(const ExportChoice& c, Scan fontScan, OutputOptions& o) {
  o.scan = c.scan;
  const Scan scan = c.scan.value_or(fontScan);
  if (c.msbFirst) o.bitOrder = BitOrderOfMacro(scan, *c.msbFirst ? 1 : 0);
  o.bandOrder = c.bandOrder;
  o.firstCode = c.fullTable ? 0x00 : 0x20;
}

// The save dialog's filter and the extension proposed for a form.
struct ExportFileKind {
  const char* filter;
  const char* extension;
};
inline ExportFileKind ExportFileKindOf(OutputFormat format) {
  switch (format) {
    case OutputFormat::Bdf:
      return {text::kExportFilterBdf, ".bdf"};
    case OutputFormat::Gfx:
      return {text::kExportFilterGfx, ".h"};
    case OutputFormat::Lvgl:
      return {text::kExportFilterLvgl, ".c"};
    case OutputFormat::FontSource:
      return {text::kExportFilterSource, ".fnt"};
    case OutputFormat::CHeader:
      break;
  }
  return {text::kExportFilterC, ".h"};
}

}  // namespace zg
