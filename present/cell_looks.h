// The looks a 10 x 10 cell of the field can take, and the small bold face
// written on bricks and targets.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>

#include "engine/model.h"

namespace coilrun {

QColor ToQColor(Color color);

// The square of cell (x, y) on the field.
QRect CellRect(int x, int y);

// All 100 pixels in the fill colour, or, framed, the outer ring of 36 pixels
// black around an 8 x 8 fill.
void PaintSquare(QPainter& painter, int x, int y, const QColor& fill, bool framed);

// The bold face written on bricks and targets, sized so that its text cell
// (ascent plus descent) is cellHeight pixels high, or as near below as the
// face allows. Drawn without smoothing, so that the letters stay crisp
// single-colour pixels at this size.
QFont SmallBoldFont(int cellHeight);

}  // namespace coilrun
