#include "ui/qt/window_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace zg {
namespace {

// The installed one of the two faces, looked up once. A font naming both
// would have Qt treat the second as a fallback and, for every face it loads,
// ask fontconfig for a sorted list of fallback fonts (over a millisecond each
// at start-up) and search for the first name it cannot find.
QStringList WindowFamilies() {
  QStringList wanted = {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : wanted) {
    if (installed.contains(family, Qt::CaseInsensitive)) return {family};
  }
  return wanted;  // neither: Qt's own substitution picks the nearest
}

}  // namespace

QFont WindowFont(double points, bool bold, bool italic) {
  static const QStringList families = WindowFamilies();
  QFont font;
  font.setFamilies(families);
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

}  // namespace zg
