#pragma once
// Twips and 0x00BBGGRR colours of the window logic, turned into Qt's pixels
// and colours, and the one mapping from a mouse position to a box.

#include <QColor>
#include <QPoint>
#include <QRect>
#include <span>

#include "model/font_model.h"
#include "ui/layout.h"

namespace zg {

// Pixels for a twip coordinate, rounded to the nearest pixel.
int TwipsToPixels(double twips);
// Each edge is rounded on its own, so boxes laid out on a twip pitch keep
// their overlaps and their borders meet exactly.
QRect TwipsToPixels(const Rect& twips);

QColor ToQColor(Color bgr);

// Index of the box under `p`, or -1 when `p` is outside every box that is
// shown (`shown` empty means all are). Where boxes overlap, the one with the
// higher index wins: it is painted last and so is the one the user sees.
int BoxAt(std::span<const QRect> boxes, QPoint p, std::span<const bool> shown = {});

}  // namespace zg
