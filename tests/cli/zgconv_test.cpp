// zgconv run as a real process: exit statuses, messages and the bytes it writes.

#include <gtest/gtest.h>

#include <fstream>

#include "cells.h"
#include "document/font_io.h"
#include "glyphimport/glyph_renderer.h"
#include "model/code_page.h"
#include "zgconv_runner.h"

namespace zg {
namespace {

using test::DataPath;
using test::ReadWholeFile;
using test::RunZgconv;
using test::Scratch;

FontDocument Load(const std::string& path, int ncol, int nstr, int vert, bool negative) {
  FileByteSource in(path);
  LoadedDocument loaded = LoadFontDocument(in, path, test::Cell(ncol, nstr, vert), negative);
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
  OutputOptions raw = Options(OutputFormat::Bdf, "big");
  raw.rawEncoding = true;
  const struct {
    std::string output;
    std::vector<std::string> options;
    OutputOptions expected;
  } cases[] = {
      {"small.h", {}, Options(OutputFormat::CHeader, "small")},
      {"x.txt", {"--name", "lcd", "--format", "c", "--pictures", "--flash", "progmem"}, pictures},
      {"f.bdf", {}, Options(OutputFormat::Bdf, "f")},
      {"f.bdf", {"--raw-encoding", "--name=big"}, raw},
      {"f.inc", {"--format", "gfx"}, Options(OutputFormat::Gfx, "f")},
      {"f.fnt", {"--line", "db", "--number", "0x"}, source},
  };
  for (const auto& c : cases) {
    Scratch dir;
    std::vector<std::string> args{DataPath("Font08x08vp.fnt"), "-o", dir / c.output};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const test::Outcome o = RunZgconv(dir, args);
    EXPECT_EQ(o.status, 0) << c.output << o.err;
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(ReadWholeFile(dir / c.output), FormatFontDocument(font, c.expected)) << c.output;
  }
}

TEST(Zgconv, CHeaderReadsBackToTheSameFontAlsoThroughStandardStreams) {
  Scratch dir;
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
  Scratch dir;
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
  Scratch dir;
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
      {{dir / "bad.fnt", "-o", dir / "x.h"}, 2, "does not carry the cell"},
      {{"--from-font", "f.ttf", "-o", dir / "x.h"}, 2, "needs its cell: give --cell WxH"},
      {{dir / "bad.fnt", "--cell", "8x8", "-o", dir / "x.h"},
       1,
       "bad.fnt: value 3 (glyph 20h): not a value of a font source file\n"},
      {{dir / "bad.c", "--cell", "8x8", "-o", dir / "x.h"}, 1, "bad.c: line 3: a value outside"},
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

TEST(Zgconv, TheOutputIsReplacedWholeOrNotAtAll) {
  Scratch dir;
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

FontDocument Rendered(const std::string& fontPath, int pixelSize, CodePage page, FillRange range,
                      FontDocument into) {
  GlyphImportRequest request{fontPath, {}};
  request.options.pixelSize = pixelSize;
  request.options.layout = into.layout;
  const GlyphRenderer::Result r = GlyphRenderer::Open(request);
  EXPECT_TRUE(r);
  if (r) FillGlyphs(*r.renderer, CodePageCharacters(page), range, into.glyphs);
  return into;
}

TEST(Zgconv, DrawsTheCodePageFromAFont) {
  Scratch dir;
  const std::string dejaVu = DataPath("DejaVuSansMono.ttf");
  test::Outcome o = RunZgconv(
      dir, {"--from-font", dejaVu, "--cell", "16x16", "--scan", "h", "-o", dir / "a.fnt"});
  EXPECT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(Load(dir / "a.fnt", 16, 16, 0, false),
            Rendered(dejaVu, 16, kDefaultCodePage, FillRange::All(),
                     EmptyDocument(test::Cell(16, 16, 0), false)));

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
}

TEST(Zgconv, HelpAndVersion) {
  Scratch dir;
  const test::Outcome help = RunZgconv(dir, {"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Usage: zgconv INPUT -o OUTPUT", 0), 0U) << help.out;
  const test::Outcome version = RunZgconv(dir, {"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, std::string("zgconv ") + ZG_VERSION + "\n");
}

}  // namespace
}  // namespace zg
