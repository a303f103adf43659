#pragma once
// What the dialog "Экспорт..." asks: the form of the exported file and its
// options.

#include "document/font_io.h"

namespace zg {

struct ExportChoice {
  OutputFormat format = OutputFormat::CHeader;
  FlashAttribute flash = FlashAttribute::None;
  bool pictures = false;          // C header: each glyph's picture in comments
  bool rawEncoding = false;       // BDF: the codes themselves, not Unicode
  bool singleDefinition = false;  // C header: extern, defined under NAME_IMPLEMENTATION
  friend bool operator==(const ExportChoice&, const ExportChoice&) = default;
};

}  // namespace zg
