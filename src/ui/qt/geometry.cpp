#include "ui/qt/geometry.h"

#include <cmath>

namespace zg {

int TwipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

QRect TwipsToPixels(const Rect& twips) {
  const int left = TwipsToPixels(twips.left);
  const int top = TwipsToPixels(twips.top);
  const int right = TwipsToPixels(twips.left + twips.width);
  const int bottom = TwipsToPixels(twips.top + twips.height);
  return {left, top, right - left, bottom - top};
}

QColor ToQColor(Color bgr) {
  return QColor(static_cast<int>(bgr & 0xFFU), static_cast<int>((bgr >> 8) & 0xFFU),
                static_cast<int>((bgr >> 16) & 0xFFU));
}

int BoxAt(std::span<const QRect> boxes, QPoint p, std::span<const bool> shown) {
  for (std::size_t i = boxes.size(); i-- > 0;) {
    if (!shown.empty() && (i >= shown.size() || !shown[i])) continue;
    if (boxes[i].contains(p)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace zg
