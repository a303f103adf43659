#pragma once
// A row of sample glyphs drawn in their cell as the edit grid draws pixels:
// white boxes, the yellow margin, lit pixels blue (red in the margin). A
// glyph that carries a width shows it as the grid does, a green line after
// its last column.

#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "model/layout.h"

namespace zg {

struct PreviewGlyph {
  QString character;  // shown under the cell
  std::vector<std::uint8_t> bytes;
  int width = 0;  // the glyph's advance, 1..cell width; 0: none of its own, no line
};

class GlyphPreviewWidget : public QWidget {
  Q_OBJECT
 public:
  explicit GlyphPreviewWidget(QWidget* parent = nullptr);

  void setCell(const Layout& layout);
  void setGlyphs(std::vector<PreviewGlyph> glyphs);
  const std::vector<PreviewGlyph>& glyphs() const { return glyphs_; }

  // Whether pixel (row, col) of glyph `index` is lit, and where it is painted.
  bool pixelOn(int index, int row, int col) const;
  QRect pixelRect(int index, int row, int col) const;
  // Where glyph `index`'s width line is painted; empty when it has none.
  QRect widthLineRect(int index) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int box() const;
  QPoint cellOrigin(int index) const;

  Layout layout_ = Layout::Classic(8, 8, Scan::Vertical);
  int ncol_ = 8;  // the layout's cell
  int nstr_ = 8;
  std::vector<PreviewGlyph> glyphs_;
};

}  // namespace zg
