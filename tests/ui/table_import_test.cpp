// "Импорт таблицы": a table of another program opened, its layout found and
// named, the font filled in one step, and what was read told.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "fake_platform.h"
#include "model/font_model.h"
#include "table_samples.h"
#include "ui/table_import_form.h"
#include "ui/table_import_texts.h"

namespace zg {
namespace {

constexpr Layout k6x8 = Layout::Classic(6, 8, Scan::Vertical);

std::string CArray(const std::vector<std::uint8_t>& values) {
  std::string text = "// a 5x7 display font\nconst unsigned char font[] = {\n";
  for (const std::uint8_t v : values) {
    char number[8];
    std::snprintf(number, sizeof number, "0x%02X,", v);
    text += number;
  }
  return text + "\n};\n";
}

std::string EditorGlyph(const Form1& form, int code) {
  const Layout editor = Layout::Classic(form.model.ncol, form.model.nstr,
                                        form.model.vert == 1 ? Scan::Vertical : Scan::Horizontal);
  const auto cb = static_cast<std::size_t>(editor.BytesPerGlyph());
  return PixelPicture(editor, std::span(form.model.glyphStore).subspan((code - 0x20) * cb, cb));
}

// The classic 5x7 table of display libraries: 5 column bytes a glyph from
// code 00h. Opened from the menu, it is found, shown as found, and read into
// a 6 x 8 font in one step; the codes left out are told.
TEST(TableImport, FoundLayoutImportedInOneStepWithItsNote) {
  testing::Editor e;
  const TableLayout table{k6x8, 0x00, 0, 5, 0, false};
  e.platform.files["/src/glcdfont.c"] = CArray(test::DrawnTable(table, 0x80));
  e.platform.openPaths.push_back("/src/glcdfont.c");
  e.platform.tableImportScripts.push_back([](const TableImportRequest& r) { return r.initial; });
  e.form.RunMenu(MenuCommand::ImportTable);

  ASSERT_EQ(e.platform.tableImportRequests.size(), 1U);
  const TableImportRequest& shown = e.platform.tableImportRequests[0];
  EXPECT_EQ(shown.initial.table, table);
  EXPECT_EQ(shown.found,
            "Найдено: 6 x 8, столбцы, младший бит сверху, первый код 00h, 5 байт на символ");
  EXPECT_EQ(Describe(e.form.Document()), "6 x 8 vertical positive, 1344 bytes");
  EXPECT_EQ(EditorGlyph(e.form, '2'),
            ".###..\n"
            "#...#.\n"
            "....#.\n"
            "...#..\n"
            "..#...\n"
            ".#....\n"
            "#####.\n"
            "......\n");
  ASSERT_EQ(e.platform.messages.size(), 1U);
  EXPECT_EQ(e.platform.messages[0].text,
            "Прочитано 96 символов (20h..7Fh), остальные пусты.\r"
            "Коды ниже 20h пропущены: 32 символа.");
  EXPECT_EQ(e.form.history().StepCount(), 1U);
  EXPECT_EQ(std::string(e.form.history().UndoName()), text::kStepTableImport);
  e.form.undoClick();
  EXPECT_FALSE(e.form.HasFont());
}

// A C source without parameters in its name, opened with the classic import,
// goes to the table dialog; the layout the user sets there is the one read.
TEST(TableImport, ClassicImportOfASourceTakesTheUsersLayout) {
  testing::Editor e("8 x 8");
  Layout rows = Layout::Classic(8, 8, Scan::Horizontal);
  rows.bitOrder = BitOrder::Reversed;
  const TableLayout table = TableLayout::Plain(rows);
  e.platform.files["/src/font.h"] = CArray(test::DrawnTable(table, kSymbolCount));
  e.platform.tableImportScripts.push_back([&](const TableImportRequest& r) {
    TableImportChoice choice = r.initial;
    choice.table.layout.bitOrder = BitOrder::Classic;  // the user mirrors it
    return choice;
  });
  e.Import("/src/font.h");
  EXPECT_EQ(e.platform.tableImportRequests.at(0).initial.table, table);
  EXPECT_EQ(Describe(e.form.Document()), "8 x 8 horizontal positive, 1792 bytes");
  EXPECT_EQ(EditorGlyph(e.form, 'L'),
            "......#.\n"
            "......#.\n"
            "......#.\n"
            "......#.\n"
            "......#.\n"
            "......#.\n"
            "..#####.\n"
            "........\n");
  EXPECT_TRUE(e.platform.messages.empty()) << "224 glyphs from 20h: nothing to tell";
}

std::string AssemblerLines(const std::vector<std::uint8_t>& values) {
  std::string text = "$asm\nFont8x8:\n";
  for (std::size_t i = 0; i < values.size(); i += 8) {
    text += "\t.db ";
    for (std::size_t k = i; k < std::min(values.size(), i + 8); ++k) {
      text += std::to_string(values[k]) + (k + 1 < std::min(values.size(), i + 8) ? "," : "");
    }
    text += "\n";
  }
  return text + "$end asm\n";
}

// Each array of a C source is offered by name, the font's chosen; a BASCOM
// table is found with its header.
TEST(TableImport, ArraysByNameAndAssemblerWithAHeader) {
  testing::Editor e;
  const TableLayout table{Layout::Classic(8, 8, Scan::Vertical), 0x20, 4, 8, 0, false};
  const auto values = test::DrawnTable(table, 96, {1, 8, 8, 0});
  std::string c = "const unsigned char widths[] = {5, 5, 5};\n";
  c += CArray(values);
  e.platform.files["/src/two.c"] = c;
  e.platform.files["/src/font8x8.font"] = AssemblerLines(values);
  for (const char* path : {"/src/two.c", "/src/font8x8.font"}) {
    e.platform.openPaths.push_back(path);
    e.platform.tableImportScripts.push_back([](const TableImportRequest&) { return std::nullopt; });
    e.form.importTableClick();
  }
  ASSERT_EQ(e.platform.tableImportRequests.size(), 2U);
  const TableImportRequest& twoArrays = e.platform.tableImportRequests[0];
  ASSERT_EQ(twoArrays.arrays.size(), 2U);
  EXPECT_EQ(twoArrays.arrays[0].name, "widths");
  EXPECT_EQ(twoArrays.arrays[1].name, "font");
  EXPECT_EQ(twoArrays.initial, (TableImportChoice{1, table}));
  EXPECT_EQ(e.platform.tableImportRequests[1].initial, (TableImportChoice{0, table}));
  EXPECT_EQ(e.platform.tableImportRequests[1].found,
            "Найдено: 8 x 8, столбцы, младший бит сверху, первый код 20h, заголовок 4 байта");
  EXPECT_FALSE(e.form.HasFont()) << "both dialogs cancelled";
}

TEST(TableImportForm, LayoutAndReadTexts) {
  Layout columns = Layout::Classic(16, 16, Scan::Vertical);
  columns.bandOrder = BandOrder::Columns;
  columns.bitOrder = BitOrder::Reversed;
  EXPECT_EQ(LayoutText({columns, 0x10, 4, 33, 1, true}),
            "16 x 16, столбцы, старший бит сверху, столбец за столбцом, первый код 10h, "
            "заголовок 4 байта, 33 байта на символ, символ с байта 1, негатив");
  EXPECT_EQ(LayoutText(TableLayout::Plain(Layout::Classic(8, 16, Scan::Horizontal))),
            "8 x 16, строки, старший бит слева, первый код 20h");

  TableRead read;
  read.firstRead = 0x20;
  read.lastRead = 0xFF;
  EXPECT_EQ(TableReadText(read), "");
  read.pastLast = 1;
  EXPECT_EQ(TableReadText(read), "Коды после FFh пропущены: 1 символ.");
  read = {};
  EXPECT_EQ(TableReadText(read), "Не прочитано ни одного символа.");

  EXPECT_TRUE(IsTableSourcePath("/a/b/FONT.BAS"));
  EXPECT_TRUE(IsTableSourcePath("lcd.font"));
  EXPECT_FALSE(IsTableSourcePath("/a.c/Font08x08vp.fnt"));
}

// The dialog's pictures: glyph i of the table at code firstCode + i.
TEST(TableImportForm, PreviewHoldsTheTableFromItsFirstCode) {
  const TableLayout table{k6x8, 0x2D, 2, 6, 0, false};  // '-' first, a header of 2
  const TablePreview preview = MakeTablePreview(test::DrawnTable(table, 300), table);
  EXPECT_EQ(preview.count, 0x100 - 0x2D) << "codes past FFh are not shown";
  std::string dash;
  for (int x = 0; x < 6; ++x) dash += preview.Pixel(0, x, 3) ? '#' : '.';
  EXPECT_EQ(dash, "#####.");
  EXPECT_FALSE(preview.Pixel('0' - 0x2D, 0, 0));
  EXPECT_TRUE(preview.Pixel('0' - 0x2D, 1, 0));
}

}  // namespace
}  // namespace zg
