// Any bytes as a font source file, through the checks every reader passes.

#include "reader_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  zg_fuzz::CheckReader(zg::ReadFontSource, data, size);
  return 0;
}
