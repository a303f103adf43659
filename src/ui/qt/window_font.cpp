#include "ui/qt/window_font.h"

#include <QStringList>

namespace zg {

QFont WindowFont(double points, bool bold, bool italic) {
  QFont font;
  font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

}  // namespace zg
