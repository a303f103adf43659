// A font of a cell beyond the classic seven, through the whole window:
// created, drawn, shifted, turned to the other scan and back, saved and
// imported again.

#include <gtest/gtest.h>

#include <string>

#include "fake_platform.h"
#include "ui/form1.h"

namespace zg {
namespace {

using testing::Editor;

// Glyph i of the font being edited as rows of '#' and '.'.
std::string Drawn(const Editor& e, int i) {
  const FontDocument d = e.Doc();
  return PixelPicture(d.layout, d.Glyph(i));
}

TEST(CellSizes, An8x16FontIsEditedTurnedAroundAndReadBack) {
  Editor e("8 x 16");
  EXPECT_EQ(e.form.model.cb, 16);
  EXPECT_EQ(e.form.window.label19Caption, "Шрифт 8 x 16 вертикальный  ");
  const int a = 'A' - kFirstCode;
  e.form.text1Click(a);
  // A bar across the boundary of the two bands, moved one pixel right.
  for (int r = 6; r <= 10; ++r) e.form.picture1Click(r * kGridSide + 2);
  e.form.command9Click();
  const std::string bar =
      "........\n........\n........\n........\n........\n........\n"
      "...#....\n...#....\n...#....\n...#....\n...#....\n"
      "........\n........\n........\n........\n........\n";
  EXPECT_EQ(Drawn(e, a), bar);
  EXPECT_EQ(e.Doc().Glyph(a)[3], 0xC0);  // rows 6 and 7 of band 0
  EXPECT_EQ(e.Doc().Glyph(a)[8 + 3], 0x07);

  e.form.command10Click();  // to rows: one byte a row, column 3 in bit 4
  EXPECT_EQ(e.form.window.label19Caption, "Шрифт 8 x 16 горизонтальный");
  EXPECT_EQ(Drawn(e, a), bar);
  EXPECT_EQ(e.Doc().Glyph(a)[6], 0x10);
  e.form.command10Click();
  EXPECT_EQ(e.Doc().Glyph(a)[3], 0xC0);
  e.form.undoClick();
  EXPECT_EQ(e.form.model.vert, 0);
  EXPECT_EQ(Drawn(e, a), bar);

  // Saved under the name the dialog proposes, read back by that name alone.
  e.platform.savePaths.push_back(std::nullopt);
  e.form.command5Click();
  ASSERT_EQ(e.platform.saveRequests.size(), 1U);
  EXPECT_EQ(e.platform.saveRequests[0].proposedName, "Font08x16hp");
  const std::string path = "/home/user/Font08x16hp.fnt";
  e.platform.savePaths.push_back(path);
  e.form.command5Click();
  Editor f;
  f.platform.files = e.platform.files;
  f.Import(path);
  ASSERT_TRUE(f.platform.messages.empty()) << f.platform.messages[0].text;
  EXPECT_TRUE(f.platform.dialogsShown.empty()) << "the name carries the cell";
  EXPECT_EQ(f.Doc(), e.Doc());
  f.form.text1Click(a);
  EXPECT_EQ(f.form.model.pixelOn[8 * kGridSide + 3], -1);
}

}  // namespace
}  // namespace zg
