#include "ui/file_notes.h"

#include <cstdio>

#include "ui/font_import_form.h"
#include "ui/texts.h"

namespace zg {
namespace {

std::string Code(int code) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02Xh", static_cast<unsigned>(code) & 0xFFU);
  return buf;
}

std::string Replace(std::string text, std::string_view mark, const std::string& value) {
  if (const auto at = text.find(mark); at != std::string::npos)
    text.replace(at, mark.size(), value);
  return text;
}

// "8 x 8 вертикальный позитивный", the words of the status line.
std::string Params(int ncol, int nstr, int vert, bool negative) {
  return std::to_string(ncol) + " x " + std::to_string(nstr) +
         (vert == 1 ? " вертикальный" : " горизонтальный") +
         (negative ? " негативный" : " позитивный");
}

}  // namespace

std::string ReadProblemText(const ReadResult& result) {
  // Every fault in the text is named with its place, as editors show it.
  const std::string at = result.line == 0
                             ? std::string()
                             : Replace(Replace(text::kReadPlace, "%1", std::to_string(result.line)),
                                       "%2", std::to_string(result.column));
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

std::string FileErrorText(const std::string& path, const FileError& error, bool writing) {
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
  return Replace(Replace(sentence, "%1", path), "%2", error.description);
}

std::string WidthsLineNote(const WidthsLine& line) {
  if (line.status != WidthsLineStatus::Malformed) return {};
  return Replace(text::kWidthsLineRefused, "%1", std::to_string(line.line));
}

std::string UnwrittenGlyphsNote(const std::vector<int>& codes, OutputFormat format) {
  if (codes.empty()) return {};
  std::string list;
  for (const int code : codes) list += (list.empty() ? "" : ", ") + Code(code);
  return Replace(format == OutputFormat::Lvgl ? text::kExportUnwrittenLvgl : text::kExportUnwritten,
                 "%1", list);
}

std::string ReadExtentNote(const ReadExtent& e) {
  if (!e.Short()) {
    if (e.extraValues == 0) return {};
    return Replace(
        text::kImportExtraValues, "%1",
        CountedNoun(static_cast<int>(e.extraValues), "значение", "значения", "значений"));
  }
  std::string read;
  if (e.glyphs > 0) {
    read = SymbolCount(e.glyphs) + " (" + Code(kFirstCode);
    if (e.glyphs > 1) read += ".." + Code(kFirstCode + e.glyphs - 1);
    read += ")";
  }
  if (e.partBytes > 0) {
    if (!read.empty()) read += " и ";
    read += std::to_string(e.partBytes) + " из " + std::to_string(e.cb) + " байт символа " +
            Code(kFirstCode + e.glyphs);
  }
  return Replace(text::kImportShort, "%1", read);
}

std::string NameContradictionQuestion(std::string_view path, const FontFileParams& named,
                                      const FontDocument& d) {
  std::string question = Replace(text::kNameContradiction, "%1", std::string(path));
  question = Replace(question, "%2", Params(named.ncol, named.nstr, named.vert, named.pos == 0));
  return Replace(question, "%3",
                 Params(d.layout.width, d.layout.height, d.layout.Vert(), d.negative));
}

}  // namespace zg
