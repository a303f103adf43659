#include "model/editing.h"

#include "model/codec.h"

namespace zg {
namespace {
constexpr bool IsSymbol(int i) { return i >= 0 && i < kSymbolCount; }
}  // namespace

void MarkEdited(FontModel& m) {
  if (!IsSymbol(m.simb)) return;
  m.symbols[m.simb].fontSize = kEditedFontSize;
  m.symbols[m.simb].bold = true;
}

void TakeBackup(FontModel& m) {
  for (int n = 0; n < m.cb && n < kBackupSize; ++n) {
    if (InGlyph(m.sb, m.cb, n)) m.glyphBackup[n] = m.glyphStore[m.sb + n];
  }
  m.nosavesimb = 0;
}

void SelectSymbol(FontModel& m, int i) {
  if (!IsSymbol(i) || m.symbols[i].locked) return;
  m.oldsimb = m.simb;
  m.simb = static_cast<std::int16_t>(i);
  // Old box first, so that clicking the current symbol again leaves it red.
  if (IsSymbol(m.oldsimb)) m.symbols[m.oldsimb].backColor = kWhite;
  m.symbols[m.simb].backColor = kRed;
  m.sb = static_cast<std::int16_t>(m.cb * m.simb);
  TakeBackup(m);
  m.nb = m.sb;
  RenderGlyph(m, m.sb, m.cb, LayoutOf(m));
}

void TogglePixel(FontModel& m, int i) {
  if (i < 0 || i >= kGridBoxes || !m.pixelBoxVisible[i]) return;
  MarkEdited(m);
  m.nosave = 1;
  m.nosavesimb = 1;
  const bool on = m.pixelOn[i] == 0;
  m.pixelBoxColor[i] = on ? OnColor(m.pixelBackColor[i]) : m.pixelBackColor[i];
  m.pixelOn[i] = on ? -1 : 0;
  StorePixel(m, i, on);
  m.nb = static_cast<std::int16_t>(m.sb + LocatePixel(i, LayoutOf(m)).n);
}

void SetNegative(FontModel& m, int checkValue) { m.pos = checkValue == 1 ? 0 : -1; }

}  // namespace zg
