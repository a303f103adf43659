#include "fontfile/c_number.h"

#include <string>

namespace zg {
namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

bool IsIntegerSuffix(std::string_view s) {
  std::string lower(s);
  for (char& c : lower) c = c == 'U' ? 'u' : (c == 'L' ? 'l' : c);
  for (const char* ok : {"u", "l", "ul", "lu", "ll", "ull", "llu"}) {
    if (lower == ok) return true;
  }
  return false;
}

// Digits in `base` with ' separators between them; the value saturates above `max`.
CNumber Digits(std::string_view digits, unsigned base, unsigned max) {
  CNumber n;
  if (digits.empty() || digits.front() == '\'' || digits.back() == '\'') {
    return {ReadStatus::NotANumber, 0};
  }
  bool over = false;
  char previous = 0;
  for (const char c : digits) {
    if (c == '\'') {
      if (previous == '\'') return {ReadStatus::NotANumber, 0};
    } else {
      const auto d = static_cast<unsigned>(DigitValue(c));
      if (d >= base) return {ReadStatus::NotANumber, 0};
      n.value = n.value * base + d;
      if (n.value > max) {
        over = true;
        n.value = max + 1;
      }
    }
    previous = c;
  }
  if (over) n.status = ReadStatus::ValueOutOfRange;
  return n;
}

}  // namespace

CNumber ParseCNumber(std::string_view t) { return ParseCInteger(t, 255); }

CNumber ParseCInteger(std::string_view t, unsigned max) {
  if (t.empty() || t.size() > kMaxCNumberChars) return {ReadStatus::NotANumber, 0};
  // Arduino's binary.h names every byte: B0 .. B11111111.
  if (t.front() == 'B' && t.size() >= 2 && t.size() <= 9 &&
      t.find_first_not_of("01", 1) == std::string_view::npos) {
    return Digits(t.substr(1), 2, max);
  }
  if (t.front() < '0' || t.front() > '9') return {ReadStatus::NotANumber, 0};
  std::size_t suffix = 0;
  while (suffix < 3 && suffix < t.size()) {
    const char c = t[t.size() - 1 - suffix];
    if (c != 'u' && c != 'U' && c != 'l' && c != 'L') break;
    ++suffix;
  }
  if (suffix != 0 && !IsIntegerSuffix(t.substr(t.size() - suffix))) {
    return {ReadStatus::NotANumber, 0};
  }
  const std::string_view body = t.substr(0, t.size() - suffix);
  if (body.size() >= 2 && body[0] == '0' && (body[1] == 'x' || body[1] == 'X')) {
    return Digits(body.substr(2), 16, max);
  }
  if (body.size() >= 2 && body[0] == '0' && (body[1] == 'b' || body[1] == 'B')) {
    return Digits(body.substr(2), 2, max);
  }
  if (body == "0") return {};
  if (body[0] == '0') return Digits(body.substr(1), 8, max);
  return Digits(body, 10, max);
}

}  // namespace zg
