// The game's five pictures: what each is called, how big it is, how it is
// painted, and how it becomes the image the game loads.
#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>
#include <span>

namespace coilrun::pictures {

struct Picture {
  const char* fileName;
  QSize size;
  // The screens replace this picture's pure white by the field colour.
  bool seeThrough;
  void (*paint)(QPainter& painter);
};

void PaintLogo(QPainter& painter);
void PaintAuthor(QPainter& painter);
void PaintExe(QPainter& painter);
void PaintSkip(QPainter& painter);
void PaintComp(QPainter& painter);

std::span<const Picture> AllPictures();

// A see-through picture is painted smooth on a transparent canvas and then
// given a hard edge: every pixel is either wholly its own colour or pure
// white, so no pale fringe of blending with white shows on a coloured field.
QImage RenderPicture(const Picture& picture);

}  // namespace coilrun::pictures
