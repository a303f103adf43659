#include "ui/qt/dialog_text.h"

#include <QStringList>

namespace zg {

QString QtNameFilters(const std::string& filter) {
  if (filter.empty()) return {};
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList entries;
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    // A description without its pattern stands for every file.
    QString pattern = i + 1 < parts.size() ? parts[i + 1].trimmed() : QStringLiteral("*");
    pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
    entries << parts[i] + QStringLiteral(" (") + pattern + QLatin1Char(')');
  }
  return entries.join(QStringLiteral(";;"));
}

QString MessageText(const std::string& text) {
  QString out = QString::fromStdString(text);
  out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return out;
}

}  // namespace zg
