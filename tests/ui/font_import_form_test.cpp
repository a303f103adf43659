#include "ui/font_import_form.h"

#include <gtest/gtest.h>

namespace zg {
namespace {

TEST(FontImportForm, CountsTakeTheirRussianPluralForm) {
  const std::pair<int, const char*> cases[] = {
      {0, "0 символов"},     {1, "1 символ"},      {2, "2 символа"},    {4, "4 символа"},
      {5, "5 символов"},     {11, "11 символов"},  {12, "12 символов"}, {14, "14 символов"},
      {21, "21 символ"},     {22, "22 символа"},   {25, "25 символов"}, {101, "101 символ"},
      {111, "111 символов"}, {223, "223 символа"},
  };
  for (const auto& [n, text] : cases) EXPECT_EQ(SymbolCount(n), text);
  EXPECT_EQ(ImportSummaryText({200, 0, {}}), "Импортировано: 200 символов.");
  EXPECT_EQ(ImportSummaryText({210, 12, {}}),
            "Импортировано: 210 символов.\nНет в шрифте: 12 символов.");
  EXPECT_EQ(ImportSummaryText({1, 1, {}}), "Импортировано: 1 символ.\nНет в шрифте: 1 символ.");
}

TEST(FontImportForm, CutGlyphsAreCountedAndTheFirstShown) {
  EXPECT_EQ(ClippedText({5, 0, {}}), "");
  EXPECT_EQ(ClippedText({5, 0, {U'g'}}), "Обрезан 1 символ: g");
  EXPECT_EQ(ImportSummaryText({5, 2, {U'g', U'Щ'}}),
            "Импортировано: 5 символов.\nНет в шрифте: 2 символа.\nОбрезаны 2 символа: g Щ");
  const std::u32string many = U"gjpqyДЦЩдруфцщ()[]";
  EXPECT_EQ(ClippedText({30, 0, {many.begin(), many.end()}}),
            "Обрезаны 18 символов: g j p q y Д Ц Щ д р у ф …");
}

TEST(FontImportForm, EveryOpeningErrorHasItsMessage) {
  using E = GlyphImportError;
  const struct {
    GlyphImportFailure failure;
    int size;
    int face;
    const char* text;
  } cases[] = {
      {{E::CannotOpen, {}, 0, {}}, 16, 0, "Не удалось открыть файл шрифта."},
      {{E::NotAFont, {}, 0, {}}, 16, 0, "Файл не является шрифтом."},
      {{E::NoSuchFace, {}, 2, {}}, 16, 5, "В файле нет шрифта номер 5. Шрифтов в файле: 2."},
      {{E::BadSize, {}, 0, {}}, 0, 0, "Размер должен быть от 1 до 255 пикселей."},
      {{E::SizeNotInFont, {8, 10, 12}, 0, {}},
       9,
       0,
       "Шрифт не содержит размер 9 пикселей. Есть размеры: 8, 10, 12."},
      {{E::SizeNotInFont, {8}, 0, {}},
       21,
       0,
       "Шрифт не содержит размер 21 пиксель. Есть размеры: 8."},
      {{E::SizeNotInFont, {16}, 0, {}},
       3,
       0,
       "Шрифт не содержит размер 3 пикселя. Есть размеры: 16."},
      {{E::BadCell, {}, 0, {}}, 16, 0, "Такое знакоместо не поддерживается."},
      {{E::TooLarge, {}, 0, {}}, 16, 0, "Файл шрифта слишком велик (больше 256 МБ)."},
      {{E::UnpacksTooLarge, {}, 0, {}},
       16,
       0,
       "Сжатый шрифт слишком велик: распакованный больше 64 МБ."},
      {{E::UnknownCharset, {}, 0, "JISX0201.1976-0"},
       16,
       0,
       "Кодировка шрифта JISX0201.1976-0 не поддерживается системой."},
      {{E::NoSizeFits, {16, 32}, 0, {}},
       16,
       0,
       "Ни один размер шрифта не помещается в знакоместо. Есть размеры: 16, 32."},
  };
  for (const auto& c : cases) EXPECT_EQ(ImportErrorText(c.failure, c.size, c.face), c.text);
}

TEST(FontImportForm, RangeCodesAreHex20ToFF) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"20", 0x20},       {"ff", 0xFF},         {"C0", 0xC0},         {" 41 ", 0x41},
      {"0x7f", 0x7F},     {"A8h", 0xA8},        {"1F", std::nullopt}, {"100", std::nullopt},
      {"", std::nullopt}, {"g0", std::nullopt}, {"0x", std::nullopt}, {"h", std::nullopt},
  };
  for (const auto& [text, code] : cases) EXPECT_EQ(ParseCode(text), code) << text;
  EXPECT_EQ(CodeText(0x20), "20");
  EXPECT_EQ(CodeText(0xAB), "AB");
}

TEST(FontImportForm, TheChoiceBecomesARendererRequestForTheCell) {
  FontImportChoice c;
  c.fontPath = "/fonts/a.ttc";
  c.faceIndex = 2;
  c.pixelSize = 13;
  c.mode = RenderMode::AntiAliased;
  c.threshold = 90;
  c.align = HAlign::Left;
  c.offsetX = -1;
  c.offsetY = 3;
  const GlyphImportRequest r = ImportRequest(c, Layout::Classic(12, 16, Scan::Vertical));
  EXPECT_EQ(r.fontPath, "/fonts/a.ttc");
  const GlyphRenderOptions& o = r.options;
  EXPECT_EQ((std::array{o.faceIndex, o.pixelSize, o.threshold, o.offsetX, o.offsetY}),
            (std::array{2, 13, 90, -1, 3}));
  EXPECT_EQ(o.layout, Layout::Classic(12, 16, Scan::Vertical));
  EXPECT_EQ(o.mode, RenderMode::AntiAliased);
  EXPECT_EQ(o.align, HAlign::Left);
}

}  // namespace
}  // namespace zg
