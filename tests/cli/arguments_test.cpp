// The command line as zg_cli parses it, without running anything.

#include "cli/arguments.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace zg::cli {
namespace {

ParsedArguments Parse(std::vector<std::string_view> argv) { return ParseArguments(argv); }

TEST(Arguments, EveryOptionLandsInItsField) {
  const ParsedArguments p = Parse({"in.fnt",
                                   "-o",
                                   "out.h",
                                   "--cell",
                                   "24x16",
                                   "--scan=h",
                                   "--negative",
                                   "--format",
                                   "bdf",
                                   "--line",
                                   "bare",
                                   "--number",
                                   "h",
                                   "--to-scan",
                                   "v",
                                   "--to-negative",
                                   "--name",
                                   "lcd",
                                   "--flash",
                                   "flash",
                                   "--pictures",
                                   "--raw-encoding",
                                   "--single-definition",
                                   "--code-page",
                                   "cp866",
                                   "--size",
                                   "12",
                                   "--from-font",
                                   "f.ttf",
                                   "--mode",
                                   "aa",
                                   "--threshold",
                                   "0",
                                   "--align",
                                   "left",
                                   "--offset-x",
                                   "-3",
                                   "--offset-y=2",
                                   "--face",
                                   "1",
                                   "--fill",
                                   "empty",
                                   "--keep-advances"});
  ASSERT_EQ(p.error, "");
  Arguments want;
  want.input = "in.fnt";
  want.output = "out.h";
  want.ncol = 24;
  want.nstr = 16;
  want.vert = 0;
  want.negative = true;
  want.format = OutputFormat::Bdf;
  want.lineFormat = "Code";
  want.numberFormat = "NNh";
  want.toVert = 1;
  want.toNegative = true;
  want.name = "lcd";
  want.flash = FlashAttribute::Flash;
  want.pictures = true;
  want.rawEncoding = true;
  want.singleDefinition = true;
  want.codePage = CodePage::Cp866;
  want.fromFont =
      FontImportArgs{"f.ttf", 12, RenderMode::AntiAliased, 0, HAlign::Left, -3, 2, 1, true, true};
  want.formatOptions = {
      "--line",  "--number",   "--to-scan",      "--to-negative",       "--name",
      "--flash", "--pictures", "--raw-encoding", "--single-definition", "--code-page"};
  EXPECT_EQ(p.args, want);
}

TEST(Arguments, BadCommandLinesSayWhatIsWrong) {
  const struct {
    std::vector<std::string_view> argv;
    std::string error;
  } cases[] = {
      {{}, "no input: give INPUT or --from-font FONT"},
      {{"a.fnt", "b.fnt", "-o", "c"}, "more than one input file: 'a.fnt' and 'b.fnt'"},
      {{"a.fnt", "-o"}, "option '-o' needs a value"},
      {{"a.fnt", "-o", "x", "--scan", "d"}, "option '--scan' takes v or h, not 'd'"},
      {{"a.fnt", "-o", "x", "--number", "0b"},
       "option '--number' takes &h, 0x, $, # or h, not '0b'"},
      {{"a.fnt", "-o", "x", "--format", "png"},
       "option '--format' takes fnt, c, bdf, gfx or lvgl, not 'png'"},
      {{"a.fnt", "-o", "x", "--size", "0", "--from-font", "f"},
       "option '--size' takes a whole number from 1 to 255, not '0'"},
      {{"a.fnt", "-o", "x", "--threshold", "12x"},
       "option '--threshold' takes a whole number from 0 to 255, not '12x'"},
      {{"a.fnt", "-o", "x", "--fill", "all"}, "option '--fill' needs --from-font FONT"},
      {{"a.fnt", "-o", "x", "--keep-advances"}, "option '--keep-advances' needs --from-font FONT"},
      {{"a.fnt", "-o", "x", "--keep-advances=1"}, "option '--keep-advances' takes no value"},
      {{"a.fnt", "-o", "x", "--pictures=yes"}, "option '--pictures' takes no value"},
      {{"a.fnt", "-o", "x", "--code-page", "utf8"},
       "unknown code page 'utf8' (try cp1251, cp866, koi8-r, latin1)"},
      {{"a.fnt", "-x"}, "unknown option '-x'"},
      {{"a.fnt", "-o", "x", "--cell", "8x25"},
       "option '--cell' takes a width and height of 1 to 24, as 8x16 or 5x8, not '8x25'"},
      {{"a.fnt", "-o", "x", "--bit-order", "left"},
       "option '--bit-order' takes lsb or msb, not 'left'"},
      {{"a.fnt", "-o", "x", "--to-band-order", "rows"},
       "option '--to-band-order' takes bands or columns, not 'rows'"},
      {{"a.fnt", "-o", "x", "--first-code", "100h"},
       "option '--first-code' takes a code 0x00 to 0xFF (0x20, 20h or 32), not '100h'"},
      {{"a.fnt", "-o", "x", "--to-first-code", "10h"},
       "option '--to-first-code' takes 0x00 or 0x20, not '10h'"},
      {{"a.fnt", "-o", "x", "--stride", "0"},
       "option '--stride' takes a whole number from 1 to 255, not '0'"},
      {{"--detect", "a.c", "-o", "x"},
       "--detect prints the layout of its file and converts nothing: give no INPUT, -o or "
       "--from-font with it"},
  };
  for (const auto& c : cases) EXPECT_EQ(Parse(c.argv).error, c.error);
  // Asking for help is never a mistake.
  EXPECT_EQ(Parse({"--bogus=1", "--help"}).error, "");
  // "--" ends the options; "-" alone is standard input.
  EXPECT_EQ(Parse({"-o", "x.h", "--", "-odd.fnt"}).args.input, "-odd.fnt");
  EXPECT_EQ(Parse({"-", "-ox.h"}).args.output, "x.h");
}

TEST(Arguments, GivenParametersOverrideTheName) {
  const auto resolve = [](std::vector<std::string_view> argv) {
    const ResolvedParams r = ResolveParams(Parse(argv).args);
    if (!r.error.empty()) return r.error;
    if (r.params.detect) return std::string("found in the file");
    return std::to_string(r.params.ncol) + "x" + std::to_string(r.params.nstr) +
           (r.params.vert == 1 ? " v" : " h") + (r.params.negative ? " n" : " p");
  };
  EXPECT_EQ(resolve({"d/Font16x24hn.fnt", "-o", "x"}), "16x24 h n");
  EXPECT_EQ(resolve({"Font16x24hn.fnt", "--scan", "v", "--positive", "-o", "x"}), "16x24 v p");
  EXPECT_EQ(resolve({"Font16x24hn.fnt", "--cell", "6x8", "-o", "x"}), "6x8 h n");
  EXPECT_EQ(resolve({"Font05x08hp.fnt", "-o", "x"}), "5x8 h p");
  EXPECT_EQ(resolve({"font.c", "--cell", "12x16", "-o", "x"}), "12x16 v p");
  EXPECT_EQ(resolve({"table.c", "-o", "x"}), "found in the file");
  EXPECT_EQ(resolve({"table.c", "--bit-order", "msb", "-o", "x"}),
            "option '--bit-order' needs --cell WxH (without the cell, the layout is found in the "
            "file)");
  EXPECT_EQ(resolve({"t.c", "--cell", "8x8", "--stride", "3", "--glyph-offset", "3", "-o", "x"}),
            "the glyph's own bytes do not fit the stride: --glyph-offset 3 leaves none of "
            "--stride 3");
}

TEST(Arguments, TableOptionsLandInTheirFields) {
  const ParsedArguments p = Parse({"in.c",
                                   "-o",
                                   "out.h",
                                   "--bit-order",
                                   "msb",
                                   "--band-order=columns",
                                   "--first-code",
                                   "0x00",
                                   "--skip",
                                   "4",
                                   "--stride",
                                   "9",
                                   "--glyph-offset",
                                   "1",
                                   "--array",
                                   "font8x8",
                                   "--to-bit-order",
                                   "lsb",
                                   "--to-band-order",
                                   "bands",
                                   "--to-first-code",
                                   "0"});
  ASSERT_EQ(p.error, "");
  Arguments want;
  want.input = "in.c";
  want.output = "out.h";
  want.msbFirst = true;
  want.bandOrder = BandOrder::Columns;
  want.firstCode = 0;
  want.skip = 4;
  want.stride = 9;
  want.glyphOffset = 1;
  want.array = "font8x8";
  want.toMsbFirst = false;
  want.toBandOrder = BandOrder::Bands;
  want.toFirstCode = 0;
  want.formatOptions = {"--to-bit-order", "--to-band-order", "--to-first-code"};
  EXPECT_EQ(p.args, want);
  EXPECT_EQ(Parse({"--detect", "f.c"}).args.detect, "f.c");
  for (const auto& [text, code] : {std::pair{"0x7E", 0x7E}, {"7eh", 0x7E}, {"32", 32}}) {
    EXPECT_EQ(ParseCode(text), code) << text;
  }
}

// The line --detect prints, pasted back, gives the layout it names.
TEST(Arguments, TheDetectedLineReadsBackAsTheSameLayout) {
  TableLayout rows =
      TableLayout::Plain({8, 8, Scan::Horizontal, BitOrder::Reversed, BandOrder::Bands}, 0x00);
  TableLayout tall =
      TableLayout::Plain({8, 16, Scan::Vertical, BitOrder::Classic, BandOrder::Columns});
  tall.skip = 4;
  tall.stride = 17;
  tall.glyphOffset = 1;
  tall.negative = true;
  TableLayout narrow = TableLayout::Plain(Layout::Classic(6, 8, Scan::Vertical));
  narrow.stride = 5;
  EXPECT_EQ(OptionsLine(rows), "--cell 8x8 --scan h --bit-order lsb --first-code 0x00");
  EXPECT_EQ(OptionsLine(tall, "f"),
            "--cell 8x16 --scan v --bit-order lsb --band-order columns --first-code 0x20 --skip 4 "
            "--stride 17 --glyph-offset 1 --negative --array f");
  for (const TableLayout& t : {rows, tall, narrow}) {
    std::vector<std::string> words{"in.c", "-o", "x.h"};
    std::istringstream line(OptionsLine(t));
    for (std::string w; line >> w;) words.push_back(w);
    const ParsedArguments p = Parse({words.begin(), words.end()});
    ASSERT_EQ(p.error, "") << OptionsLine(t);
    const ResolvedParams r = ResolveParams(p.args);
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.params.Table(), t) << OptionsLine(t);
  }
}

// A header's own macros decide; an option that says otherwise names both.
TEST(Arguments, OptionsThatContradictTheHeaderAreRefused) {
  CHeaderParams header;
  header.layout = {8, 16, Scan::Vertical, BitOrder::Reversed, BandOrder::Columns};
  header.firstCode = 0;
  header.prefix = "LCD";
  const auto resolve = [&](std::vector<std::string_view> options) {
    options.insert(options.begin(), {"lcd.h", "-o", "x.fnt"});
    return ResolveParams(Parse(options).args, &header);
  };
  const ResolvedParams agreed = resolve({"--cell", "8x16", "--bit-order", "msb", "--positive"});
  EXPECT_EQ(agreed.error, "");
  EXPECT_EQ(agreed.params.Table(), TableLayout::Plain(header.layout, 0));
  const struct {
    std::vector<std::string_view> options;
    std::string error;
  } cases[] = {
      {{"--cell", "8x8"},
       "option '--cell 8x8' contradicts the header's LCD_WIDTH, LCD_HEIGHT (8x16); leave the "
       "option out"},
      {{"--scan", "h"}, "option '--scan h' contradicts the header's LCD_SCAN_VERTICAL (1: v)"},
      {{"--negative"}, "option '--negative' contradicts the header's LCD_NEGATIVE (0)"},
      {{"--bit-order", "lsb"},
       "option '--bit-order lsb' contradicts the header's LCD_BIT_ORDER (1: msb)"},
      {{"--band-order", "bands"},
       "option '--band-order bands' contradicts the header's LCD_BAND_ORDER (1: columns)"},
      {{"--first-code", "20h"},
       "option '--first-code 0x20' contradicts the header's LCD_FIRST_CODE (0x00)"},
      {{"--skip", "2"}, "options '--skip', '--stride' and '--glyph-offset' contradict"},
  };
  for (const auto& c : cases) {
    const std::string error = resolve(c.options).error;
    EXPECT_EQ(error.rfind(c.error, 0), 0U) << error;
  }
}

}  // namespace
}  // namespace zg::cli
