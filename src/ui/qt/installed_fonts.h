#pragma once
// The file behind an installed font family and style, as fontconfig (which
// Qt itself uses on Linux) finds it.

#include <QString>
#include <optional>

namespace zg {

struct InstalledFontFile {
  QString path;
  int faceIndex = 0;
};

// The file fontconfig matches for `family` in `style` (any style when empty);
// nothing when it matches a different family or no file at all.
std::optional<InstalledFontFile> FindInstalledFont(const QString& family, const QString& style);

}  // namespace zg
