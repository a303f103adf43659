#include "ui/form1.h"

#include <algorithm>
#include <cstdio>
#include <span>

#include "fontfile/glyph_text.h"
#include "model/codec.h"
#include "ops/font_shift.h"
#include "ops/glyph_clip.h"
#include "ops/scan.h"
#include "ops/transform.h"
#include "ops/widths.h"
#include "ui/commands.h"
#include "ui/file_commands.h"
#include "ui/proportional_choice.h"
#include "ui/symbol_text.h"
#include "ui/texts.h"

namespace zg {
namespace {

constexpr const char* kCodePageSetting = "view/codePage";
using Change = EditorSession::Transaction;

}  // namespace

Form1::Form1(Platform& platform) : platform_(platform) {}
Form1::~Form1() = default;

void Form1::Show() { ShowSession(session_, mode_, model, window); }

MsgAnswer Form1::Ask(const std::string& question) {
  return platform_.ShowMessage({question, MsgButtons::YesNo, MsgIcon::Warning, text::kAttention});
}

void Form1::Notify(const std::string& message, MsgIcon icon, const char* title) {
  platform_.ShowMessage({message, MsgButtons::Ok, icon, title});
}

FontDocument Form1::Document() const { return HasFont() ? session_.document() : FontDocument{}; }

// --- Start and close ------------------------------------------------------

void Form1::Load() {
  layout = ComputeLayout(platform_.ScreenWidthPixels() * kTwipsPerPixel);
  window.visible.fill(true);
  if (const auto page = platform_.ReadSetting(kCodePageSetting)) {
    codePage_ = CodePageFromName(*page).value_or(kDefaultCodePage);
  }
  Show();
}

bool Form1::QueryUnload(CloseReason reason) {
  if (reason == CloseReason::Program || session_.IsSaved()) return false;
  return Ask(text::kUnsavedOnClose) == MsgAnswer::No;
}

void Form1::setCodePage(CodePage page) {
  // Only the symbol table's characters change; the font's bytes stay.
  codePage_ = page;
  platform_.WriteSetting(kCodePageSetting, std::string(CodePageName(page)));
}

// --- The menus and the history --------------------------------------------

MenuStates Form1::Menus() const { return CommandStates(*this); }

void Form1::RunMenu(MenuCommand command) { RunCommand(*this, command); }

void Form1::undoClick() {
  // Take back the last change of the font.
  session_.Undo();
  Show();
}

void Form1::redoClick() {
  // Make the change that was taken back again.
  session_.Redo();
  Show();
}

// --- File commands (file_commands.cpp) --------------------------------------

void Form1::command1Click() { FileCommands::Create(*this); }
void Form1::command2Click() { FileCommands::Import(*this); }
void Form1::command5Click() { FileCommands::Save(*this); }
void Form1::importFromFontClick() { FileCommands::ImportFromFont(*this); }
void Form1::importTableClick() { FileCommands::ImportTable(*this); }
void Form1::exportClick() { FileCommands::Export(*this); }

// --- Changes of the font ----------------------------------------------------

void Form1::command3Click() {
  // Erase the cell of the glyph being edited.
  if (Ask(text::kEraseCell) == MsgAnswer::No) return;
  ChangeGlyph(text::kStepErase, [this](Change& t) {
    std::ranges::fill(t.CurrentGlyph(), std::uint8_t{0});
    t.Mark(session_.current());
    return true;
  });
}

void Form1::command4Click() {
  // Clear every glyph of the font.
  if (!session_.IsSaved() && Ask(text::kFontDataLost) == MsgAnswer::No) return;
  ChangeGlyph(text::kStepClear, [](Change& t) {
    std::ranges::fill(t.document().glyphs, std::uint8_t{0});
    t.ClearMarks();
    return true;
  });
}

namespace {

// Moves the current glyph one pixel; refused when pixels would leave the cell.
bool ShiftCurrent(Change& t, ShiftDirection dir) {
  const Layout layout = t.document().layout;
  const auto glyph = t.CurrentGlyph();
  if (!CanShift(glyph, layout, dir)) return false;
  t.Mark(t.symbol());  // even an empty glyph, which moves nowhere
  ShiftBytes(glyph, layout, dir);
  FontDocument& d = t.document();
  if (d.Proportional()) {
    auto& width = d.widths[static_cast<std::size_t>(t.symbol())];
    width = static_cast<std::uint8_t>(WidthAfterShift(width, dir, layout.width));
  }
  return true;
}

}  // namespace

void Form1::command6Click() {
  ChangeGlyph(text::kStepShiftUp, [](Change& t) { return ShiftCurrent(t, ShiftDirection::Up); });
}
void Form1::command7Click() {
  ChangeGlyph(text::kStepShiftDown,
              [](Change& t) { return ShiftCurrent(t, ShiftDirection::Down); });
}
void Form1::command8Click() {
  ChangeGlyph(text::kStepShiftLeft,
              [](Change& t) { return ShiftCurrent(t, ShiftDirection::Left); });
}
void Form1::command9Click() {
  ChangeGlyph(text::kStepShiftRight,
              [](Change& t) { return ShiftCurrent(t, ShiftDirection::Right); });
}

void Form1::command10Click() {
  // Convert the whole font between vertical and horizontal scan.
  model.memsimb = model.simb;
  const Layout from = session_.document().layout;
  if (!HasFont() || !from.Valid()) {
    Notify(text::kScanRefused, MsgIcon::Warning, text::kAttention);
    return;
  }
  const Layout to = from.WithScan(from.Vertical() ? Scan::Horizontal : Scan::Vertical);
  ChangeGlyph(text::kStepScan, [&](Change& t) {
    t.document().glyphs = RepackFont(t.document().glyphs, from, to);
    t.document().layout = to;
    return true;
  });
  model.oldsimb = 0;
  Notify(ScanChangeNotice(to.Vert()), MsgIcon::Information, text::kInformation);
}

void Form1::command11Click() {
  // Give the glyph back the bytes it had when its symbol was selected.
  if (!HasFont() || !session_.GlyphChanged()) return;
  if (Ask(text::kRevertGlyph) == MsgAnswer::No) return;
  ChangeGlyph(text::kStepRevert, [](Change& t) {
    t.Revert();
    return true;
  });
}

void Form1::text1Click(int index) {
  // Make the clicked symbol the one being edited.
  if (!HasFont() || mode_.fontGoing || index < 0 || index >= kSymbolCount) return;
  model.oldsimb = model.simb;
  session_.Select(index);
  Show();
  model.nb = model.sb;
}

void Form1::picture1Click(int index) {
  // Switch one pixel of the glyph on or off.
  strokeBegin(index, false);
  strokeEnd();
}

void Form1::setCheck1(int value) {
  // Mark the font negative or positive.
  if (!HasFont()) {
    session_.SetNegativeWithoutFont(value == 1);  // no font yet: nothing to undo
    Show();
    return;
  }
  ChangeGlyph(text::kStepNegative, [value](Change& t) {
    t.document().negative = value == 1;
    return true;
  });
}

// --- Drawing --------------------------------------------------------------

void Form1::strokeBegin(int box, bool rightButton) {
  // Paint along the pointer's way with the state the first box got.
  strokeEnd();
  if (!HasFont() || session_.CurrentGlyph().empty()) return;
  strokeChange_ = std::make_unique<Change>(session_, text::kStepStroke);
  auto& t = *strokeChange_;
  stroke_.emplace(t.CurrentGlyph(), t.document().layout, box, rightButton);
  strokeMoved_ = false;
  strokeRight_ = rightButton;
  if (stroke_->changed())
    model.nb = static_cast<std::int16_t>(model.sb + LocatePixel(box, t.document().layout).n);
  Show();
}

void Form1::strokeMove(int box) {
  if (!stroke_ || !strokeChange_) return;
  stroke_->moveTo(strokeChange_->CurrentGlyph(), box);
  strokeMoved_ = true;
  Show();
}

void Form1::strokeEnd() {
  if (!stroke_ || !strokeChange_) return;
  const char* name = text::kStepStroke;
  if (strokeRight_) {
    name = text::kStepStrokeErase;
  } else if (!strokeMoved_) {
    name = text::kStepPixel;  // a click
  }
  strokeChange_->Rename(name);
  strokeChange_->Commit();
  strokeChange_.reset();
  stroke_.reset();
  Show();
}

// --- The current glyph as a whole -----------------------------------------

namespace {

// A change that moves the ink across the glyph's columns: the width keeps
// the gap after the ink.
template <class F>
bool MovingInk(Change& t, F&& move) {
  const auto glyph = t.CurrentGlyph();
  const std::vector<std::uint8_t> before(glyph.begin(), glyph.end());
  if (!move(glyph, t.document().layout)) return false;
  FontDocument& d = t.document();
  if (d.Proportional()) {
    auto& width = d.widths[static_cast<std::size_t>(t.symbol())];
    width = static_cast<std::uint8_t>(WidthFollowingInk(width, before, glyph, d.layout));
  }
  return true;
}

}  // namespace

void Form1::flipHorizontalClick() {
  ChangeGlyph(text::kStepFlipHorizontal, [](Change& t) {
    return MovingInk(t, [](std::span<std::uint8_t> g, const Layout& l) {
      FlipHorizontal(g, l);
      return true;
    });
  });
}

void Form1::flipVerticalClick() {
  ChangeGlyph(text::kStepFlipVertical, [](Change& t) {
    FlipVertical(t.CurrentGlyph(), t.document().layout);
    return true;
  });
}

void Form1::rotateClick(bool clockwise) {
  ChangeGlyph(clockwise ? text::kStepRotateClockwise : text::kStepRotateCounterClockwise,
              [clockwise](Change& t) {
                return MovingInk(t, [clockwise](std::span<std::uint8_t> g, const Layout& l) {
                  return clockwise ? RotateClockwise(g, l) : RotateCounterClockwise(g, l);
                });
              });
}

void Form1::invertClick() {
  ChangeGlyph(text::kStepInvert, [](Change& t) {
    InvertGlyph(t.CurrentGlyph(), t.document().layout);
    return true;
  });
}

// --- The clipboard --------------------------------------------------------

void Form1::copyClick() {
  // The glyph twice: in the editor's own form and as a font source line.
  const auto glyph = session_.CurrentGlyph();
  if (!HasFont() || glyph.empty()) return;
  const FontDocument& d = session_.document();
  // A proportional font's glyph carries its width.
  platform_.SetClipboard(
      EncodeGlyphClip(d.layout, glyph, d.Proportional() ? d.Width(session_.current()) : 0),
      WriteGlyphLine(glyph, LineKeyword(window.combo1Text), window.combo2Text, d.negative));
}

void Form1::cutClick() {
  if (!HasFont()) return;
  copyClick();
  ChangeGlyph(text::kStepCut, [](Change& t) {
    std::ranges::fill(t.CurrentGlyph(), std::uint8_t{0});
    return true;
  });
}

void Form1::pasteClick() {
  // A glyph of another cell or scan lands at the top left, cut to the cell.
  if (!HasFont()) return;
  const Platform::ClipboardContents clip = platform_.ReadClipboard();
  const FontDocument& d = session_.document();
  std::optional<GlyphClip> glyph;
  if (clip.glyph) glyph = DecodeGlyphClip(*clip.glyph);
  if (!glyph && clip.text) {
    if (auto bytes = ReadGlyphText(*clip.text, d.cb(), d.negative ? 0 : -1)) {
      glyph = GlyphClip{d.layout, std::move(*bytes)};
    }
  }
  if (!glyph) {
    Notify(text::kPasteNoGlyph, MsgIcon::None, text::kAppTitle);
    return;
  }
  // The clip's width goes with its pixels into a proportional font (a clip
  // without one advances by the cell it was drawn in).
  ChangeGlyph(text::kStepPaste, [&glyph, symbol = session_.current()](Change& t) {
    FontDocument& font = t.document();
    PlaceGlyph(*glyph, t.CurrentGlyph(), font.layout);
    if (font.Proportional()) {
      const auto width = glyph->width > 0 ? std::optional<int>(glyph->width) : std::nullopt;
      font.widths[static_cast<std::size_t>(symbol)] =
          static_cast<std::uint8_t>(WidthAfterPaste(width, glyph->layout.width, font.layout.width));
    }
    return true;
  });
}

// --- The whole font -------------------------------------------------------

void Form1::fontShiftClick(ShiftDirection dir) {
  if (!HasFont()) return;
  const FontDocument& d = session_.document();
  if (const auto blocker = FirstGlyphBlockingShift(d.glyphs, d.layout, dir)) {
    char code[8];
    std::snprintf(code, sizeof code, "%02Xh", kFirstCode + *blocker);
    std::string symbol = zg::SymbolText(codePage_, *blocker);
    symbol = symbol.empty() ? std::string() : "«" + symbol + "» ";
    std::string message = text::kFontShiftRefused;
    message.replace(message.find("%1 "), 3, symbol);
    message.replace(message.find("%2"), 2, code);
    Notify(message, MsgIcon::Warning, text::kAttention);
    return;
  }
  static constexpr const char* kNames[] = {text::kStepFontShiftUp, text::kStepFontShiftDown,
                                           text::kStepFontShiftLeft, text::kStepFontShiftRight};
  ChangeGlyph(kNames[static_cast<int>(dir)], [dir](Change& t) {
    FontDocument& font = t.document();
    ShiftFont(font.glyphs, font.layout, dir);
    ShiftWidths(font.widths, dir, font.layout.width);
    return true;
  });
}

// --- The keyboard ---------------------------------------------------------

void Form1::goToSymbol(int index) {
  if (!HasFont()) return;
  text1Click(std::clamp(index, 0, kSymbolCount - 1));
}

void Form1::moveSymbol(int delta) { goToSymbol(model.simb + delta); }

void Form1::typeCharacter(char32_t c) {
  if (const auto index = SymbolIndexOf(codePage_, c)) goToSymbol(*index);
}

}  // namespace zg
