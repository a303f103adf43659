#pragma once
// The whole font table as the table dialog shows it: sixteen glyphs a row,
// each row headed by the code of its first glyph, lit pixels black.

#include <QImage>
#include <QWidget>

#include "ui/table_import_form.h"

namespace zg {

class TablePreviewWidget : public QWidget {
  Q_OBJECT
 public:
  explicit TablePreviewWidget(QWidget* parent = nullptr);

  // Draws the table once into an image; painting only copies it.
  void setPreview(TablePreview preview);
  const TablePreview& preview() const { return preview_; }
  const QImage& image() const { return image_; }
  // Where pixel (x, y) of glyph i is drawn, in widget coordinates.
  QRect pixelRect(int glyph, int x, int y) const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int box() const;
  QPoint cellOrigin(int glyph) const;

  TablePreview preview_;
  QImage image_;
};

}  // namespace zg
