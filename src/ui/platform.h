#pragma once
// The services that reach the user or the operating system. The window logic
// calls only these; QtPlatform binds them to Qt, and the tests answer them
// from a script.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "document/file_replace.h"  // FileError, FileFault, FaultOfErrno
#include "model/layout.h"

namespace zg {

class ByteSource;
class Form2;
struct FontImportChoice;
struct TableImportChoice;
struct TableImportRequest;
struct ExportChoice;
struct ProportionalChoice;
enum class CodePage : std::uint8_t;

enum class MsgButtons { Ok, YesNo };  // the first button is the default
enum class MsgIcon { None, Warning, Information };
enum class MsgAnswer { Ok, Yes, No };

struct MessageRequest {
  std::string text;  // a "\r" stands for a line break
  MsgButtons buttons = MsgButtons::Ok;
  MsgIcon icon = MsgIcon::None;
  std::string title;  // never empty: callers pass the application's title
  friend bool operator==(const MessageRequest&, const MessageRequest&) = default;
};

struct OpenDialogRequest {
  std::string initialDir;
  std::string filter;  // descriptions and patterns alternate, separated by "|"
  std::string title;
  bool fileMustExist = true;
};

struct SaveDialogRequest {
  std::string initialDir;
  std::string filter;
  std::string proposedName;
  std::string title;
  bool askOverwrite = true;
};

class Platform {
 public:
  virtual ~Platform() = default;

  virtual MsgAnswer ShowMessage(const MessageRequest& request) = 0;
  // The chosen full path, or nothing when the user cancelled.
  virtual std::optional<std::string> OpenFileDialog(const OpenDialogRequest& request) = 0;
  virtual std::optional<std::string> SaveFileDialog(const SaveDialogRequest& request) = 0;
  // Shows the parameters dialog modally, running its Load as it opens;
  // returns once it has closed.
  virtual void ShowForm2Modal(Form2& dialog) = 0;

  // Opens a file for streaming reads; on failure fills `error`.
  virtual std::unique_ptr<ByteSource> OpenForReading(const std::string& path, FileError& error) = 0;
  // Replaces the file at `path` with `contents` atomically: on failure the old
  // file is left as it was and the description says why. The window's
  // platform does it as zgconv does (ReplaceFile of the document layer).
  virtual std::optional<FileError> ReplaceFile(const std::string& path,
                                               const std::string& contents) = 0;

  // The system clipboard: a glyph in the editor's own form beside the same
  // glyph as text, and what is there now (either may be missing).
  struct ClipboardContents {
    std::optional<std::string> glyph;
    std::optional<std::string> text;
  };
  virtual void SetClipboard(const std::string& glyph, const std::string& text) = 0;
  virtual ClipboardContents ReadClipboard() = 0;

  // The dialog "Импорт из шрифта...": the user's choice, or nothing when
  // cancelled. It previews the font's first glyphs in the cell given.
  virtual std::optional<FontImportChoice> ShowFontImportDialog(
      const Layout& layout, CodePage page, std::span<const std::uint8_t> glyphs) = 0;

  // The dialog "Импорт таблицы": the array and layout to read the table
  // with, or nothing when cancelled. It shows the whole table as pictures.
  virtual std::optional<TableImportChoice> ShowTableImportDialog(
      const TableImportRequest& request) = 0;

  // The dialog "Экспорт...": the form and options, or nothing when cancelled.
  virtual std::optional<ExportChoice> ShowExportDialog(const ExportChoice& initial) = 0;

  // The dialog "Ширина символа": the current glyph's new width, 1..cellWidth,
  // or nothing when cancelled.
  virtual std::optional<int> AskGlyphWidth(int current, int cellWidth) = 0;
  // The dialog "Пропорциональный шрифт": the spacing after the ink and the
  // space's width, or nothing when cancelled.
  virtual std::optional<ProportionalChoice> ShowProportionalDialog(
      const ProportionalChoice& initial, int cellWidth) = 0;

  virtual std::string ApplicationDirectory() = 0;
  // The user's documents folder.
  virtual std::string DocumentsDirectory() = 0;
  virtual bool IsFolder(const std::string& path) = 0;
  virtual bool CanWriteFolder(const std::string& path) = 0;
  // Settings kept across runs; nothing when the key was never written.
  virtual std::optional<std::string> ReadSetting(const std::string& key) = 0;
  virtual void WriteSetting(const std::string& key, const std::string& value) = 0;
  // Screen width in device-independent pixels (15 twips each).
  virtual int ScreenWidthPixels() = 0;
};

}  // namespace zg
