#include "ui/file_commands.h"

#include <algorithm>
#include <cerrno>
#include <vector>

#include "document/font_io.h"
#include "document/gfx_load.h"
#include "fontfile/table_source.h"
#include "glyphimport/glyph_renderer.h"
#include "ui/file_notes.h"
#include "ui/font_import_form.h"
#include "ui/font_import_texts.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/table_import_form.h"
#include "ui/table_import_texts.h"
#include "ui/texts.h"

namespace zg {
namespace {

using Change = EditorSession::Transaction;

constexpr const char* kFolderSetting = "dialogs/folder";

std::string Fill(std::string text, const std::string& first, const std::string& second = {}) {
  if (const auto at = text.find("%1"); at != std::string::npos) text.replace(at, 2, first);
  if (const auto at = text.find("%2"); at != std::string::npos) text.replace(at, 2, second);
  return text;
}

std::string Cell(int width, int height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

std::string Hex(int code) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return {kDigits[(code >> 4) & 15], kDigits[code & 15], 'h'};
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return {};
  return slash == 0 ? "/" : path.substr(0, slash);
}

// What the file commands need of the window: its platform, the session and
// the talk with the user.
struct Talk {
  Platform& platform;

  void Notify(const std::string& message, MsgIcon icon = MsgIcon::None,
              const char* title = text::kAppTitle) {
    platform.ShowMessage({message, MsgButtons::Ok, icon, title});
  }
  bool Agreed(const std::string& question) {
    return platform.ShowMessage(
               {question, MsgButtons::YesNo, MsgIcon::Warning, text::kAttention}) == MsgAnswer::Yes;
  }
  void FileFailed(const std::string& path, const FileError& error, bool writing) {
    Notify(FileErrorText(path, error, writing));
  }
  // The folder the file dialogs open in: the one last used, else the
  // program's own when it may be written, else the documents.
  std::string Folder() {
    if (const auto remembered = platform.ReadSetting(kFolderSetting)) {
      if (!remembered->empty() && platform.IsFolder(*remembered)) return *remembered;
    }
    std::string own = platform.ApplicationDirectory();
    if (platform.CanWriteFolder(own)) return own;
    return platform.DocumentsDirectory();
  }
  void Remember(const std::string& path) {
    const std::string folder = FolderOf(path);
    if (!folder.empty()) platform.WriteSetting(kFolderSetting, folder);
  }
  // The next import takes the parameters from a name such as Font08x08vp:
  // writing a font source under one that says others needs the user's yes.
  bool NameAgreed(const std::string& path, const FontDocument& d) {
    const auto named = NameContradiction(path, d);
    return !named || Agreed(NameContradictionQuestion(path, *named, d));
  }
  std::unique_ptr<ByteSource> Open(const std::string& path) {
    FileError error;
    auto source = platform.OpenForReading(path, error);
    if (!source) FileFailed(path, error, false);
    return source;
  }
};

// The layout a C header zgedit wrote carries in its macros, for the import.
std::optional<CHeaderParams> HeaderParamsOf(Platform& platform, const std::string& path) {
  if (!IsCSourcePath(path) || platform.IsFolder(path)) return std::nullopt;
  FileError ignored;  // the import's own opening reports what fails
  const std::unique_ptr<ByteSource> source = platform.OpenForReading(path, ignored);
  if (!source) return std::nullopt;
  return ReadCHeaderParams(*source);
}

// The tables of a file: each array of a C source by name, or the one table
// of any other; nothing, the reason told, when none can be read.
std::optional<std::vector<TableArray>> ReadTables(Talk& talk, const std::string& path) {
  const SourceKind kind = SourceKindOfPath(path);
  std::vector<std::string> names{""};  // the file's one table, or a C file's first array
  if (kind == SourceKind::CSource) {
    const auto source = talk.Open(path);
    if (!source) return std::nullopt;
    const CArrayList list = ListCArrays(*source);
    if (!list.arrays.empty()) names.clear();
    for (const CArrayInfo& a : list.arrays) names.push_back(a.name);
  }
  std::vector<TableArray> arrays;
  for (const std::string& name : names) {
    const auto source = talk.Open(path);
    if (!source) return std::nullopt;
    TableValues table = ReadTableValues(*source, kind, name);
    if (table.result.status == ReadStatus::ReadFailure) {
      talk.FileFailed(path, {table.result.failureText, FileFault::Other}, false);
      return std::nullopt;
    }
    if (table.result.status != ReadStatus::Completed) {
      if (names.size() > 1) continue;  // the other arrays may hold the font
      talk.Notify(ReadProblemText(table.result));
      return std::nullopt;
    }
    if (!table.values.empty()) arrays.push_back({name, std::move(table.values)});
  }
  if (arrays.empty()) {
    talk.Notify(text::kTableNoValues);
    return std::nullopt;
  }
  return arrays;
}

}  // namespace

void FileCommands::Create(Form1& f) {
  // Create a new, empty font of the size the user picks.
  Talk talk{f.platform_};
  if (!f.session_.IsSaved() && !talk.Agreed(text::kFontDataLost)) return;
  // While the dialog is open the window shows that the old font is going.
  f.mode_ = {true, true};
  f.Show();
  Form2 dialog("new", f.platform_);
  f.platform_.ShowForm2Modal(dialog);
  f.mode_ = {};
  if (const auto& choice = dialog.choice()) {
    Change t(f.session_, text::kStepCreate);
    t.document() = EmptyDocument(choice->layout, choice->negative);
    t.NewFont(0);
    t.Commit(StepSaved::AsBefore);  // a new font carries no marks of the old one
  }
  f.Show();
}

void FileCommands::Import(Form1& f) {
  // Import a font source file, replacing the font being edited.
  Talk talk{f.platform_};
  if (!f.session_.IsSaved() && !talk.Agreed(text::kFontDataLost)) return;
  f.mode_ = {true, false};
  f.Show();
  const auto done = [&f] {
    f.mode_ = {};
    f.Show();
  };
  const auto path =
      f.platform_.OpenFileDialog({talk.Folder(), text::kOpenFilter, text::kOpenTitle, true});
  if (!path) return done();
  // A C header zgedit wrote says its whole layout in its macros: no questions.
  const std::optional<CHeaderParams> header = HeaderParamsOf(f.platform_, *path);
  // Tables of other programs carry no parameters: the table dialog finds them.
  if (!header && IsTableSourcePath(*path) && !ParamsFromName(*path)) {
    done();
    return ImportTable(f, *path);
  }
  // Glyphs past the file's end keep their bytes.
  LoadRequest request{std::nullopt, false, {}, PastTheEnd::Kept, f.session_.document().glyphs};
  if (!header && !ParamsFromName(*path)) {
    // Nothing in the file says its cell: the user does.
    Form2 dialog("load", f.platform_);
    f.platform_.ShowForm2Modal(dialog);
    if (!dialog.choice()) return done();
    TableLayout table = TableLayout::Plain(dialog.choice()->layout, kFirstCode);
    table.negative = dialog.choice()->negative;
    request.table = table;
  }
  if (f.platform_.IsFolder(*path)) {
    done();
    return talk.FileFailed(*path, {"", FileFault::IsFolder}, false);
  }
  const std::unique_ptr<ByteSource> source = talk.Open(*path);
  if (!source) return done();
  const LoadedFont loaded = LoadFont(*source, *path, request);
  done();
  if (loaded.result.status == ReadStatus::ReadFailure) {
    return talk.FileFailed(*path, {loaded.result.failureText, FileFault::Other}, false);
  }
  if (loaded.result.status != ReadStatus::Completed) {
    return talk.Notify(ReadProblemText(loaded.result));
  }
  if (loaded.extent.Empty()) return talk.Notify(Fill(text::kNoGlyphValues, *path));
  FontDocument font = loaded.document;
  WidthsLine widths = loaded.widthsLine;
  if (header && !font.Proportional()) {
    // A proportional font's header carries its widths in an array of their own.
    FileError ignored;
    const auto listing = f.platform_.OpenForReading(*path, ignored);
    const auto values = f.platform_.OpenForReading(*path, ignored);
    if (listing && values) {
      widths = ReadCHeaderWidths(*listing, *values, {}, font.layout.width);
      if (widths.status == WidthsLineStatus::Read) font.widths = widths.widths;
    }
  }
  Change t(f.session_, text::kStepImport);
  t.document() = std::move(font);
  t.NewFont(0);
  t.Commit(StepSaved::Saved);
  f.FileN = *path;
  f.Show();
  talk.Remember(*path);
  if (const std::string note = ReadExtentNote(loaded.extent); !note.empty()) {
    talk.Notify(note, MsgIcon::Information, text::kInformation);
  }
  if (const std::string note = WidthsLineNote(widths); !note.empty()) {
    talk.Notify(note, MsgIcon::Information, text::kInformation);
  }
}

void FileCommands::ImportTable(Form1& f) {
  // Import a font table of a C, assembler or BASIC source, its layout found or chosen.
  Talk talk{f.platform_};
  if (!f.session_.IsSaved() && !talk.Agreed(text::kFontDataLost)) return;
  const auto path = f.platform_.OpenFileDialog(
      {talk.Folder(), text::kTableOpenFilter, text::kTableOpenTitle, true});
  if (path) ImportTable(f, *path);
}

void FileCommands::ImportTable(Form1& f, const std::string& path) {
  Talk talk{f.platform_};
  if (f.platform_.IsFolder(path)) return talk.FileFailed(path, {"", FileFault::IsFolder}, false);
  if (IsCSourcePath(path)) {
    const auto source = talk.Open(path);
    if (!source) return;
    // An Adafruit GFX font says its own layout and widths: no table dialog.
    if (const auto gfx = GfxTextOf(*source)) return ImportGfx(f, path, *gfx);
  }
  auto arrays = ReadTables(talk, path);
  if (!arrays) return;
  const TableImportRequest request = MakeTableRequest(std::move(*arrays));
  const auto choice = f.platform_.ShowTableImportDialog(request);
  if (!choice || choice->array >= request.arrays.size()) return;
  const auto editor = EditorLayoutFor(choice->table.layout);
  if (!editor) return talk.Notify(text::kFontImportBadCell);
  const TableRead read = DecodeTable(request.arrays[choice->array].values, choice->table, *editor);
  Change t(f.session_, text::kStepTableImport);
  t.document() = EmptyDocument(*editor, choice->table.negative);
  std::copy_n(read.glyphs.begin(), std::min(read.glyphs.size(), t.document().glyphs.size()),
              t.document().glyphs.begin());
  t.NewFont(0);
  t.Commit();  // a table read is not a file zgedit can save back as it was
  f.FileN = path;
  f.Show();
  talk.Remember(path);
  if (const std::string note = TableReadText(read); !note.empty()) {
    talk.Notify(note, MsgIcon::Information, text::kInformation);
  }
}

void FileCommands::ImportGfx(Form1& f, const std::string& path, const std::string& text) {
  Talk talk{f.platform_};
  const LoadedGfx loaded = LoadGfxFont(text, std::nullopt, Scan::Vertical);
  const GfxFont& font = loaded.font;
  if (font.status == GfxReadStatus::TooLarge) {
    return talk.Notify(
        Fill(text::kGfxTooLarge, font.name, Cell(font.neededWidth, font.neededHeight)));
  }
  if (font.status != GfxReadStatus::Completed)
    return talk.Notify(Fill(text::kGfxUnreadable, font.name));
  Change t(f.session_, text::kStepGfxImport);
  t.document() = loaded.document;
  t.NewFont(0);
  t.Commit();  // not a file zgedit can save back as it was
  f.FileN = path;
  f.Show();
  talk.Remember(path);
  const Layout& cell = loaded.document.layout;
  std::string note = Fill(text::kGfxRead, font.name, Cell(cell.width, cell.height));
  const int from = std::max(font.first, kFirstCode);
  const int to = std::min(font.last, 0xFF);
  if (from > kFirstCode || to < 0xFF) {
    note += Fill(text::kGfxCodes, from > to ? std::string("—") : Hex(from) + ".." + Hex(to));
  }
  talk.Notify(note, MsgIcon::Information, text::kInformation);
}

void FileCommands::Save(Form1& f) {
  // Save the font as a font source file.
  if (!f.HasFont()) return;  // a font without a cell has nothing to save
  Talk talk{f.platform_};
  const FontDocument& d = f.session_.document();
  const auto path = f.platform_.SaveFileDialog({talk.Folder(), text::kSaveFilter,
                                                DefaultFontFileName(d.layout, d.negative),
                                                text::kSaveTitle, true});
  if (!path || !talk.NameAgreed(*path, d)) return;
  const std::string contents =
      FormatFontDocument(d, {OutputFormat::FontSource, f.window.combo1Text, f.window.combo2Text});
  if (const auto error = f.platform_.ReplaceFile(*path, contents)) {
    return talk.FileFailed(*path, *error, true);
  }
  f.session_.MarkSaved();
  f.Show();
  talk.Remember(*path);
}

void FileCommands::Export(Form1& f) {
  // Write the font in a form firmware tools take; the font source stays as saved.
  if (!f.HasFont()) return;
  Talk talk{f.platform_};
  const auto choice = f.platform_.ShowExportDialog(f.export_);
  if (!choice) return;
  f.export_ = *choice;
  const FontDocument& font = f.session_.document();
  OutputOptions options{choice->format, f.window.combo1Text, f.window.combo2Text};
  ApplyTableChoice(*choice, font.layout.scan, options);
  const ExportFileKind kind = ExportFileKindOf(choice->format);
  // A font source in another layout gets no name of the form Font08x08vp:
  // the import would read it in the editor's own layout.
  const bool ownLayout = OutputTableForm(font, options) == TableForm{font.layout, kFirstCode};
  const std::string proposed =
      (choice->format == OutputFormat::FontSource && !ownLayout
           ? "table" + std::to_string(font.layout.width) + "x" + std::to_string(font.layout.height)
           : DefaultFontFileName(font.layout, font.negative)) +
      kind.extension;
  const auto path =
      f.platform_.SaveFileDialog({talk.Folder(), kind.filter, proposed, text::kExportTitle, true});
  if (!path) return;
  if (choice->format == OutputFormat::FontSource && !talk.NameAgreed(*path, font)) return;
  const auto slash = path->find_last_of('/');
  options.name = path->substr(slash == std::string::npos ? 0 : slash + 1);
  if (const auto dot = options.name.find('.'); dot != std::string::npos) options.name.resize(dot);
  options.characters = CodePageCharacters(f.codePage_);
  options.flash = choice->flash;
  options.pictures = choice->pictures;
  options.rawEncoding = choice->rawEncoding;
  options.singleDefinition = choice->singleDefinition;
  std::vector<int> unwritten;
  const std::string contents = FormatFontDocument(font, options, &unwritten);
  if (const auto error = f.platform_.ReplaceFile(*path, contents)) {
    return talk.FileFailed(*path, *error, true);
  }
  talk.Remember(*path);
  if (const std::string note = UnwrittenGlyphsNote(unwritten, choice->format); !note.empty()) {
    talk.Notify(note, MsgIcon::Information, text::kInformation);
  }
}

void FileCommands::ImportFromFont(Form1& f) {
  // Fill glyphs from an installed font or a font file, in one step.
  if (!f.HasFont()) return;
  Talk talk{f.platform_};
  const FontDocument& d = f.session_.document();
  const auto choice = f.platform_.ShowFontImportDialog(d.layout, f.codePage_, d.glyphs);
  if (!choice) return;
  const GlyphRenderer::Result opened = GlyphRenderer::Open(ImportRequest(*choice, d.layout));
  if (!opened) {
    return talk.Notify(ImportErrorText(opened.failure, choice->pixelSize, choice->faceIndex));
  }
  Change t(f.session_, text::kStepFontImport);
  const FillSummary summary = FillDocument(*opened.renderer, CodePageCharacters(f.codePage_),
                                           choice->range, choice->keepAdvances, t.document());
  t.Commit();
  f.Show();
  talk.Notify(ImportSummaryText(summary), MsgIcon::Information, text::kInformation);
}

}  // namespace zg
