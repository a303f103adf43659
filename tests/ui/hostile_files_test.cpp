// Files from everywhere: huge, binary, broken. None may crash the editor,
// take unbounded memory or damage the font being edited.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "fake_platform.h"
#include "temp_folder.h"
#include "ui/form1.h"
#include "ui/texts.h"

namespace zg {
namespace {

namespace fs = std::filesystem;
using testing::FakePlatform;
using testing::PickSize;

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

class HostileFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.Load();
    platform_.dialogScripts.push_back(PickSize("8 x 8"));
    form_.command1Click();
    form_.text1Click(65);
    form_.picture1Click(26);
    form_.session().MarkSaved();  // no question before the import
    form_.Show();
    before_ = form_.model;
  }
  std::string Path(const std::string& name) { return dir_ / name; }

  // Imports `path`; the name asks for an 8 x 8 vertical font unless the test
  // names it otherwise.
  void Import(const std::string& path) {
    platform_.openPaths.push_back(path);
    form_.command2Click();
  }

  void ExpectFontIntact() {
    EXPECT_EQ(form_.model.glyphStore, before_.glyphStore);
    EXPECT_EQ(form_.model.glyphBackup, before_.glyphBackup);
    EXPECT_EQ(form_.model.simb, before_.simb);
    EXPECT_EQ(form_.model.cb, before_.cb);
  }

  std::string LastMessage() {
    return platform_.messages.empty() ? std::string() : platform_.messages.back().text;
  }

  test::TempFolder dir_;
  FakePlatform platform_;
  Form1 form_{platform_};
  FontModel before_;
};

TEST_F(HostileFiles, TwoHundredMegabytesOfCommentsThenDataReadInBoundedMemory) {
  const std::string path = Path("Font08x08hp.fnt");
  {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    const std::string line = "; " + std::string(1000, '-') + "\r\n";
    for (std::size_t written = 0; written < 200u * 1024 * 1024; written += line.size())
      ASSERT_EQ(std::fwrite(line.data(), 1, line.size(), f), line.size());
    const std::string data = "Data &h12,&h34\r\n";
    std::fwrite(data.data(), 1, data.size(), f);
    std::fclose(f);
  }
  const long peakBefore = PeakKilobytes();
  Import(path);
  const long growth = PeakKilobytes() - peakBefore;
  EXPECT_EQ(LastMessage(), "Прочитано 2 из 8 байт символа 20h, остальные символы не изменены.");
  EXPECT_EQ(form_.model.glyphStore[0], 0x12);
  EXPECT_EQ(form_.model.glyphStore[1], 0x34);
  EXPECT_EQ(form_.model.vert, 0);
  EXPECT_LT(growth, 8 * 1024) << "peak memory grew by " << growth << " KiB";
  RecordProperty("peak_growth_kib", static_cast<int>(growth));
}

TEST_F(HostileFiles, FiftyMegabyteSingleLines) {
  const std::string path = Path("Font08x08vp.fnt");
  {
    // A comment line of 50 MB is read to its end, then the data after it.
    std::ofstream out(path, std::ios::binary);
    out << "/*";
    const std::string chunk(1 << 20, 'x');
    for (int i = 0; i < 50; ++i) out << chunk;
    out << "*/\r\nData &h05\r\n";
  }
  long peakBefore = PeakKilobytes();
  Import(path);
  long growth = PeakKilobytes() - peakBefore;
  EXPECT_EQ(LastMessage(), "Прочитано 1 из 8 байт символа 20h, остальные символы не изменены.");
  EXPECT_EQ(form_.model.glyphStore[0], 0x05);
  EXPECT_LT(growth, 8 * 1024) << "peak memory grew by " << growth << " KiB";

  {
    // A data line of 50 MB holds ten million values: far more than the store.
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    std::string chunk;
    for (int i = 0; i < 4096; ++i) chunk += "&h01,";
    for (std::size_t written = 0; written < 50u * 1024 * 1024; written += chunk.size())
      out << chunk;
  }
  before_ = form_.model;
  platform_.messages.clear();
  peakBefore = PeakKilobytes();
  Import(path);
  growth = PeakKilobytes() - peakBefore;
  ASSERT_EQ(platform_.messages.size(), 1U);
  EXPECT_EQ(LastMessage(), std::string("Строка 1, позиция 80646: ") + text::kStoreFull);
  ExpectFontIntact();
  EXPECT_LT(growth, 8 * 1024) << "peak memory grew by " << growth << " KiB";
}

TEST_F(HostileFiles, BinaryAndOddBytesAreUnrecognisedSyntax) {
  std::mt19937 rng(5);
  std::string binary(1 << 20, '\0');
  for (auto& c : binary) c = static_cast<char>(rng());
  // Each named with its place; where random bytes stop is not known here.
  const struct {
    const char* what;
    std::string contents;
    std::string place;
  } files[] = {
      {"random", binary, "Строка "},
      {"nul", std::string("Data &h01,\0&h02\r\n", 17), "Строка 1, позиция 11: "},
      {"high bytes", "Data &h01,\xC0\xFF\r\n", "Строка 1, позиция 11: "},
      {"nul only", std::string(1000, '\0'), "Строка 1, позиция 1: "},
  };
  for (const auto& [what, contents, place] : files) {
    const std::string path = Path("Font08x08vp.fnt");
    std::ofstream(path, std::ios::binary) << contents;
    platform_.messages.clear();
    Import(path);
    ASSERT_EQ(platform_.messages.size(), 1U) << what;
    EXPECT_EQ(LastMessage().rfind(place, 0), 0U) << what << ": " << LastMessage();
    EXPECT_TRUE(LastMessage().ends_with(text::kUnrecognisedSyntax)) << what;
    ExpectFontIntact();
  }
}

TEST_F(HostileFiles, AnUnclosedBlockCommentAndAnEmptyFileAreRefused) {
  const std::string path = Path("Font08x08vp.fnt");
  std::ofstream(path, std::ios::binary) << "Data &h01\r\n/* the rest is a comment\r\nData &h02\r\n";
  Import(path);
  EXPECT_EQ(LastMessage(), std::string("Строка 2, позиция 1: ") + text::kUnclosedComment);
  ExpectFontIntact();

  std::ofstream(path, std::ios::binary | std::ios::trunc).flush();
  Import(path);
  EXPECT_EQ(LastMessage(), "В файле «" + path +
                               "» нет ни одного значения знакогенератора: он пуст, содержит "
                               "только комментарии или пустой массив. Загрузка файла прекращена.");
  ExpectFontIntact();
}

TEST_F(HostileFiles, AFileThatVanishesOrTurnsIntoAFolderBeforeTheRead) {
  const std::string path = Path("Font08x08vp.fnt");
  Import(path);  // the dialog returned a name that no longer exists
  ASSERT_EQ(platform_.messages.size(), 1U);
  EXPECT_EQ(LastMessage(), "Файл «" + path + "» не найден.");
  ExpectFontIntact();

  fs::create_directories(path);
  Import(path);
  ASSERT_EQ(platform_.messages.size(), 2U);
  EXPECT_EQ(LastMessage(), "«" + path + "» — это папка, а не файл.");
  ExpectFontIntact();
}

}  // namespace
}  // namespace zg
