// The width commands of a proportional font: the current glyph's width by
// number, by the dragged line and by one pixel, and the whole font made
// proportional from its ink or monospaced again.

#include <algorithm>

#include "ops/widths.h"
#include "ui/form1.h"
#include "ui/texts.h"

namespace zg {
namespace {

using Change = EditorSession::Transaction;

}  // namespace

// The current glyph's width, kept to the cell; a monospaced font becomes
// proportional with every other glyph as wide as the cell.
void Form1::SetWidth(int width) {
  if (!HasFont()) return;
  ChangeGlyph(text::kStepWidth, [width](Change& t) {
    FontDocument& d = t.document();
    const int w = ClampWidth(width, d.layout.width);
    if (w == d.Width(t.symbol())) return false;
    if (!d.Proportional()) {
      d.widths.assign(kSymbolCount, static_cast<std::uint8_t>(d.layout.width));
    }
    d.widths[static_cast<std::size_t>(t.symbol())] = static_cast<std::uint8_t>(w);
    return true;
  });
}

void Form1::widthClick() {
  // "Ширина...": the current glyph's width by number.
  if (!HasFont()) return;
  const FontDocument& d = session_.document();
  if (const auto width = platform_.AskGlyphWidth(d.Width(session_.current()), d.layout.width)) {
    SetWidth(*width);
  }
}

void Form1::widthDrag(int width) { SetWidth(width); }

void Form1::narrowClick() {
  if (HasFont()) SetWidth(session_.document().Width(session_.current()) - 1);
}

void Form1::widenClick() {
  if (HasFont()) SetWidth(session_.document().Width(session_.current()) + 1);
}

void Form1::proportionalClick() {
  // "Пропорциональный шрифт...": every width from the glyph's ink.
  if (!HasFont()) return;
  const int cell = session_.document().layout.width;
  const auto choice = platform_.ShowProportionalDialog(proportional_, cell);
  if (!choice) return;
  proportional_ = *choice;
  const int space = choice->spaceWidth > 0 ? choice->spaceWidth : std::max(1, cell / 2);
  ChangeGlyph(text::kStepProportional, [&choice, space](Change& t) {
    FontDocument& d = t.document();
    d.widths = ProportionalWidths(d.glyphs, d.layout, choice->spacing, space);
    return true;
  });
}

void Form1::monospacedClick() {
  // "Моноширинный": every glyph as wide as the cell again.
  ChangeGlyph(text::kStepMonospaced, [](Change& t) {
    if (!t.document().Proportional()) return false;
    t.document().widths.clear();
    return true;
  });
}

}  // namespace zg
