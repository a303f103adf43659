#pragma once
// The 576 pixel boxes (Picture1) of the edit grid, painted from the model:
// only the boxes the model shows, each in its colour. Besides the click of a
// box it reports drags as strokes: where a button went down, each new box the
// pointer reaches while it is held, and when it comes up. While a stroke is
// under way Qt hands it every pointer position: motion compression, which
// keeps only the last of a burst of moves, is off until the button comes up.
// A line after the current glyph's last column shows its width; a left press
// on it drags the line instead of painting, and the release reports the width.

#include "model/font_model.h"
#include "ui/qt/box_array_widget.h"
#include "ui/width_line.h"

namespace zg {

class GridWidget : public BoxArrayWidget {
  Q_OBJECT
 public:
  GridWidget(const FontModel& model, const ScaledLayout& layout, QWidget* parent);
  ~GridWidget() override;

  // The cell as painted now, for the width line.
  WidthLineGeometry widthLineGeometry() const;
  // The width the line stands at: the glyph's, or where a drag has taken it.
  int shownWidth() const;

 signals:
  // A left or right button went down on shown box `box`.
  void strokeStarted(int box, bool rightButton);
  // The pointer, button held, reached another shown box.
  void strokeMoved(int box);
  // The button that started the stroke came up.
  void strokeEnded();
  // The width line was dragged to `width` (1..cell width) and let go; sent
  // only when the width differs from the glyph's.
  void widthDragged(int width);

 protected:
  std::span<const bool> clickable() const override { return model_.pixelBoxVisible; }
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void endStroke();
  void setDragWidth(int width);

  const FontModel& model_;
  Qt::MouseButton strokeButton_ = Qt::NoButton;  // NoButton: no stroke under way
  int strokeBox_ = -1;                           // the last box reported
  bool compressedBefore_ = false;  // the application's motion compression before the stroke
  int dragWidth_ = 0;              // 0: the width line is not being dragged
};

}  // namespace zg
