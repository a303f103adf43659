#include "ui/form1.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <span>
#include <vector>

#include "document/font_io.h"
#include "fontfile/glyph_text.h"
#include "fontfile/table_source.h"
#include "glyphimport/glyph_renderer.h"
#include "model/codec.h"
#include "model/editing.h"
#include "ops/font_shift.h"
#include "ops/glyph_bytes.h"
#include "ops/glyph_clip.h"
#include "ops/ops.h"
#include "ops/transform.h"
#include "ui/file_notes.h"
#include "ui/font_import_form.h"
#include "ui/font_import_texts.h"
#include "ui/form2.h"
#include "ui/symbol_text.h"
#include "ui/table_import_form.h"
#include "ui/table_import_texts.h"
#include "ui/texts.h"

namespace zg {
namespace {

// Everything the window shows only while a font is open.
constexpr std::array<Ctl, 11> kFontControls{
    Ctl::Frame2,   Ctl::Command3, Ctl::Command4,  Ctl::Command5,  Ctl::Command6, Ctl::Command7,
    Ctl::Command8, Ctl::Command9, Ctl::Command10, Ctl::Command11, Ctl::Label19};

constexpr const char* kFolderSetting = "dialogs/folder";
constexpr const char* kCodePageSetting = "view/codePage";

std::string Fill(std::string text, const std::string& path, const std::string& why = {}) {
  if (const auto at = text.find("%1"); at != std::string::npos) text.replace(at, 2, path);
  if (const auto at = text.find("%2"); at != std::string::npos) text.replace(at, 2, why);
  return text;
}

// Why a file's values could not be read (any status but Completed and
// ReadFailure, which names the system's reason).
std::string ReadProblemText(const ReadResult& result) {
  // Every fault in the text is named with its place, as editors show it.
  const std::string at = result.line == 0 ? std::string()
                                          : Fill(text::kReadPlace, std::to_string(result.line),
                                                 std::to_string(result.column));
  switch (result.status) {
    case ReadStatus::SyntaxError:
      return at + text::kUnrecognisedSyntax;
    case ReadStatus::StoreFull:
      return at + text::kStoreFull;
    case ReadStatus::TooManyValues:
      return at + text::kTooManyValues;
    case ReadStatus::UnclosedBlockComment:
      return at + text::kUnclosedComment;
    case ReadStatus::NotANumber:
      return at + text::kNotANumber;
    case ReadStatus::ValueOutOfRange:
      return at + text::kValueOutOfRange;
    case ReadStatus::BinaryData:
      return at + text::kBinaryData;
    case ReadStatus::NoArray:
      return text::kNoArray;
    case ReadStatus::NoSuchArray:
      return text::kNoSuchArray;
    case ReadStatus::UnclosedArray:
      return at + text::kUnclosedArray;
    case ReadStatus::Completed:
    case ReadStatus::ReadFailure:
      break;
  }
  return result.failureText;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return {};
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

FileFault FaultOfErrno(int code) {
  switch (code) {
    case ENOENT:
    case ENOTDIR:
      return FileFault::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
      return FileFault::NoPermission;
    case EISDIR:
      return FileFault::IsFolder;
    case ENOSPC:
    case EDQUOT:
      return FileFault::DiskFull;
    default:
      return FileFault::Other;
  }
}

Form1::Form1(Platform& platform) : platform_(platform) {}

MsgAnswer Form1::Ask(const std::string& question) {
  return platform_.ShowMessage({question, MsgButtons::YesNo, MsgIcon::Warning, text::kAttention});
}

// The next import takes the parameters from a name such as Font08x08vp:
// writing a font source under one that says others needs the user's yes.
bool Form1::NameAgreed(const std::string& path) {
  const FontDocument d = Document();
  const auto named = NameContradiction(path, d);
  return !named || Ask(NameContradictionQuestion(path, *named, d)) == MsgAnswer::Yes;
}

void Form1::Notify(const std::string& message, MsgIcon icon, const char* title) {
  platform_.ShowMessage({message, MsgButtons::Ok, icon, title});
}

void Form1::NotifyFileError(const std::string& path, const FileError& error, bool writing) {
  const char* sentence = writing ? text::kCannotWrite : text::kCannotRead;
  switch (error.fault) {
    case FileFault::NotFound:
      sentence = writing ? text::kFolderNotFound : text::kFileNotFound;
      break;
    case FileFault::NoPermission:
      sentence = writing ? text::kNoWritePermission : text::kNoReadPermission;
      break;
    case FileFault::IsFolder:
      sentence = text::kIsFolder;
      break;
    case FileFault::DiskFull:
      sentence = text::kDiskFull;
      break;
    case FileFault::Other:
      break;
  }
  Notify(Fill(sentence, path, error.description), MsgIcon::None, text::kAppTitle);
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

std::unique_ptr<Form1::Saved> Form1::SaveAll() const {
  return std::make_unique<Saved>(Saved{model, window, tip, FileN});
}

void Form1::RestoreAll(const Saved& saved) {
  model = saved.model;
  window = saved.window;
  tip = saved.tip;
  FileN = saved.fileN;
}

// --- The edit history -----------------------------------------------------

HistoryView Form1::View() const {
  return {LayoutOf(model), model.pos, static_cast<std::int16_t>(window.check1Value), model.simb,
          HasFont()};
}

EditedMarks Form1::CurrentMarks() const {
  EditedMarks marks;
  for (int i = 0; i < kSymbolCount; ++i) marks[i] = model.symbols[i].bold;
  return marks;
}

void Form1::ShowMarks(const EditedMarks& marks) {
  for (int i = 0; i < kSymbolCount; ++i) {
    model.symbols[i].bold = marks[i];
    model.symbols[i].fontSize = marks[i] ? kEditedFontSize : kNormalFontSize;
  }
}

void Form1::ShowSavedState() { model.nosave = history_.IsSaved() ? 0 : 1; }

Form1::ChangeStart Form1::BeginChange() const {
  return {std::make_unique<GlyphStore>(model.glyphStore), View()};
}

void Form1::EndChange(const ChangeStart& start, const char* name, StepSaved saved) {
  history_.Record(name, *start.store, start.view, model.glyphStore, View(), CurrentMarks(), saved);
  ShowSavedState();
}

void Form1::EnterNoFont() {
  ResetSymbolBoxes(true);
  HideAllPixelBoxes();
  for (Ctl c : kFontControls) window.Hide(c);
  for (Ctl c : {Ctl::Check1, Ctl::Combo1, Ctl::Combo2}) window.Hide(c);
}

void Form1::EnterFont(int simb, bool keepBackup) {
  ResetSymbolBoxes(false);
  for (Ctl c : kFontControls) window.Show(c);
  for (Ctl c : {Ctl::Check1, Ctl::Combo1, Ctl::Combo2}) window.Show(c);
  window.label19Caption = StatusCaption(LayoutOf(model));
  HideAllPixelBoxes();
  ShowCell();
  PaintCell(model, LayoutOf(model));
  model.simb = static_cast<std::int16_t>(simb);
  model.oldsimb = model.simb;
  model.sb = static_cast<std::int16_t>(model.cb * model.simb);
  model.nb = model.sb;
  model.symbols[model.simb].backColor = kRed;
  RenderGlyph(model, model.sb, model.cb, LayoutOf(model));
  if (!keepBackup) {
    TakeBackup(model);
    return;
  }
  const auto glyph = CurrentGlyph(model);
  model.nosavesimb = std::equal(glyph.begin(), glyph.end(), model.glyphBackup.begin()) ? 0 : 1;
}

void Form1::ShowView(const HistoryView& v) {
  const bool sameGlyph =
      HasFont() && v.fontOpen && v.simb == model.simb && v.layout == LayoutOf(model);
  model.ncol = static_cast<std::int16_t>(v.layout.width);
  model.nstr = static_cast<std::int16_t>(v.layout.height);
  model.cb = static_cast<std::int16_t>(v.layout.BytesPerGlyph());
  model.vert = static_cast<std::int16_t>(v.layout.Vert());
  model.pos = v.pos;
  window.check1Value = v.check1Value;
  if (v.fontOpen) {
    EnterFont(v.simb, sameGlyph);
  } else {
    model.simb = v.simb;
    EnterNoFont();
  }
  ShowMarks(history_.Marks());
  ShowSavedState();
}

void Form1::undoClick() {
  // Take back the last change of the font.
  if (!history_.CanUndo()) return;
  ShowView(history_.Undo(model.glyphStore));
}

void Form1::redoClick() {
  // Make the change that was taken back again.
  if (!history_.CanRedo()) return;
  ShowView(history_.Redo(model.glyphStore));
}

FontDocument Form1::Document() const {
  if (!HasFont()) return {};
  return DocumentOf(model, window.check1Value == 1);
}

// --- Menus ----------------------------------------------------------------

MenuStates Form1::Menus() const {
  using C = MenuCommand;
  MenuStates states;
  for (const MenuData& menu : MenuBar()) {
    for (const MenuItemData& item : menu.items) At(states, item.command).text = item.text;
  }
  const auto button = [this](Ctl c) { return window.IsVisible(c); };
  const bool font = HasFont();
  At(states, C::Create).enabled = button(Ctl::Command1);
  At(states, C::Import).enabled = button(Ctl::Command2);
  At(states, C::ImportFromFont).enabled = font;
  At(states, C::ImportTable).enabled = button(Ctl::Command2);
  At(states, C::Save).enabled = button(Ctl::Command5) && font;
  At(states, C::Export).enabled = font;
  At(states, C::Exit).enabled = true;
  MenuItemState& undo = At(states, C::Undo);
  undo.enabled = history_.CanUndo();
  if (undo.enabled) undo.text = std::string(text::kMenuUndo) + ": " + history_.UndoName();
  MenuItemState& redo = At(states, C::Redo);
  redo.enabled = history_.CanRedo();
  if (redo.enabled) redo.text = std::string(text::kMenuRedo) + ": " + history_.RedoName();
  for (C c : {C::Cut, C::Copy, C::Paste, C::FlipHorizontal, C::FlipVertical, C::Invert,
              C::FontShiftUp, C::FontShiftDown, C::FontShiftLeft, C::FontShiftRight}) {
    At(states, c).enabled = font;
  }
  const bool square = font && model.ncol == model.nstr;
  At(states, C::RotateClockwise).enabled = square;
  At(states, C::RotateCounterClockwise).enabled = square;
  At(states, C::ShiftUp).enabled = button(Ctl::Command6) && font;
  At(states, C::ShiftDown).enabled = button(Ctl::Command7) && font;
  At(states, C::ShiftLeft).enabled = button(Ctl::Command8) && font;
  At(states, C::ShiftRight).enabled = button(Ctl::Command9) && font;
  At(states, C::Erase).enabled = button(Ctl::Command3) && font;
  At(states, C::Preview).enabled = true;
  for (std::size_t i = 0; i < kCodePages.size(); ++i) {
    MenuItemState& item = states[static_cast<std::size_t>(C::CodePage0) + i];
    item.enabled = true;
    item.checked = kCodePages[i] == codePage_;
  }
  return states;
}

void Form1::RunMenu(MenuCommand command) {
  using C = MenuCommand;
  if (!At(Menus(), command).enabled) return;
  const auto index = static_cast<std::size_t>(command);
  const auto firstPage = static_cast<std::size_t>(C::CodePage0);
  if (index >= firstPage && index < firstPage + kCodePages.size()) {
    setCodePage(kCodePages[index - firstPage]);
    return;
  }
  switch (command) {
    case C::Create:
      command1Click();
      break;
    case C::Import:
      command2Click();
      break;
    case C::ImportFromFont:
      importFromFontClick();
      break;
    case C::ImportTable:
      importTableClick();
      break;
    case C::Save:
      command5Click();
      break;
    case C::Undo:
      undoClick();
      break;
    case C::Redo:
      redoClick();
      break;
    case C::Cut:
      cutClick();
      break;
    case C::Copy:
      copyClick();
      break;
    case C::Paste:
      pasteClick();
      break;
    case C::FlipHorizontal:
      flipHorizontalClick();
      break;
    case C::FlipVertical:
      flipVerticalClick();
      break;
    case C::RotateClockwise:
      rotateClick(true);
      break;
    case C::RotateCounterClockwise:
      rotateClick(false);
      break;
    case C::Invert:
      invertClick();
      break;
    case C::ShiftUp:
      command6Click();
      break;
    case C::ShiftDown:
      command7Click();
      break;
    case C::ShiftLeft:
      command8Click();
      break;
    case C::ShiftRight:
      command9Click();
      break;
    case C::Erase:
      command3Click();
      break;
    case C::FontShiftUp:
      fontShiftClick(ShiftDirection::Up);
      break;
    case C::FontShiftDown:
      fontShiftClick(ShiftDirection::Down);
      break;
    case C::FontShiftLeft:
      fontShiftClick(ShiftDirection::Left);
      break;
    case C::FontShiftRight:
      fontShiftClick(ShiftDirection::Right);
      break;
    case C::Export:
      exportClick();
      break;
    // The window's own: closing and the preview window.
    case C::Exit:
    case C::Preview:
    default:
      break;
  }
}

void Form1::setCodePage(CodePage page) {
  // Only the symbol table's characters change; the font's bytes stay.
  codePage_ = page;
  platform_.WriteSetting(kCodePageSetting, std::string(CodePageName(page)));
}

// --- Dialog folders -------------------------------------------------------

std::string Form1::DialogFolder() {
  if (const auto remembered = platform_.ReadSetting(kFolderSetting)) {
    if (!remembered->empty() && platform_.IsFolder(*remembered)) return *remembered;
  }
  std::string own = platform_.ApplicationDirectory();
  if (platform_.CanWriteFolder(own)) return own;
  return platform_.DocumentsDirectory();
}

void Form1::RememberFolder(const std::string& path) {
  const std::string folder = FolderOf(path);
  if (!folder.empty()) platform_.WriteSetting(kFolderSetting, folder);
}

// --- Start and close ------------------------------------------------------

void Form1::Load() {
  layout = ComputeLayout(platform_.ScreenWidthPixels() * kTwipsPerPixel);
  window.visible.fill(true);
  model.nosave = 0;
  EnterNoFont();
  ApplyCheck1(0);
  if (const auto page = platform_.ReadSetting(kCodePageSetting)) {
    codePage_ = CodePageFromName(*page).value_or(kDefaultCodePage);
  }
}

bool Form1::QueryUnload(CloseReason reason) {
  if (reason == CloseReason::Program || model.nosave != 1) return false;
  return Ask(text::kUnsavedOnClose) == MsgAnswer::No;
}

// --- Commands -------------------------------------------------------------

void Form1::command1Click() {
  // Create a new, empty font of the size the user picks.
  if (model.nosave == 1 && Ask(text::kFontDataLost) == MsgAnswer::No) return;
  const auto saved = SaveAll();
  const ChangeStart start = BeginChange();
  // While the dialog is open the window shows that the old font is going.
  ResetSymbolBoxes(true);
  HideAllPixelBoxes();
  window.Hide(Ctl::Command3);
  window.Hide(Ctl::Command4);
  window.Hide(Ctl::Label19);
  tip = "new";
  Form2 dialog(model, window, tip, platform_);
  platform_.ShowForm2Modal(dialog);
  if (tip == "end") {
    RestoreAll(*saved);
    return;
  }
  ClearFont(model);
  EnterFont(0, false);
  EndChange(start, text::kStepCreate, StepSaved::AsBefore);
  // A new font carries no marks of the old one.
}

void Form1::command2Click() {
  // Import a font source file, replacing the font being edited.
  if (model.nosave == 1 && Ask(text::kFontDataLost) == MsgAnswer::No) return;
  const auto saved = SaveAll();
  const ChangeStart start = BeginChange();

  ResetSymbolBoxes(true);
  HideAllPixelBoxes();
  window.Hide(Ctl::Command3);
  window.Hide(Ctl::Command4);

  const auto path =
      platform_.OpenFileDialog({DialogFolder(), text::kOpenFilter, text::kOpenTitle, true});
  if (!path) {
    RestoreAll(*saved);
    return;
  }
  // A C header zgedit wrote says its whole layout in its macros: no questions.
  const std::optional<CHeaderParams> header = HeaderParamsOf(*path);
  // Tables of other programs carry no parameters: the table dialog finds them.
  if (!header && IsTableSourcePath(*path) && !ParamsFromName(*path)) {
    RestoreAll(*saved);
    ImportTable(*path);
    return;
  }
  FileN = *path;
  if (header) {
    model.ncol = static_cast<std::int16_t>(header->layout.width);
    model.nstr = static_cast<std::int16_t>(header->layout.height);
    model.vert = static_cast<std::int16_t>(header->layout.Vert());
    ApplyCheck1(header->negative ? 1 : 0);
  } else if (const auto named = ParamsFromName(FileN)) {
    model.ncol = named->ncol;
    model.nstr = named->nstr;
    model.vert = named->vert;
    ApplyCheck1(named->pos == 0 ? 1 : 0);
  } else {
    tip = "load";
    Form2 dialog(model, window, tip, platform_);
    platform_.ShowForm2Modal(dialog);
    if (tip == "end") {
      RestoreAll(*saved);
      return;
    }
    ApplyCheck1(window.check1Value);
  }

  const auto fail = [&](const std::string& message) {
    RestoreAll(*saved);
    Notify(message, MsgIcon::None, text::kAppTitle);
  };
  if (platform_.IsFolder(FileN)) {
    const std::string file = FileN;
    RestoreAll(*saved);
    NotifyFileError(file, {"", FileFault::IsFolder}, false);
    return;
  }
  FileError openError;
  std::unique_ptr<ByteSource> source = platform_.OpenForReading(FileN, openError);
  if (!source) {
    const std::string file = FileN;
    RestoreAll(*saved);
    NotifyFileError(file, openError, false);
    return;
  }

  model.cb = static_cast<std::int16_t>(LayoutOf(model).BytesPerGlyph());
  model.sb = 0;
  model.nb = 0;
  LayoutGrid(model, LayoutOf(model));

  // Read into a scratch copy: the font being edited changes only once the
  // whole file has been read. Glyphs past the file's end keep their bytes.
  auto scratch = std::make_unique<GlyphStore>(model.glyphStore);
  ReadResult result;
  std::size_t valuesBelow = 0;  // of a header's glyphs below code 20h
  if (header) {
    TableLayout table = TableLayout::Plain(header->layout, header->firstCode);
    table.negative = header->negative;
    const LoadedTable loaded = LoadTable(*source, FileN, table);
    result = loaded.result;
    valuesBelow = static_cast<std::size_t>(kFirstCode - header->firstCode) *
                  static_cast<std::size_t>(header->layout.BytesPerGlyph());
    const auto& glyphs = loaded.document.glyphs;
    std::copy_n(glyphs.begin(), std::min(glyphs.size(), scratch->size()), scratch->begin());
  } else {
    result = ReadFontFile(*source, FileN, model.pos == 0, *scratch);
  }
  source.reset();

  if (result.status == ReadStatus::ReadFailure) {
    const std::string file = FileN;
    RestoreAll(*saved);
    NotifyFileError(file, {result.failureText, FileFault::Other}, false);
    return;
  }
  if (result.status != ReadStatus::Completed) {
    fail(ReadProblemText(result));
    return;
  }

  const std::size_t stored = result.valuesStored;
  const ReadExtent extent = ExtentOfRead(stored > valuesBelow ? stored - valuesBelow : 0, model.cb);
  if (extent.Empty()) {
    fail(Fill(text::kNoGlyphValues, FileN));
    return;
  }
  model.glyphStore = *scratch;
  EnterFont(0, false);
  EndChange(start, text::kStepImport, StepSaved::Saved);
  RememberFolder(FileN);
  if (const std::string note = ReadExtentNote(extent); !note.empty()) {
    Notify(note, MsgIcon::Information, text::kInformation);
  }
}

std::optional<CHeaderParams> Form1::HeaderParamsOf(const std::string& path) {
  if (!IsCSourcePath(path) || platform_.IsFolder(path)) return std::nullopt;
  FileError ignored;  // the import's own opening reports what fails
  const std::unique_ptr<ByteSource> source = platform_.OpenForReading(path, ignored);
  if (!source) return std::nullopt;
  // Any cell the macros describe is one the editor holds (up to 24 x 24).
  return ReadCHeaderParams(*source);
}

void Form1::command3Click() {
  // Erase the cell of the glyph being edited.
  if (Ask(text::kEraseCell) == MsgAnswer::No) return;
  Change(text::kStepErase, [this] { EraseGlyph(model); });
}

void Form1::command4Click() {
  // Clear every glyph of the font.
  if (model.nosave == 1 && Ask(text::kFontDataLost) == MsgAnswer::No) return;
  Change(text::kStepClear, [this] { ClearWholeFont(model); });
}

void Form1::command5Click() {
  // Save the font as a font source file.
  if (!HasFont()) return;  // a font without a cell has nothing to save
  const auto path = platform_.SaveFileDialog(
      {DialogFolder(), text::kSaveFilter,
       DefaultFontFileName(LayoutOf(model), window.check1Value != 0), text::kSaveTitle, true});
  if (!path) return;
  if (!NameAgreed(*path)) return;
  const std::string contents = FormatFontDocument(
      Document(), {OutputFormat::FontSource, window.combo1Text, window.combo2Text});
  if (const auto error = platform_.ReplaceFile(*path, contents)) {
    NotifyFileError(*path, *error, true);
    return;
  }
  history_.MarkSaved();
  ShowSavedState();
  for (auto& box : model.symbols) {
    box.fontSize = kNormalFontSize;
    box.bold = false;
    box.backColor = kWhite;
  }
  model.symbols[model.simb].backColor = kRed;
  RememberFolder(*path);
}

// Move the glyph one pixel; refused silently when pixels would leave the cell.
void Form1::command6Click() {
  Change(text::kStepShiftUp, [this] { ShiftGlyph(model, ShiftDirection::Up); });
}
void Form1::command7Click() {
  Change(text::kStepShiftDown, [this] { ShiftGlyph(model, ShiftDirection::Down); });
}
void Form1::command8Click() {
  Change(text::kStepShiftLeft, [this] { ShiftGlyph(model, ShiftDirection::Left); });
}
void Form1::command9Click() {
  Change(text::kStepShiftRight, [this] { ShiftGlyph(model, ShiftDirection::Right); });
}

void Form1::command10Click() {
  // Convert the whole font between vertical and horizontal scan.
  model.memsimb = model.simb;
  if (!CanChangeScan(model)) {
    Notify(text::kScanRefused, MsgIcon::Warning, text::kAttention);
    return;
  }
  Change(text::kStepScan, [this] {
    ChangeScan(model);
    window.label19Caption = StatusCaption(LayoutOf(model));
  });
  Notify(ScanChangeNotice(model.vert), MsgIcon::Information, text::kInformation);
}

void Form1::command11Click() {
  // Give the glyph back the bytes it had when its symbol was selected.
  if (!CanRevert(model)) return;
  if (Ask(text::kRevertGlyph) == MsgAnswer::No) return;
  Change(text::kStepRevert, [this] { RevertGlyph(model); });
}

void Form1::text1Click(int index) {
  // Make the clicked symbol the one being edited.
  SelectSymbol(model, index);
}

void Form1::picture1Click(int index) {
  // Switch one pixel of the glyph on or off.
  Change(text::kStepPixel, [this, index] { TogglePixel(model, index); });
}

// --- Drawing --------------------------------------------------------------

void Form1::strokeBegin(int box, bool rightButton) {
  // Paint along the pointer's way with the state the first box got.
  strokeEnd();
  strokeStart_.emplace(BeginChange());
  stroke_.emplace(model, box, rightButton);
  strokeMoved_ = false;
  strokeRight_ = rightButton;
}

void Form1::strokeMove(int box) {
  if (!stroke_) return;
  stroke_->moveTo(model, box);
  strokeMoved_ = true;
}

void Form1::strokeEnd() {
  if (!stroke_ || !strokeStart_) return;
  const char* name = text::kStepStroke;
  if (strokeRight_) {
    name = text::kStepStrokeErase;
  } else if (!strokeMoved_) {
    name = text::kStepPixel;  // a click
  }
  EndChange(*strokeStart_, name);
  stroke_.reset();
  strokeStart_.reset();
}

// --- The current glyph as a whole -----------------------------------------

void Form1::ShowGlyphChanged() {
  MarkEdited(model);
  model.nosavesimb = 1;
  RenderGlyph(model, model.sb, model.cb, LayoutOf(model));
}

template <class F>
void Form1::ChangeGlyph(const char* name, F&& change) {
  if (!HasFont() || CurrentGlyph(model).empty()) return;
  const ChangeStart start = BeginChange();
  const GlyphStore& before = *start.store;
  change(CurrentGlyph(model));
  if (before != model.glyphStore) ShowGlyphChanged();
  EndChange(start, name);
}

void Form1::flipHorizontalClick() {
  ChangeGlyph(text::kStepFlipHorizontal,
              [this](std::span<std::uint8_t> g) { FlipHorizontal(g, LayoutOf(model)); });
}

void Form1::flipVerticalClick() {
  ChangeGlyph(text::kStepFlipVertical,
              [this](std::span<std::uint8_t> g) { FlipVertical(g, LayoutOf(model)); });
}

void Form1::rotateClick(bool clockwise) {
  ChangeGlyph(clockwise ? text::kStepRotateClockwise : text::kStepRotateCounterClockwise,
              [this, clockwise](std::span<std::uint8_t> g) {
                if (clockwise) {
                  RotateClockwise(g, LayoutOf(model));
                } else {
                  RotateCounterClockwise(g, LayoutOf(model));
                }
              });
}

void Form1::invertClick() {
  ChangeGlyph(text::kStepInvert,
              [this](std::span<std::uint8_t> g) { InvertGlyph(g, LayoutOf(model)); });
}

// --- The clipboard --------------------------------------------------------

void Form1::copyClick() {
  // The glyph twice: in the editor's own form and as a font source line.
  const auto glyph = CurrentGlyph(model);
  if (!HasFont() || glyph.empty()) return;
  platform_.SetClipboard(EncodeGlyphClip(LayoutOf(model), glyph),
                         WriteGlyphLine(glyph, LineKeyword(window.combo1Text), window.combo2Text,
                                        window.check1Value == 1));
}

void Form1::cutClick() {
  if (!HasFont()) return;
  copyClick();
  ChangeGlyph(text::kStepCut, [](std::span<std::uint8_t> g) { std::fill(g.begin(), g.end(), 0); });
}

void Form1::pasteClick() {
  // A glyph of another cell or scan lands at the top left, cut to the cell.
  if (!HasFont()) return;
  const Platform::ClipboardContents clip = platform_.ReadClipboard();
  std::optional<GlyphClip> glyph;
  if (clip.glyph) glyph = DecodeGlyphClip(*clip.glyph);
  if (!glyph && clip.text) {
    if (auto bytes = ReadGlyphText(*clip.text, model.cb, model.pos)) {
      glyph = GlyphClip{LayoutOf(model), std::move(*bytes)};
    }
  }
  if (!glyph) {
    Notify(text::kPasteNoGlyph, MsgIcon::None, text::kAppTitle);
    return;
  }
  ChangeGlyph(text::kStepPaste, [this, &glyph](std::span<std::uint8_t> g) {
    PlaceGlyph(*glyph, g, LayoutOf(model));
  });
}

// --- The whole font -------------------------------------------------------

void Form1::MarkChangedGlyphs(const GlyphStore& before) {
  const int cb = model.cb;
  for (int i = 0; i < kSymbolCount && cb > 0 && (i + 1) * cb <= kStoreSize; ++i) {
    const auto first = before.begin() + i * cb;
    if (!std::equal(first, first + cb, model.glyphStore.begin() + i * cb)) {
      model.symbols[i].fontSize = kEditedFontSize;
      model.symbols[i].bold = true;
    }
  }
  RenderGlyph(model, model.sb, model.cb, LayoutOf(model));
  const auto glyph = CurrentGlyph(model);
  model.nosavesimb = std::equal(glyph.begin(), glyph.end(), model.glyphBackup.begin()) ? 0 : 1;
}

void Form1::fontShiftClick(ShiftDirection dir) {
  if (!HasFont()) return;
  const std::size_t bytes = static_cast<std::size_t>(model.cb) * kSymbolCount;
  const auto glyphs = std::span<std::uint8_t>(model.glyphStore).first(bytes);
  if (const auto blocker = FirstGlyphBlockingShift(glyphs, LayoutOf(model), dir)) {
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
  const ChangeStart start = BeginChange();
  ShiftFont(glyphs, LayoutOf(model), dir);
  MarkChangedGlyphs(*start.store);
  EndChange(start, kNames[static_cast<int>(dir)]);
}

void Form1::importFromFontClick() {
  // Fill glyphs from an installed font or a font file, in one step.
  if (!HasFont()) return;
  const std::size_t bytes = static_cast<std::size_t>(model.cb) * kSymbolCount;
  const auto glyphs = std::span<std::uint8_t>(model.glyphStore).first(bytes);
  const auto choice = platform_.ShowFontImportDialog(LayoutOf(model), codePage_, glyphs);
  if (!choice) return;
  const GlyphRenderer::Result opened = GlyphRenderer::Open(ImportRequest(*choice, LayoutOf(model)));
  if (!opened) {
    Notify(ImportErrorText(opened.failure, choice->pixelSize, choice->faceIndex), MsgIcon::None,
           text::kAppTitle);
    return;
  }
  const ChangeStart start = BeginChange();
  const FillSummary summary =
      FillGlyphs(*opened.renderer, CodePageCharacters(codePage_), choice->range, glyphs);
  MarkChangedGlyphs(*start.store);
  EndChange(start, text::kStepFontImport);
  Notify(ImportSummaryText(summary), MsgIcon::Information, text::kInformation);
}

void Form1::importTableClick() {
  // Import a font table of a C, assembler or BASIC source, its layout found or chosen.
  if (model.nosave == 1 && Ask(text::kFontDataLost) == MsgAnswer::No) return;
  const auto path = platform_.OpenFileDialog(
      {DialogFolder(), text::kTableOpenFilter, text::kTableOpenTitle, true});
  if (path) ImportTable(*path);
}

std::optional<std::vector<TableArray>> Form1::ReadTables(const std::string& path) {
  const auto open = [&]() -> std::unique_ptr<ByteSource> {
    FileError error;
    auto source = platform_.OpenForReading(path, error);
    if (!source) NotifyFileError(path, error, false);
    return source;
  };
  const SourceKind kind = SourceKindOfPath(path);
  std::vector<std::string> names{""};  // the file's one table, or a C file's first array
  if (kind == SourceKind::CSource) {
    const auto source = open();
    if (!source) return std::nullopt;
    const CArrayList list = ListCArrays(*source);
    if (!list.arrays.empty()) names.clear();
    for (const CArrayInfo& a : list.arrays) names.push_back(a.name);
  }
  std::vector<TableArray> arrays;
  for (const std::string& name : names) {
    const auto source = open();
    if (!source) return std::nullopt;
    TableValues table = ReadTableValues(*source, kind, name);
    if (table.result.status == ReadStatus::ReadFailure) {
      NotifyFileError(path, {table.result.failureText, FileFault::Other}, false);
      return std::nullopt;
    }
    if (table.result.status != ReadStatus::Completed) {
      if (names.size() > 1) continue;  // the other arrays may hold the font
      Notify(ReadProblemText(table.result), MsgIcon::None, text::kAppTitle);
      return std::nullopt;
    }
    if (!table.values.empty()) arrays.push_back({name, std::move(table.values)});
  }
  if (arrays.empty()) {
    Notify(text::kTableNoValues, MsgIcon::None, text::kAppTitle);
    return std::nullopt;
  }
  return arrays;
}

void Form1::ImportTable(const std::string& path) {
  if (platform_.IsFolder(path)) {
    NotifyFileError(path, {"", FileFault::IsFolder}, false);
    return;
  }
  auto arrays = ReadTables(path);
  if (!arrays) return;
  const TableImportRequest request = MakeTableRequest(std::move(*arrays));
  const auto choice = platform_.ShowTableImportDialog(request);
  if (!choice || choice->array >= request.arrays.size()) return;
  const auto editor = EditorLayoutFor(choice->table.layout);
  if (!editor) {
    Notify(text::kFontImportBadCell, MsgIcon::None, text::kAppTitle);
    return;
  }
  const TableRead read = DecodeTable(request.arrays[choice->array].values, choice->table, *editor);

  const ChangeStart start = BeginChange();
  model.ncol = static_cast<std::int16_t>(editor->width);
  model.nstr = static_cast<std::int16_t>(editor->height);
  model.vert = static_cast<std::int16_t>(editor->Vert());
  model.cb = static_cast<std::int16_t>(editor->BytesPerGlyph());
  LayoutGrid(model, *editor);
  ApplyCheck1(choice->table.negative ? 1 : 0);
  model.glyphStore.fill(0);
  std::copy(read.glyphs.begin(), read.glyphs.end(), model.glyphStore.begin());
  FileN = path;
  EnterFont(0, false);
  EndChange(start, text::kStepTableImport);
  RememberFolder(path);
  if (const std::string note = TableReadText(read); !note.empty()) {
    Notify(note, MsgIcon::Information, text::kInformation);
  }
}

void Form1::exportClick() {
  // Write the font in a form firmware tools take; the font source stays as saved.
  if (!HasFont()) return;
  const auto choice = platform_.ShowExportDialog(export_);
  if (!choice) return;
  export_ = *choice;
  const char* filter = text::kExportFilterC;
  std::string extension = ".h";
  switch (choice->format) {
    case OutputFormat::Bdf:
      filter = text::kExportFilterBdf;
      extension = ".bdf";
      break;
    case OutputFormat::Gfx:
      filter = text::kExportFilterGfx;
      break;
    case OutputFormat::Lvgl:
      filter = text::kExportFilterLvgl;
      extension = ".c";
      break;
    case OutputFormat::FontSource:
      filter = text::kExportFilterSource;
      extension = ".fnt";
      break;
    case OutputFormat::CHeader:
      break;
  }
  OutputOptions table;
  ApplyTableChoice(*choice, model.vert == 1 ? Scan::Vertical : Scan::Horizontal, table);
  const FontDocument font = Document();
  // A font source in another layout gets no name of the form Font08x08vp:
  // the import would read it in the editor's own layout.
  const bool ownLayout = OutputTableForm(font, table) == TableForm{LayoutOf(font), kFirstCode};
  const std::string proposed =
      (choice->format == OutputFormat::FontSource && !ownLayout
           ? "table" + std::to_string(model.ncol) + "x" + std::to_string(model.nstr)
           : DefaultFontFileName(LayoutOf(model), window.check1Value != 0)) +
      extension;
  const auto path =
      platform_.SaveFileDialog({DialogFolder(), filter, proposed, text::kExportTitle, true});
  if (!path) return;
  if (choice->format == OutputFormat::FontSource && !NameAgreed(*path)) return;
  OutputOptions options{choice->format, window.combo1Text, window.combo2Text};
  const auto slash = path->find_last_of('/');
  options.name = path->substr(slash == std::string::npos ? 0 : slash + 1);
  if (const auto dot = options.name.find('.'); dot != std::string::npos) options.name.resize(dot);
  options.characters = CodePageCharacters(codePage_);
  options.flash = choice->flash;
  options.pictures = choice->pictures;
  options.rawEncoding = choice->rawEncoding;
  ApplyTableChoice(*choice, model.vert == 1 ? Scan::Vertical : Scan::Horizontal, options);
  options.singleDefinition = choice->singleDefinition;
  std::vector<int> unwritten;
  const std::string contents = FormatFontDocument(font, options, &unwritten);
  if (const auto error = platform_.ReplaceFile(*path, contents)) {
    NotifyFileError(*path, *error, true);
    return;
  }
  RememberFolder(*path);
  if (const std::string note = UnwrittenGlyphsNote(unwritten, choice->format); !note.empty()) {
    Notify(note, MsgIcon::Information, text::kInformation);
  }
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

void Form1::ApplyCheck1(int value) {
  window.check1Value = value;
  SetNegative(model, window.check1Value);
}

void Form1::setCheck1(int value) {
  // Mark the font negative or positive.
  if (!HasFont()) {
    ApplyCheck1(value);  // no font yet: nothing to undo
    return;
  }
  Change(text::kStepNegative, [this, value] { ApplyCheck1(value); });
}

}  // namespace zg
