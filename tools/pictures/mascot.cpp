#include "tools/pictures/mascot.h"

#include <QPainterPathStroker>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>
#include <vector>

#include "tools/pictures/cartoon.h"

namespace coilrun::pictures {

namespace {

const QColor kBlush(0xFF, 0x6F, 0x7D);
const QColor kTongue(0xE8, 0x23, 0x3C);
const QColor kMouth(0x7A, 0x12, 0x1E);

// The spine is followed in steps of one pixel. The tail is stamped as discs
// so that it can narrow; the rest is stroked in short pieces, each inked and
// filled before the next, so that where the body crosses itself the later
// piece lies on top with its own ink line. A piece is as long as the gap
// between two spots, and its spot sits in its middle, so that no piece covers
// part of another's spot.
constexpr double kTipRadius = 1.2;

std::vector<QPointF> SampleSpine(const QPainterPath& spine) {
  std::vector<QPointF> points;
  const double length = spine.length();
  for (double distance = 0; distance <= length; distance += 1.0) {
    points.push_back(spine.pointAtPercent(spine.percentAtLength(distance)));
  }
  return points;
}

double TailRadius(std::size_t distance, double radius, double tailLength) {
  return kTipRadius + (radius - kTipRadius) * (static_cast<double>(distance) / tailLength);
}

QPointF HighlightShift(double radius) { return QPointF(-0.3, -0.34) * radius; }

void PaintTail(QPainter& painter, std::span<const QPointF> points, double radius, double tailLength,
               const SnakeColours& colours) {
  const auto stamp = [&](const QColor& colour, double grow, double scale, bool shifted) {
    painter.setBrush(colour);
    for (std::size_t i = 0; i < points.size(); ++i) {
      const double r = TailRadius(i, radius, tailLength);
      const QPointF centre = shifted ? points[i] + HighlightShift(r) : points[i];
      painter.drawEllipse(centre, r * scale + grow, r * scale + grow);
    }
  };
  painter.setPen(Qt::NoPen);
  stamp(kInk, kInkWidth, 1.0, false);
  stamp(colours.body, 0, 1.0, false);
  stamp(colours.light, 0, 0.36, true);
}

QPainterPath Polyline(std::span<const QPointF> points) {
  QPainterPath line(points.front());
  for (const QPointF& point : points.subspan(1)) line.lineTo(point);
  return line;
}

QPen TubePen(const QColor& colour, double width, Qt::PenCapStyle cap) {
  QPen pen(colour, width);
  pen.setCapStyle(cap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

// `piece` is the stretch to paint; `reach` the same stretch one point longer
// at each end where the spine goes on.
void PaintPiece(QPainter& painter, std::span<const QPointF> piece, std::span<const QPointF> reach, double radius,
                const SnakeColours& colours) {
  const QPainterPath reachLine = Polyline(reach);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(TubePen(kInk, 2 * (radius + kInkWidth), Qt::FlatCap));
  painter.drawPath(Polyline(piece));
  // The fill reaches over the joins too, or the soft end of the ink would
  // show as a hairline across the body.
  painter.setPen(TubePen(colours.body, 2 * radius, Qt::FlatCap));
  painter.drawPath(reachLine);

  QPainterPathStroker stroker(TubePen(colours.body, 2 * radius, Qt::FlatCap));
  painter.save();
  painter.setClipPath(stroker.createStroke(reachLine), Qt::IntersectClip);
  painter.setPen(TubePen(colours.light, radius * 0.72, Qt::RoundCap));
  painter.drawPath(reachLine.translated(HighlightShift(radius)));
  painter.restore();

  painter.setPen(Qt::NoPen);
  painter.setBrush(colours.spots);
  painter.drawEllipse(piece[piece.size() / 2] + QPointF(0.12, 0.18) * radius, radius * 0.34, radius * 0.30);
}

void PaintEye(QPainter& painter, const QPointF& centre, double width, const QPointF& look) {
  QPainterPath eye;
  eye.addEllipse(centre, width * 0.15, width * 0.18);
  PaintInked(painter, eye, kPaperWhite, std::max(1.5, width * 0.045));
  painter.setPen(Qt::NoPen);
  painter.setBrush(kInk);
  const QPointF pupil = centre + look * width;
  painter.drawEllipse(pupil, width * 0.08, width * 0.095);
  painter.setBrush(kPaperWhite);
  painter.drawEllipse(pupil + QPointF(-0.03, -0.035) * width, width * 0.03, width * 0.03);
}

// A happy shut eye: an arch.
void PaintShutEye(QPainter& painter, const QPointF& centre, double width) {
  QPainterPath arch;
  arch.moveTo(centre + QPointF(-0.11, 0.03) * width);
  arch.quadTo(centre + QPointF(0, -0.12) * width, centre + QPointF(0.11, 0.03) * width);
  painter.setPen(InkPen(std::max(2.0, width * 0.06)));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(arch);
}

void PaintBrows(QPainter& painter, double width) {
  painter.setPen(InkPen(std::max(2.0, width * 0.07)));
  painter.drawLine(QPointF(-0.33, -0.46) * width, QPointF(-0.07, -0.33) * width);
  painter.drawLine(QPointF(0.33, -0.46) * width, QPointF(0.07, -0.33) * width);
}

void PaintTongue(QPainter& painter, const QPointF& root, double width, double lean) {
  QPainterPath tongue;
  const double w = width;
  tongue.moveTo(root + QPointF(-0.035, 0) * w);
  tongue.lineTo(root + QPointF(-0.035 + lean, 0.16) * w);
  tongue.lineTo(root + QPointF(-0.08 + lean * 1.4, 0.25) * w);
  tongue.lineTo(root + QPointF(lean * 1.1, 0.19) * w);
  tongue.lineTo(root + QPointF(0.08 + lean * 1.4, 0.25) * w);
  tongue.lineTo(root + QPointF(0.035 + lean, 0.16) * w);
  tongue.lineTo(root + QPointF(0.035, 0) * w);
  tongue.closeSubpath();
  PaintInked(painter, tongue, kTongue, std::max(1.2, w * 0.03));
}

void PaintMouth(QPainter& painter, double width, Mood mood) {
  const double w = width;
  QPainterPath line;
  switch (mood) {
    case Mood::kHappy:
      PaintTongue(painter, QPointF(0, 0.2) * w, w, 0);
      line.moveTo(QPointF(-0.2, 0.12) * w);
      line.quadTo(QPointF(0, 0.3) * w, QPointF(0.2, 0.12) * w);
      break;
    case Mood::kCross:
      line.moveTo(QPointF(-0.16, 0.25) * w);
      line.quadTo(QPointF(0, 0.12) * w, QPointF(0.16, 0.25) * w);
      break;
    case Mood::kBusy:
      PaintTongue(painter, QPointF(0.12, 0.19) * w, w * 0.8, 0.06);
      line.moveTo(QPointF(-0.16, 0.17) * w);
      line.quadTo(QPointF(0, 0.24) * w, QPointF(0.17, 0.16) * w);
      break;
    case Mood::kProud: {
      QPainterPath grin;
      grin.moveTo(QPointF(-0.24, 0.1) * w);
      grin.cubicTo(QPointF(-0.18, 0.38) * w, QPointF(0.18, 0.38) * w, QPointF(0.24, 0.1) * w);
      grin.closeSubpath();
      PaintInked(painter, grin, kMouth, std::max(1.5, w * 0.045));
      QPainterPath tongue;
      tongue.addEllipse(QPointF(0, 0.25) * w, 0.1 * w, 0.05 * w);
      painter.save();
      painter.setClipPath(grin);
      painter.setPen(Qt::NoPen);
      painter.setBrush(kTongue);
      painter.drawPath(tongue);
      painter.restore();
      return;
    }
  }
  painter.setPen(InkPen(std::max(1.5, w * 0.05)));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(line);
}

}  // namespace

void PaintSnakeBody(QPainter& painter, const QPainterPath& spine, double radius, double tailLength,
                    const SnakeColours& colours) {
  const std::vector<QPointF> points = SampleSpine(spine);
  const std::span<const QPointF> all(points);
  const std::size_t tailEnd = std::min(points.size(), static_cast<std::size_t>(tailLength));
  const std::size_t pieceLength = std::max<std::size_t>(2, static_cast<std::size_t>(radius * 2.6));
  painter.save();
  if (tailEnd > 0) PaintTail(painter, all.first(tailEnd), radius, tailLength, colours);
  for (std::size_t start = tailEnd == 0 ? 0 : tailEnd - 1; start + 1 < points.size(); start += pieceLength) {
    const std::size_t end = std::min(points.size(), start + pieceLength + 1);
    const std::size_t reachStart = start == 0 ? 0 : start - 1;
    const std::size_t reachEnd = std::min(points.size(), end + 1);
    PaintPiece(painter, all.subspan(start, end - start), all.subspan(reachStart, reachEnd - reachStart), radius,
               colours);
  }
  painter.restore();
}

QPainterPath CoilHeapSpine(const QPointF& bottomCentre, double loopWidth, double loopDepth, double loops,
                           double loopRise) {
  constexpr double kStartAngle = 0.6 * std::numbers::pi;
  const double sweep = loops * 2 * std::numbers::pi;
  QPainterPath spine;
  for (double turned = 0; turned <= sweep; turned += 0.05) {
    const double narrowing = 1.0 - 0.28 * turned / sweep;
    const double angle = kStartAngle + turned;
    const QPointF point = bottomCentre + QPointF(loopWidth / 2 * narrowing * std::cos(angle),
                                                 -loopDepth / 2 + loopDepth / 2 * narrowing * std::sin(angle) -
                                                     loopRise * turned / (2 * std::numbers::pi));
    if (turned == 0) {
      spine.moveTo(point);
    } else {
      spine.lineTo(point);
    }
  }
  return spine;
}

void PaintSnakeHead(QPainter& painter, const QPointF& centre, double width, Mood mood, double tiltDegrees,
                    const SnakeColours& colours) {
  const double w = width;
  painter.save();
  painter.translate(centre);
  painter.rotate(tiltDegrees);

  QPainterPath head;
  head.addEllipse(QPointF(0, 0), w * 0.5, w * 0.41);
  PaintInked(painter, head, colours.body, std::max(2.0, w * 0.055));
  painter.setPen(Qt::NoPen);
  painter.setBrush(colours.light);
  painter.drawEllipse(QPointF(-0.16, -0.2) * w, w * 0.16, w * 0.08);

  painter.setBrush(QColor(kBlush.red(), kBlush.green(), kBlush.blue(), 150));
  painter.drawEllipse(QPointF(-0.33, 0.1) * w, w * 0.08, w * 0.05);
  painter.drawEllipse(QPointF(0.33, 0.1) * w, w * 0.08, w * 0.05);
  painter.setBrush(kInk);
  painter.drawEllipse(QPointF(-0.06, 0.03) * w, w * 0.022, w * 0.018);
  painter.drawEllipse(QPointF(0.06, 0.03) * w, w * 0.022, w * 0.018);

  const QPointF leftEye = QPointF(-0.19, -0.25) * w;
  const QPointF rightEye = QPointF(0.19, -0.25) * w;
  switch (mood) {
    case Mood::kHappy:
      PaintEye(painter, leftEye, w, QPointF(0.01, 0.03));
      PaintEye(painter, rightEye, w, QPointF(-0.01, 0.03));
      break;
    case Mood::kCross:
      PaintEye(painter, leftEye, w, QPointF(0.04, 0.05));
      PaintEye(painter, rightEye, w, QPointF(-0.04, 0.05));
      PaintBrows(painter, w);
      break;
    case Mood::kBusy:
      PaintEye(painter, leftEye, w, QPointF(0.04, 0.07));
      PaintEye(painter, rightEye, w, QPointF(0.04, 0.07));
      break;
    case Mood::kProud:
      PaintShutEye(painter, leftEye + QPointF(0, 0.05) * w, w);
      PaintShutEye(painter, rightEye + QPointF(0, 0.05) * w, w);
      break;
  }
  PaintMouth(painter, w, mood);
  painter.restore();
}

}  // namespace coilrun::pictures
