// The drawing commands of the window logic: each one step of the history.

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "fake_platform.h"
#include "model/codec.h"
#include "test_files.h"
#include "ui/file_notes.h"
#include "ui/form1.h"

namespace zg {
namespace {

using testing::Editor;

std::string Shown(const Form1& f) {
  return GlyphPicture(f.model.glyphStore, f.model.sb, f.model.cb, LayoutOf(f.model));
}

// An 8 x 8 font with an "L" drawn in symbol 1.
struct Drawn : Editor {
  explicit Drawn(bool horizontal = false) : Editor("8 x 8", horizontal) {
    form.text1Click(1);
    for (int box : {0, 24, 48, 49, 50}) form.picture1Click(box);
  }
};

constexpr const char* kL =
    "#.......\n#.......\n###.....\n........\n........\n........\n........\n........\n";

TEST(Drawing, AStrokeIsOneStepAndAClickStaysAToggle) {
  Drawn e;
  e.form.strokeBegin(3 * 24 + 0, false);
  e.form.strokeMove(3 * 24 + 5);  // a fast move: every box between is painted
  e.form.strokeEnd();
  EXPECT_EQ(Shown(e.form),
            "#.......\n#.......\n###.....\n######..\n........\n........\n........\n........\n");
  EXPECT_EQ(At(e.form.Menus(), MenuCommand::Undo).text, "Отменить: рисование");
  e.form.undoClick();
  EXPECT_EQ(Shown(e.form), kL);
  e.form.strokeBegin(0, false);  // press and release: a click
  e.form.strokeEnd();
  EXPECT_EQ(At(e.form.Menus(), MenuCommand::Undo).text, "Отменить: изменение точки");
  e.form.strokeBegin(48, true);
  e.form.strokeMove(50);
  e.form.strokeEnd();
  EXPECT_EQ(Shown(e.form),
            "........\n#.......\n........\n........\n........\n........\n........\n........\n");
}

TEST(Drawing, CopyAndPasteBetweenCellsAndThroughText) {
  Drawn e;
  e.form.copyClick();
  ASSERT_TRUE(e.platform.clipboard.text);
  EXPECT_EQ(*e.platform.clipboard.text, "Data &h07,&h04,&h04,&h00,&h00,&h00,&h00,&h00\r\n");
  // Into a 16 x 16 horizontal font: the pixels at the top left.
  Editor big("16 x 16", true);
  big.platform.clipboard = e.platform.clipboard;
  big.form.text1Click(9);
  big.form.pasteClick();
  EXPECT_EQ(Shown(big.form).substr(0, 17 * 3),
            "#...............\n#...............\n###.............\n");
  EXPECT_EQ(At(big.form.Menus(), MenuCommand::Undo).text, "Отменить: вставка символа");
  // Text alone, as copied from a firmware source.
  e.platform.clipboard = {std::nullopt, ".db 0x01, 0x02 ,0x04,0x08,0x10,0x20,0x40,0x80 ; \\\\"};
  e.form.text1Click(2);
  e.form.pasteClick();
  EXPECT_EQ(Shown(e.form).substr(0, 18), "#.......\n.#......\n");
  // Anything else: a message, nothing changes.
  const FontDocument before = e.Doc();
  for (const char* junk : {"hello", "0x01,0x02", ""}) {
    e.platform.clipboard = {std::nullopt, junk};
    e.form.pasteClick();
    EXPECT_EQ(e.Doc(), before) << junk;
  }
  EXPECT_EQ(e.platform.messages.size(), 3U);
  e.form.text1Click(1);
  e.form.cutClick();
  EXPECT_EQ(Shown(e.form).find('#'), std::string::npos);
  EXPECT_NE(e.platform.clipboard.glyph->find("zgedit-glyph"), std::string::npos);

  // A proportional font's glyph carries its width into another proportional font.
  Editor p("8 x 8");
  {
    EditorSession::Transaction t(p.form.session(), "test");
    t.document().widths.assign(kSymbolCount, 8);
    t.document().widths[3] = 5;
    t.Commit(StepSaved::Saved);
  }
  p.form.text1Click(3);
  p.form.copyClick();
  ASSERT_TRUE(p.platform.clipboard.glyph);
  EXPECT_TRUE(p.platform.clipboard.glyph->starts_with("zgedit-glyph 2 8x8 v w5\n"));
  p.form.text1Click(4);
  p.form.pasteClick();
  EXPECT_EQ(p.Doc().Width(4), 5);
}

TEST(Drawing, TransformsOfTheCurrentGlyph) {
  Drawn e(true);
  e.form.flipHorizontalClick();
  EXPECT_EQ(Shown(e.form).substr(0, 27), ".......#\n.......#\n.....###\n");
  e.form.flipVerticalClick();
  EXPECT_EQ(Shown(e.form).substr(45), ".....###\n.......#\n.......#\n");
  e.form.invertClick();
  EXPECT_EQ(Shown(e.form).substr(45), "#####...\n#######.\n#######.\n");
  for (int i = 0; i < 4; ++i) e.form.rotateClick(true);
  EXPECT_EQ(Shown(e.form).substr(45), "#####...\n#######.\n#######.\n");
  for (int i = 0; i < 3; ++i) e.form.undoClick();  // the last rotations
  e.form.undoClick();
  e.form.undoClick();  // the inversion
  EXPECT_EQ(Shown(e.form).substr(45), ".....###\n.......#\n.......#\n");
  Editor tall("6 x 8");
  EXPECT_FALSE(At(tall.form.Menus(), MenuCommand::RotateClockwise).enabled);
}

TEST(Drawing, WholeFontShiftsAndTheirRefusal) {
  Drawn e;
  e.form.text1Click(0x41 - 0x20);  // A
  e.form.picture1Click(7);         // top right corner
  e.form.fontShiftClick(ShiftDirection::Right);
  ASSERT_EQ(e.platform.messages.size(), 1U);
  EXPECT_EQ(e.platform.messages[0].text,
            "Шрифт нельзя сдвинуть: символ «A» (код 41h) потеряет точки.");
  e.form.picture1Click(7);
  e.form.fontShiftClick(ShiftDirection::Right);
  e.form.text1Click(1);
  EXPECT_EQ(Shown(e.form).substr(0, 27), ".#......\n.#......\n.###....\n");
  EXPECT_TRUE(e.form.model.symbols[1].bold);
  e.form.undoClick();
  e.form.text1Click(1);
  EXPECT_EQ(Shown(e.form), kL);
}

TEST(Drawing, TheKeyboardSelectsSymbols) {
  Editor e("8 x 8");
  e.form.moveSymbol(16);
  EXPECT_EQ(e.form.model.simb, 16);
  e.form.moveSymbol(-100);
  EXPECT_EQ(e.form.model.simb, 0);
  e.form.goToSymbol(223);
  EXPECT_EQ(e.form.model.simb, 223);
  e.form.typeCharacter(U'A');
  EXPECT_EQ(e.form.model.simb, 0x41 - 0x20);
  e.form.typeCharacter(U'Ж');
  EXPECT_EQ(e.form.model.simb, 0xC6 - 0x20);
  e.form.setCodePage(CodePage::Koi8R);
  e.form.typeCharacter(U'Ж');
  EXPECT_EQ(e.form.model.simb, 0xF6 - 0x20);
  EXPECT_EQ(e.platform.settings["view/codePage"], "KOI8-R");
  EXPECT_TRUE(At(e.form.Menus(), MenuCommand::CodePage4).checked);
}

TEST(Drawing, ImportFromAFontFillsTheFontInOneStep) {
  Editor e("16 x 16");
  e.form.text1Click(0x49 - 0x20);  // I
  FontImportChoice choice;
  choice.fontPath = test::DataPath("DejaVuSansMono.ttf");
  choice.pixelSize = 16;
  e.platform.fontImportChoices.push_back(choice);
  e.form.importFromFontClick();
  ASSERT_EQ(e.platform.messages.size(), 1U);
  EXPECT_EQ(e.platform.messages[0].text,
            "Импортировано: 222 символа.\nОбрезан 41 символ: $ ( ) , ; @ Q [ ] _ g j …");
  EXPECT_NE(Shown(e.form).find("#"), std::string::npos);
  EXPECT_EQ(At(e.form.Menus(), MenuCommand::Undo).text, "Отменить: импорт из шрифта");
  e.form.undoClick();
  EXPECT_EQ(e.Doc(), EmptyDocument(Layout::Classic(16, 16, Scan::Vertical), false));
  choice.fontPath = test::DataPath("Font08x08vp.fnt");  // not a font
  e.platform.fontImportChoices.push_back(choice);
  e.form.importFromFontClick();
  EXPECT_EQ(e.Doc(), EmptyDocument(Layout::Classic(16, 16, Scan::Vertical), false));
  EXPECT_EQ(e.platform.messages.size(), 2U);
}

TEST(Drawing, ExportWritesTheChosenFormUnderItsName) {
  Drawn e;
  e.platform.exportChoices.push_back(ExportChoice{OutputFormat::CHeader});
  e.platform.savePaths.push_back("/out/lcd_font.h");
  e.form.exportClick();
  EXPECT_EQ(e.platform.saveRequests.back().proposedName, "Font08x08vp.h");
  const std::string& header = e.platform.files["/out/lcd_font.h"];
  EXPECT_NE(header.find("static const uint8_t lcd_font[224][8]"), std::string::npos);
  EXPECT_NE(header.find("{0x07,0x04,0x04,0x00,0x00,0x00,0x00,0x00}, /* 0x21 '!' */"),
            std::string::npos);
  EXPECT_EQ(e.form.model.nosave, 1) << "an export is no save of the font source";

  ExportChoice single{OutputFormat::CHeader};
  single.singleDefinition = true;
  e.platform.exportChoices.push_back(single);
  e.platform.savePaths.push_back("/out/one.h");
  e.form.exportClick();
  EXPECT_NE(e.platform.files["/out/one.h"].find("extern const uint8_t one[224][8];\n\n"
                                                "#ifdef ONE_IMPLEMENTATION\n"),
            std::string::npos);
  // Every glyph reaches a BDF font, so there is nothing to say.
  e.platform.exportChoices.push_back(ExportChoice{OutputFormat::Bdf});
  e.platform.savePaths.push_back("/out/f.bdf");
  e.form.exportClick();
  EXPECT_NE(e.platform.files["/out/f.bdf"].find("\nCHARS 224\n"), std::string::npos);
  EXPECT_EQ(e.platform.messages.size(), 0U);
  // What the window would say of glyphs a custom table left without a code point.
  EXPECT_EQ(UnwrittenGlyphsNote({0xC0, 0xC1}),
            "Символы с кодами C0h, C1h не записаны: их коды Юникода заняты другими символами "
            "кодовой страницы. Все символы записывает экспорт с кодами 20h..FFh вместо Юникода.");

  // LVGL leaves out the codes without a character of their own, and says so.
  e.platform.exportChoices.push_back(ExportChoice{OutputFormat::Lvgl});
  e.platform.savePaths.push_back("/out/lv_font_lcd.c");
  e.form.exportClick();
  EXPECT_EQ(e.platform.saveRequests.back().proposedName, "Font08x08vp.c");
  EXPECT_NE(e.platform.files["/out/lv_font_lcd.c"].find("const lv_font_t lv_font_lcd = {"),
            std::string::npos);
  ASSERT_EQ(e.platform.messages.size(), 1U);
  EXPECT_NE(e.platform.messages[0].text.find("Символы с кодами 7Fh, 98h не записаны: в кодовой "
                                             "странице у них нет своего символа Юникода."),
            std::string::npos);

  // The font source in another bit order, as a table of 256 glyphs from 00h.
  ExportChoice table{OutputFormat::FontSource};
  table.msbFirst = true;
  table.fullTable = true;
  e.platform.exportChoices.push_back(table);
  e.platform.savePaths.push_back("/out/lcd.fnt");
  e.form.exportClick();
  EXPECT_EQ(e.platform.saveRequests.back().proposedName, "table8x8.fnt")
      << "a name like Font08x08vp would be read in the editor's own layout";
  std::istringstream lines(e.platform.files["/out/lcd.fnt"]);
  std::vector<std::string> glyphs;
  for (std::string line; std::getline(lines, line);) glyphs.push_back(line);
  ASSERT_EQ(glyphs.size(), 256U);
  EXPECT_EQ(glyphs[0x00], "Data &h00,&h00,&h00,&h00,&h00,&h00,&h00,&h00\r");
  EXPECT_EQ(glyphs[0x21], "Data &hE0,&h20,&h20,&h00,&h00,&h00,&h00,&h00\r") << "'!', bit 7 on top";
}

TEST(Drawing, AHeaderInAnotherLayoutImportsWithoutQuestions) {
  Drawn e(true);
  ExportChoice choice{OutputFormat::CHeader};
  choice.scan = Scan::Vertical;
  choice.msbFirst = false;
  choice.fullTable = true;
  e.platform.exportChoices.push_back(choice);
  e.platform.savePaths.push_back("/out/oled.h");
  e.form.exportClick();

  Editor other("16 x 16");
  other.platform.files["/out/oled.h"] = e.platform.files["/out/oled.h"];
  const std::size_t dialogs = other.platform.dialogsShown.size();
  other.Import("/out/oled.h");
  EXPECT_EQ(other.platform.dialogsShown.size(), dialogs) << "no parameters dialog";
  EXPECT_TRUE(other.platform.messages.empty());
  // The font comes back in the scan it was written in, its pixels as drawn.
  FontDocument drawn = e.Doc();
  drawn.layout = Layout::Classic(8, 8, Scan::Vertical);
  drawn.glyphs = PackTable(e.Doc(), {Layout::Classic(8, 8, Scan::Vertical), kFirstCode});
  EXPECT_EQ(other.Doc(), drawn);
}

TEST(Drawing, SelectingASymbolMovesTheMarkTakesTheBackupAndShowsItsGlyph) {
  Editor e("8 x 8");
  e.form.text1Click(3);
  e.form.picture1Click(1);
  e.SetGlyphs([](auto& g) {
    for (int n = 0; n < 8; ++n) g[40 + n] = static_cast<std::uint8_t>(n + 1);
  });
  e.form.text1Click(5);
  const FontModel& m = e.form.model;
  EXPECT_EQ(std::tie(m.oldsimb, m.simb, m.sb, m.nb, m.nosavesimb),
            std::tuple(std::int16_t{3}, std::int16_t{5}, std::int16_t{40}, std::int16_t{40},
                       std::int16_t{0}));
  EXPECT_EQ(m.symbols[3].backColor, kWhite);
  EXPECT_EQ(m.symbols[5].backColor, kRed);
  for (int n = 0; n < 8; ++n) EXPECT_EQ(m.glyphBackup[n], n + 1);
  EXPECT_EQ(e.Grid(), e.Glyph(5));
  EXPECT_EQ(e.Glyph(3).substr(0, 9), ".#......\n") << "the glyph left keeps its pixels";

  // Selecting the current symbol again keeps it red and takes a new backup.
  e.form.picture1Click(0);
  e.form.text1Click(5);
  EXPECT_EQ(m.symbols[5].backColor, kRed);
  EXPECT_EQ(m.glyphBackup[0], 0x00);
  EXPECT_EQ(m.nosavesimb, 0);
}

TEST(Drawing, AClickWritesOneBitColoursItsBoxAndMarksTheSymbol) {
  struct Case {
    const char* size;
    bool horizontal;
    int symbol, box, index;
    std::uint8_t value;
    Color color;
  };
  const Case cases[] = {
      {"8 x 8", false, 1, 26, 10, 0x02, kBlue},  // row 1, column 2
      {"8 x 8", true, 0, 26, 1, 0x20, kBlue},
      {"8 x 8", false, 0, 175, 7, 0x80, kRed},          // the margin
      {"24 x 24", false, 223, 575, 16127, 0x80, kRed},  // the store's last byte
      {"24 x 24", true, 0, 575, 71, 0x01, kRed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.size) + (c.horizontal ? " horizontal" : " vertical"));
    Editor e(c.size, c.horizontal);
    e.form.text1Click(c.symbol);
    e.form.picture1Click(c.box);
    const FontModel& m = e.form.model;
    EXPECT_EQ(e.Doc().glyphs[static_cast<std::size_t>(c.index)], c.value);
    EXPECT_EQ(m.glyphStore[c.index], c.value);
    EXPECT_EQ(m.pixelBoxColor[c.box], c.color);
    EXPECT_EQ(m.pixelOn[c.box], -1);
    EXPECT_EQ(m.nb, c.index);
    EXPECT_EQ(std::tie(m.nosave, m.nosavesimb), std::tuple(std::int16_t{1}, std::int16_t{1}));
    EXPECT_TRUE(m.symbols[c.symbol].bold);
    EXPECT_EQ(m.symbols[c.symbol].fontSize, kEditedFontSize);
    e.form.picture1Click(c.box);
    EXPECT_TRUE(std::ranges::all_of(e.Doc().glyphs, [](std::uint8_t b) { return b == 0; }));
    EXPECT_EQ(m.glyphStore[kStoreSize - 1], 0);
    EXPECT_EQ(m.pixelBoxColor[c.box], m.pixelBackColor[c.box]);
  }
}

TEST(Drawing, ClicksOutsideTheCellOrTheTableChangeNothing) {
  Editor e("8 x 8");
  const FontModel before = e.form.model;
  const auto steps = e.form.history().StepCount();
  for (int box : {8, 8 * kGridSide, kGridBoxes, -1}) e.form.picture1Click(box);
  for (int symbol : {kSymbolCount, -1}) e.form.text1Click(symbol);
  EXPECT_EQ(e.form.model, before);
  EXPECT_EQ(e.form.history().StepCount(), steps);
}

}  // namespace
}  // namespace zg
