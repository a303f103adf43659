#include "fontfile/font_reader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <memory>
#include <optional>
#include <ostream>

#include "fontfile/block_reading.h"
#include "fontfile/font_value.h"

namespace zg {
namespace {

// A lone CR, a lone LF and CR LF each end a line.
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Characters that neither end, trim nor cut short a value, nor end a label.
constexpr std::array<bool, 256> MakeOrdinaryTable() {
  std::array<bool, 256> t{};
  for (auto& v : t) v = true;
  for (const char c : {' ', ',', ';', '\'', '/', ':', '\r', '\n'})
    t[static_cast<unsigned char>(c)] = false;
  return t;
}
constexpr std::array<bool, 256> kOrdinary = MakeOrdinaryTable();

bool IsCommentChar(char c) { return c == ';' || c == '\'' || c == '/'; }

// Letters, digits, '_' and '.': what an assembler or BASIC label is made of.
constexpr std::array<bool, 256> MakeLabelTable() {
  std::array<bool, 256> t{};
  for (int c = 'a'; c <= 'z'; ++c) t[static_cast<std::size_t>(c)] = true;
  for (int c = 'A'; c <= 'Z'; ++c) t[static_cast<std::size_t>(c)] = true;
  for (int c = '0'; c <= '9'; ++c) t[static_cast<std::size_t>(c)] = true;
  t['_'] = true;
  t['.'] = true;
  return t;
}
constexpr std::array<bool, 256> kLabelChar = MakeLabelTable();

// The end of the run of ordinary characters from p. Values are short, so a
// loop that stops on each would mispredict once per value; eight characters
// are looked at together instead.
const char* SkipOrdinary(const char* p, const char* end) {
  while (end - p >= 8) {
    unsigned stops = 0;
    for (unsigned i = 0; i < 8; ++i) {
      stops |= static_cast<unsigned>(!kOrdinary[static_cast<unsigned char>(p[i])]) << i;
    }
    if (stops != 0) return p + std::countr_zero(stops);
    p += 8;
  }
  while (p != end && kOrdinary[static_cast<unsigned char>(*p)]) ++p;
  return p;
}

// Walks the text character by character (a plain value in one step), keeping
// only the few characters that the line classes and the current value need,
// so a line or a file of any length is read in the memory of one block.
class SourceScanner {
 public:
  SourceScanner(std::span<std::uint8_t> store, bool negative)
      : store_(store), flip_(negative ? 0xFF : 0x00) {}

  // False once reading has to stop; Result() says why.
  bool Feed(const char* p, const char* end);
  void Finish();
  ReadResult Result() const { return {status_, index_, {}}; }

 private:
  enum class Mode : std::uint8_t {
    LineStart,  // nothing of the line yet
    OneBlank,   // just one blank so far: a blank line if nothing follows
    Slash,      // began with "/": a line comment, or a block with "*" next
    Keyword,    // so far the start of "Data" or ".db"
    Data,       // taking values
    Skip,       // the rest of the line does not count
    LabelEnd,   // after "name:"; only blanks or a comment may follow
    Block,      // inside a block comment
  };

  bool StartChar(char c);
  bool LabelEndChar(char c);
  bool DataChar(char c);
  const char* ScanData(const char* p, const char* end);
  void NoteBlockText(const char* p, const char* e);
  void NoteLabelChar(char c);
  void PushValueChar(char c);
  void ReplayKeyword();
  bool EndValue();
  bool EndValue(const char* begin, const char* end);  // a value still in the block
  bool Store(std::optional<std::uint8_t> byte);
  bool EndLine();
  bool Stopped() const { return status_ != ReadStatus::Completed; }

  std::span<std::uint8_t> store_;
  std::uint8_t flip_;
  std::size_t index_ = 0;
  ReadStatus status_ = ReadStatus::Completed;

  Mode mode_ = Mode::LineStart;
  bool inBlock_ = false;
  bool afterCr_ = false;  // a LF right after a CR belongs to the same line end

  std::string_view keyword_;
  std::size_t keywordMatched_ = 0;

  // The last two characters of a block comment line, for its "*/".
  std::size_t blockLineLen_ = 0;
  std::array<char, 2> tail_{};

  // The current value, trimmed as it grows: leading blanks are never kept and
  // inner blanks wait in blanks_ until a non-blank shows they are inside.
  // Only kMaxValueChars characters are kept; one more marks it too long.
  std::array<char, kMaxValueChars> value_{};
  std::size_t valueLen_ = 0;  // up to kMaxValueChars + 1
  std::size_t blanks_ = 0;    // up to kMaxValueChars + 1
  // A comma has ended a value on this line: firmware sources often end every
  // line with one, and nothing after it is not an empty value.
  bool commaSeen_ = false;
  // The line so far may still be a label such as "Font8x8:": label characters
  // only, with nothing but blanks in front. labelChars_ says some were seen.
  bool maybeLabel_ = true;
  bool labelChars_ = false;
};

bool SourceScanner::Feed(const char* p, const char* end) {
  while (p != end) {
    const char c = *p;
    if (afterCr_) {
      afterCr_ = false;
      if (c == '\n') {
        ++p;
        continue;
      }
    }
    if (IsLineEnd(c)) {
      afterCr_ = c == '\r';
      ++p;
      if (!EndLine()) return false;
      continue;
    }
    switch (mode_) {
      case Mode::Skip:
        p = std::find_if(p, end, IsLineEnd);
        break;
      case Mode::Block: {
        const char* e = std::find_if(p, end, IsLineEnd);
        NoteBlockText(p, e);
        p = e;
        break;
      }
      case Mode::Data:
        p = ScanData(p, end);
        if (Stopped()) return false;
        break;
      case Mode::LabelEnd:
        ++p;
        if (!LabelEndChar(c)) return false;
        break;
      default:
        ++p;
        if (!StartChar(c)) return false;
        break;
    }
  }
  return true;
}

void SourceScanner::Finish() {
  // A last line without a line end still counts; an empty one changes nothing.
  if (!EndLine()) return;
  if (inBlock_) status_ = ReadStatus::UnclosedBlockComment;
}

bool SourceScanner::StartChar(char c) {
  switch (mode_) {
    case Mode::LineStart:
      if (c == ' ') {
        mode_ = Mode::OneBlank;
      } else if (c == ';' || c == '\'') {
        mode_ = Mode::Skip;
      } else if (c == '/') {
        mode_ = Mode::Slash;
      } else if (c == 'D' || c == '.') {
        labelChars_ = true;
        keyword_ = c == 'D' ? std::string_view("Data") : std::string_view(".db");
        keywordMatched_ = 1;
        mode_ = Mode::Keyword;
      } else {
        mode_ = Mode::Data;
        return DataChar(c);
      }
      return true;
    case Mode::OneBlank:
      // The first blank would be trimmed from the value anyway.
      mode_ = Mode::Data;
      return DataChar(c);
    case Mode::Slash:
      if (c == '*') {
        mode_ = Mode::Block;
        blockLineLen_ = 2;
        tail_ = {'/', '*'};
      } else {
        mode_ = Mode::Skip;
      }
      return true;
    case Mode::Keyword:
      if (c == keyword_[keywordMatched_]) {
        if (++keywordMatched_ == keyword_.size()) mode_ = Mode::Data;
        return true;
      }
      mode_ = Mode::Data;
      ReplayKeyword();
      return DataChar(c);
    case Mode::Data:
      return DataChar(c);
    case Mode::Skip:
    case Mode::Block:
    case Mode::LabelEnd:
      break;
  }
  return true;
}

bool SourceScanner::LabelEndChar(char c) {
  if (c == ' ') return true;
  if (IsCommentChar(c)) {
    mode_ = Mode::Skip;
    return true;
  }
  status_ = ReadStatus::SyntaxError;
  return false;
}

bool SourceScanner::DataChar(char c) {
  switch (c) {
    case ',':
      commaSeen_ = true;
      return EndValue();
    case ';':
    case '\'':
    case '/':
      // A comment ends the value in front of it, as in "&H7C 'A"; after a
      // comma and blanks there is none ("0x01, ; note").
      mode_ = Mode::Skip;
      if (valueLen_ == 0) return true;
      return EndValue();
    case ':':
      if (maybeLabel_ && labelChars_ && !commaSeen_) {
        mode_ = Mode::LabelEnd;
        valueLen_ = 0;
        blanks_ = 0;
        return true;
      }
      NoteLabelChar(c);
      PushValueChar(c);
      return true;
    case ' ':
      // A blank right after the keyword ends what could have been a label.
      if (labelChars_ && valueLen_ == 0) maybeLabel_ = false;
      if (valueLen_ != 0 && blanks_ <= kMaxValueChars) ++blanks_;
      return true;
    default:
      NoteLabelChar(c);
      PushValueChar(c);
      return true;
  }
}

const char* SourceScanner::ScanData(const char* p, const char* end) {
  while (p != end) {
    if (valueLen_ == 0) {
      // Fast path for the usual value: skip leading blanks and take the run of
      // ordinary characters straight from the block.
      if (p != end && *p == ' ') {
        if (labelChars_) maybeLabel_ = false;
        while (p != end && *p == ' ') ++p;
      }
      const char* start = p;
      p = SkipOrdinary(p, end);
      if (p != end && *p == ',') {
        commaSeen_ = true;
        if (!EndValue(start, p)) return p;
        ++p;
        continue;
      }
      // A data line has had its comma by now; only a first value may be a label.
      if (!commaSeen_) {
        for (const char* q = start; q != p; ++q) NoteLabelChar(*q);
      }
      for (const char* q = start; q != p; ++q) PushValueChar(*q);
      if (p == end) return p;
    }
    // Blanks after a value, comments and line ends take the careful way.
    const char c = *p;
    if (IsLineEnd(c)) return p;
    ++p;
    if (!DataChar(c)) return p;
    if (mode_ != Mode::Data) return p;
  }
  return p;
}

void SourceScanner::NoteLabelChar(char c) {
  if (!kLabelChar[static_cast<unsigned char>(c)] || blanks_ != 0) maybeLabel_ = false;
  labelChars_ = true;
}

void SourceScanner::PushValueChar(char c) {
  if (valueLen_ != 0) {
    for (; blanks_ != 0; --blanks_) {
      if (valueLen_ < kMaxValueChars) value_[valueLen_] = ' ';
      if (valueLen_ <= kMaxValueChars) ++valueLen_;
    }
  }
  if (valueLen_ < kMaxValueChars) value_[valueLen_] = c;
  if (valueLen_ <= kMaxValueChars) ++valueLen_;
}

void SourceScanner::ReplayKeyword() {
  for (std::size_t i = 0; i < keywordMatched_; ++i) PushValueChar(keyword_[i]);
}

void SourceScanner::NoteBlockText(const char* p, const char* e) {
  const auto n = static_cast<std::size_t>(e - p);
  if (n >= 2) {
    tail_ = {e[-2], e[-1]};
  } else if (n == 1) {
    tail_ = {tail_[1], e[-1]};
  }
  blockLineLen_ += n;
}

bool SourceScanner::EndValue() {
  const std::optional<std::uint8_t> byte =
      valueLen_ <= kMaxValueChars ? ParseFontValue(std::string_view(value_.data(), valueLen_))
                                  : std::nullopt;
  valueLen_ = 0;
  blanks_ = 0;
  return Store(byte);
}

bool SourceScanner::EndValue(const char* begin, const char* end) {
  const auto n = static_cast<std::size_t>(end - begin);
  return Store(n <= kMaxValueChars ? ParseFontValue(std::string_view(begin, n)) : std::nullopt);
}

bool SourceScanner::Store(std::optional<std::uint8_t> byte) {
  if (!byte) {
    status_ = ReadStatus::SyntaxError;
    return false;
  }
  if (index_ >= store_.size()) {
    status_ = ReadStatus::StoreFull;
    return false;
  }
  store_[index_++] = static_cast<std::uint8_t>(*byte ^ flip_);
  return true;
}

bool SourceScanner::EndLine() {
  bool ok = true;
  switch (mode_) {
    case Mode::Keyword:
      ReplayKeyword();
      ok = EndValue();
      break;
    case Mode::Data:
      if (!(commaSeen_ && valueLen_ == 0)) ok = EndValue();
      break;
    case Mode::Block:
      // The opening line itself closes the block when it ends in "*/".
      inBlock_ = !(blockLineLen_ >= 2 && tail_[0] == '*' && tail_[1] == '/');
      break;
    case Mode::LineStart:
    case Mode::OneBlank:
    case Mode::Slash:
    case Mode::Skip:
    case Mode::LabelEnd:
      break;
  }
  mode_ = inBlock_ ? Mode::Block : Mode::LineStart;
  blockLineLen_ = 0;
  keywordMatched_ = 0;
  commaSeen_ = false;
  maybeLabel_ = true;
  labelChars_ = false;
  return ok;
}

}  // namespace

std::string_view ToString(ReadStatus status) {
  switch (status) {
    case ReadStatus::Completed:
      return "Completed";
    case ReadStatus::SyntaxError:
      return "SyntaxError";
    case ReadStatus::StoreFull:
      return "StoreFull";
    case ReadStatus::UnclosedBlockComment:
      return "UnclosedBlockComment";
    case ReadStatus::ReadFailure:
      return "ReadFailure";
    case ReadStatus::NotANumber:
      return "NotANumber";
    case ReadStatus::ValueOutOfRange:
      return "ValueOutOfRange";
    case ReadStatus::NoArray:
      return "NoArray";
    case ReadStatus::UnclosedArray:
      return "UnclosedArray";
  }
  return "?";
}

std::ostream& operator<<(std::ostream& os, ReadStatus status) { return os << ToString(status); }

std::ostream& operator<<(std::ostream& os, const ReadResult& result) {
  os << result.status << " after " << result.valuesStored << " values";
  if (result.line != 0) os << " at line " << result.line;
  if (!result.failureText.empty()) os << " (" << result.failureText << ")";
  return os;
}

ReadResult ReadFontSource(ByteSource& in, int pos, std::span<std::uint8_t> store) {
  SourceScanner scanner(store.first(std::min(store.size(), kFontStoreValues)), pos == 0);
  return ReadInBlocks(in, scanner);
}

}  // namespace zg
