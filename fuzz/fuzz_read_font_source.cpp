// Any bytes as a font source file, through the checks every reader passes;
// a fault in the text has its place, and the table reader gives the same
// values as the font reader.

#include "reader_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const zg_fuzz::Reading first = zg_fuzz::CheckReader(zg::ReadFontSource, data, size);
  const zg::ReadStatus status = first.result.status;
  const bool inText = status != zg::ReadStatus::Completed && status != zg::ReadStatus::ReadFailure;
  zg_fuzz::Check(inText == (first.result.line >= 1 && first.result.column >= 1),
                 "a place without a fault in the text, or a fault without one");

  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  zg::MemoryByteSource in(text);
  const zg::TableValues table = zg::ReadTableValues(in, zg::SourceKind::FontSource);
  zg_fuzz::Check(table.values.size() == table.result.valuesStored, "values not as reported");
  if (status == zg::ReadStatus::Completed) {
    zg_fuzz::Check(table.result == first.result, "the table reader disagrees");
    const bool negative = (data[0] & 1U) != 0;
    for (std::size_t i = 0; i < table.values.size(); ++i) {
      const std::uint8_t stored = first.buffer[zg_fuzz::kGuard + i];
      zg_fuzz::Check(table.values[i] == (negative ? static_cast<std::uint8_t>(~stored) : stored),
                     "the table reader read other values");
    }
  }
  return 0;
}
