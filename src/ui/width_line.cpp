#include "ui/width_line.h"

#include <cstdlib>

namespace zg {

int ShownWidth(const WidthLineGeometry& g, int width) {
  const int cell = static_cast<int>(g.columnEnds.size());
  return width >= 1 && width <= cell ? width : cell;
}

int WidthLineX(const WidthLineGeometry& g, int width) {
  if (g.columnEnds.empty()) return 0;
  return g.columnEnds[static_cast<std::size_t>(ShownWidth(g, width) - 1)];
}

int WidthAtX(const WidthLineGeometry& g, int x) {
  int best = 0;
  int bestDistance = 0;
  for (std::size_t c = 0; c < g.columnEnds.size(); ++c) {
    const int distance = std::abs(g.columnEnds[c] - x);
    // Halfway between two lines the narrower one wins.
    if (best == 0 || distance < bestDistance) {
      best = static_cast<int>(c) + 1;
      bestDistance = distance;
    }
  }
  return best;
}

bool OnWidthLine(const WidthLineGeometry& g, int width, int x, int y) {
  if (g.columnEnds.empty() || y < g.top || y >= g.bottom) return false;
  return std::abs(x - WidthLineX(g, width)) <= kWidthLineReach;
}

}  // namespace zg
