// The five pictures the screens show, carried inside the program, and the
// copies in which their white lets the field's colour through.
#pragma once

#include <QColor>
#include <QImage>

namespace coilrun {

// Each picture is decoded when it is first shown: most runs show only the
// title page's logo.
class Pictures {
 public:
  const QImage& LogoPic() { return Decoded(logo_, "logo.png"); }
  const QImage& AuthorPic() { return Decoded(author_, "author.png"); }
  const QImage& ExePic() { return Decoded(exe_, "exe.png"); }
  const QImage& SkipPic() { return Decoded(skip_, "skip.png"); }
  const QImage& CompPic() { return Decoded(comp_, "comp.png"); }

 private:
  static const QImage& Decoded(QImage& picture, const char* name);

  QImage logo_;
  QImage author_;
  QImage exe_;
  QImage skip_;
  QImage comp_;
};

// Makes `copy` the picture with every pure white pixel in `back`. The copy
// keeps its pixels from one call to the next, so redrawing a page allocates
// nothing.
void BuildSeeThroughCopy(const QImage& picture, const QColor& back, QImage& copy);

}  // namespace coilrun
