// The five pictures the screens show, carried inside the program, and the
// copies in which their white lets the field's colour through.
#pragma once

#include <QColor>
#include <QImage>

namespace coilrun {

struct Pictures {
  QImage LogoPic;
  QImage AuthorPic;
  QImage ExePic;
  QImage SkipPic;
  QImage CompPic;
};

Pictures LoadPictures();

// Makes `copy` the picture with every pure white pixel in `back`. The copy
// keeps its pixels from one call to the next, so redrawing a page allocates
// nothing.
void BuildSeeThroughCopy(const QImage& picture, const QColor& back, QImage& copy);

}  // namespace coilrun
