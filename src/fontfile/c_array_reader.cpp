#include "fontfile/c_array_reader.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "fontfile/block_reading.h"
#include "fontfile/c_number.h"
#include "fontfile/font_value.h"

namespace zg {
namespace {

constexpr std::size_t kMaxTokenChars = kMaxCNumberChars;

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
  CArrayScanner(std::span<std::uint8_t> store, bool negative)
      : store_(store), flip_(negative ? 0xFF : 0x00) {}

  // False once reading has to stop: the array is complete or a value failed.
  bool Feed(const char* p, const char* end);
  void Finish();
  ReadResult Result() const { return {status_, index_, {}, line_}; }

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
  enum class Phase : std::uint8_t { Seek, Array, Done };
  enum class Value : std::uint8_t {
    Start,      // at the start of a value or a brace
    Sign,       // after '-'
    Cast,       // inside "(uint8_t)"
    AfterCast,  // after the cast, before the number
    Token,      // inside the number
    After,      // after a value or a closing brace
  };

  bool Stopped() const { return phase_ == Phase::Done || status_ != ReadStatus::Completed; }
  bool Fail(ReadStatus status) {
    status_ = status;
    return false;
  }
  bool LineEnd();
  bool CodeChar(char c);
  bool Significant(char c);
  bool Blank();
  void SeekChar(char c);
  bool ArrayChar(char c);
  bool EndToken();
  bool StoreNumber(CNumber n);
  const char* ScanValues(const char* p, const char* end);

  std::span<std::uint8_t> store_;
  std::uint8_t flip_;
  std::size_t index_ = 0;
  ReadStatus status_ = ReadStatus::Completed;
  std::size_t line_ = 1;

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
  while (p != end) {
    if (lex_ == Lex::Code && phase_ == Phase::Array && value_ != Value::Token && !afterCr_) {
      p = ScanValues(p, end);
      if (Stopped()) return false;
      if (p == end) break;
    }
    const char c = *p++;
    if (afterCr_) {
      afterCr_ = false;
      if (c == '\n') continue;
    }
    if (c == '\r' || c == '\n') {
      afterCr_ = c == '\r';
      if (!LineEnd()) return false;
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
  if (phase_ == Phase::Seek) {
    SeekChar(c);
    return true;
  }
  return ArrayChar(c);
}

bool CArrayScanner::Blank() {
  previous_ = 0;
  if (phase_ == Phase::Array && value_ == Value::Token) {
    value_ = Value::After;
    return EndToken();
  }
  return true;
}

void CArrayScanner::SeekChar(char c) {
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
        phase_ = Phase::Array;
        depth_ = 1;
        value_ = Value::Start;
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
  if (IsIdentifierChar(c) || (c == '\'' && value_ == Value::Token)) {
    switch (value_) {
      case Value::Start:
      case Value::Sign:
      case Value::AfterCast:
        value_ = Value::Token;
        tokenLen_ = 0;
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
      if (--depth_ == 0) {
        phase_ = Phase::Done;
        return false;
      }
      return true;
    case '{':
      if (value_ != Value::Start) return Fail(ReadStatus::NotANumber);
      ++depth_;
      return true;
    case '-':
      if (value_ != Value::Start) return Fail(ReadStatus::NotANumber);
      value_ = Value::Sign;
      negative_ = true;
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
      if (!StoreNumber(n)) return q;
      value_ = Value::After;
      lineStart_ = false;
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
                         : CNumber{ReadStatus::NotANumber, 0});
}

bool CArrayScanner::StoreNumber(CNumber n) {
  if (n.status == ReadStatus::Completed && negative_ && n.value != 0) {
    n.status = ReadStatus::ValueOutOfRange;
  }
  negative_ = false;
  if (n.status != ReadStatus::Completed) return Fail(n.status);
  if (index_ >= store_.size()) return Fail(ReadStatus::StoreFull);
  store_[index_++] = static_cast<std::uint8_t>(n.value ^ flip_);
  return true;
}

void CArrayScanner::Finish() {
  if (Stopped()) return;
  if (lex_ == Lex::Slash) {
    lex_ = Lex::Code;
    if (!Significant('/') || !Blank()) return;
  }
  if (lex_ == Lex::Block || lex_ == Lex::BlockStar) {
    status_ = ReadStatus::UnclosedBlockComment;
  } else {
    status_ = phase_ == Phase::Seek ? ReadStatus::NoArray : ReadStatus::UnclosedArray;
  }
}

}  // namespace

ReadResult ReadCArray(ByteSource& in, int pos, std::span<std::uint8_t> store) {
  CArrayScanner scanner(store.first(std::min(store.size(), kFontStoreValues)), pos == 0);
  return ReadInBlocks(in, scanner);
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
