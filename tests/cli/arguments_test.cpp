// The command line as zg_cli parses it, without running anything.

#include "cli/arguments.h"

#include <gtest/gtest.h>

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
                                   "empty"});
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
      FontImportArgs{"f.ttf", 12, RenderMode::AntiAliased, 0, HAlign::Left, -3, 2, 1, true};
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
       "option '--format' takes fnt, c, bdf or gfx, not 'png'"},
      {{"a.fnt", "-o", "x", "--size", "0", "--from-font", "f"},
       "option '--size' takes a whole number from 1 to 255, not '0'"},
      {{"a.fnt", "-o", "x", "--threshold", "12x"},
       "option '--threshold' takes a whole number from 0 to 255, not '12x'"},
      {{"a.fnt", "-o", "x", "--fill", "all"}, "option '--fill' needs --from-font FONT"},
      {{"a.fnt", "-o", "x", "--pictures=yes"}, "option '--pictures' takes no value"},
      {{"a.fnt", "-o", "x", "--code-page", "utf8"},
       "unknown code page 'utf8' (try cp1251, cp866, koi8-r, latin1)"},
      {{"a.fnt", "-x"}, "unknown option '-x'"},
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
    return std::to_string(r.params.ncol) + "x" + std::to_string(r.params.nstr) +
           (r.params.vert == 1 ? " v" : " h") + (r.params.negative ? " n" : " p");
  };
  EXPECT_EQ(resolve({"d/Font16x24hn.fnt", "-o", "x"}), "16x24 h n");
  EXPECT_EQ(resolve({"Font16x24hn.fnt", "--scan", "v", "--positive", "-o", "x"}), "16x24 v p");
  EXPECT_EQ(resolve({"Font16x24hn.fnt", "--cell", "6x8", "-o", "x"}), "6x8 h n");
  EXPECT_EQ(resolve({"Font05x08hp.fnt", "-o", "x"}), "5x8 h p");
  EXPECT_EQ(resolve({"font.c", "--cell", "12x16", "-o", "x"}), "12x16 v p");
  EXPECT_EQ(resolve({"Font25x10vp.fnt", "-o", "x"}),
            "the name of 'Font25x10vp.fnt' does not carry the cell (as Font08x08vp.fnt does): "
            "give --cell WxH, a width and height of 1 to 24, as 8x16 or 5x8");
}

}  // namespace
}  // namespace zg::cli
