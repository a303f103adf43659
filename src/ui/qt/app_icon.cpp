#include "ui/qt/app_icon.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>

// Q_INIT_RESOURCE names a function in the global namespace.
static void InitIconResource() { Q_INIT_RESOURCE(app_icon); }

namespace zg {
namespace {

QIcon CompiledIcon() {
  InitIconResource();
  QIcon icon;
  // Sizes for title bars and task switchers; the menu takes the installed ones.
  for (const char* size : {"16x16", "32x32", "48x48", "64x64"}) {
    QImageReader reader(
        QStringLiteral(":/icons/%1/%2.png").arg(QLatin1String(size), QLatin1String(kAppId)), "png");
    // Qt's own PNG reader, without loading every image plugin to probe the files.
    reader.setAutoDetectImageFormat(false);
    icon.addPixmap(QPixmap::fromImage(reader.read()));
  }
  return icon;
}

}  // namespace

QIcon AppIcon(const QString& applicationDir) {
  // Installed as <prefix>/bin/zgedit with its icons in <prefix>/share/icons.
  const QString installed = applicationDir + QStringLiteral("/../share/icons/hicolor/48x48/apps/") +
                            QLatin1String(kAppId) + QStringLiteral(".png");
  if (!QFileInfo::exists(installed)) return CompiledIcon();
  return QIcon::fromTheme(QLatin1String(kAppId), CompiledIcon());
}

}  // namespace zg
