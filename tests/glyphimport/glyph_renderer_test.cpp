#include "glyphimport/glyph_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "cells.h"
#include "glyphimport_test_util.h"
#include "model/code_page.h"
#include "pictures.h"

namespace zg {
namespace {

using test::Joined;
using test::Rows;
using testing::kDejaVuSansMono;
using testing::OpenOrFail;
using testing::RenderPicture;

GlyphRenderOptions Cell(int ncol, int nstr, int vert, int pixelSize) {
  GlyphRenderOptions o;
  o.layout = Layout::Classic(ncol, nstr, ScanOf(vert));
  o.pixelSize = pixelSize;
  return o;
}

// The lowest row with a lit pixel, -1 for an empty glyph.
int BottomRow(const std::string& picture) {
  const auto rows = Rows(picture);
  for (int r = static_cast<int>(rows.size()) - 1; r >= 0; --r) {
    if (rows[r].find('#') != std::string::npos) return r;
  }
  return -1;
}

int LitPixels(const std::string& picture) {
  return static_cast<int>(std::count(picture.begin(), picture.end(), '#'));
}

// The 8 x 8 letter A of the sample fonts, and its bytes in both scans.
const std::vector<std::string> kLetterA = {"..##....", ".####...", "##..##..", "##..##..",
                                           "######..", "##..##..", "##..##..", "........"};

TEST(GlyphRenderer, DejaVuCapitalIIsOneBarInTheMiddleOfTheCell) {
  for (const int vert : {1, 0}) {
    const GlyphRenderer r = OpenOrFail(kDejaVuSansMono, Cell(16, 16, vert, 16));
    const std::string picture = RenderPicture(r, U'I');
    const auto rows = Rows(picture);
    ASSERT_EQ(rows.size(), 16U) << picture;
    // Between the serifs exactly one column is lit, the same in every row,
    // one of the two middle columns of the cell.
    const std::size_t bar = rows[8].find('#');
    EXPECT_TRUE(bar == 7 || bar == 8) << picture;
    int barHeight = 0;
    for (const auto& row : rows) barHeight += row[bar] == '#' ? 1 : 0;
    for (int row = 5; row <= 12; ++row) {
      EXPECT_EQ(std::count(rows[row].begin(), rows[row].end(), '#'), 1) << picture;
      EXPECT_EQ(rows[row][bar], '#') << picture;
    }
    // Cap height of the face (1493 of 2048 units) at 16 px, standing on the
    // baseline at the face's ascent (1901 units: 15 px).
    EXPECT_EQ(barHeight, 12) << picture;
    EXPECT_EQ(BottomRow(picture), 14) << picture;
  }
}

TEST(GlyphRenderer, LettersOfALineShareTheBaseline) {
  for (const RenderMode mode : {RenderMode::Mono, RenderMode::AntiAliased}) {
    for (const int size : {10, 14, 18}) {
      GlyphRenderOptions o = Cell(24, 24, 1, size);
      o.mode = mode;
      const GlyphRenderer r = OpenOrFail(kDejaVuSansMono, o);
      const int bottom = BottomRow(RenderPicture(r, U'A'));
      EXPECT_GT(bottom, size / 2) << "size " << size;
      for (const char32_t ch : {U'B', U'Н', U'Ж', U'1'}) {
        EXPECT_EQ(BottomRow(RenderPicture(r, ch)), bottom)
            << "size " << size << " char " << static_cast<unsigned>(ch);
      }
      // The descender goes below the line.
      EXPECT_GT(BottomRow(RenderPicture(r, U'p')), bottom);
    }
  }
}

TEST(GlyphRenderer, OffsetsAndAlignmentMoveTheWholeGlyph) {
  // DejaVu Sans Mono advances 10 px at 16 px: centring in 16 columns puts the
  // origin at column 3, left alignment at column 0.
  GlyphRenderOptions centre = Cell(16, 16, 0, 16);
  GlyphRenderOptions left = centre;
  left.align = HAlign::Left;
  left.offsetX = 3;
  GlyphRenderOptions moved = centre;
  moved.offsetX = 2;
  moved.offsetY = 1;
  const GlyphRenderer a = OpenOrFail(kDejaVuSansMono, centre);
  const GlyphRenderer b = OpenOrFail(kDejaVuSansMono, left);
  const GlyphRenderer c = OpenOrFail(kDejaVuSansMono, moved);
  for (const char32_t ch : {U'A', U'W', U'i', U'.'}) {
    const auto base = Rows(RenderPicture(a, ch));
    EXPECT_EQ(RenderPicture(b, ch), RenderPicture(a, ch));
    // Two to the right and one down; what leaves the cell is cut.
    std::vector<std::string> shifted(16, std::string(16, '.'));
    for (int row = 0; row + 1 < 16; ++row) {
      for (int col = 0; col + 2 < 16; ++col) shifted[row + 1][col + 2] = base[row][col];
    }
    EXPECT_EQ(RenderPicture(c, ch), Joined(shifted));
  }
}

TEST(GlyphRenderer, ThresholdDecidesWhichGreyPixelsLight) {
  int previous = 16 * 16 + 1;
  std::string atZero;
  for (const int threshold : {0, 1, 64, 128, 192, 255}) {
    GlyphRenderOptions o = Cell(16, 16, 1, 16);
    o.mode = RenderMode::AntiAliased;
    o.threshold = threshold;
    const std::string picture = RenderPicture(OpenOrFail(kDejaVuSansMono, o), U'O');
    const int lit = LitPixels(picture);
    EXPECT_LE(lit, previous) << "threshold " << threshold;
    previous = lit;
    if (threshold == 0) atZero = picture;
    // 0 lights only covered pixels, as 1 does: never the whole bitmap box.
    if (threshold == 1) {
      EXPECT_EQ(picture, atZero);
    }
  }
  EXPECT_GT(previous, 0);
  EXPECT_LT(previous, LitPixels(atZero));
}

TEST(GlyphRenderer, BdfGlyphsArriveByteForByteInBothScans) {
  const test::TempFolder dir;
  const std::string path = testing::WriteBdf(dir, "zg_letter_a", 8, 1, {{U'A', kLetterA}});
  const GlyphRenderer vertical = OpenOrFail(path, Cell(8, 8, 1, 8));
  const GlyphRenderer horizontal = OpenOrFail(path, Cell(8, 8, 0, 8));
  EXPECT_TRUE(vertical.isBitmapFont());
  std::vector<std::uint8_t> v(8), h(8);
  ASSERT_TRUE(vertical.Render(U'A', v));
  ASSERT_TRUE(horizontal.Render(U'A', h));
  EXPECT_EQ(v, (std::vector<std::uint8_t>{0x7C, 0x7E, 0x13, 0x13, 0x7E, 0x7C, 0x00, 0x00}));
  EXPECT_EQ(h, (std::vector<std::uint8_t>{0x30, 0x78, 0xCC, 0xCC, 0xFC, 0xCC, 0xCC, 0x00}));
  EXPECT_EQ(PixelPicture(test::Cell(8, 8, 1), v), Joined(kLetterA));

  // The same letter at twice the size fills two bands of a 16 x 16 cell.
  std::vector<std::string> big;
  for (const auto& row : kLetterA) {
    std::string wide;
    for (const char c : row) wide += std::string(2, c);
    big.push_back(wide);
    big.push_back(wide);
  }
  const std::string path16 = testing::WriteBdf(dir, "zg_letter_a16", 16, 2, {{U'A', big}});
  std::vector<std::uint8_t> v16(32), h16(32);
  ASSERT_TRUE(OpenOrFail(path16, Cell(16, 16, 1, 16)).Render(U'A', v16));
  ASSERT_TRUE(OpenOrFail(path16, Cell(16, 16, 0, 16)).Render(U'A', h16));
  EXPECT_EQ(v16, (std::vector<std::uint8_t>{0xF0, 0xF0, 0xFC, 0xFC, 0x0F, 0x0F, 0x0F, 0x0F,
                                            0xFC, 0xFC, 0xF0, 0xF0, 0x00, 0x00, 0x00, 0x00,
                                            0x3F, 0x3F, 0x3F, 0x3F, 0x03, 0x03, 0x03, 0x03,
                                            0x3F, 0x3F, 0x3F, 0x3F, 0x00, 0x00, 0x00, 0x00}));
  EXPECT_EQ(PixelPicture(test::Cell(16, 16, 0), h16), Joined(big));
}

TEST(GlyphRenderer, PcfAndGzippedPcfGiveWhatTheirBdfGives) {
  const std::vector<std::string> zhe = {"##.#.##.", "##.#.##.", ".#####..", "..###...",
                                        ".#####..", "##.#.##.", "##.#.##.", "........"};
  for (const char* file : {"Letters8.bdf", "Letters8.pcf", "Letters8.pcf.gz"}) {
    for (const int vert : {1, 0}) {
      const GlyphRenderer r =
          OpenOrFail(std::string(ZG_TEST_DATA_DIR "/") + file, Cell(8, 8, vert, 8));
      EXPECT_EQ(RenderPicture(r, U'A'), Joined(kLetterA)) << file;
      EXPECT_EQ(RenderPicture(r, U'Ж'), Joined(zhe)) << file;
      EXPECT_EQ(RenderPicture(r, U'B'), "missing") << file;
    }
  }
}

TEST(GlyphRenderer, BitmapFontsInAnEightBitCharsetFindTheirCharacters) {
  const test::TempFolder dir;
  // E1h is А in KOI8-R and C0h in Windows-1251; 41h is A in both.
  const std::vector<std::string> bar(8, "...#....");
  const struct {
    const char* registry;
    const char* encoding;
    int code;
  } charsets[] = {{"KOI8", "R", 0xE1}, {"MICROSOFT", "CP1251", 0xC0}, {"ISO8859", "5", 0xB0}};
  for (const auto& cs : charsets) {
    const std::string path =
        testing::WriteBdf(dir, std::string("zg_charset_") + cs.registry, 8, 1,
                          {{U'A', kLetterA}, {char32_t(cs.code), bar}}, cs.registry, cs.encoding);
    const GlyphRenderer r = OpenOrFail(path, Cell(8, 8, 1, 8));
    EXPECT_EQ(RenderPicture(r, U'А'), Joined(bar)) << cs.registry;
    EXPECT_EQ(RenderPicture(r, U'A'), Joined(kLetterA)) << cs.registry;
    EXPECT_EQ(RenderPicture(r, char32_t(cs.code)), "missing") << cs.registry;
  }
}

TEST(GlyphRenderer, BitmapFontsOpenOnlyInTheirOwnSizes) {
  const test::TempFolder dir;
  const std::string path = testing::WriteBdf(dir, "zg_only8", 8, 1, {{U'A', kLetterA}});
  const GlyphRenderer::Result r = GlyphRenderer::Open({path, Cell(8, 8, 1, 10)});
  ASSERT_FALSE(r);
  EXPECT_EQ(r.failure, (GlyphImportFailure{GlyphImportError::SizeNotInFont, {8}, 0, {}}));
}

TEST(GlyphRenderer, BadInputsGiveTheirError) {
  const test::TempFolder dir;
  std::ifstream ttf(kDejaVuSansMono, std::ios::binary);
  const std::string font((std::istreambuf_iterator<char>(ttf)), {});
  const std::string text = dir.Write("zg_not_a_font.ttf", "Data &h00,&h01\r\n");
  const std::string empty = dir.Write("zg_empty.ttf", "");
  const std::string head = dir.Write("zg_truncated_head.ttf", font.substr(0, 2000));
  const std::string half = dir.Write("zg_truncated_half.ttf", font.substr(0, font.size() / 2));

  struct Case {
    std::string path;
    GlyphRenderOptions options;
    GlyphImportFailure failure;
  };
  GlyphRenderOptions face5 = Cell(16, 16, 1, 16);
  face5.faceIndex = 5;
  GlyphRenderOptions faceMinus = face5;
  faceMinus.faceIndex = -1;
  const Case cases[] = {
      {text, Cell(16, 16, 1, 16), {GlyphImportError::NotAFont, {}, 0, {}}},
      {empty, Cell(16, 16, 1, 16), {GlyphImportError::NotAFont, {}, 0, {}}},
      {head, Cell(16, 16, 1, 16), {GlyphImportError::NotAFont, {}, 0, {}}},
      {half, Cell(16, 16, 1, 16), {GlyphImportError::NotAFont, {}, 0, {}}},
      {dir / "zg_no_such_file.ttf", Cell(16, 16, 1, 16), {GlyphImportError::CannotOpen, {}, 0, {}}},
      {dir / "", Cell(16, 16, 1, 16), {GlyphImportError::CannotOpen, {}, 0, {}}},  // the folder
      {kDejaVuSansMono, Cell(16, 16, 1, 0), {GlyphImportError::BadSize, {}, 0, {}}},
      {kDejaVuSansMono, Cell(16, 16, 1, 256), {GlyphImportError::BadSize, {}, 0, {}}},
      {kDejaVuSansMono, face5, {GlyphImportError::NoSuchFace, {}, 1, {}}},
      {kDejaVuSansMono, faceMinus, {GlyphImportError::NoSuchFace, {}, 1, {}}},
      {kDejaVuSansMono, Cell(25, 16, 1, 16), {GlyphImportError::BadCell, {}, 0, {}}},
      {kDejaVuSansMono, Cell(16, 0, 1, 16), {GlyphImportError::BadCell, {}, 0, {}}},
  };
  for (const Case& c : cases) {
    const GlyphRenderer::Result r = GlyphRenderer::Open({c.path, c.options});
    EXPECT_FALSE(r) << c.path;
    EXPECT_EQ(r.failure, c.failure) << c.path << " error " << static_cast<int>(r.failure.error);
  }
  // The extremes of the size range open.
  EXPECT_TRUE(GlyphRenderer::Open({kDejaVuSansMono, Cell(24, 24, 1, 1)}));
  EXPECT_TRUE(GlyphRenderer::Open({kDejaVuSansMono, Cell(24, 24, 1, 255)}));
}

TEST(GlyphRenderer, FillDrawsTheChosenSymbolsAndCountsMissingOnes) {
  const test::TempFolder dir;
  const std::string path =
      testing::WriteBdf(dir, "zg_two_letters", 8, 1, {{U'A', kLetterA}, {U'Б', kLetterA}});
  const GlyphRenderer r = OpenOrFail(path, Cell(8, 8, 1, 8));
  const auto& cp1251 = CodePageCharacters(CodePage::Windows1251);
  const int defined = static_cast<int>(
      std::count_if(cp1251.begin(), cp1251.end(), [](char32_t ch) { return ch != 0; }));
  const std::size_t a = 0x41 - 0x20;
  const std::size_t be = 0xC1 - 0x20;
  const std::vector<std::uint8_t> drawn{1, 2, 3, 4, 5, 6, 7, 8};
  const std::vector<std::uint8_t> letterA{0x7C, 0x7E, 0x13, 0x13, 0x7E, 0x7C, 0x00, 0x00};

  const auto glyphAt = [](const std::vector<std::uint8_t>& g, std::size_t i) {
    return std::vector<std::uint8_t>(g.begin() + 8 * i, g.begin() + 8 * i + 8);
  };
  {
    // Only empty glyphs: the drawn A stays, Б is drawn.
    std::vector<std::uint8_t> glyphs(224 * 8);
    std::copy(drawn.begin(), drawn.end(), glyphs.begin() + 8 * a);
    EXPECT_EQ(FillGlyphs(r, cp1251, FillRange::EmptyOnly(), glyphs),
              (FillSummary{1, defined - 2, {}}));
    EXPECT_EQ(glyphAt(glyphs, a), drawn);
    EXPECT_EQ(glyphAt(glyphs, be), letterA);
  }
  {
    // All: A is overwritten; a symbol whose character is 0 is not counted.
    std::vector<std::uint8_t> glyphs(224 * 8);
    std::copy(drawn.begin(), drawn.end(), glyphs.begin() + 8 * a);
    auto chars = cp1251;
    chars[be] = 0;
    EXPECT_EQ(FillGlyphs(r, chars, FillRange::All(), glyphs), (FillSummary{1, defined - 2, {}}));
    EXPECT_EQ(glyphAt(glyphs, a), letterA);
    EXPECT_EQ(glyphAt(glyphs, be), std::vector<std::uint8_t>(8, 0));
  }
  {
    // A range of codes, both ends included; nothing outside changes.
    std::vector<std::uint8_t> glyphs(224 * 8, 0xEE);
    EXPECT_EQ(FillGlyphs(r, cp1251, FillRange::Codes(0x40, 0x42), glyphs), (FillSummary{1, 2, {}}));
    EXPECT_EQ(glyphAt(glyphs, a), letterA);
    for (std::size_t i = 0; i < 224; ++i) {
      if (i != a) {
        EXPECT_EQ(glyphAt(glyphs, i), std::vector<std::uint8_t>(8, 0xEE)) << i;
      }
    }
  }
}

TEST(GlyphRenderer, FillKeepsTheFontsAdvancesAsWidths) {
  const std::vector<std::string> bar(8, "#.......");
  const std::vector<std::string> none(8, "........");
  const test::TempFolder dir;
  const std::string path = testing::WriteBdf(
      dir, "zg_advances", 8, 1,
      {{U' ', none, 4}, {U'i', bar, 2}, {U'M', kLetterA, 7}, {U'W', kLetterA, 11}});
  const auto widthsOf = [&](HAlign align, int offsetX, FillRange range) {
    GlyphRenderOptions o = Cell(8, 8, 1, 8);
    o.align = align;
    o.offsetX = offsetX;
    std::vector<std::uint8_t> glyphs(224 * 8);
    std::vector<std::uint8_t> widths(224, 8);
    FillGlyphs(OpenOrFail(path, o), CodePageCharacters(CodePage::Windows1251), range, glyphs,
               widths);
    std::string text;  // " i M W A" as "4 2 7 8 8"
    for (const char ch : {' ', 'i', 'M', 'W', 'A'}) {
      if (ch != ' ') text += ' ';
      text += std::to_string(widths[static_cast<std::size_t>(ch - 0x20)]);
    }
    return text;
  };
  struct Row {
    const char* what;
    HAlign align;
    int offsetX;
    FillRange range;
    const char* widths;  // of ' ', 'i', 'M', 'W' and the missing 'A'
  };
  const Row rows[] = {
      {"the font's advances; W kept to the cell, A left as it was", HAlign::Left, 0,
       FillRange::All(), "4 2 7 8 8"},
      {"moved right: the room before the origin counts", HAlign::Left, 2, FillRange::All(),
       "6 4 8 8 8"},
      {"moved left: never below 1", HAlign::Left, -3, FillRange::All(), "1 1 4 8 8"},
      // Centred: the origin at (8 - advance) / 2, rounded down.
      {"centred", HAlign::Center, 0, FillRange::All(), "6 5 7 8 8"},
      {"only the glyphs drawn", HAlign::Left, 0, FillRange::Codes(0x69, 0x69), "8 2 8 8 8"},
  };
  for (const Row& r : rows) EXPECT_EQ(widthsOf(r.align, r.offsetX, r.range), r.widths) << r.what;

  // A font document becomes proportional only when the advances are kept;
  // the glyphs not drawn are as wide as the cell.
  GlyphRenderOptions o = Cell(8, 8, 1, 8);
  o.align = HAlign::Left;
  const GlyphRenderer r = OpenOrFail(path, o);
  FontDocument doc = EmptyDocument(o.layout, false);
  FillDocument(r, CodePageCharacters(CodePage::Windows1251), FillRange::All(), false, doc);
  EXPECT_FALSE(doc.Proportional());
  FillDocument(r, CodePageCharacters(CodePage::Windows1251), FillRange::Codes(0x69, 0x69), true,
               doc);
  EXPECT_EQ(doc.widths.size(), 224U);
  EXPECT_EQ(doc.Width('i' - 0x20), 2);
  EXPECT_EQ(doc.Width('M' - 0x20), 8);
}

// The widths of 'i' and 'M' at 16 pixels from the font's left edge.
std::pair<int, int> AdvancesOfIAndM(const std::string& path) {
  GlyphRenderOptions o = Cell(16, 16, 1, 16);
  o.align = HAlign::Left;
  const GlyphRenderer r = OpenOrFail(path, o);
  std::vector<std::uint8_t> glyph(32);
  RenderedGlyph i;
  RenderedGlyph m;
  EXPECT_TRUE(r.Render(U'i', glyph, i));
  EXPECT_TRUE(r.Render(U'M', glyph, m));
  EXPECT_FALSE(i.clipped || m.clipped);
  return {i.width, m.width};
}

TEST(GlyphRenderer, OutlineFontsGiveTheirAdvances) {
  // 1233 of 2048 units at 16 pixels: 9.6, to whole pixels.
  EXPECT_EQ(AdvancesOfIAndM(kDejaVuSansMono), std::make_pair(10, 10));
  // The proportional sister of the sample font, where the system has it:
  // 'i' 569 units (4.4 pixels), 'M' 1767 (13.8), as the hinting rounds them.
  const std::string sans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
  if (!std::filesystem::exists(sans)) GTEST_SKIP() << "no DejaVu Sans installed at " << sans;
  const auto [i, m] = AdvancesOfIAndM(sans);
  EXPECT_GE(i, 3);
  EXPECT_LE(i, 5);
  EXPECT_GE(m, 13);
  EXPECT_LE(m, 15);
}

TEST(GlyphRenderer, DejaVuSansMonoCoversWindows1251) {
  const GlyphRenderer r = OpenOrFail(kDejaVuSansMono, Cell(16, 16, 0, 16));
  std::vector<std::uint8_t> glyphs(224 * 32);
  const FillSummary s =
      FillGlyphs(r, CodePageCharacters(CodePage::Windows1251), FillRange::All(), glyphs);
  EXPECT_EQ(s.missing, 0);
  EXPECT_EQ(s.filled, 222);  // all but DEL (7Fh) and the undefined 98h
  EXPECT_EQ(r.faceName(), "DejaVu Sans Mono Book");
  // A missing character leaves the glyph untouched.
  std::vector<std::uint8_t> glyph(32, 0x5A);
  EXPECT_FALSE(r.Render(U'\U0001F600', glyph));
  EXPECT_EQ(glyph, std::vector<std::uint8_t>(32, 0x5A));
  EXPECT_FALSE(r.Render(U'A', std::span(glyph).first(31)));
}

}  // namespace
}  // namespace zg
