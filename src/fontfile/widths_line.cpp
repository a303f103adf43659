#include "fontfile/widths_line.h"

#include <charconv>

namespace zg {
namespace {

constexpr std::size_t kWidthCount = 224;
// Room for 224 widths with generous blanks between them; a longer line is no
// line this program wrote.
constexpr std::size_t kMaxWidthsText = 4096;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The widths of the text after the keyword, or why it holds none.
WidthsLine ParseWidths(std::string_view text, int cellWidth) {
  WidthsLine w;
  w.status = WidthsLineStatus::Malformed;
  std::vector<std::uint8_t> widths;
  std::size_t i = 0;
  for (;;) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i == text.size()) break;
    int value = 0;
    const char* begin = text.data() + i;
    const auto [p, ec] = std::from_chars(begin, text.data() + text.size(), value);
    if (ec != std::errc{} || p == begin || (p != text.data() + text.size() && !IsBlank(*p))) {
      w.problem =
          "'" + std::string(text.substr(i, text.find_first_of(" \t", i) - i)) + "' is no width";
      return w;
    }
    if (value < 1 || value > cellWidth) {
      w.problem = "width " + std::to_string(value) + " is outside 1.." + std::to_string(cellWidth);
      return w;
    }
    if (widths.size() == kWidthCount) {
      w.problem = "more than 224 widths";
      return w;
    }
    widths.push_back(static_cast<std::uint8_t>(value));
    i = static_cast<std::size_t>(p - text.data());
  }
  if (widths.size() != kWidthCount) {
    w.problem = std::to_string(widths.size()) + " widths instead of 224";
    return w;
  }
  w.status = WidthsLineStatus::Read;
  w.widths = std::move(widths);
  return w;
}

}  // namespace

std::string WriteWidthsLine(std::span<const std::uint8_t> widths, std::string_view keyword) {
  std::string line = keyword == "Data " ? "' " : "; ";
  line += kWidthsKeyword;
  for (const std::uint8_t w : widths) line += ' ' + std::to_string(w);
  line += "\r\n";
  return line;
}

ByteChunk WidthsLineSource::Read(std::span<char> buffer) {
  ByteChunk chunk = in_.Read(buffer);
  if (!chunk.failure) {
    for (std::size_t i = 0; i < chunk.count && i < buffer.size(); ++i) Feed(buffer[i]);
  }
  return chunk;
}

void WidthsLineSource::Feed(char c) {
  if (afterCr_) {
    afterCr_ = false;
    if (c == '\n') return;
  }
  if (c == '\r' || c == '\n') {
    afterCr_ = c == '\r';
    EndLine();
    ++line_;
    return;
  }
  switch (state_) {
    case State::Blanks:
      if (IsBlank(c)) return;
      state_ = c == ';' || c == '\'' ? State::AfterMark : c == '/' ? State::Slash : State::Other;
      return;
    case State::Slash:
      state_ = c == '/' ? State::AfterMark : State::Other;
      return;
    case State::AfterMark:
      if (IsBlank(c)) return;
      state_ = State::Keyword;
      [[fallthrough]];
    case State::Keyword:
      if (c != kWidthsKeyword[matched_]) {
        state_ = State::Other;
      } else if (++matched_ == kWidthsKeyword.size()) {
        state_ = State::Collect;
      }
      return;
    case State::Collect:
      if (text_.size() < kMaxWidthsText) {
        text_ += c;
      } else {
        overlong_ = true;
      }
      return;
    case State::Other:
      return;
  }
}

void WidthsLineSource::EndLine() {
  if (state_ == State::Collect) {
    if (found_.status != WidthsLineStatus::Absent) {
      found_ = {WidthsLineStatus::Malformed,
                {},
                line_,
                "a second widths line (the first on line " + std::to_string(found_.line) + ")"};
    } else if (overlong_) {
      found_ = {WidthsLineStatus::Malformed, {}, line_, "the line is too long"};
    } else {
      found_ = ParseWidths(text_, cellWidth_);
      found_.line = line_;
    }
  }
  state_ = State::Blanks;
  matched_ = 0;
  text_.clear();
  overlong_ = false;
}

WidthsLine WidthsLineSource::Found() const {
  if (state_ != State::Collect) return found_;
  WidthsLineSource last = *this;
  last.EndLine();
  return last.found_;
}

WidthsLine FindWidthsLine(std::string_view text, int cellWidth) {
  MemoryByteSource memory(text);
  WidthsLineSource source(memory, cellWidth);
  char block[4096];
  while (source.Read(block).count != 0) {
  }
  return source.Found();
}

}  // namespace zg
