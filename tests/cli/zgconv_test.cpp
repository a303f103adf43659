// zgconv run as a real process: exit statuses, messages and the bytes it writes.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

#include <array>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "cells.h"
#include "document/font_io.h"
#include "glyphimport/glyph_renderer.h"
#include "model/code_page.h"
#include "table_samples.h"
#include "zgconv_runner.h"

namespace zg {
namespace {

using test::DataPath;
using test::ReadWholeFile;
using test::RunZgconv;
using test::TempFolder;

FontDocument Load(const std::string& path, int ncol, int nstr, int vert, bool negative) {
  FileByteSource in(path);
  TableLayout table = TableLayout::Plain(test::Cell(ncol, nstr, vert));
  table.negative = negative;
  LoadRequest request;
  request.table = table;
  LoadedFont loaded = LoadFont(in, path, request);
  EXPECT_EQ(loaded.result.status, ReadStatus::Completed) << path;
  return loaded.document;
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

OutputOptions Options(OutputFormat format, const std::string& name) {
  OutputOptions o;
  o.format = format;
  o.name = name;
  o.characters = CodePageCharacters(kDefaultCodePage);
  return o;
}

TEST(Zgconv, WritesEveryFormAsTheEditorWould) {
  const FontDocument font = Load(DataPath("Font08x08vp.fnt"), 8, 8, 1, false);
  OutputOptions source = Options(OutputFormat::FontSource, "");
  source.lineFormat = ".Db code";
  source.numberFormat = "0xNN";
  OutputOptions pictures = Options(OutputFormat::CHeader, "lcd");
  pictures.pictures = true;
  pictures.flash = FlashAttribute::Progmem;
  OutputOptions single = Options(OutputFormat::CHeader, "one");
  single.singleDefinition = true;
  OutputOptions raw = Options(OutputFormat::Bdf, "big");
  raw.rawEncoding = true;
  const struct {
    std::string output;
    std::vector<std::string> options;
    OutputOptions expected;
  } cases[] = {
      {"small.h", {}, Options(OutputFormat::CHeader, "small")},
      {"x.txt", {"--name", "lcd", "--format", "c", "--pictures", "--flash", "progmem"}, pictures},
      {"one.h", {"--single-definition"}, single},
      {"f.bdf", {}, Options(OutputFormat::Bdf, "f")},
      {"f.bdf", {"--raw-encoding", "--name=big"}, raw},
      {"f.inc", {"--format", "gfx"}, Options(OutputFormat::Gfx, "f")},
      {"f.fnt", {"--line", "db", "--number", "0x"}, source},
  };
  for (const auto& c : cases) {
    TempFolder dir;
    std::vector<std::string> args{DataPath("Font08x08vp.fnt"), "-o", dir / c.output};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const test::Outcome o = RunZgconv(dir, args);
    EXPECT_EQ(o.status, 0) << c.output << o.err;
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(ReadWholeFile(dir / c.output), FormatFontDocument(font, c.expected)) << c.output;
  }
}

TEST(Zgconv, CHeaderReadsBackToTheSameFontAlsoThroughStandardStreams) {
  TempFolder dir;
  const FontDocument font = Load(DataPath("Font16x16hp.fnt"), 16, 16, 0, false);
  ASSERT_EQ(RunZgconv(dir, {DataPath("Font16x16hp.fnt"), "-o", dir / "font.h"}).status, 0);
  EXPECT_EQ(Load(dir / "font.h", 16, 16, 0, false), font);

  const test::Outcome piped = RunZgconv(dir, {DataPath("Font16x16hp.fnt"), "--format=c", "-o-"});
  EXPECT_EQ(piped.status, 0);
  EXPECT_EQ(piped.out, FormatFontDocument(font, Options(OutputFormat::CHeader, "Font16x16hp")));
  // From standard input to standard output, as in a pipe.
  const test::Outcome pipe =
      RunZgconv(dir, {"-", "--cell", "16x16", "--scan", "h", "--format", "c", "-o", "-"},
                DataPath("Font16x16hp.fnt"));
  EXPECT_EQ(pipe.status, 0) << pipe.err;
  EXPECT_EQ(pipe.out, FormatFontDocument(font, Options(OutputFormat::CHeader, "font")));
}

TEST(Zgconv, ScanAndPolarityChangesKeepThePixels) {
  TempFolder dir;
  // The two sample files hold the same pixels in the two scans.
  ASSERT_EQ(
      RunZgconv(dir, {DataPath("Font16x16vp.fnt"), "--to-scan", "h", "-o", dir / "h.fnt"}).status,
      0);
  EXPECT_EQ(ReadWholeFile(dir / "h.fnt"), ReadWholeFile(DataPath("Font16x16hp.fnt")));
  ASSERT_EQ(RunZgconv(dir, {dir / "h.fnt", "--cell", "16x16", "--scan", "h", "--to-scan=v", "-o",
                            dir / "v.fnt"})
                .status,
            0);
  EXPECT_EQ(ReadWholeFile(dir / "v.fnt"), ReadWholeFile(DataPath("Font16x16vp.fnt")));

  ASSERT_EQ(
      RunZgconv(dir, {DataPath("Font08x08hp.fnt"), "--to-negative", "-o", dir / "n.fnt"}).status,
      0);
  FontDocument negative = Load(DataPath("Font08x08hp.fnt"), 8, 8, 0, false);
  negative.negative = true;
  EXPECT_EQ(ReadWholeFile(dir / "n.fnt"),
            FormatFontDocument(negative, Options(OutputFormat::FontSource, "")));
  EXPECT_EQ(Load(dir / "n.fnt", 8, 8, 0, true), negative);
  // A negative name is read as negative, and written back positive.
  std::filesystem::copy_file(dir / "n.fnt", dir / "Font08x08hn.fnt");
  ASSERT_EQ(RunZgconv(dir, {dir / "Font08x08hn.fnt", "--to-positive", "-o", dir / "p.fnt"}).status,
            0);
  EXPECT_EQ(ReadWholeFile(dir / "p.fnt"), ReadWholeFile(DataPath("Font08x08hp.fnt")));
}

TEST(Zgconv, RefusesWithAMessageAndAStatus) {
  TempFolder dir;
  WriteFile(dir / "bad.fnt", "Data &h01,&h02\r\nData &h7Q\r\n");
  WriteFile(dir / "bad.c", "const char f[] = {\n  1, 2,\n  300 };\n");
  const std::string fnt = DataPath("Font08x08vp.fnt");
  const struct {
    std::vector<std::string> args;
    int status;
    std::string message;
  } cases[] = {
      {{"--bogus"}, 2, "zgconv: unknown option '--bogus'\nTry 'zgconv --help'.\n"},
      {{fnt}, 2, "zgconv: no output: give -o OUTPUT\n"},
      {{fnt, "-o", dir / "x.out"}, 2, "cannot tell the format of '" + (dir / "x.out")},
      {{fnt, "--cell", "25x10", "-o", dir / "x.h"}, 2, "option '--cell' takes a width and height"},
      {{dir / "bad.fnt", "-o", dir / "x.h"}, 1, "bad.fnt:2:"},
      {{"--from-font", "f.ttf", "-o", dir / "x.h"}, 2, "needs its cell: give --cell WxH"},
      // Options that the output's format has no use for.
      {{fnt, "--flash", "progmem", "-o", dir / "x.bdf"},
       2,
       "zgconv: option '--flash' is for a C header, not a BDF font\n"},
      {{fnt, "--raw-encoding", "--format", "c", "-o", dir / "x.fnt"},
       2,
       "option '--raw-encoding' is for a BDF font, not a C header"},
      {{fnt, "--to-negative", "-o", dir / "x.bdf"},
       2,
       "option '--to-negative' is for a font source file or a C header, not a BDF font"},
      {{fnt, "--name", "f", "-o", dir / "x.fnt"},
       2,
       "option '--name' is for a C header, a BDF font, an Adafruit GFX font or an LVGL font, not "
       "a font source"},
      {{dir / "bad.fnt", "--cell", "8x8", "-o", dir / "x.h"},
       1,
       "bad.fnt:2:6: value 3 (glyph 20h): not a value of a font source file\n"},
      // In a table, the glyph of a bad value is the one the table's own codes give it.
      {{dir / "bad.fnt", "--cell", "1x8", "--first-code", "0x40", "--skip", "1", "-o", dir / "x.h"},
       1,
       "bad.fnt:2:6: value 3 (glyph 41h): not a value"},
      {{dir / "bad.c", "--cell", "8x8", "-o", dir / "x.h"}, 1, "bad.c:3:3: a value outside"},
      {{dir / "none.fnt", "--cell", "8x8", "-o", dir / "x.h"}, 1, "none.fnt: No such file"},
      {{"--from-font", fnt, "--cell", "8x8", "-o", dir / "x.h"}, 1, "not a font FreeType can"},
      {{fnt, "-o", dir / "no/such/folder/x.h"}, 1, "x.h: No such file or directory; the file"},
  };
  for (const auto& c : cases) {
    const test::Outcome o = RunZgconv(dir, c.args);
    EXPECT_EQ(o.status, c.status) << c.message;
    EXPECT_NE(o.err.find(c.message), std::string::npos) << o.err;
    EXPECT_EQ(o.err.rfind("zgconv: ", 0), 0U) << o.err;
    EXPECT_EQ(o.out, "");
  }
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"bad.c", "bad.fnt"}));
}

// Endless input ends at once: /dev/zero is no font source (its first value
// is too long for any notation) and no C source (a NUL byte).
TEST(Zgconv, EndlessBinaryInputIsRefusedAtItsFirstBytes) {
  TempFolder dir;
  std::filesystem::create_symlink("/dev/zero", dir / "zero.c");
  const struct {
    std::string input;
    std::string message;
  } cases[] = {
      {"/dev/zero", "zgconv: /dev/zero:1:1: value 1 (glyph 20h): not a value of a font source"},
      {dir / "zero.c", "zero.c:1:1: a NUL byte: not a text file\n"},
  };
  for (const auto& c : cases) {
    // coreutils' timeout ends a zgconv that reads on (status 124).
    test::Launch launch;
    launch.runAs = {"timeout", "--kill-after=5", "120"};
    const test::Outcome o = test::FinishProgram(
        dir, test::StartZgconv(dir, {c.input, "--cell", "8x8", "-o", dir / "x.h"}, launch));
    EXPECT_EQ(o.status, 1) << c.input;
    EXPECT_NE(o.err.find(c.message), std::string::npos) << o.err;
  }
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"zero.c"}));
}

TEST(Zgconv, TheOutputIsReplacedWholeOrNotAtAll) {
  TempFolder dir;
  WriteFile(dir / "bad.fnt", "Data &h01,zz\r\n");
  WriteFile(dir / "out.h", "old");
  EXPECT_EQ(RunZgconv(dir, {dir / "bad.fnt", "--cell", "8x8", "-o", dir / "out.h"}).status, 1);
  EXPECT_EQ(ReadWholeFile(dir / "out.h"), "old");
  // A folder is refused, and a device written to rather than replaced.
  std::filesystem::create_directory(dir / "out.fnt");
  WriteFile(dir / "out.fnt/keep", "kept");
  EXPECT_EQ(RunZgconv(dir, {DataPath("Font08x08vp.fnt"), "-o", dir / "out.fnt"}).status, 1);
  EXPECT_EQ(ReadWholeFile(dir / "out.fnt/keep"), "kept");
  const test::Outcome o =
      RunZgconv(dir, {DataPath("Font08x08vp.fnt"), "--format", "fnt", "-o", "/dev/stdout"});
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out, ReadWholeFile(DataPath("Font08x08vp.fnt")));
  // Through a link the file it points to is replaced; the link stays.
  std::filesystem::create_symlink("out.h", dir / "link.h");
  EXPECT_EQ(RunZgconv(dir, {DataPath("Font08x08vp.fnt"), "-o", dir / "link.h"}).status, 0);
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.h"));
  EXPECT_NE(ReadWholeFile(dir / "out.h").find("#define LINK_WIDTH 8"), std::string::npos);
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"bad.fnt", "link.h", "out.fnt", "out.h"}));
}

// The font drawn in the program; no size: the size that fits the cell.
FontDocument Rendered(const std::string& fontPath, std::optional<int> pixelSize, CodePage page,
                      FillRange range, FontDocument into) {
  GlyphImportRequest request{fontPath, {}};
  request.options.pixelSize = pixelSize.value_or(0);
  request.options.fitSize = !pixelSize;
  request.options.layout = into.layout;
  const GlyphRenderer::Result r = GlyphRenderer::Open(request);
  EXPECT_TRUE(r);
  if (r) FillGlyphs(*r.renderer, CodePageCharacters(page), range, into.glyphs);
  return into;
}

TEST(Zgconv, DrawsTheCodePageFromAFont) {
  TempFolder dir;
  const std::string dejaVu = DataPath("DejaVuSansMono.ttf");
  test::Outcome o = RunZgconv(
      dir, {"--from-font", dejaVu, "--cell", "16x16", "--scan", "h", "-o", dir / "a.fnt"});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(Load(dir / "a.fnt", 16, 16, 0, false),
            Rendered(dejaVu, std::nullopt, kDefaultCodePage, FillRange::All(),
                     EmptyDocument(test::Cell(16, 16, 0), false)));
  EXPECT_EQ(o.err, "") << "the fitting size cuts no glyph";

  // Into a font: only its empty glyphs, and the characters of another code page.
  const FontDocument font = Load(DataPath("Font08x08vp.fnt"), 8, 8, 1, false);
  o = RunZgconv(dir, {DataPath("Font08x08vp.fnt"), "--from-font", dejaVu, "--size", "9", "--fill",
                      "empty", "--code-page", "koi8-r", "-o", dir / "b.fnt"});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(Load(dir / "b.fnt", 8, 8, 1, false),
            Rendered(dejaVu, 9, CodePage::Koi8R, FillRange::EmptyOnly(), font));

  // A font with two letters lacks the rest: a note, and the conversion goes on.
  o = RunZgconv(dir, {"--from-font", DataPath("Letters8.bdf"), "--size", "8", "--cell", "8x8", "-o",
                      dir / "c.fnt"});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_NE(o.err.find("zgconv: note: "), std::string::npos) << o.err;
  EXPECT_NE(o.err.find(" lacks "), std::string::npos) << o.err;
  EXPECT_EQ(Load(dir / "c.fnt", 8, 8, 1, false),
            Rendered(DataPath("Letters8.bdf"), 8, kDefaultCodePage, FillRange::All(),
                     EmptyDocument(test::Cell(8, 8), false)));

  // The font's advances kept: its two letters advance by 8 in a 12 pixel
  // cell, the glyphs it lacks by the whole cell.
  for (const bool keep : {false, true}) {
    std::vector<std::string> args{
        "--from-font", DataPath("Letters8.bdf"), "--cell", "12x8", "--align", "left", "-o",
        dir / "d.fnt"};
    if (keep) args.emplace_back("--keep-advances");
    o = RunZgconv(dir, args);
    EXPECT_EQ(o.status, 0) << o.err;
    const FontDocument d = Load(dir / "d.fnt", 12, 8, 1, false);
    EXPECT_EQ(d.Proportional(), keep);
    EXPECT_EQ(d.Width('A' - 0x20), keep ? 8 : 12);
    EXPECT_EQ(d.Width(0xC6 - 0x20), keep ? 8 : 12) << "Ж";
    EXPECT_EQ(d.Width('B' - 0x20), 12);
  }
}

TEST(Zgconv, SaysWhichGlyphsTheCellCutsAndWhyAFontIsRefused) {
  TempFolder dir;
  const std::string dejaVu = DataPath("DejaVuSansMono.ttf");
  test::Outcome o = RunZgconv(
      dir, {"--from-font", dejaVu, "--size", "16", "--cell", "16x16", "-o", dir / "a.fnt"});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.err, "zgconv: note: " + dejaVu +
                       " at 16 px: the 16 x 16 cell cuts the ink of 41 of the 222 glyphs drawn: "
                       "$ ( ) , ; @ Q [ ] _ g j p q y { …\n");

  const std::string huge = dir / "huge.ttf";
  std::ofstream(huge).close();
  std::filesystem::resize_file(huge, kMaxFontFileBytes + 1);
  o = RunZgconv(dir, {"--from-font", huge, "--cell", "16x16", "-o", dir / "b.fnt"});
  EXPECT_EQ(o.status, 1);
  EXPECT_EQ(o.err, "zgconv: " + huge + ": the font file is too large (over 256 MB)\n");
}

// A proportional font goes out as GFX, LVGL and a C header with its widths,
// and the GFX font and the header come back with them.
TEST(Zgconv, CarriesWidthsThroughGfxLvglAndCHeaders) {
  TempFolder dir;
  FontDocument font = Load(DataPath("Font08x08vp.fnt"), 8, 8, 1, false);
  for (std::size_t i = 0; i < kSymbolCount; ++i) {
    font.widths.push_back(static_cast<std::uint8_t>(1 + i * 5 % 8));
  }
  const std::string source = FormatFontDocument(font, Options(OutputFormat::FontSource, ""));
  WriteFile(dir / "Font08x08vp.fnt", source);

  test::Outcome o =
      RunZgconv(dir, {dir / "Font08x08vp.fnt", "--format", "lvgl", "-o", dir / "f.c"});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(ReadWholeFile(dir / "f.c"), FormatFontDocument(font, Options(OutputFormat::Lvgl, "f")));
  EXPECT_EQ(o.err, "zgconv: " + dir / "f.c" +
                       ": note: the LVGL font leaves out 2 of the 224 glyphs (codes 7Fh, 98h): the "
                       "code page gives them no character of their own\n");

  ASSERT_EQ(RunZgconv(dir, {dir / "Font08x08vp.fnt", "--format", "gfx", "-o", dir / "g.h"}).status,
            0);
  EXPECT_EQ(ReadWholeFile(dir / "g.h"), FormatFontDocument(font, Options(OutputFormat::Gfx, "g")));
  o = RunZgconv(dir, {dir / "g.h", "-o", dir / "back.fnt"});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.err,
            "zgconv: " + dir / "g.h" + ": note: the Adafruit GFX font g read into a 8 x 8 cell\n");
  EXPECT_EQ(ReadWholeFile(dir / "back.fnt"), source);
  // The C header's widths array comes back too.
  ASSERT_EQ(
      RunZgconv(dir, {dir / "Font08x08vp.fnt", "--flash", "progmem", "-o", dir / "c.h"}).status, 0);
  o = RunZgconv(dir, {dir / "c.h", "-o", dir / "fromc.fnt"});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(ReadWholeFile(dir / "fromc.fnt"), source);

  const struct {
    std::vector<std::string> args;
    int status;
    std::string message;
  } refused[] = {
      {{dir / "g.h", "--cell", "6x8", "-o", dir / "x.fnt"},
       1,
       ": the Adafruit GFX font g needs a 8 x 8 cell, larger than the 6 x 8 cell given\n"},
      {{dir / "g.h", "--skip", "4", "-o", dir / "x.fnt"},
       2,
       "option '--skip' describes a table of bytes; " + dir / "g.h" +
           " is an Adafruit GFX font, which says its own layout\n"},
  };
  for (const auto& c : refused) {
    o = RunZgconv(dir, c.args);
    EXPECT_EQ(o.status, c.status) << o.err;
    EXPECT_NE(o.err.find(c.message), std::string::npos) << o.err;
  }

  // The last width wider than the cell: said, and the font goes on monospaced.
  WriteFile(dir / "Font08x08vp.fnt", source.substr(0, source.rfind(' ')) + " 9\r\n");
  o = RunZgconv(dir, {dir / "Font08x08vp.fnt", "-o", dir / "mono.fnt"});
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.err,
            "zgconv: " + dir / "Font08x08vp.fnt" +
                ":225: note: the widths line is not read (width 9 is outside 1..8): the font "
                "is read monospaced\n");
  EXPECT_EQ(ReadWholeFile(dir / "mono.fnt"), ReadWholeFile(DataPath("Font08x08vp.fnt")));
}

TEST(Zgconv, HelpAndVersion) {
  TempFolder dir;
  const test::Outcome help = RunZgconv(dir, {"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Usage: zgconv INPUT -o OUTPUT", 0), 0U) << help.out;
  const test::Outcome version = RunZgconv(dir, {"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, std::string("zgconv ") + ZG_VERSION + "\n");
}

// The 8 x 8 font that test::FontSourceValues(count) makes: the rest empty.
FontDocument ValuesFont(int count) {
  FontDocument d = EmptyDocument(test::Cell(8, 8), false);
  std::fill_n(d.glyphs.begin(), std::min<std::size_t>(count, d.glyphs.size()), 0x81);
  return d;
}

TEST(Zgconv, AnInputWithoutValuesIsRefusedAndAShortOneSaysWhatWasRead) {
  TempFolder dir;
  WriteFile(dir / "out.fnt", "old");
  const std::pair<const char*, const char*> empty[] = {
      {"in.fnt", ""}, {"in.fnt", "; nothing drawn yet\r\n"}, {"in.c", "const char f[] = {};\n"}};
  for (const auto& [name, text] : empty) {
    WriteFile(dir / name, text);
    const test::Outcome o = RunZgconv(dir, {dir / name, "--cell", "8x8", "-o", dir / "out.fnt"});
    EXPECT_EQ(o.status, 1) << text;
    EXPECT_EQ(o.err, "zgconv: " + (dir / name) +
                         ": no glyph value: the file is empty, holds only comments or an empty "
                         "array\n");
    EXPECT_EQ(ReadWholeFile(dir / "out.fnt"), "old");
  }
  const struct {
    int values;
    std::string note;
  } cases[] = {
      {95 * 8, "read 95 glyphs (20h..7Eh), the rest are empty"},
      {95 * 8 + 3, "read 95 glyphs (20h..7Eh) and 3 of the 8 bytes of 7Fh, the rest are empty"},
      {8, "read 1 glyph (20h), the rest are empty"},
      {5, "read 5 of the 8 bytes of 20h, the rest are empty"},
      {224 * 8 + 5, "5 values past the font's 224 glyphs were left out"},
  };
  for (const auto& c : cases) {
    WriteFile(dir / "in.fnt", test::FontSourceValues(c.values));
    const test::Outcome o =
        RunZgconv(dir, {dir / "in.fnt", "--cell", "8x8", "-o", dir / "out.fnt"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "zgconv: " + (dir / "in.fnt") + ": note: " + c.note + "\n");
    EXPECT_EQ(Load(dir / "out.fnt", 8, 8, 1, false), ValuesFont(c.values)) << c.note;
  }
}

TEST(Zgconv, AFontSourceIsWrittenOnlyUnderANameThatSaysItsParameters) {
  const std::string v8 = DataPath("Font08x08vp.fnt");
  const std::string v16 = DataPath("Font16x16vp.fnt");
  const struct {
    std::vector<std::string> args;
    std::string output;
    std::string says;  // "" when written
  } cases[] = {
      {{v8, "--to-scan", "h"},
       "Font08x08vp.fnt",
       "8 x 8 vertical positive, the font written is 8 x 8 horizontal positive"},
      {{v8, "--to-negative"},
       "Font08x08vp.fnt",
       "8 x 8 vertical positive, the font written is 8 x 8 vertical negative"},
      {{v16},
       "Font08x08vp.fnt",
       "8 x 8 vertical positive, the font written is 16 x 16 vertical positive"},
      {{v8, "--to-scan", "h", "--ignore-name"}, "Font08x08vp.fnt", ""},
      {{v8, "--to-scan", "h"}, "Font08x08hp.fnt", ""},
      {{v8, "--to-scan", "h"}, "Font08x08vp.h", ""},
  };
  for (const auto& c : cases) {
    TempFolder dir;
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"-o", dir / c.output});
    const test::Outcome o = RunZgconv(dir, args);
    if (c.says.empty()) {
      EXPECT_EQ(o.status, 0) << o.err;
      EXPECT_EQ(dir.Names(), std::vector<std::string>{c.output});
      continue;
    }
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.err, "zgconv: the name '" + (dir / c.output) + "' says " + c.says +
                         ": the next import would read it wrong; give --ignore-name to write it "
                         "all the same\n");
    EXPECT_TRUE(dir.Names().empty()) << c.says;
  }
}

// Waits until zgconv has its temporary file beside the output.
bool TemporaryFileAppears(const TempFolder& dir) {
  for (int tries = 0; tries < 2000; ++tries) {
    for (const std::string& name : dir.Names()) {
      if (name.starts_with(".zgtmp.")) return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

TEST(Zgconv, AnInterruptedWriteRemovesItsTemporaryFile) {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    TempFolder dir;
    WriteFile(dir / "out.h", "old");
    test::Launch launch;
    launch.environment = {"ZGCONV_TEST_PAUSE_BEFORE_RENAME=60"};
    const pid_t pid =
        test::StartZgconv(dir, {DataPath("Font08x08vp.fnt"), "-o", dir / "out.h"}, launch);
    ASSERT_TRUE(TemporaryFileAppears(dir)) << "signal " << signal;
    ::kill(pid, signal);
    const test::Outcome o = test::FinishProgram(dir, pid);
    EXPECT_EQ(o.signal, signal);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"out.h"});
    EXPECT_EQ(ReadWholeFile(dir / "out.h"), "old");
  }
}

TEST(Zgconv, PathsOfOpenStreamsAreWrittenWhereTheStreamStands) {
  const std::string font = ReadWholeFile(DataPath("Font08x08vp.fnt"));
  for (const char* path : {"/dev/stdout", "/dev/fd/1", "/proc/self/fd/1"}) {
    TempFolder dir;
    WriteFile(dir / "build.log", "make: first line\n");
    test::Launch launch;
    launch.appendOutputTo = dir / "build.log";
    const test::Outcome o = test::FinishProgram(
        dir, test::StartZgconv(dir, {DataPath("Font08x08vp.fnt"), "--format", "fnt", "-o", path},
                               launch));
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(ReadWholeFile(dir / "build.log"), "make: first line\n" + font) << path;
  }

  // A socket is written through a connection, not replaced by a file.
  TempFolder dir;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socketPath = dir / "s";
  ASSERT_LT(socketPath.size(), sizeof address.sun_path);
  std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
  const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(::listen(listener, 1), 0);
  const test::Outcome o =
      RunZgconv(dir, {DataPath("Font08x08vp.fnt"), "--format", "fnt", "-o", socketPath});
  EXPECT_EQ(o.status, 0) << o.err;
  const int connection = ::accept(listener, nullptr, nullptr);
  std::string received;
  std::array<char, 4096> buffer{};
  for (ssize_t n = 0; (n = ::read(connection, buffer.data(), buffer.size())) > 0;) {
    received.append(buffer.data(), static_cast<std::size_t>(n));
  }
  EXPECT_EQ(received, font);
  ::close(connection);
  ::close(listener);
}

TEST(Zgconv, TheReplaceKeepsLinksOwnersAndNoForeignSetUserId) {
  namespace fs = std::filesystem;
  TempFolder dir;
  fs::create_symlink("made.h", dir / "dangling.h");
  EXPECT_EQ(RunZgconv(dir, {DataPath("Font08x08vp.fnt"), "-o", dir / "dangling.h"}).status, 0);
  EXPECT_TRUE(fs::is_symlink(dir / "dangling.h"));
  EXPECT_NE(ReadWholeFile(dir / "made.h").find("#define DANGLING_WIDTH 8"), std::string::npos);

  if (::geteuid() != 0) GTEST_SKIP() << "owners can be given and tried only as root";
  if (!fs::exists("/usr/bin/setpriv")) GTEST_SKIP() << "setpriv (util-linux) runs zgconv as a user";
  const auto ownerAndMode = [](const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return std::to_string(st.st_uid) + ":" + std::to_string(st.st_gid) + " " +
           std::to_string(st.st_mode & 07777);
  };
  // Root replacing a user's file, as in "sudo make": the file stays the user's.
  WriteFile(dir / "user.h", "old");
  ASSERT_EQ(::chown((dir / "user.h").c_str(), 4321, 4321), 0);
  ASSERT_EQ(::chmod((dir / "user.h").c_str(), 04755), 0);
  EXPECT_EQ(RunZgconv(dir, {DataPath("Font08x08vp.fnt"), "-o", dir / "user.h"}).status, 0);
  EXPECT_EQ(ownerAndMode(dir / "user.h"), "4321:4321 " + std::to_string(04755));

  // User 4321 replacing a set-user-ID file of user 4322 in a folder open to
  // all: the new file is 4321's and carries no set-user-ID or set-group-ID.
  ASSERT_EQ(::chmod((dir / "").c_str(), 0777), 0);
  WriteFile(dir / "other.h", "old");
  ASSERT_EQ(::chown((dir / "other.h").c_str(), 4322, 4322), 0);
  ASSERT_EQ(::chmod((dir / "other.h").c_str(), 06777), 0);
  test::Launch launch;
  launch.runAs = {"/usr/bin/setpriv", "--reuid=4321", "--regid=4321", "--clear-groups"};
  const auto asUser = [&](const std::vector<std::string>& args) {
    return test::FinishProgram(dir, test::StartZgconv(dir, args, launch));
  };
  if (asUser({"--version"}).status != 0) GTEST_SKIP() << "user 4321 cannot run " << ZGCONV_PATH;
  fs::copy_file(DataPath("Font08x08vp.fnt"), dir / "Font08x08vp.fnt");
  const test::Outcome o = asUser({dir / "Font08x08vp.fnt", "-o", dir / "other.h"});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(ownerAndMode(dir / "other.h"), "4321:4321 " + std::to_string(0777));
}

}  // namespace
}  // namespace zg

namespace zg {
namespace {

TEST(Zgconv, ExportsInAnotherLayoutAndReadsItBack) {
  TempFolder dir;
  const std::string fnt = DataPath("Font16x16vp.fnt");
  const std::string original = ReadWholeFile(fnt);
  const std::vector<std::string> toLayout = {"--to-bit-order",  "msb", "--to-band-order", "columns",
                                             "--to-first-code", "0x00"};

  std::vector<std::string> args{fnt, "-o", dir / "lcd.h"};
  args.insert(args.end(), toLayout.begin(), toLayout.end());
  ASSERT_EQ(RunZgconv(dir, args).status, 0);
  const std::string header = ReadWholeFile(dir / "lcd.h");
  EXPECT_NE(header.find("static const uint8_t lcd[256][32] LCD_UNUSED = {\n"), std::string::npos);
  // The header says its layout: no options to read it back, and --detect names it.
  const test::Outcome detected = RunZgconv(dir, {"--detect", dir / "lcd.h"});
  EXPECT_EQ(detected.out,
            "--cell 16x16 --scan v --bit-order msb --band-order columns --first-code 0x00\n");
  ASSERT_EQ(RunZgconv(dir, {dir / "lcd.h", "-o", dir / "back.fnt"}).status, 0);
  EXPECT_EQ(ReadWholeFile(dir / "back.fnt"), original);

  // A font source in that layout reads back with the same options.
  args = {fnt, "-o", dir / "lcd.fnt"};
  args.insert(args.end(), toLayout.begin(), toLayout.end());
  ASSERT_EQ(RunZgconv(dir, args).status, 0);
  EXPECT_NE(ReadWholeFile(dir / "lcd.fnt"), original);
  ASSERT_EQ(RunZgconv(dir, {dir / "lcd.fnt", "--cell", "16x16", "--bit-order", "msb",
                            "--band-order", "columns", "--first-code", "0", "-o", dir / "b2.fnt"})
                .status,
            0);
  EXPECT_EQ(ReadWholeFile(dir / "b2.fnt"), original);

  const struct {
    std::vector<std::string> args;
    std::string message;
  } refused[] = {
      {{dir / "lcd.h", "--cell", "8x8", "-o", dir / "x.fnt"},
       "zgconv: option '--cell 8x8' contradicts the header's LCD_WIDTH, LCD_HEIGHT (16x16)"},
      {{fnt, "--to-first-code", "0", "-o", dir / "x.bdf"},
       "zgconv: option '--to-first-code' is for a font source file or a C header, not a BDF "
       "font"},
  };
  for (const auto& r : refused) {
    const test::Outcome o = RunZgconv(dir, r.args);
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.err.rfind(r.message, 0), 0U) << o.err;
  }
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"b2.fnt", "back.fnt", "lcd.fnt", "lcd.h"}));
}

}  // namespace
}  // namespace zg

namespace zg {
namespace {

// A C array as firmware keeps it: a 4-byte header, then 8 x 8 rows with the
// left pixel in bit 0, from code 00h.
TEST(Zgconv, ReadsATableWithTheLayoutFoundInIt) {
  TempFolder dir;
  TableLayout table =
      TableLayout::Plain({8, 8, Scan::Horizontal, BitOrder::Reversed, BandOrder::Bands}, 0x00);
  table.skip = 4;
  std::string text = "const unsigned char font8x8[] = {";
  for (const std::uint8_t v : test::DrawnTable(table, 128, {0x00, 0x08, 0x08, 0x00})) {
    text += std::to_string(v) + ",";
  }
  WriteFile(dir / "table.c", text + "};\n");
  const std::string layout = "--cell 8x8 --scan h --bit-order lsb --first-code 0x00 --skip 4";

  EXPECT_EQ(RunZgconv(dir, {"--detect", dir / "table.c"}).out, layout + "\n");
  const test::Outcome found = RunZgconv(dir, {dir / "table.c", "-o", dir / "found.fnt"});
  ASSERT_EQ(found.status, 0) << found.err;
  EXPECT_EQ(found.err,
            "zgconv: " + (dir / "table.c") + ": note: read with the layout found: " + layout +
                "\nzgconv: " + (dir / "table.c") +
                ": note: read 96 glyphs (20h..7Fh), the rest are empty\n"
                "zgconv: " +
                (dir / "table.c") + ": note: 32 glyphs of codes below 20h were left out\n");
  // The same with the options pasted back, and the glyphs as drawn.
  std::vector<std::string> args{dir / "table.c", "-o", dir / "given.fnt"};
  std::istringstream words(layout);
  for (std::string w; words >> w;) args.push_back(w);
  ASSERT_EQ(RunZgconv(dir, args).status, 0);
  EXPECT_EQ(ReadWholeFile(dir / "given.fnt"), ReadWholeFile(dir / "found.fnt"));
  const FontDocument font = Load(dir / "found.fnt", 8, 8, 0, false);
  const Layout own = Layout::Classic(8, 8, Scan::Horizontal);
  EXPECT_EQ(PixelPicture(own, font.Glyph('A' - 0x20)),
            PixelPicture(own, test::DrawnGlyph(own, 'A')));
}

}  // namespace
}  // namespace zg
