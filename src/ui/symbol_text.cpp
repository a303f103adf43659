#include <iconv.h>

#include <array>
#include <string>

#include "ui/form1.h"

namespace zg {
namespace {

// Decodes one Windows-1251 byte; codes the page leaves undefined give U+FFFD.
std::string DecodeCp1251(unsigned char code) {
  iconv_t cd = iconv_open("UTF-8", "CP1251");
  if (cd == reinterpret_cast<iconv_t>(-1)) return "\xEF\xBF\xBD";
  char in[1] = {static_cast<char>(code)};
  std::array<char, 8> out{};
  char* inPtr = in;
  char* outPtr = out.data();
  std::size_t inLeft = 1;
  std::size_t outLeft = out.size();
  const std::size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (done == static_cast<std::size_t>(-1)) return "\xEF\xBF\xBD";
  return std::string(out.data(), out.size() - outLeft);
}

}  // namespace

std::string Form1::SymbolText(int i) {
  static const std::array<std::string, kSymbolCount> kTexts = [] {
    std::array<std::string, kSymbolCount> t;
    for (int k = 0; k < kSymbolCount; ++k) t[k] = DecodeCp1251(static_cast<unsigned char>(kFirstCode + k));
    return t;
  }();
  if (i < 0 || i >= kSymbolCount) return {};
  return kTexts[i];
}

}  // namespace zg
