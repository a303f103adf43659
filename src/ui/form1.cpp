#include "ui/form1.h"

#include <span>

#include "fontfile/fontfile.h"
#include "model/codec.h"
#include "model/editing.h"
#include "ops/ops.h"
#include "ui/form2.h"
#include "ui/texts.h"

namespace zg {
namespace {

constexpr std::array<Ctl, 6> kEditingButtons{Ctl::Command6, Ctl::Command7, Ctl::Command8,
                                             Ctl::Command9, Ctl::Command10, Ctl::Command11};

// cb for a cell; other widths keep the previous value.
std::int16_t BytesPerGlyph(int ncol, int nstr, std::int16_t previous) {
  switch (ncol) {
    case 6: return 6;
    case 8: return 8;
    case 12: return 24;
    case 16: return nstr == 16 ? 32 : 48;
    case 24: return nstr == 16 ? 48 : 72;
    default: return previous;
  }
}

// Puts back what an import that did not complete must not change: the font
// parameters, the store, the flags, the backup and the negative-font box.
void RestoreFontData(FontModel& m, MainWindowState& w, const FontModel& saved, int savedCheck) {
  m.ncol = saved.ncol;
  m.nstr = saved.nstr;
  m.cb = saved.cb;
  m.vert = saved.vert;
  m.pos = saved.pos;
  m.simb = saved.simb;
  m.oldsimb = saved.oldsimb;
  m.memsimb = saved.memsimb;
  m.sb = saved.sb;
  m.nb = saved.nb;
  m.nosave = saved.nosave;
  m.nosavesimb = saved.nosavesimb;
  m.glyphStore = saved.glyphStore;
  m.glyphBackup = saved.glyphBackup;
  w.check1Value = savedCheck;
}

}  // namespace

Form1::Form1(Platform& platform) : platform_(platform) {}

MsgAnswer Form1::Ask(const char* question) {
  return platform_.ShowMessage({question, MsgButtons::YesNo, MsgIcon::Warning, text::kAttention});
}

void Form1::Notify(const std::string& message, MsgIcon icon, const char* title) {
  platform_.ShowMessage({message, MsgButtons::Ok, icon, title});
}

void Form1::ResetSymbolBoxes(bool lock) {
  for (auto& box : model.symbols) {
    box.fontSize = kNormalFontSize;
    box.bold = false;
    box.backColor = kWhite;
    box.locked = lock;
  }
}

void Form1::HideAllPixelBoxes() {
  model.pixelBoxVisible.fill(false);
  std::fill_n(model.pixelOn.begin(), kGridBoxes, std::int16_t{0});
}

void Form1::ShowCell() {
  for (int r = 0; r < kGridSide; ++r) {
    for (int c = 0; c < kGridSide; ++c) {
      model.pixelBoxVisible[r * kGridSide + c] = r < model.nstr && c < model.ncol;
    }
  }
}

void Form1::Load() {
  layout = ComputeLayout(platform_.ScreenWidthPixels() * kTwipsPerPixel);
  window.visible.fill(true);
  model.nosave = 0;
  ResetSymbolBoxes(true);
  HideAllPixelBoxes();
  for (Ctl c : {Ctl::Frame2, Ctl::Command3, Ctl::Command4, Ctl::Command5, Ctl::Command6,
                Ctl::Command7, Ctl::Command8, Ctl::Command9, Ctl::Command10, Ctl::Command11,
                Ctl::Label19}) {
    window.Hide(c);
  }
  setCheck1(0);
  window.Hide(Ctl::Check1);
  window.Hide(Ctl::Combo1);
  window.Hide(Ctl::Combo2);
}

bool Form1::QueryUnload(CloseReason reason) {
  if (reason == CloseReason::Program || model.nosave != 1) return false;
  return Ask(text::kUnsavedOnClose) == MsgAnswer::No;
}

void Form1::command1Click() {
  // Create a new, empty font of the size the user picks.
  if (model.nosave == 1 && Ask(text::kFontDataLost) == MsgAnswer::No) return;
  ResetSymbolBoxes(true);
  HideAllPixelBoxes();
  window.Hide(Ctl::Command3);
  window.Hide(Ctl::Command4);
  window.Hide(Ctl::Label19);
  tip = "new";
  Form2 dialog(model, window, tip, platform_);
  platform_.ShowForm2Modal(dialog);
  if (tip == "end") return;
  for (auto& box : model.symbols) box.locked = false;
  ClearFont(model);
  ShowCell();
  LayoutGrid(model, model.ncol, model.nstr);
  window.label19Caption = StatusCaption(model.ncol, model.nstr, model.vert);
  window.Show(Ctl::Label19);
  for (Ctl c : kEditingButtons) window.Show(c);
  model.symbols[0].backColor = kRed;
  TakeBackup(model);
}

void Form1::command2Click() {
  // Import a font source file, replacing the font being edited.
  if (model.nosave == 1 && Ask(text::kFontDataLost) == MsgAnswer::No) return;
  const FontModel saved = model;
  const int savedCheck = window.check1Value;

  ResetSymbolBoxes(true);
  HideAllPixelBoxes();
  window.Hide(Ctl::Command3);
  window.Hide(Ctl::Command4);

  const auto path = platform_.OpenFileDialog(
      {platform_.ApplicationDirectory(), text::kOpenFilter, text::kOpenTitle, true});
  if (!path) return;
  FileN = *path;

  if (const auto named = ParseFontFileName(FileN)) {
    model.ncol = static_cast<std::int16_t>(named->ncol);
    model.nstr = static_cast<std::int16_t>(named->nstr);
    model.vert = static_cast<std::int16_t>(named->vert);
    setCheck1(named->pos == 0 ? 1 : 0);
  } else {
    tip = "load";
    Form2 dialog(model, window, tip, platform_);
    platform_.ShowForm2Modal(dialog);
    if (tip == "end") return;
  }

  FileError openError;
  std::unique_ptr<ByteSource> source = platform_.OpenForReading(FileN, openError);
  if (!source) {
    RestoreFontData(model, window, saved, savedCheck);
    Notify(openError.description, MsgIcon::None, text::kAppTitle);
    return;
  }

  model.cb = BytesPerGlyph(model.ncol, model.nstr, model.cb);
  ShowCell();
  model.sb = 0;
  model.nb = 0;
  LayoutGrid(model, model.ncol, model.nstr);

  // Read into a scratch copy: the font being edited changes only once the
  // whole file has been read.
  auto scratch = std::make_unique<GlyphStore>(model.glyphStore);
  const ReadResult result = ReadFontSource(*source, model.pos, std::span<std::uint8_t>(*scratch));
  source.reset();

  switch (result.status) {
    case ReadStatus::Completed:
      break;
    case ReadStatus::SyntaxError:
    // The C array reader's failures; a font source never gives them.
    case ReadStatus::NotANumber:
    case ReadStatus::ValueOutOfRange:
    case ReadStatus::NoArray:
    case ReadStatus::UnclosedArray:
      RestoreFontData(model, window, saved, savedCheck);
      Notify(text::kUnrecognisedSyntax, MsgIcon::None, text::kAppTitle);
      tip = "end";
      HideAllPixelBoxes();
      window.Hide(Ctl::Label19);
      for (Ctl c : kEditingButtons) window.Hide(c);
      return;
    case ReadStatus::StoreFull:
      RestoreFontData(model, window, saved, savedCheck);
      Notify(text::kStoreFull, MsgIcon::None, text::kAppTitle);
      return;
    case ReadStatus::UnclosedBlockComment:
      RestoreFontData(model, window, saved, savedCheck);
      Notify(text::kUnclosedComment, MsgIcon::None, text::kAppTitle);
      return;
    case ReadStatus::ReadFailure:
      RestoreFontData(model, window, saved, savedCheck);
      Notify(result.failureText, MsgIcon::None, text::kAppTitle);
      return;
  }

  model.glyphStore = *scratch;
  for (Ctl c : {Ctl::Command3, Ctl::Command4, Ctl::Command5, Ctl::Frame2}) window.Show(c);
  window.label19Caption = StatusCaption(model.ncol, model.nstr, model.vert);
  window.Show(Ctl::Label19);
  for (Ctl c : kEditingButtons) window.Show(c);
  for (Ctl c : {Ctl::Check1, Ctl::Combo1, Ctl::Combo2}) window.Show(c);
  for (auto& box : model.symbols) box.locked = false;
  model.oldsimb = 0;
  model.simb = 0;
  model.nosave = 0;
  model.symbols[0].backColor = kRed;
  RenderGlyph(model, model.sb, model.cb, model.ncol, model.vert);
  TakeBackup(model);
}

void Form1::command3Click() {
  // Erase the cell of the glyph being edited.
  if (Ask(text::kEraseCell) == MsgAnswer::No) return;
  EraseGlyph(model);
}

void Form1::command4Click() {
  // Clear every glyph of the font.
  if (model.nosave == 1 && Ask(text::kFontDataLost) == MsgAnswer::No) return;
  ClearWholeFont(model);
}

void Form1::command5Click() {
  // Save the font as a font source file.
  const bool negative = window.check1Value == 1;
  const auto path = platform_.SaveFileDialog(
      {platform_.ApplicationDirectory(), text::kSaveFilter,
       DefaultFontFileName(model.ncol, model.nstr, model.vert, window.check1Value != 0),
       text::kSaveTitle, true});
  if (!path) return;
  const std::string contents =
      WriteFontSource(std::span<const std::uint8_t>(model.glyphStore), model.cb,
                      LineKeyword(window.combo1Text), window.combo2Text, negative);
  if (const auto error = platform_.ReplaceFile(*path, contents)) {
    Notify(error->description, MsgIcon::None, text::kAppTitle);
    return;
  }
  model.nosave = 0;
  for (auto& box : model.symbols) {
    box.fontSize = kNormalFontSize;
    box.bold = false;
    box.backColor = kWhite;
  }
  model.symbols[model.simb].backColor = kRed;
}

// Move the glyph one pixel; refused silently when pixels would leave the cell.
void Form1::command6Click() { ShiftGlyph(model, ShiftDirection::Up); }
void Form1::command7Click() { ShiftGlyph(model, ShiftDirection::Down); }
void Form1::command8Click() { ShiftGlyph(model, ShiftDirection::Left); }
void Form1::command9Click() { ShiftGlyph(model, ShiftDirection::Right); }

void Form1::command10Click() {
  // Convert the whole font between vertical and horizontal scan.
  model.memsimb = model.simb;
  if (!CanChangeScan(model)) {
    Notify(text::kScanRefused, MsgIcon::Warning, text::kAttention);
    return;
  }
  ChangeScan(model);
  window.label19Caption = StatusCaption(model.ncol, model.nstr, model.vert);
  Notify(ScanChangeNotice(model.vert), MsgIcon::Information, text::kInformation);
}

void Form1::command11Click() {
  // Give the glyph back the bytes it had when its symbol was selected.
  if (!CanRevert(model)) return;
  if (Ask(text::kRevertGlyph) == MsgAnswer::No) return;
  RevertGlyph(model);
}

void Form1::text1Click(int index) {
  // Make the clicked symbol the one being edited.
  SelectSymbol(model, index);
}

void Form1::picture1Click(int index) {
  // Switch one pixel of the glyph on or off.
  TogglePixel(model, index);
}

void Form1::setCheck1(int value) {
  window.check1Value = value;
  check1Click();
}

void Form1::check1Click() {
  // Mark the font negative or positive.
  SetNegative(model, window.check1Value);
}

}  // namespace zg
