#include <gtest/gtest.h>

#include "qt_test_support.h"
#include "ui/qt/glyph_preview_widget.h"

namespace zg {
namespace {

// A glyph that carries a width shows it as a green line after its last
// column; one without shows none.
TEST(GlyphPreviewWidget, DrawsTheWidthOfAGlyphThatHasOne) {
  GlyphPreviewWidget preview;
  preview.setCell(Layout::Classic(8, 8, Scan::Vertical));
  preview.setGlyphs(
      {{"i", std::vector<std::uint8_t>(8, 0), 3}, {"M", std::vector<std::uint8_t>(8, 0)}});
  preview.resize(preview.sizeHint());
  const QRect line = preview.widthLineRect(0);
  ASSERT_FALSE(line.isEmpty());
  // Over the border after the third column: its last pixel is the fourth's first.
  EXPECT_EQ(line.right(), preview.pixelRect(0, 0, 3).left());
  EXPECT_EQ(testing::PaintedColor(preview, line.center()), QColor(0, 160, 0));
  EXPECT_EQ(testing::PaintedColor(preview, preview.pixelRect(0, 4, 5).center()), QColor(Qt::white));
  EXPECT_TRUE(preview.widthLineRect(1).isEmpty());
}

}  // namespace
}  // namespace zg
