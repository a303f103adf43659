#include "ops/erase_revert_clear.h"

#include <algorithm>

#include "model/codec.h"
#include "model/editing.h"

namespace zg {
namespace {

constexpr bool IsSymbol(int i) { return i >= 0 && i < kSymbolCount; }

}  // namespace

void EraseGlyph(FontModel& m) {
  // The grid is repainted directly from the background colours: the result
  // is the same empty cell that rendering an all-zero glyph would give.
  const int rows = std::clamp(static_cast<int>(m.nstr), 0, kGridSide);
  const int cols = std::clamp(static_cast<int>(m.ncol), 0, kGridSide);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      const int i = r * kGridSide + c;
      m.pixelBoxColor[i] = m.pixelBackColor[i];
      m.pixelOn[i] = 0;
    }
  }
  const int first = std::clamp(static_cast<int>(m.sb), 0, kStoreSize);
  const int last = std::clamp(m.sb + m.cb, first, kStoreSize);
  std::fill(m.glyphStore.begin() + first, m.glyphStore.begin() + last, std::uint8_t{0});
  MarkEdited(m);
  m.nosave = 1;
  m.nosavesimb = 1;
}

bool CanRevert(const FontModel& m) { return m.nosavesimb != 0; }

void RevertGlyph(FontModel& m) {
  if (!CanRevert(m)) return;
  for (int n = 0; n < m.cb && n < kBackupSize; ++n) {
    if (InGlyph(m.sb, m.cb, n)) m.glyphStore[m.sb + n] = m.glyphBackup[n];
  }
  RenderGlyph(m, m.sb, m.cb, LayoutOf(m));
  if (IsSymbol(m.simb)) {
    m.symbols[m.simb].fontSize = kNormalFontSize;
    m.symbols[m.simb].bold = false;
  }
  m.nosavesimb = 0;
}

void ClearWholeFont(FontModel& m) {
  for (auto& box : m.symbols) {
    box.fontSize = kNormalFontSize;
    box.bold = false;
    box.backColor = kWhite;
  }
  ClearFont(m);
  LayoutGrid(m, LayoutOf(m));
  if (IsSymbol(m.simb)) m.symbols[m.simb].backColor = kRed;
}

}  // namespace zg
