#include "ui/qt/app_icon.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace zg {
namespace {

TEST(AppIcon, FromABuildTheCompiledIconWithoutAskingTheThemes) {
  const QTemporaryDir build;
  const QIcon icon = AppIcon(build.path());
  EXPECT_TRUE(icon.name().isEmpty());  // no theme lookup
  EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
  EXPECT_FALSE(icon.pixmap(48).isNull());
}

TEST(AppIcon, InstalledTheThemesIcon) {
  // <prefix>/bin beside <prefix>/share/icons/hicolor, the theme searched.
  const QTemporaryDir prefix;
  const QString apps = prefix.filePath(QStringLiteral("share/icons/hicolor/48x48/apps"));
  ASSERT_TRUE(QDir().mkpath(apps));
  ASSERT_TRUE(QDir().mkpath(prefix.filePath(QStringLiteral("bin"))));
  ASSERT_TRUE(QFile::copy(QStringLiteral(":/icons/48x48/io.github.zgedit.zgedit.png"),
                          apps + QStringLiteral("/io.github.zgedit.zgedit.png")));
  QFile index(prefix.filePath(QStringLiteral("share/icons/hicolor/index.theme")));
  ASSERT_TRUE(index.open(QIODevice::WriteOnly));
  index.write("[Icon Theme]\nName=Hicolor\nDirectories=48x48/apps\n\n[48x48/apps]\nSize=48\n");
  index.close();
  const QStringList searchPaths = QIcon::themeSearchPaths();
  const QString theme = QIcon::themeName();
  QIcon::setThemeSearchPaths({prefix.filePath(QStringLiteral("share/icons"))});
  QIcon::setThemeName(QStringLiteral("hicolor"));

  const QIcon icon = AppIcon(prefix.filePath(QStringLiteral("bin")));
  EXPECT_EQ(icon.name(), QString::fromLatin1(kAppId));
  EXPECT_FALSE(icon.pixmap(48).isNull());

  QIcon::setThemeSearchPaths(searchPaths);
  QIcon::setThemeName(theme);
}

}  // namespace
}  // namespace zg
