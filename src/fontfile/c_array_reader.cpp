#include "fontfile/c_array_reader.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fontfile/block_reading.h"
#include "fontfile/c_number.h"
#include "fontfile/font_value.h"
#include "fontfile/table_source.h"

namespace zg {
namespace {

constexpr std::size_t kMaxTokenChars = kMaxCNumberChars;

// A nested brace group with a name or an expression among its first values
// is a header (`{ 0, 0, FONTDATAMAX, 0 }` before the glyph bytes of a
// structure): its values are dropped and the rest of it passed over. Only
// this many of its values can be taken back.
constexpr std::size_t kMaxHeaderValues = 16;

// Names longer than this are kept cut short.
constexpr std::size_t kMaxNameChars = 255;

// Macro-like words (PROGMEM, U8X8_PROGMEM) and compiler words (__flash)
// are attributes, never the name of an array.
bool IsAttributeWord(std::string_view w) {
  if (w.starts_with("__")) return true;
  return std::none_of(w.begin(), w.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

constexpr std::array<bool, 256> MakeIdentifierTable() {
  std::array<bool, 256> t{};
  for (int c = 'a'; c <= 'z'; ++c) t[static_cast<std::size_t>(c)] = true;
  for (int c = 'A'; c <= 'Z'; ++c) t[static_cast<std::size_t>(c)] = true;
  for (int c = '0'; c <= '9'; ++c) t[static_cast<std::size_t>(c)] = true;
  t['_'] = true;
  return t;
}
constexpr std::array<bool, 256> kIdentifierChar = MakeIdentifierTable();

bool IsIdentifierChar(char c) { return kIdentifierChar[static_cast<unsigned char>(c)]; }

// A '=' right after one of these is part of a comparison or a compound
// assignment, never the start of an initialiser.
bool IsOperatorChar(char c) {
  return c == '=' || c == '!' || c == '<' || c == '>' || c == '+' || c == '-' || c == '*' ||
         c == '/' || c == '%' || c == '&' || c == '|' || c == '^';
}

// The text of a C source, character by character: the lexical level
// (comments, preprocessor lines, literals, line ends) decides what is code;
// the parser level looks for the initialiser and takes its values. Only a
// few characters of state are kept, so any file is read in one block's memory.
class CArrayScanner {
 public:
  // Reads the array named `name` (the first one when empty) into `store`.
  CArrayScanner(std::span<std::uint8_t> store, bool negative, std::string_view name)
      : store_(store), flip_(negative ? 0xFF : 0x00), target_(name) {}
  // Counts the values of every array into `arrays` instead.
  explicit CArrayScanner(std::vector<CArrayInfo>& arrays) : arrays_(&arrays) {}

  // False once reading has to stop: the array is complete or a value failed.
  bool Feed(const char* p, const char* end);
  void Finish();
  ReadResult Result() const { return {status_, index_, {}, line_, column_}; }

 private:
  enum class Lex : std::uint8_t {
    Code,
    Slash,  // a '/' that may start a comment
    LineComment,
    LineCommentBackslash,
    Block,
    BlockStar,
    Preprocessor,
    PreprocessorBackslash,
    String,
    StringEscape,
    Char,
    CharEscape,
  };
  enum class Phase : std::uint8_t {
    Seek,       // before an initialiser
    Array,      // taking its values
    SkipGroup,  // passing over the rest of a header group
    SkipArray,  // passing over an array not asked for
    Done,
  };
  enum class Value : std::uint8_t {
    Start,      // at the start of a value or a brace
    Sign,       // after '-'
    Cast,       // inside "(uint8_t)"
    AfterCast,  // after the cast, before the number
    Token,      // inside the number
    After,      // after a value or a closing brace
  };

  std::size_t Offset(const char* p) const {
    return blockOffset_ + static_cast<std::size_t>(p - block_);
  }
  bool Stopped() const { return phase_ == Phase::Done || status_ != ReadStatus::Completed; }
  // Stops at the character at hand, or at the value begun at `offset`.
  bool Fail(ReadStatus status) { return FailAt(status, At()); }
  // The offset of the character at hand, or of the end after the last block.
  std::size_t At() const { return current_ != nullptr ? Offset(current_) : blockOffset_; }
  bool FailAt(ReadStatus status, std::size_t offset) {
    status_ = status;
    column_ = offset - lineOffset_ + 1;
    return false;
  }
  bool Recover(char c);
  bool DropHeaderGroup();
  void SkipChar(char c);
  void SeekIdentifierEnd();
  void BeginArray();
  void EndArray();
  bool LineEnd();
  bool CodeChar(char c);
  bool Significant(char c);
  bool Blank();
  void SeekChar(char c);
  bool ArrayChar(char c);
  bool ValueChar(char c);
  bool EndToken();
  bool StoreNumber(CNumber n, std::size_t offset);
  [[gnu::noinline]] bool StoreNumberCarefully(CNumber n, std::size_t offset);
  const char* ScanValues(const char* p, const char* end);

  std::span<std::uint8_t> store_;
  std::uint8_t flip_ = 0;
  std::size_t index_ = 0;
  ReadStatus status_ = ReadStatus::Completed;
  std::size_t line_ = 1;
  std::size_t column_ = 0;

  // Where the text is: the block being fed, its offset in the file, the
  // offset of the character at hand and of the current line's first one.
  const char* block_ = nullptr;
  std::size_t blockOffset_ = 0;
  const char* current_ = nullptr;
  std::size_t lineOffset_ = 0;

  // Which array: the one named target_ (any when empty), or all of them
  // counted into arrays_.
  std::string target_;
  std::vector<CArrayInfo>* arrays_ = nullptr;
  bool found_ = false;

  // The declaration before "=": the identifier being read, the last one,
  // the first one followed by "[" and the last that is no attribute word.
  std::string ident_;
  bool inIdent_ = false;
  std::string lastIdent_;
  std::string bracketName_;
  std::string plainName_;
  std::string previousPlainName_;  // plainName_ before the last identifier
  std::size_t parens_ = 0;
  std::string name_;  // of the array being read
  std::size_t arrayLine_ = 0;
  std::size_t arrayStart_ = 0;  // index_ at its opening brace

  // The innermost open group: where its values begin in the store (npos
  // once a group inside it has closed) and the bytes they replaced.
  std::size_t groupStart_ = 0;
  std::array<std::uint8_t, kMaxHeaderValues> replaced_{};
  std::size_t skipDepth_ = 0;
  std::size_t tokenOffset_ = 0;

  Lex lex_ = Lex::Code;
  bool afterCr_ = false;   // a LF right after a CR ends the same line
  bool lineStart_ = true;  // only blanks so far on this line: a '#' starts a directive

  Phase phase_ = Phase::Seek;
  bool equalsPending_ = false;  // the last code was an assignment '='
  char previous_ = 0;           // the last code character, 0 after a blank

  Value value_ = Value::Start;
  bool negative_ = false;
  std::size_t depth_ = 0;
  std::array<char, kMaxTokenChars> token_{};
  std::size_t tokenLen_ = 0;  // up to kMaxTokenChars + 1: too long
};

bool CArrayScanner::Feed(const char* p, const char* end) {
  block_ = p;
  while (p != end) {
    if (lex_ == Lex::Code && phase_ == Phase::Array && value_ != Value::Token && !afterCr_) {
      p = ScanValues(p, end);
      if (Stopped()) return false;
      if (p == end) break;
    }
    current_ = p;
    const char c = *p++;
    if (afterCr_) {
      afterCr_ = false;
      if (c == '\n') {
        lineOffset_ = Offset(p);
        continue;
      }
    }
    // Text has no NUL byte: binary data is refused at once, wherever it is.
    // A number in front of it ends first, as it would in one block.
    if (c == '\0') {
      if (lex_ == Lex::Slash) {
        lex_ = Lex::Code;
        if (!Significant('/')) return false;
      }
      if (lex_ == Lex::Code && !Blank()) return false;
      return Fail(ReadStatus::BinaryData);
    }
    if (c == '\r' || c == '\n') {
      afterCr_ = c == '\r';
      if (!LineEnd()) return false;
      lineOffset_ = Offset(p);
      continue;
    }
    switch (lex_) {
      case Lex::Code:
        if (!CodeChar(c)) return false;
        break;
      case Lex::Slash:
        if (c == '*' || c == '/') {
          lex_ = c == '*' ? Lex::Block : Lex::LineComment;
          if (!Blank()) return false;
        } else {
          lex_ = Lex::Code;
          lineStart_ = false;
          if (!Significant('/') || !CodeChar(c)) return false;
        }
        break;
      case Lex::LineComment:
      case Lex::LineCommentBackslash:
        lex_ = c == '\\' ? Lex::LineCommentBackslash : Lex::LineComment;
        break;
      case Lex::Block:
        if (c == '*') lex_ = Lex::BlockStar;
        break;
      case Lex::BlockStar:
        lex_ = c == '/' ? Lex::Code : (c == '*' ? Lex::BlockStar : Lex::Block);
        break;
      case Lex::Preprocessor:
      case Lex::PreprocessorBackslash:
        lex_ = c == '\\' ? Lex::PreprocessorBackslash : Lex::Preprocessor;
        break;
      case Lex::String:
        if (c == '\\') lex_ = Lex::StringEscape;
        if (c == '"') lex_ = Lex::Code;
        break;
      case Lex::StringEscape:
        lex_ = Lex::String;
        break;
      case Lex::Char:
        if (c == '\\') lex_ = Lex::CharEscape;
        if (c == '\'') lex_ = Lex::Code;
        break;
      case Lex::CharEscape:
        lex_ = Lex::Char;
        break;
    }
  }
  blockOffset_ += static_cast<std::size_t>(end - block_);
  current_ = nullptr;
  return true;
}

bool CArrayScanner::LineEnd() {
  bool ok = true;
  switch (lex_) {
    case Lex::Code:
      ok = Blank();
      break;
    case Lex::Slash:
      lex_ = Lex::Code;
      ok = Significant('/') && Blank();
      break;
    case Lex::LineComment:
    case Lex::Preprocessor:
      lex_ = Lex::Code;
      break;
    // A backslash at the end of the line carries it on to the next.
    case Lex::LineCommentBackslash:
      lex_ = Lex::LineComment;
      break;
    case Lex::PreprocessorBackslash:
      lex_ = Lex::Preprocessor;
      break;
    case Lex::StringEscape:
      lex_ = Lex::String;
      break;
    case Lex::CharEscape:
      lex_ = Lex::Char;
      break;
    // A literal does not run past its line, so a stray quote cannot hide the array.
    case Lex::String:
    case Lex::Char:
      lex_ = Lex::Code;
      break;
    case Lex::Block:
    case Lex::BlockStar:
      lex_ = Lex::Block;
      break;
  }
  if (!ok) return false;
  ++line_;
  lineStart_ = lex_ == Lex::Code;
  return true;
}

bool CArrayScanner::CodeChar(char c) {
  switch (c) {
    case ' ':
    case '\t':
    case '\v':
    case '\f':
      return Blank();
    case '/':
      lex_ = Lex::Slash;
      return true;
    case '#':
      if (lineStart_) {
        lex_ = Lex::Preprocessor;
        return Blank();
      }
      break;
    default:
      break;
  }
  lineStart_ = false;
  return Significant(c);
}

bool CArrayScanner::Significant(char c) {
  switch (phase_) {
    case Phase::Seek:
      SeekChar(c);
      return true;
    case Phase::Array:
      return ArrayChar(c);
    case Phase::SkipGroup:
    case Phase::SkipArray:
      SkipChar(c);
      return true;
    case Phase::Done:
      break;
  }
  return false;
}

bool CArrayScanner::Blank() {
  previous_ = 0;
  if (phase_ == Phase::Seek) SeekIdentifierEnd();
  if (phase_ == Phase::Array && value_ == Value::Token) {
    value_ = Value::After;
    return EndToken() || Recover(' ');
  }
  return true;
}

// After a value that is no number: a header group is dropped, and while
// listing, an array that is no table is passed over. Anything else stops.
bool CArrayScanner::Recover(char c) {
  if (status_ == ReadStatus::BinaryData) return false;
  if (status_ == ReadStatus::NotANumber && DropHeaderGroup()) {
    status_ = ReadStatus::Completed;
    phase_ = Phase::SkipGroup;
    skipDepth_ = 1;
  } else if (arrays_ != nullptr) {
    status_ = ReadStatus::Completed;
    phase_ = Phase::SkipArray;
    skipDepth_ = depth_;
    index_ = arrayStart_;
  } else {
    return false;
  }
  SkipChar(c);
  return true;
}

bool CArrayScanner::DropHeaderGroup() {
  if (depth_ < 2 || groupStart_ == std::string::npos || index_ - groupStart_ > kMaxHeaderValues) {
    return false;
  }
  if (arrays_ == nullptr) {
    std::copy_n(replaced_.begin(), index_ - groupStart_, store_.begin() + groupStart_);
  }
  index_ = groupStart_;
  return true;
}

void CArrayScanner::SkipChar(char c) {
  switch (c) {
    case '"':
      lex_ = Lex::String;
      break;
    case '\'':
      lex_ = Lex::Char;
      break;
    case '{':
      ++skipDepth_;
      break;
    case '}':
      if (--skipDepth_ != 0) break;
      if (phase_ == Phase::SkipGroup) {
        phase_ = Phase::Array;
        value_ = Value::After;
        negative_ = false;
        groupStart_ = std::string::npos;
        --depth_;
      } else {
        phase_ = Phase::Seek;
        equalsPending_ = false;
        previous_ = 0;
      }
      break;
    default:
      break;
  }
}

void CArrayScanner::SeekIdentifierEnd() {
  if (!inIdent_) return;
  inIdent_ = false;
  if (parens_ != 0 || (ident_[0] >= '0' && ident_[0] <= '9')) return;
  lastIdent_ = ident_;
  previousPlainName_ = plainName_;
  if (!IsAttributeWord(ident_)) plainName_ = ident_;
}

void CArrayScanner::BeginArray() {
  name_ = !bracketName_.empty() ? bracketName_ : !plainName_.empty() ? plainName_ : lastIdent_;
  lastIdent_.clear();
  bracketName_.clear();
  plainName_.clear();
  arrayLine_ = line_;
  depth_ = 1;
  value_ = Value::Start;
  groupStart_ = index_;
  arrayStart_ = index_;
  const bool wanted = arrays_ != nullptr || (!found_ && (target_.empty() || name_ == target_));
  if (wanted) {
    found_ = true;
    phase_ = Phase::Array;
  } else {
    phase_ = Phase::SkipArray;
    skipDepth_ = 1;
  }
}

void CArrayScanner::EndArray() {
  if (arrays_ == nullptr) {
    phase_ = Phase::Done;
    column_ = At() - lineOffset_ + 1;
    return;
  }
  arrays_->push_back({name_, index_ - arrayStart_, arrayLine_});
  index_ = 0;
  phase_ = Phase::Seek;
  equalsPending_ = false;
  previous_ = 0;
}

void CArrayScanner::SeekChar(char c) {
  if (IsIdentifierChar(c)) {
    if (!inIdent_) ident_.clear();
    inIdent_ = true;
    if (ident_.size() < kMaxNameChars) ident_ += c;
    equalsPending_ = false;
    previous_ = c;
    return;
  }
  SeekIdentifierEnd();
  switch (c) {
    case '[':
      if (bracketName_.empty() && parens_ == 0 && IsIdentifierChar(previous_)) {
        bracketName_ = lastIdent_;
      }
      break;
    case '(':
      // A name called like a function is an attribute macro, not the array.
      if (parens_++ == 0 && IsIdentifierChar(previous_)) plainName_ = previousPlainName_;
      break;
    case ')':
      if (parens_ != 0) --parens_;
      break;
    case ',':
      // A comma inside parentheses is an attribute's or a parameter list's.
      if (parens_ != 0) break;
      [[fallthrough]];
    case ';':
    case '}':
      lastIdent_.clear();
      bracketName_.clear();
      plainName_.clear();
      parens_ = 0;
      break;
    default:
      break;
  }
  switch (c) {
    case '"':
      lex_ = Lex::String;
      equalsPending_ = false;
      break;
    case '\'':
      lex_ = Lex::Char;
      equalsPending_ = false;
      break;
    case '=':
      equalsPending_ = !IsOperatorChar(previous_);
      break;
    case '{':
      if (equalsPending_) {
        BeginArray();
      } else {
        lastIdent_.clear();
        bracketName_.clear();
        plainName_.clear();
      }
      equalsPending_ = false;
      break;
    default:
      equalsPending_ = false;
      break;
  }
  previous_ = c;
}

bool CArrayScanner::ArrayChar(char c) {
  if (ValueChar(c)) return true;
  // False with no fault: the array is complete.
  return status_ != ReadStatus::Completed && Recover(c);
}

bool CArrayScanner::ValueChar(char c) {
  if (IsIdentifierChar(c) || (c == '\'' && value_ == Value::Token)) {
    switch (value_) {
      case Value::Start:
      case Value::Sign:
      case Value::AfterCast:
        value_ = Value::Token;
        tokenLen_ = 0;
        // A value with a sign is placed at its sign.
        if (!negative_) tokenOffset_ = At();
        [[fallthrough]];
      case Value::Token:
        if (tokenLen_ < kMaxTokenChars) token_[tokenLen_] = c;
        if (tokenLen_ <= kMaxTokenChars) ++tokenLen_;
        return true;
      case Value::Cast:
        return true;
      case Value::After:
        break;
    }
    return Fail(ReadStatus::NotANumber);
  }
  // Any other character ends a number, as a blank does; whether it may
  // follow one is asked below.
  if (value_ == Value::Token) {
    value_ = Value::After;
    if (!EndToken()) return false;
  }
  switch (c) {
    case ',':
      if (value_ != Value::After) return Fail(ReadStatus::NotANumber);
      value_ = Value::Start;
      return true;
    case '}':
      if (value_ != Value::Start && value_ != Value::After) return Fail(ReadStatus::NotANumber);
      value_ = Value::After;
      groupStart_ = std::string::npos;
      if (--depth_ == 0) {
        EndArray();
        return arrays_ != nullptr;
      }
      return true;
    case '{':
      if (value_ != Value::Start) return Fail(ReadStatus::NotANumber);
      ++depth_;
      groupStart_ = index_;
      return true;
    case '-':
      if (value_ != Value::Start) return Fail(ReadStatus::NotANumber);
      value_ = Value::Sign;
      negative_ = true;
      tokenOffset_ = At();
      return true;
    case '(':
      if (value_ != Value::Start && value_ != Value::Sign) return Fail(ReadStatus::NotANumber);
      value_ = Value::Cast;
      return true;
    case ')':
      if (value_ != Value::Cast) return Fail(ReadStatus::NotANumber);
      value_ = Value::AfterCast;
      return true;
    default:
      return Fail(ReadStatus::NotANumber);
  }
}

// Takes the plain run of values and commas of an array line straight from
// the block; anything else (line ends, comments, braces, casts, a number
// cut by the block's end) is left to the character-by-character way.
const char* CArrayScanner::ScanValues(const char* p, const char* end) {
  while (p != end) {
    const char c = *p;
    if (c == ' ') {
      ++p;
    } else if (c == ',') {
      if (value_ != Value::After) return p;
      value_ = Value::Start;
      lineStart_ = false;
      ++p;
    } else if (value_ == Value::Start && IsIdentifierChar(c)) {
      const char* q = p + 1;
      while (q != end && IsIdentifierChar(*q)) ++q;
      if (q == end || *q == '\'') return p;
      std::optional<std::uint8_t> hex;
      if (q - p == 4 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        hex = fontvalue_detail::HexPair(p[2], p[3]);
      }
      const CNumber n = hex ? CNumber{ReadStatus::Completed, *hex}
                            : ParseCNumber(std::string_view(p, static_cast<std::size_t>(q - p)));
      lineStart_ = false;  // a '#' after the value starts no directive
      if (!StoreNumber(n, Offset(p))) {
        // The character after the value is left to the careful way.
        Recover(' ');
        return q;
      }
      value_ = Value::After;
      p = q;
    } else {
      return p;
    }
  }
  return p;
}

bool CArrayScanner::EndToken() {
  return StoreNumber(tokenLen_ <= kMaxTokenChars
                         ? ParseCNumber(std::string_view(token_.data(), tokenLen_))
                         : CNumber{ReadStatus::NotANumber, 0},
                     tokenOffset_);
}

bool CArrayScanner::StoreNumber(CNumber n, std::size_t offset) {
  // The usual value goes straight in; signs, faults, counting and the first
  // values of a group, which a header may take back, the longer way.
  if (n.status == ReadStatus::Completed && !negative_ && arrays_ == nullptr &&
      index_ < store_.size() &&
      (groupStart_ == std::string::npos || index_ - groupStart_ >= kMaxHeaderValues)) {
    store_[index_++] = static_cast<std::uint8_t>(n.value ^ flip_);
    return true;
  }
  return StoreNumberCarefully(n, offset);
}

bool CArrayScanner::StoreNumberCarefully(CNumber n, std::size_t offset) {
  if (n.status == ReadStatus::Completed && negative_ && n.value != 0) {
    n.status = ReadStatus::ValueOutOfRange;
  }
  negative_ = false;
  if (n.status != ReadStatus::Completed) return FailAt(n.status, offset);
  if (arrays_ != nullptr) {
    ++index_;
    return true;
  }
  if (index_ >= store_.size()) return FailAt(ReadStatus::StoreFull, offset);
  if (groupStart_ != std::string::npos && index_ - groupStart_ < kMaxHeaderValues) {
    replaced_[index_ - groupStart_] = store_[index_];
  }
  store_[index_++] = static_cast<std::uint8_t>(n.value ^ flip_);
  return true;
}

void CArrayScanner::Finish() {
  if (Stopped()) return;
  if (lex_ == Lex::Slash) {
    lex_ = Lex::Code;
    if (!Significant('/') || !Blank()) return;
  }
  current_ = nullptr;
  if (lex_ == Lex::Block || lex_ == Lex::BlockStar) {
    Fail(ReadStatus::UnclosedBlockComment);
  } else if (phase_ != Phase::Seek) {
    Fail(ReadStatus::UnclosedArray);
  } else if (arrays_ == nullptr) {
    Fail(found_ || target_.empty() ? ReadStatus::NoArray : ReadStatus::NoSuchArray);
  } else {
    column_ = At() - lineOffset_ + 1;
  }
}

}  // namespace

ReadResult ReadCArray(ByteSource& in, int pos, std::span<std::uint8_t> store) {
  return ReadCArrayValues(in, pos == 0, store.first(std::min(store.size(), kFontStoreValues)), {});
}

ReadResult ReadCArrayValues(ByteSource& in, bool negative, std::span<std::uint8_t> store,
                            std::string_view name) {
  CArrayScanner scanner(store, negative, name);
  return ReadInBlocks(in, scanner);
}

ReadResult ListCArrayInitialisers(ByteSource& in, std::vector<CArrayInfo>& arrays) {
  CArrayScanner scanner(arrays);
  ReadResult r = ReadInBlocks(in, scanner);
  r.valuesStored = 0;
  return r;
}

bool IsCSourcePath(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return false;
  std::string ext(name.substr(dot + 1));
  for (char& c : ext) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  for (const char* known :
       {"c", "h", "cc", "cpp", "cxx", "c++", "hh", "hpp", "hxx", "h++", "ino"}) {
    if (ext == known) return true;
  }
  return false;
}

}  // namespace zg
