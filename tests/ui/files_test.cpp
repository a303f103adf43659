#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "cells.h"
#include "fake_platform.h"
#include "temp_folder.h"
#include "test_files.h"
#include "ui/form1.h"

namespace zg {
namespace {

using testing::FakePlatform;
using testing::PickSize;

using test::ReadWholeFile;

using testing::Editor;

TEST(Save, WritesTheStoreUnderTheProposedNameAndClearsTheMarks) {
  Editor e;
  e.Create("8 x 8");
  e.form.text1Click(33);
  e.form.picture1Click(0);
  e.form.window.combo1Text = ".Db code";
  e.form.window.combo2Text = "0xNN";
  e.platform.savePaths.push_back("/tmp/out/Font08x08vp");
  e.form.command5Click();
  ASSERT_EQ(e.platform.saveRequests.size(), 1U);
  const SaveDialogRequest& r = e.platform.saveRequests[0];
  EXPECT_EQ(r.proposedName, "Font08x08vp");
  EXPECT_EQ(r.filter, "Знакогенератор |*.fnt");
  EXPECT_EQ(r.title, "Сохранить знакогенератор как...");
  EXPECT_EQ(r.initialDir, "/home/user/Documents") << "the program's folder is not writable";
  EXPECT_TRUE(r.askOverwrite);
  const std::string& text = e.platform.files["/tmp/out/Font08x08vp"];
  EXPECT_EQ(text.substr(0, 45), ".db 0x00,0x00,0x00,0x00,0x00,0x00,0x00,0x00\r\n");
  EXPECT_NE(text.find(".db 0x01,0x00,0x00,0x00,0x00,0x00,0x00,0x00\r\n"), std::string::npos);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 224);
  EXPECT_EQ(e.form.model.nosave, 0);
  for (int i = 0; i < kSymbolCount; ++i) {
    EXPECT_EQ(e.form.model.symbols[i].fontSize, 10);
    EXPECT_FALSE(e.form.model.symbols[i].bold);
    EXPECT_EQ(e.form.model.symbols[i].backColor, i == 33 ? kRed : kWhite);
  }
  EXPECT_TRUE(e.platform.messages.empty());
}

TEST(Save, TheNegativeBoxInvertsTheFileButNotTheStore) {
  Editor e;
  e.Create("8 x 8");
  e.form.setCheck1(1);
  e.form.window.combo1Text = "Code";
  e.form.window.combo2Text = "NNh";
  e.platform.savePaths.push_back("/tmp/x");
  e.form.command5Click();
  EXPECT_EQ(e.platform.saveRequests[0].proposedName, "Font08x08vn");
  EXPECT_EQ(e.platform.files["/tmp/x"].substr(0, 41),
            "0FFh,0FFh,0FFh,0FFh,0FFh,0FFh,0FFh,0FFh\r\n");
  EXPECT_EQ(e.form.model.glyphStore[0], 0);
}

TEST(Save, CancelOrFailureKeepsTheMarksAndTheUnsavedFlag) {
  Editor e;
  e.Create("16 x 16");
  e.form.picture1Click(20);
  const FontModel edited = e.form.model;
  e.platform.savePaths.push_back(std::nullopt);
  e.form.command5Click();
  EXPECT_EQ(e.form.model, edited);
  EXPECT_TRUE(e.platform.files.empty());

  e.platform.savePaths.push_back("/tmp/full/Font16x16vp");
  e.platform.replaceFailure = FileError{"No space left on device", FileFault::DiskFull};
  e.form.command5Click();
  EXPECT_EQ(e.form.model, edited);
  ASSERT_EQ(e.platform.messages.size(), 1U);
  EXPECT_EQ(e.platform.messages[0],
            (MessageRequest{"Недостаточно места на диске для записи файла «/tmp/full/Font16x16vp».",
                            MsgButtons::Ok, MsgIcon::None, "Редактор знакогенератора"}));
}

TEST(Import, EverySizeScanAndPolarityComesBackUnderTheProposedName) {
  std::mt19937 rng(11);
  const char* lineFormats[] = {"Code", ".Db code", "Data code"};
  const char* numberFormats[] = {"&hNN", "0xNN", "$NN", "#NN", "NNh"};
  int combination = 0;
  for (const auto& size : kCellSizes) {
    for (int vert : {1, 0}) {
      // The dialog keeps 6 x 8 and 12 x 16 vertical; 5 x 8 takes padded rows.
      if (vert == 0 && (size.ncol == 6 || size.ncol == 12)) continue;
      const int cb = test::Cell(size.ncol, size.nstr, vert).BytesPerGlyph();
      for (int negative : {0, 1}) {
        Editor e;
        e.Create(size.name, vert == 0);
        e.form.setCheck1(negative);
        e.SetGlyphs([&rng](auto& g) {
          for (auto& b : g) b = static_cast<std::uint8_t>(rng());
        });
        const GlyphStore saved = e.form.model.glyphStore;
        e.form.window.combo1Text = lineFormats[combination % 3];
        e.form.window.combo2Text = numberFormats[combination % 5];
        ++combination;
        // Save under the name the dialog proposes.
        e.platform.savePaths.push_back(std::nullopt);
        e.form.command5Click();
        const std::string path =
            "/home/user/Fonts/" + e.platform.saveRequests[0].proposedName + ".fnt";
        e.platform.savePaths.push_back(path);
        e.form.command5Click();

        Editor f;
        f.platform.files = e.platform.files;
        f.Create("24 x 24");
        f.SetGlyphs([](auto& g) { std::ranges::fill(g, 0x5A); });
        f.Import(path);
        EXPECT_TRUE(f.platform.dialogScripts.empty());
        EXPECT_EQ(f.platform.dialogsShown.size(), 1U) << "only the creation asked";
        ASSERT_TRUE(f.platform.messages.empty()) << f.platform.messages[0].text;
        const FontModel& m = f.form.model;
        EXPECT_EQ(m.ncol, size.ncol);
        EXPECT_EQ(m.nstr, size.nstr);
        EXPECT_EQ(m.cb, cb);
        EXPECT_EQ(m.vert, vert);
        EXPECT_EQ(m.pos, negative ? 0 : -1);
        EXPECT_EQ(f.form.window.check1Value, negative);
        const int bytes = cb * kSymbolCount;
        EXPECT_TRUE(std::equal(saved.begin(), saved.begin() + bytes, m.glyphStore.begin()))
            << size.name << " vert " << vert << " negative " << negative;
      }
    }
  }
}

TEST(Import, ASampleFontShowsGlyphZeroAndItsBackup) {
  Editor e;
  e.Import(std::string(ZG_TEST_DATA_DIR) + "/Font08x08vp.fnt");
  ASSERT_TRUE(e.platform.messages.empty());
  const FontModel& m = e.form.model;
  EXPECT_EQ(m.ncol, 8);
  EXPECT_EQ(m.vert, 1);
  EXPECT_EQ(m.nosave, 0);
  EXPECT_EQ(m.nosavesimb, 0);
  EXPECT_EQ(e.form.window.label19Caption, "Шрифт 8 x 8 вертикальный  ");
  EXPECT_EQ(m.symbols[0].backColor, kRed);
  EXPECT_FALSE(m.symbols[0].locked);
  // Glyph 33 is 'A': Data &h7C,&h7E,&h13,&h13,&h7E,&h7C,&h00,&h00
  const std::uint8_t a[] = {0x7C, 0x7E, 0x13, 0x13, 0x7E, 0x7C, 0x00, 0x00};
  EXPECT_TRUE(std::equal(std::begin(a), std::end(a), m.glyphStore.begin() + 33 * 8));
  for (Ctl c : {Ctl::Command3, Ctl::Command4, Ctl::Command5, Ctl::Frame2, Ctl::Label19,
                Ctl::Command6, Ctl::Command11, Ctl::Check1, Ctl::Combo1, Ctl::Combo2})
    EXPECT_TRUE(e.form.window.IsVisible(c));
  EXPECT_EQ(e.platform.openRequests[0].filter,
            "Файлы знакогенератора(*.fnt)|*.fnt|Исходные тексты C(*.c, *.h)|*.c;*.h|"
            "Все файлы(*.*)|*.*");
  EXPECT_EQ(e.platform.openRequests[0].title, "Загрузить файл знакогенератора");
  EXPECT_TRUE(e.platform.openRequests[0].fileMustExist);

  e.form.text1Click(33);
  EXPECT_EQ(e.form.model.pixelOn[2], -1);  // 7Ch: rows 2..6 of column 0
  EXPECT_EQ(e.form.model.pixelOn[0], 0);
}

TEST(Import, AnUnknownNameAsksForTheParameters) {
  Editor e;
  e.platform.files["/data/mystery.txt"] = "Data &h01,&h02\r\n";
  e.platform.dialogScripts.push_back(PickSize("16 x 16", true, true));
  e.Import("/data/mystery.txt");
  ASSERT_EQ(e.platform.dialogsShown.size(), 1U);
  EXPECT_EQ(e.platform.dialogsShown[0].title, "Параметры загружаемого ЗГ:");
  EXPECT_EQ(e.form.model.ncol, 16);
  EXPECT_EQ(e.form.model.vert, 0);
  EXPECT_EQ(e.form.model.pos, 0);
  EXPECT_EQ(e.form.model.glyphStore[0], 0xFE);
  EXPECT_EQ(e.form.model.glyphStore[1], 0xFD);
  EXPECT_EQ(e.form.FileN, "/data/mystery.txt");
}

TEST(Import, UnsavedWorkIsOnlyReplacedAfterYes) {
  Editor e;
  e.Create("8 x 8");
  e.form.picture1Click(0);
  const FontModel before = e.form.model;
  e.platform.answers = {MsgAnswer::No};
  e.form.command2Click();
  EXPECT_EQ(e.form.model, before);
  EXPECT_TRUE(e.platform.openRequests.empty());
  e.platform.answers = {MsgAnswer::Yes};
  e.Import(std::string(ZG_TEST_DATA_DIR) + "/Font06x08vp.fnt");
  EXPECT_EQ(e.form.model.ncol, 6);
  EXPECT_EQ(e.form.model.nosave, 0);
}

TEST(Import, AFileWithoutValuesIsRefusedAndAShortOneSaysWhatWasRead) {
  Editor e("8 x 8");
  e.platform.files["/f/Font08x08vp.fnt"] = "; only a comment\r\n";
  e.Import("/f/Font08x08vp.fnt");
  ASSERT_EQ(e.platform.messages.size(), 1U);
  EXPECT_EQ(e.platform.messages[0],
            (MessageRequest{"В файле «/f/Font08x08vp.fnt» нет ни одного значения знакогенератора: "
                            "он пуст, содержит только комментарии или пустой массив. Загрузка "
                            "файла прекращена.",
                            MsgButtons::Ok, MsgIcon::None, "Редактор знакогенератора"}));

  const struct {
    int values;
    std::string note;
  } cases[] = {
      {95 * 8, "Прочитано 95 символов (20h..7Eh), остальные символы не изменены."},
      {95 * 8 + 3,
       "Прочитано 95 символов (20h..7Eh) и 3 из 8 байт символа 7Fh, остальные символы не "
       "изменены."},
      {8, "Прочитано 1 символ (20h), остальные символы не изменены."},
      {224 * 8 + 5, "Лишние значения после символа FFh (5 значений) не загружены."},
  };
  for (const auto& c : cases) {
    Editor f("8 x 8");
    f.SetGlyphs([](auto& g) { std::ranges::fill(g, 0x11); });
    f.platform.files["/f/Font08x08vp.fnt"] = test::FontSourceValues(c.values);
    f.Import("/f/Font08x08vp.fnt");
    ASSERT_EQ(f.platform.messages.size(), 1U);
    EXPECT_EQ(f.platform.messages[0],
              (MessageRequest{c.note, MsgButtons::Ok, MsgIcon::Information, "Информация"}));
    if (c.values >= 224 * 8) continue;  // the extra values are not the font's
    EXPECT_EQ(f.form.model.glyphStore[c.values - 1], 0x81);
    EXPECT_EQ(f.form.model.glyphStore[c.values], 0x11) << "glyphs past the file keep their bytes";
  }
}

// A proportional font's widths come with the import and go with the save;
// a widths line that is not right is said, and the font opens monospaced.
TEST(Import, TheWidthsLineMakesTheFontProportional) {
  Editor e("8 x 8");
  FontDocument font = e.Doc();
  for (int i = 0; i < kSymbolCount; ++i)
    font.widths.push_back(static_cast<std::uint8_t>(1 + i % 8));
  const std::string text = FormatFontDocument(font, {OutputFormat::FontSource});
  e.platform.files["/f/Font08x08vp.fnt"] = text;
  e.Import("/f/Font08x08vp.fnt");
  EXPECT_EQ(e.Doc().widths, font.widths);
  EXPECT_TRUE(e.platform.messages.empty());
  e.platform.savePaths = {"/f/again.fnt"};
  e.form.command5Click();
  EXPECT_EQ(e.platform.files["/f/again.fnt"], text);

  Editor f("8 x 8");
  f.platform.files["/f/Font08x08vp.fnt"] = text.substr(0, text.rfind(' ')) + " 0\r\n";
  f.Import("/f/Font08x08vp.fnt");
  EXPECT_FALSE(f.Doc().Proportional());
  ASSERT_EQ(f.platform.messages.size(), 1U);
  EXPECT_EQ(f.platform.messages[0].text,
            "Строка 225: ширины символов записаны неверно и не загружены, шрифт открыт как "
            "моноширинный.");
}

TEST(Save, AsksBeforeWritingUnderANameThatSaysOtherParameters) {
  Editor e("8 x 8");
  e.form.picture1Click(0);
  const FontModel edited = e.form.model;
  e.platform.savePaths = {"/f/Font16x16hn.fnt", "/f/Font16x16hn.fnt"};
  e.platform.answers = {MsgAnswer::No, MsgAnswer::Yes};
  e.form.command5Click();
  EXPECT_EQ(e.form.model, edited);
  EXPECT_TRUE(e.platform.files.empty());
  ASSERT_EQ(e.platform.messages.size(), 1U);
  EXPECT_EQ(e.platform.messages[0],
            (MessageRequest{"Имя файла «/f/Font16x16hn.fnt» означает шрифт 16 x 16 горизонтальный "
                            "негативный, а сохраняется шрифт 8 x 8 вертикальный позитивный. При "
                            "загрузке файл будет прочитан по имени, то есть неверно. Сохранить?",
                            MsgButtons::YesNo, MsgIcon::Warning, "Внимание!"}));
  e.form.command5Click();
  EXPECT_EQ(e.platform.files.count("/f/Font16x16hn.fnt"), 1U);
  EXPECT_EQ(e.form.model.nosave, 0);
}

TEST(Import, RealFilesWithCyrillicNamesAndAVanishingFile) {
  namespace fs = std::filesystem;
  const test::TempFolder tmp;
  const fs::path dir = tmp / "zgedit тест папка";
  fs::create_directories(dir);
  const fs::path file = dir / "Шрифт Font08x08vp.fnt";
  fs::copy_file(std::string(ZG_TEST_DATA_DIR) + "/Font08x08vp.fnt", file,
                fs::copy_options::overwrite_existing);
  Editor e;
  e.Import(file.string());
  ASSERT_TRUE(e.platform.messages.empty());
  EXPECT_EQ(e.form.model.glyphStore[33 * 8], 0x7C);
  EXPECT_EQ(ReadWholeFile(file.string()).size(), 10304U);

  fs::remove(file);
  e.Import(file.string());
  ASSERT_EQ(e.platform.messages.size(), 1U);
  EXPECT_EQ(e.form.model.glyphStore[33 * 8], 0x7C);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace zg
