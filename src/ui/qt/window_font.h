#pragma once
// The window's fonts: Arial, or the metric-compatible Liberation Sans where
// Arial is not installed, so captions fit the designed geometry.

#include <QFont>

namespace zg {

QFont WindowFont(double points, bool bold = false, bool italic = false);

}  // namespace zg
