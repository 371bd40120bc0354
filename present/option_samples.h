// The options dialog's samples: a snake and a row of normal bricks on a
// small copy of the field's background, drawn with the current looks.
#pragma once

#include <QPainter>
#include <QRect>
#include <QSize>

#include "engine/model.h"

namespace coilrun {

// The frame behind both samples, and where each sample lies in it.
constexpr QSize kSampleShapeSize(257, 49);
constexpr QRect kSnakeBoxRect(16, 0, 97, 49);
constexpr QRect kBrickBoxRect(148, 0, 89, 49);

// Paints the frame and both samples, in the frame's coordinates. Mixed brick
// colours are always those of level 1.
void Draw_Snake_Bricks_Type(QPainter& painter, const GameModel& model, int sampleSnakePlayer);

}  // namespace coilrun
