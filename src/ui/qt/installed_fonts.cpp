#include "ui/qt/installed_fonts.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace zg {
namespace {

struct PatternFree {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternFree>;

const FcChar8* Utf8(const QByteArray& bytes) {
  return reinterpret_cast<const FcChar8*>(bytes.constData());
}

}  // namespace

std::optional<InstalledFontFile> FindInstalledFont(const QString& family, const QString& style) {
  if (family.isEmpty()) return std::nullopt;
  const Pattern pattern(FcPatternCreate());
  if (!pattern) return std::nullopt;
  const QByteArray familyUtf8 = family.toUtf8();
  const QByteArray styleUtf8 = style.toUtf8();
  FcPatternAddString(pattern.get(), FC_FAMILY, Utf8(familyUtf8));
  if (!style.isEmpty()) FcPatternAddString(pattern.get(), FC_STYLE, Utf8(styleUtf8));
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  const Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
  if (!match || result != FcResultMatch) return std::nullopt;

  // fontconfig falls back to another family rather than fail; Qt lists the
  // names fontconfig knows, so a different family means the font is gone.
  bool sameFamily = false;
  FcChar8* name = nullptr;
  for (int i = 0; FcPatternGetString(match.get(), FC_FAMILY, i, &name) == FcResultMatch; ++i) {
    if (QString::fromUtf8(reinterpret_cast<const char*>(name))
            .compare(family, Qt::CaseInsensitive) == 0) {
      sameFamily = true;
    }
  }
  FcChar8* file = nullptr;
  if (!sameFamily || FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) {
    return std::nullopt;
  }
  int index = 0;
  if (FcPatternGetInteger(match.get(), FC_INDEX, 0, &index) != FcResultMatch) index = 0;
  // The high bits name an instance of a variable font; the renderer takes the face.
  return InstalledFontFile{QString::fromUtf8(reinterpret_cast<const char*>(file)), index & 0xFFFF};
}

}  // namespace zg
