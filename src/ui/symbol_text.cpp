#include "ui/symbol_text.h"

#include "ui/form1.h"

namespace zg {

std::string SymbolText(CodePage page, int i) {
  if (i < 0 || i >= kSymbolCount) return {};
  return Utf8(CodePageCharacters(page)[static_cast<std::size_t>(i)]);
}

std::string Form1::SymbolText(int i) { return zg::SymbolText(CodePage::Windows1251, i); }

}  // namespace zg
