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

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Characters that neither end, trim nor cut short a value, nor end a label.
constexpr std::array<bool, 256> MakeOrdinaryTable() {
  std::array<bool, 256> t{};
  for (auto& v : t) v = true;
  for (const char c : {' ', '\t', ',', ';', '\'', '/', ':', '\r', '\n'})
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

// A label longer than this is taken for a value, and so refused.
constexpr std::size_t kMaxLabelChars = 255;

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The keywords that begin a data line, in lower case. None is the start of
// another, so a keyword is complete as soon as its last letter matches.
constexpr std::array<std::string_view, 5> kKeywords = {"data", ".db", "db", ".byte", "defb"};
constexpr std::size_t kMaxKeywordChars = 5;

// The end of the run of ordinary characters from p. Values are short, so a
// loop that stops on each would mispredict once per value; eight characters
// are looked at together instead.
const char* SkipOrdinary(const char* p, const char* end) {
  while (end - p >= 8) {
    unsigned stops = 0;
#pragma GCC unroll 8
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
  ReadResult Result() const { return {status_, index_, {}, failLine_, failColumn_}; }

 private:
  enum class Mode : std::uint8_t {
    LineStart,   // nothing but blanks so far: a blank line if nothing follows
    Slash,       // began with "/": a line comment, or a block with "*" next
    Keyword,     // so far the start of a keyword
    KeywordEnd,  // after a keyword that a blank must follow
    Dollar,      // began with "$": a value, or a directive such as "$asm"
    Data,        // taking values
    Skip,        // the rest of the line does not count
    LabelEnd,    // after "name:"; only blanks or a comment may follow
    Block,       // inside a block comment
  };

  std::size_t Offset(const char* p) const {
    return blockOffset_ + static_cast<std::size_t>(p - block_);
  }
  bool StartChar(char c);
  bool KeywordChar(char c);
  bool DollarChar(char c);
  bool LabelEndChar(char c);
  bool DataChar(char c);
  const char* ScanData(const char* p, const char* end);
  void NoteBlockText(const char* p, const char* e);
  void NoteLabelChar(char c);
  bool PushValueChar(char c);
  bool ReplayKeyword();
  bool EndValue();
  bool EndValue(const char* begin, const char* end);  // a value still in the block
  bool Store(std::optional<std::uint8_t> byte);
  bool Fail(ReadStatus status, std::size_t offset);  // at `offset` of the current line
  bool EndLine();
  bool Stopped() const { return status_ != ReadStatus::Completed; }

  std::span<std::uint8_t> store_;
  std::uint8_t flip_;
  std::size_t index_ = 0;
  ReadStatus status_ = ReadStatus::Completed;
  std::size_t failLine_ = 0;
  std::size_t failColumn_ = 0;

  // Where the text is: the block being fed, its offset in the file, the
  // offset of the character at hand and of the current line's first one.
  const char* block_ = nullptr;
  std::size_t blockOffset_ = 0;
  std::size_t at_ = 0;
  std::size_t line_ = 1;
  std::size_t lineOffset_ = 0;

  Mode mode_ = Mode::LineStart;
  bool inBlock_ = false;
  bool afterCr_ = false;       // a LF right after a CR belongs to the same line end
  std::size_t blockLine_ = 0;  // where the block comment began
  std::size_t blockColumn_ = 0;

  // The keyword so far as written, the keywords it may still be, and where it began.
  std::array<char, kMaxKeywordChars> keyText_{};
  std::size_t keyLen_ = 0;
  unsigned keyCandidates_ = 0;
  std::size_t keyOffset_ = 0;
  std::size_t dollarLetters_ = 0;
  bool dollarNonHex_ = false;

  // The last two characters of a block comment line, for its "*/".
  std::size_t blockLineLen_ = 0;
  std::array<char, 2> tail_{};

  // The current value, trimmed as it grows: leading blanks are never kept and
  // inner blanks wait in blanks_ until a non-blank shows they are inside.
  // Only kMaxSourceValueChars characters are kept; the lengths count on to
  // kMaxLabelChars + 1, for a value that may still be a label.
  std::array<char, kMaxSourceValueChars> value_{};
  std::size_t valueLen_ = 0;
  std::size_t blanks_ = 0;
  std::size_t valueOffset_ = 0;  // where the value began
  // A comma has ended a value on this line: firmware sources often end every
  // line with one, and nothing after it is not an empty value.
  bool commaSeen_ = false;
  // The line so far may still be a label such as "Font8x8:": label characters
  // only, with nothing but blanks in front. labelChars_ says some were seen.
  bool maybeLabel_ = true;
  bool labelChars_ = false;
};

bool SourceScanner::Feed(const char* p, const char* end) {
  block_ = p;
  while (p != end) {
    const char c = *p;
    if (afterCr_) {
      afterCr_ = false;
      if (c == '\n') {
        ++p;
        lineOffset_ = Offset(p);
        continue;
      }
    }
    at_ = Offset(p);
    if (IsLineEnd(c)) {
      afterCr_ = c == '\r';
      ++p;
      if (!EndLine()) return false;
      ++line_;
      lineOffset_ = Offset(p);
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
  blockOffset_ += static_cast<std::size_t>(end - block_);
  return true;
}

void SourceScanner::Finish() {
  // A last line without a line end still counts; an empty one changes nothing.
  at_ = blockOffset_;
  if (!EndLine()) return;
  if (inBlock_) {
    status_ = ReadStatus::UnclosedBlockComment;
    failLine_ = blockLine_;
    failColumn_ = blockColumn_;
  }
}

bool SourceScanner::Fail(ReadStatus status, std::size_t offset) {
  status_ = status;
  failLine_ = line_;
  failColumn_ = offset - lineOffset_ + 1;
  return false;
}

bool SourceScanner::StartChar(char c) {
  switch (mode_) {
    case Mode::LineStart:
      if (IsBlank(c)) return true;
      if (c == ';' || c == '\'') {
        mode_ = Mode::Skip;
      } else if (c == '/') {
        mode_ = Mode::Slash;
        blockLine_ = line_;
        blockColumn_ = at_ - lineOffset_ + 1;
      } else if (Lower(c) == 'd' || c == '.') {
        labelChars_ = true;
        keyCandidates_ = 0;
        for (std::size_t i = 0; i < kKeywords.size(); ++i) {
          if (kKeywords[i][0] == Lower(c)) keyCandidates_ |= 1U << i;
        }
        keyText_[0] = c;
        keyLen_ = 1;
        keyOffset_ = at_;
        mode_ = Mode::Keyword;
      } else if (c == '$') {
        mode_ = Mode::Dollar;
        dollarLetters_ = 0;
        dollarNonHex_ = false;
        NoteLabelChar(c);
        return PushValueChar(c);
      } else {
        mode_ = Mode::Data;
        return DataChar(c);
      }
      return true;
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
      return KeywordChar(c);
    case Mode::KeywordEnd:
      if (IsBlank(c)) {
        mode_ = Mode::Data;
        return DataChar(c);
      }
      if (IsCommentChar(c)) {
        mode_ = Mode::Skip;
        return true;
      }
      mode_ = Mode::Data;
      return ReplayKeyword() && DataChar(c);
    case Mode::Dollar:
      return DollarChar(c);
    case Mode::Data:
      return DataChar(c);
    case Mode::Skip:
    case Mode::Block:
    case Mode::LabelEnd:
      break;
  }
  return true;
}

bool SourceScanner::KeywordChar(char c) {
  unsigned still = 0;
  for (std::size_t i = 0; i < kKeywords.size(); ++i) {
    if ((keyCandidates_ & (1U << i)) != 0 && kKeywords[i].size() > keyLen_ &&
        kKeywords[i][keyLen_] == Lower(c)) {
      still |= 1U << i;
    }
  }
  if (still == 0) {
    mode_ = Mode::Data;
    return ReplayKeyword() && DataChar(c);
  }
  keyCandidates_ = still;
  keyText_[keyLen_++] = c;
  const std::size_t which = static_cast<std::size_t>(std::countr_zero(still));
  if (kKeywords[which].size() == keyLen_) {
    // "Data" and ".db" as the writer spells them may run straight into a
    // value; the other spellings need a blank, so that "DBh" stays a value.
    const std::string_view text(keyText_.data(), keyLen_);
    mode_ = text == "Data" || text == ".db" ? Mode::Data : Mode::KeywordEnd;
  }
  return true;
}

bool SourceScanner::DollarChar(char c) {
  // "$" and three letters or more, one of them no hexadecimal digit: a
  // BASCOM directive ("$asm", "$end asm", "$regfile"), skipped like a label.
  if (IsLetter(c)) {
    ++dollarLetters_;
    if (Lower(c) > 'f') dollarNonHex_ = true;
    if (dollarLetters_ >= 3 && dollarNonHex_) {
      mode_ = Mode::Skip;
      valueLen_ = 0;
      blanks_ = 0;
      return true;
    }
    NoteLabelChar(c);
    return PushValueChar(c);
  }
  mode_ = Mode::Data;
  return DataChar(c);
}

bool SourceScanner::LabelEndChar(char c) {
  if (IsBlank(c)) return true;
  if (IsCommentChar(c)) {
    mode_ = Mode::Skip;
    return true;
  }
  return Fail(ReadStatus::SyntaxError, at_);
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
      return PushValueChar(c);
    case ' ':
    case '\t':
      // A blank right after the keyword ends what could have been a label.
      if (labelChars_ && valueLen_ == 0) maybeLabel_ = false;
      if (valueLen_ != 0 && blanks_ <= kMaxLabelChars) ++blanks_;
      return true;
    default:
      NoteLabelChar(c);
      return PushValueChar(c);
  }
}

const char* SourceScanner::ScanData(const char* p, const char* end) {
  while (p != end) {
    if (valueLen_ == 0) {
      // Fast path for the usual value: skip leading blanks and take the run of
      // ordinary characters straight from the block.
      if (p != end && IsBlank(*p)) {
        if (labelChars_) maybeLabel_ = false;
        while (p != end && IsBlank(*p)) ++p;
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
      at_ = Offset(start);
      for (const char* q = start; q != p; ++q) {
        if (!PushValueChar(*q)) return p;
      }
      if (p == end) return p;
    }
    // Blanks after a value, comments and line ends take the careful way.
    const char c = *p;
    if (IsLineEnd(c)) return p;
    at_ = Offset(p);
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

bool SourceScanner::PushValueChar(char c) {
  if (valueLen_ == 0) {
    valueOffset_ = at_;
  } else {
    for (; blanks_ != 0; --blanks_) {
      if (valueLen_ < kMaxSourceValueChars) value_[valueLen_] = ' ';
      ++valueLen_;
    }
  }
  if (valueLen_ < kMaxSourceValueChars) value_[valueLen_] = c;
  ++valueLen_;
  // Too long for any value, and for a label unless it may still be one.
  if (valueLen_ > kMaxSourceValueChars &&
      !(maybeLabel_ && !commaSeen_ && valueLen_ <= kMaxLabelChars)) {
    return Fail(ReadStatus::SyntaxError, valueOffset_);
  }
  return true;
}

bool SourceScanner::ReplayKeyword() {
  const std::size_t at = at_;
  at_ = keyOffset_;
  for (std::size_t i = 0; i < keyLen_; ++i) {
    if (!PushValueChar(keyText_[i])) return false;
  }
  at_ = at;
  return true;
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
      valueLen_ <= kMaxSourceValueChars
          ? ParseSourceValue(std::string_view(value_.data(), valueLen_))
          : std::nullopt;
  // An empty value is placed where it ends.
  if (valueLen_ == 0) valueOffset_ = at_;
  valueLen_ = 0;
  blanks_ = 0;
  return Store(byte);
}

bool SourceScanner::EndValue(const char* begin, const char* end) {
  const auto n = static_cast<std::size_t>(end - begin);
  valueOffset_ = Offset(begin);
  return Store(n <= kMaxSourceValueChars ? ParseSourceValue(std::string_view(begin, n))
                                         : std::nullopt);
}

bool SourceScanner::Store(std::optional<std::uint8_t> byte) {
  if (!byte) return Fail(ReadStatus::SyntaxError, valueOffset_);
  if (index_ >= store_.size()) return Fail(ReadStatus::StoreFull, valueOffset_);
  store_[index_++] = static_cast<std::uint8_t>(*byte ^ flip_);
  return true;
}

bool SourceScanner::EndLine() {
  bool ok = true;
  switch (mode_) {
    case Mode::Keyword:
      ok = ReplayKeyword() && EndValue();
      break;
    case Mode::KeywordEnd:
    case Mode::Dollar:
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
    case Mode::Slash:
    case Mode::Skip:
    case Mode::LabelEnd:
      break;
  }
  mode_ = inBlock_ ? Mode::Block : Mode::LineStart;
  blockLineLen_ = 0;
  keyLen_ = 0;
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
    case ReadStatus::BinaryData:
      return "BinaryData";
    case ReadStatus::NoSuchArray:
      return "NoSuchArray";
    case ReadStatus::TooManyValues:
      return "TooManyValues";
  }
  return "?";
}

std::ostream& operator<<(std::ostream& os, ReadStatus status) { return os << ToString(status); }

std::ostream& operator<<(std::ostream& os, const ReadResult& result) {
  os << result.status << " after " << result.valuesStored << " values";
  if (result.line != 0) os << " at " << result.line << ":" << result.column;
  if (!result.failureText.empty()) os << " (" << result.failureText << ")";
  return os;
}

ReadResult ReadFontSource(ByteSource& in, int pos, std::span<std::uint8_t> store) {
  return ReadFontSourceValues(in, pos == 0, store.first(std::min(store.size(), kFontStoreValues)));
}

ReadResult ReadFontSourceValues(ByteSource& in, bool negative, std::span<std::uint8_t> store) {
  SourceScanner scanner(store, negative);
  return ReadInBlocks(in, scanner);
}

}  // namespace zg
