// The game's snake mascot, who appears in every picture: a round body
// following a spine, and a head seen from the front.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

namespace coilrun::pictures {

struct SnakeColours {
  QColor body;
  QColor light;
  QColor spots;
};

inline const SnakeColours kMascotColours{QColor(0xFF, 0x94, 0x1A), QColor(0xFF, 0xC8, 0x6E), QColor(0xC8, 0x55, 0x0A)};

// The body as a tube of the given radius along the spine, which runs from
// tail to neck. The tail narrows to a point over the first tailLength pixels;
// a piece without a tail passes 0. A later piece covers an earlier one, so a
// coil is painted from its back to its front.
void PaintSnakeBody(QPainter& painter, const QPainterPath& spine, double radius, double tailLength,
                    const SnakeColours& colours = kMascotColours);

// The spine of a body coiled in a heap seen from the front: loops stacked
// upwards from the bottom centre, each a little narrower than the one below.
// It starts with the tail at the front of the lowest loop and ends at the
// back of the top loop, where the neck rises.
QPainterPath CoilHeapSpine(const QPointF& bottomCentre, double loopWidth, double loopDepth, double loops,
                           double loopRise);

enum class Mood {
  kHappy,  // open eyes, a smile and the tongue out
  kCross,  // frowning brows and a sulky mouth
  kProud,  // eyes shut with joy and a broad open grin
  kBusy,   // looking down at the work, the tongue in the corner of the mouth
};

// A head seen from the front, centred on the point and `width` pixels wide.
void PaintSnakeHead(QPainter& painter, const QPointF& centre, double width, Mood mood, double tiltDegrees = 0,
                    const SnakeColours& colours = kMascotColours);

}  // namespace coilrun::pictures
