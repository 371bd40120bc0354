// Pixel checks on the surfaces, shared by the drawing tests.
#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

namespace coilrun::testing {

// Whether `surface` shows `text` written at `topLeft` in that face and those
// colours, pixel for pixel over the text's whole cell.
::testing::AssertionResult ShowsText(const QImage& surface, const QPoint& topLeft, const QString& text,
                                     const QFont& font, const QColor& foreground, const QColor& background);

// The smallest rectangle holding every pixel within `area` that is not
// `background`; empty when there is none.
QRect InkBounds(const QImage& surface, const QRect& area, const QColor& background);

}  // namespace coilrun::testing
