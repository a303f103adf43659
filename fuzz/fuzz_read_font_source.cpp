// Any bytes as a font source file, through the checks every reader passes;
// a fault in the text has its place, and the table reader gives the same
// values as the font reader. The widths line is found alike however the
// text is cut into blocks, holds 224 widths within the cell when read, and
// those written again read back the same.

#include <array>
#include <span>
#include <string>

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

  const int cellWidth = 1 + data[0] % zg::kMaxCellWidth;
  const zg::WidthsLine whole = zg::FindWidthsLine(text, cellWidth);
  zg::MemoryByteSource again(text);
  zg::WidthsLineSource lines(again, cellWidth);
  std::array<char, 7> block{};
  while (lines.Read(std::span<char>(block).first(1 + data[0] % block.size())).count != 0) {
  }
  zg_fuzz::Check(lines.Found() == whole, "the widths line depends on the blocks");
  if (whole.status == zg::WidthsLineStatus::Read) {
    zg_fuzz::Check(whole.widths.size() == 224, "not 224 widths");
    for (const std::uint8_t w : whole.widths) {
      zg_fuzz::Check(w >= 1 && w <= cellWidth, "a width outside the cell");
    }
    const std::string written = zg::WriteWidthsLine(whole.widths, "Data ");
    zg_fuzz::Check(zg::FindWidthsLine(written, cellWidth).widths == whole.widths,
                   "written widths read back otherwise");
  }
  return 0;
}
