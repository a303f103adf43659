#include "model/font_model.h"

#include "model/codec.h"

namespace zg {

bool IsCellSize(int ncol, int nstr) {
  for (const auto& s : kCellSizes) {
    if (s.ncol == ncol && s.nstr == nstr) return true;
  }
  return false;
}

std::string StatusCaption(const Layout& layout) {
  return "Шрифт " + std::to_string(layout.width) + " x " + std::to_string(layout.height) + " " +
         (layout.Vertical() ? "вертикальный  " : "горизонтальный");
}

std::string GlyphPicture(const GlyphStore& store, int sb, int cb, const Layout& layout) {
  return PixelPicture(layout, StoreGlyph(store, sb, cb));
}

}  // namespace zg
