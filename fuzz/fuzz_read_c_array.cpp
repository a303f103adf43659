// Any bytes as a C source holding a font array, through the checks every
// reader passes, and the C reader's own: it always names a line, never gives
// the font source reader's syntax status, and its list of arrays agrees with
// what reading the first array gives.

#include "reader_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const zg_fuzz::Reading first = zg_fuzz::CheckReader(zg::ReadCArray, data, size);
  zg_fuzz::Check(first.result.line >= 1 && first.result.column >= 1, "no place");
  zg_fuzz::Check(first.result.status != zg::ReadStatus::SyntaxError, "a font source status");

  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  zg::MemoryByteSource listed(text);
  const zg::CArrayList list = zg::ListCArrays(listed);
  zg::MemoryByteSource whole(text);
  const zg::TableValues table = zg::ReadTableValues(whole, zg::SourceKind::CSource);
  zg_fuzz::Check(table.values.size() == table.result.valuesStored, "values not as reported");
  if (table.result.status == zg::ReadStatus::Completed) {
    // The first array reads without a fault, so it is listed first.
    zg_fuzz::Check(!list.arrays.empty() && list.arrays[0].values == table.values.size() &&
                       list.arrays[0].line <= table.result.line,
                   "the first array is not listed as read");
    zg::MemoryByteSource named(text);
    const zg::TableValues byName =
        zg::ReadTableValues(named, zg::SourceKind::CSource, list.arrays[0].name);
    zg_fuzz::Check(byName.result == table.result && byName.values == table.values,
                   "the first array read by its name differs");
  }
  return 0;
}
