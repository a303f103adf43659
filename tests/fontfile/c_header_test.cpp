#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <iterator>
#include <map>
#include <optional>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "export_test_util.h"
#include "fontfile/fontfile.h"

namespace zg {
namespace {

constexpr const char* kA =
    "..##....\n"
    ".####...\n"
    "##..##..\n"
    "##..##..\n"
    "######..\n"
    "##..##..\n"
    "##..##..\n"
    "........\n";

test::TestFont FontWithA(int vert) { return test::MakeFont(8, 8, vert, {{0x41, kA}}); }

TEST(WriteCHeader, DeclaresTheFontAndCommentsEveryGlyph) {
  const test::TestFont f = FontWithA(1);
  const std::string text =
      WriteCHeader(f.glyphs, 8, 8, 1, false, test::TestCharacters(), {"Font08x08vp", {}, false});
  for (const char* line : {
           "#ifndef FONT08X08VP_H\n#define FONT08X08VP_H\n",
           "#include <stdint.h>\n",
           "#define FONT08X08VP_WIDTH 8\n",
           "#define FONT08X08VP_HEIGHT 8\n",
           "#define FONT08X08VP_BYTES_PER_GLYPH 8\n",
           "#define FONT08X08VP_FIRST_CODE 0x20\n",
           "#define FONT08X08VP_SCAN_VERTICAL 1\n",
           "#define FONT08X08VP_NEGATIVE 0\n",
           "static const uint8_t Font08x08vp[224][8] FONT08X08VP_UNUSED = {\n",
           "\n  {0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00}, /* 0x20 ' ' */\n",
           "\n  {0x7C,0x7E,0x13,0x13,0x7E,0x7C,0x00,0x00}, /* 0x41 'A' */\n",
           "}, /* 0x2A '*' */\n",
           "}, /* 0x2F '/' */\n",
           "}, /* 0x98 */\n",
           "}, /* 0xC6 'Ж' */\n",
           "}  /* 0xFF 'я' */\n};\n\n#endif /* FONT08X08VP_H */\n",
       }) {
    EXPECT_NE(text.find(line), std::string::npos) << line << "\nin\n" << text;
  }
  EXPECT_EQ(text.find("PROGMEM"), std::string::npos);
  EXPECT_EQ(text.find('\r'), std::string::npos);
}

TEST(WriteCHeader, NegativeHorizontalPicturesAndFlash) {
  const test::TestFont f = FontWithA(0);
  const std::string text = WriteCHeader(f.glyphs, 8, 8, 0, true, test::TestCharacters(),
                                        {"8x8 font", FlashAttribute::Progmem, true});
  EXPECT_NE(text.find("#define FONT_8X8_FONT_F2E85CE8_SCAN_VERTICAL 0\n"
                      "#define FONT_8X8_FONT_F2E85CE8_NEGATIVE 1\n"),
            std::string::npos);
  EXPECT_NE(text.find("static const uint8_t font_8x8_font_f2e85ce8[224][8] PROGMEM "
                      "FONT_8X8_FONT_F2E85CE8_UNUSED = {\n"),
            std::string::npos);
  // Complemented bytes under the glyph's picture as drawn.
  EXPECT_NE(text.find("  /* ..##.... */\n"
                      "  /* .####... */\n"
                      "  /* ##..##.. */\n"
                      "  /* ##..##.. */\n"
                      "  /* ######.. */\n"
                      "  /* ##..##.. */\n"
                      "  /* ##..##.. */\n"
                      "  /* ........ */\n"
                      "  {0xCF,0x87,0x33,0x33,0x03,0x33,0x33,0xFF}, /* 0x41 'A' */\n"),
            std::string::npos)
      << text;

  const std::string flash = WriteCHeader(f.glyphs, 8, 8, 0, false, test::TestCharacters(),
                                         {"f", FlashAttribute::Flash, false});
  EXPECT_NE(flash.find("static const F_FLASH uint8_t f[224][8] F_UNUSED = {\n"), std::string::npos);
  EXPECT_EQ(WriteCHeader(f.glyphs, 0, 8, 0, false, test::TestCharacters(), {}), "");
}

// Widths 1, 2, 3... 12, 1, 2...
constexpr std::array<std::uint8_t, 224> kWidths = [] {
  std::array<std::uint8_t, 224> w{};
  for (std::size_t i = 0; i < w.size(); ++i) w[i] = static_cast<std::uint8_t>(1 + i % 12);
  return w;
}();

TEST(WriteCHeader, WidthsTableBesideTheGlyphs) {
  const test::TestFont f = test::MakeFont(12, 16, 1, {});
  const std::string text = WriteCHeader(f.glyphs, 12, 16, 1, false, test::TestCharacters(),
                                        {"w", FlashAttribute::Progmem, false, false, kWidths});
  EXPECT_NE(text.find("static const uint8_t w_widths[224] PROGMEM W_UNUSED = {\n"
                      "  1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3, 4,  /* from 0x20 */\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find(" 6, 7, 8  /* from 0xF0 */\n};\n\n#endif"), std::string::npos);
  // Without widths, no table.
  EXPECT_EQ(WriteCHeader(f.glyphs, 12, 16, 1, false, test::TestCharacters(), {"w"}).find("_widths"),
            std::string::npos);
}

// The headers a firmware build meets: each flash option, static and single
// definition, under names that are keywords, Cyrillic or start with a digit.
struct Variant {
  const char* name;
  FlashAttribute flash;
  bool singleDefinition;
};
constexpr Variant kVariants[] = {
    {"Font06x08vp", FlashAttribute::None, false}, {"int", FlashAttribute::Progmem, false},
    {"and", FlashAttribute::Flash, false},        {"шрифт 8x8", FlashAttribute::None, true},
    {"uint8_t", FlashAttribute::Progmem, true},   {"8x8", FlashAttribute::Flash, true}};

// Writes f0.h... for the variants (the single-definition ones alone when
// `singleOnly`) and a source that includes each twice, defines the single
// definitions when `implement`, and reads every array.
std::string WriteSources(const test::TempFolder& dir, bool implement, bool singleOnly = false) {
  test::TestFont f = FontWithA(1);
  std::string use;
  std::string reads = "int first(int i);\nint first(int i) {\n  return 0";
  for (std::size_t i = 0; i < std::size(kVariants); ++i) {
    const Variant& v = kVariants[i];
    if (singleOnly && !v.singleDefinition) continue;
    const std::string file = "f" + std::to_string(i) + ".h";
    // Arrays of the same bytes would be merged into one by the optimiser.
    f.glyphs[0] = static_cast<std::uint8_t>(i);
    dir.Write(file, WriteCHeader(f.glyphs, 8, 8, 1, false, test::TestCharacters(),
                                 {v.name, v.flash, i % 2 == 0, v.singleDefinition,
                                  i % 2 == 1 ? std::span<const std::uint8_t>(kWidths)
                                             : std::span<const std::uint8_t>()}));
    const std::string id = CIdentifier(v.name);
    const std::string upper = UpperIdentifier(id);
    if (implement && v.singleDefinition) use += "#define " + upper + "_IMPLEMENTATION\n";
    use += "#include \"" + file + "\"\n#include \"" + file + "\"\n";
    const std::string byte = "&" + id + "[i][0]";
    reads += v.flash == FlashAttribute::None ? " + " + id + "[i][0]"
                                             : " + " + upper + "_READ_BYTE(" + byte + ")";
    // Every other one has a widths table, read the same way.
    if (i % 2 == 1) {
      reads += v.flash == FlashAttribute::None
                   ? " + " + id + "_widths[i]"
                   : " + " + upper + "_READ_BYTE(&" + id + "_widths[i])";
    }
  }
  return use + "#ifndef QUIET\n" + reads + ";\n}\n#endif\n";
}

struct Toolchain {
  std::string cc, cxx, flags, objdump, nm;
};
const Toolchain kHost{"gcc", "g++", "", "objdump", "nm"};
const Toolchain kAvr{"avr-gcc", "avr-g++", " -mmcu=atmega328p -Os", "avr-objdump", "avr-nm"};

constexpr std::array<const char*, 8> kCModes = {"c89",   "c99",   "c11",   "c17",
                                                "gnu89", "gnu99", "gnu11", "gnu17"};
constexpr std::array<const char*, 8> kCxxModes = {"c++98", "c++11",   "c++14",   "c++17",
                                                  "c++20", "gnu++98", "gnu++11", "gnu++20"};

// `source` compiled as C or C++ in `mode` with every warning an error; the
// command with the compiler's output when it fails, "" when it compiles, and
// nothing when the compiler has no such mode.
std::optional<std::string> Compile(const Toolchain& t, bool cxx, const std::string& mode,
                                   const std::string& source, const std::string& object) {
  const std::string compiler = (cxx ? t.cxx : t.cc) + t.flags + (cxx ? " -x c++" : " -x c");
  if (test::RunShell(compiler + " -std=" + mode + " -fsyntax-only /dev/null").status != 0) {
    return std::nullopt;
  }
  const std::string command = compiler + " -std=" + mode + " -Wall -Wextra -pedantic -Werror -c " +
                              source + " -o " + object;
  const test::Outcome r = test::RunShell(command);
  return r.status == 0 ? "" : command + "\n" + r.out;
}

// The section each symbol of an object file lives in, from objdump's table.
std::map<std::string, std::string> SymbolSections(const std::string& objdump,
                                                  const std::string& object) {
  std::map<std::string, std::string> sections;
  std::istringstream table(test::RunShell(objdump + " -t -C " + object).out);
  for (std::string line; std::getline(table, line);) {
    std::istringstream words(line);
    std::vector<std::string> w{std::istream_iterator<std::string>(words), {}};
    if (w.size() >= 5) sections[w.back()] = w[w.size() - 3];
  }
  return sections;
}

// gcc and g++ in every standard mode, the arrays used and (QUIET) only included.
TEST(WriteCHeader, HostCompilersTakeItInEveryStandardMode) {
  if (!test::HasCommand("gcc") || !test::HasCommand("g++")) GTEST_SKIP() << "no gcc and g++";
  test::TempFolder dir;
  const std::string used = dir.Write("use.c", WriteSources(dir, true));
  const std::string quiet = dir.Write("quiet.c", "#define QUIET\n#include \"use.c\"\n");
  for (const bool cxx : {false, true}) {
    for (const char* mode : cxx ? kCxxModes : kCModes) {
      EXPECT_EQ(Compile(kHost, cxx, mode, used, dir / "use.o"), "");
    }
    EXPECT_EQ(Compile(kHost, cxx, cxx ? "c++98" : "c89", quiet, dir / "use.o"), "");
  }
}

// avr-gcc as C and C++ in each mode it knows: with a flash option every
// array is in program memory (.progmem), without one in RAM's initial data.
TEST(WriteCHeader, AvrKeepsTheArrayInFlashInCAndCpp) {
  if (!test::HasCommand(kAvr.cc) || !test::HasCommand(kAvr.cxx) || !test::HasCommand(kAvr.objdump))
    GTEST_SKIP()
        << "no avr-gcc, avr-g++ and avr-objdump (packages gcc-avr, avr-libc, binutils-avr)";
  test::TempFolder dir;
  const std::string source = dir.Write("use.c", WriteSources(dir, true));
  const std::string object = dir / "use.o";
  for (const bool cxx : {false, true}) {
    for (const char* mode : cxx ? kCxxModes : kCModes) {
      const auto failure = Compile(kAvr, cxx, mode, source, object);
      if (!failure) {
        std::printf("%s has no -std=%s: not tried\n", cxx ? "avr-g++" : "avr-gcc", mode);
        continue;
      }
      ASSERT_EQ(*failure, "");
      auto sections = SymbolSections(kAvr.objdump, object);
      for (const Variant& v : kVariants) {
        const std::string id = CIdentifier(v.name);
        EXPECT_EQ(sections[id].starts_with(".progmem"), v.flash != FlashAttribute::None)
            << id << " is in '" << sections[id] << "' with -std=" << mode;
      }
    }
  }
}

// Two C files and a C++ file include the single-definition headers; the C++
// one (an Arduino sketch, say) defines NAME_IMPLEMENTATION. The program links
// and holds each array once.
TEST(WriteCHeader, SingleDefinitionLinksOnce) {
  test::TempFolder dir;
  // Each file has its own first(); main() calls the one of its file.
  dir.Write("first.c", WriteSources(dir, false, true));
  dir.Write("second.c", "#define first first_2\n" + WriteSources(dir, false, true) +
                            "int main(void) { return first(33); }\n");
  dir.Write("third.cpp", "#define first first_3\n" + WriteSources(dir, true, true));
  int tried = 0;
  for (const Toolchain& t : {kHost, kAvr}) {
    if (!test::HasCommand(t.cc) || !test::HasCommand(t.cxx) || !test::HasCommand(t.nm)) {
      std::printf("no %s, %s and %s: not tried\n", t.cc.c_str(), t.cxx.c_str(), t.nm.c_str());
      continue;
    }
    ++tried;
    std::string objects;
    for (const std::string source : {"first.c", "second.c", "third.cpp"}) {
      objects += " " + dir / (source + ".o");
      ASSERT_EQ(Compile(t, source.ends_with(".cpp"), source.ends_with(".cpp") ? "c++11" : "c99",
                        dir / source, dir / (source + ".o")),
                "");
    }
    const test::Outcome link = test::RunShell(t.cxx + t.flags + objects + " -o " + (dir / "p"));
    ASSERT_EQ(link.status, 0) << link.out;
    for (const Variant& v : kVariants) {
      if (!v.singleDefinition) continue;
      const std::string id = CIdentifier(v.name);
      EXPECT_EQ(test::RunShell(t.nm + " " + (dir / "p") + " | grep -c ' " + id + "$'").out, "1\n")
          << id << " with " << t.cc;
    }
  }
  if (tried == 0) GTEST_SKIP() << "no C toolchain";
}

}  // namespace
}  // namespace zg
