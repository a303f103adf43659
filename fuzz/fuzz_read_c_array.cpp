// Any bytes as a C source holding a font array, through the checks every
// reader passes, and the C reader's own: it always names a line and never
// gives the font source reader's syntax status.

#include "reader_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const zg_fuzz::Reading first = zg_fuzz::CheckReader(zg::ReadCArray, data, size);
  zg_fuzz::Check(first.result.line >= 1, "no line");
  zg_fuzz::Check(first.result.status != zg::ReadStatus::SyntaxError, "a font source status");
  return 0;
}
