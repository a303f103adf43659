#include "model/code_page.h"

#include <gtest/gtest.h>

namespace zg {
namespace {

TEST(CodePage, CharactersOfKnownCodes) {
  struct Case {
    CodePage page;
    int code;
    std::string text;  // "" for an undefined or control code
  };
  const Case cases[] = {
      {CodePage::Windows1251, 0x20, " "}, {CodePage::Windows1251, 0x41, "A"},
      {CodePage::Windows1251, 0xC0, "А"}, {CodePage::Windows1252, 0xC0, "À"},
      {CodePage::Windows1251, 0xA8, "Ё"}, {CodePage::Windows1251, 0xFF, "я"},
      {CodePage::Windows1251, 0x98, ""},  {CodePage::Windows1251, 0x7F, ""},
      {CodePage::Windows1251, 0x88, "€"}, {CodePage::Windows1250, 0x8A, "Š"},
      {CodePage::Cp866, 0x80, "А"},       {CodePage::Cp866, 0xB0, "░"},
      {CodePage::Koi8R, 0xC1, "а"},       {CodePage::Koi8R, 0xE1, "А"},
      {CodePage::Iso8859_1, 0x85, ""},    {CodePage::Iso8859_1, 0xE9, "é"},
      {CodePage::Iso8859_2, 0xA3, "Ł"},   {CodePage::Iso8859_5, 0xB0, "А"},
      {CodePage::Iso8859_5, 0x9F, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8(CodePageCharacters(c.page)[c.code - 0x20]), c.text)
        << CodePageName(c.page) << " code " << std::hex << c.code;
  }
}

TEST(CodePage, EveryDefinedCodeFindsItsSymbolAgain) {
  for (const CodePage page : kCodePages) {
    const auto& table = CodePageCharacters(page);
    int defined = 0;
    for (int i = 0; i < kSymbolCount; ++i) {
      if (table[i] == 0) continue;
      ++defined;
      EXPECT_EQ(SymbolIndexOf(page, table[i]), i) << CodePageName(page) << " symbol " << i;
    }
    // Every page defines all of ASCII but DEL, and most of the upper half.
    EXPECT_GT(defined, 95 + 64) << CodePageName(page);
  }
  EXPECT_EQ(SymbolIndexOf(CodePage::Windows1251, U'Ж'), 0xC6 - 0x20);
  EXPECT_EQ(SymbolIndexOf(CodePage::Windows1252, U'Ж'), std::nullopt);
  EXPECT_EQ(SymbolIndexOf(CodePage::Windows1251, 0), std::nullopt);
}

TEST(CodePage, NamesAndShortForms) {
  for (const CodePage page : kCodePages) EXPECT_EQ(CodePageFromName(CodePageName(page)), page);
  EXPECT_EQ(kCodePages.front(), CodePage::Windows1251);
  EXPECT_EQ(CodePageName(CodePage::Iso8859_5), "ISO 8859-5");
  const std::pair<const char*, CodePage> forms[] = {
      {"cp1251", CodePage::Windows1251},  {"WINDOWS-1251", CodePage::Windows1251},
      {"1251", CodePage::Windows1251},    {"cp866", CodePage::Cp866},
      {"koi8-r", CodePage::Koi8R},        {"KOI8R", CodePage::Koi8R},
      {"iso8859-1", CodePage::Iso8859_1}, {"iso-8859-1", CodePage::Iso8859_1},
      {"Latin1", CodePage::Iso8859_1},    {"iso_8859-2", CodePage::Iso8859_2},
      {"cp1250", CodePage::Windows1250},  {"windows-1252", CodePage::Windows1252},
  };
  for (const auto& [name, page] : forms) EXPECT_EQ(CodePageFromName(name), page) << name;
  for (const char* bad : {"", "-", "utf-8", "cp12511", "koi8-u"}) {
    EXPECT_EQ(CodePageFromName(bad), std::nullopt) << bad;
  }
}

TEST(CodePage, CharsetsByTheirIconvName) {
  const auto koi8 = CharsetCharacters("KOI8-R");
  ASSERT_TRUE(koi8.has_value());
  EXPECT_EQ((*koi8)[0xE1], U'А');
  EXPECT_EQ((*koi8)[0x41], U'A');
  const auto cp1251 = CharsetCharacters("CP1251");
  ASSERT_TRUE(cp1251.has_value());
  EXPECT_EQ((*cp1251)[0x98], 0U);     // undefined
  EXPECT_EQ((*cp1251)[0x0A], U'\n');  // control characters are characters here
  EXPECT_EQ(CharsetCharacters("NO-SUCH-CHARSET"), std::nullopt);
}

TEST(CodePage, Utf8Encoding) {
  EXPECT_EQ(Utf8(0), "");
  EXPECT_EQ(Utf8(U'A'), "A");
  EXPECT_EQ(Utf8(U'Ж'), "Ж");
  EXPECT_EQ(Utf8(U'€'), "€");
  EXPECT_EQ(Utf8(0x1F600), "\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf8(0xD800), "");
  EXPECT_EQ(Utf8(0x110000), "");
}

}  // namespace
}  // namespace zg
