#include "ui/window_view.h"

#include <algorithm>
#include <array>

#include "model/codec.h"

namespace zg {
namespace {

// Everything the window shows only while a font is open.
constexpr std::array<Ctl, 14> kFontControls{
    Ctl::Frame2,   Ctl::Command3, Ctl::Command4, Ctl::Command5,  Ctl::Command6,
    Ctl::Command7, Ctl::Command8, Ctl::Command9, Ctl::Command10, Ctl::Command11,
    Ctl::Label19,  Ctl::Check1,   Ctl::Combo1,   Ctl::Combo2};

void ShowParameters(const FontDocument& d, FontModel& m) {
  m.ncol = static_cast<std::int16_t>(d.layout.width);
  m.nstr = static_cast<std::int16_t>(d.layout.height);
  m.cb = static_cast<std::int16_t>(d.HasCell() ? d.layout.BytesPerGlyph() : 0);
  m.vert = static_cast<std::int16_t>(d.layout.Vert());
  m.pos = d.negative ? 0 : -1;
  const std::size_t n = std::min(d.glyphs.size(), m.glyphStore.size());
  std::copy_n(d.glyphs.begin(), n, m.glyphStore.begin());
  std::fill(m.glyphStore.begin() + static_cast<std::ptrdiff_t>(n), m.glyphStore.end(), 0);
  m.proportional = d.Proportional();
  for (int i = 0; i < kSymbolCount; ++i) m.widths[i] = static_cast<std::uint8_t>(d.Width(i));
}

void ShowGrid(const EditorSession& s, bool shown, FontModel& m) {
  m.pixelBoxVisible.fill(false);
  std::fill_n(m.pixelOn.begin(), kGridBoxes, std::int16_t{0});
  if (!shown) return;
  const Layout layout = LayoutOf(m);
  PaintCell(m, layout);
  RenderGlyph(m, m.sb, m.cb, layout);
  for (int r = 0; r < kGridSide; ++r) {
    for (int c = 0; c < kGridSide; ++c) {
      m.pixelBoxVisible[r * kGridSide + c] = r < m.nstr && c < m.ncol;
    }
  }
  const auto& backup = s.backup();
  m.glyphBackup.fill(0);
  std::copy_n(backup.begin(), std::min(backup.size(), m.glyphBackup.size()), m.glyphBackup.begin());
}

void ShowSymbols(const EditorSession& s, bool locked, FontModel& m) {
  for (int i = 0; i < kSymbolCount; ++i) {
    SymbolBox& box = m.symbols[i];
    const bool edited = s.marks()[static_cast<std::size_t>(i)];
    box.bold = edited && !locked;
    box.fontSize = box.bold ? kEditedFontSize : kNormalFontSize;
    box.locked = locked;
    box.backColor = !locked && i == m.simb ? kRed : kWhite;
  }
}

}  // namespace

void ShowSession(const EditorSession& session, const ViewMode& mode, FontModel& m,
                 MainWindowState& window) {
  const FontDocument& d = session.document();
  const bool font = session.HasFont();
  ShowParameters(d, m);
  if (m.simb != session.current() || !font) {
    m.simb = static_cast<std::int16_t>(session.current());
    m.nb = static_cast<std::int16_t>(m.cb * m.simb);
  }
  m.sb = static_cast<std::int16_t>(m.cb * m.simb);
  m.nosave = session.IsSaved() ? 0 : 1;
  m.nosavesimb = session.GlyphChanged() ? 1 : 0;
  const bool open = font && !mode.fontGoing;
  ShowGrid(session, open, m);
  ShowSymbols(session, !open, m);

  window.check1Value = d.negative ? 1 : 0;
  for (Ctl c : kFontControls) window.Show(c, font);
  if (font) window.label19Caption = StatusCaption(d.layout);
  if (mode.fontGoing) {
    window.Hide(Ctl::Command3);
    window.Hide(Ctl::Command4);
    if (mode.captionGoing) window.Hide(Ctl::Label19);
  }
}

}  // namespace zg
