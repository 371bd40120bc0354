// The five pictures the screens show, carried inside the program, and the
// copies in which their white lets the field's colour through.
#pragma once

#include <QColor>
#include <QImage>
#include <future>

namespace coilrun {

// Each picture is decoded when it is first shown: most runs show only the
// title page's logo, which start-up shows, so it is decoded on a thread of
// its own while the window is built.
class Pictures {
 public:
  Pictures();
  const QImage& LogoPic();
  const QImage& AuthorPic() { return Decoded(author_, "author.png"); }
  const QImage& ExePic() { return Decoded(exe_, "exe.png"); }
  const QImage& SkipPic() { return Decoded(skip_, "skip.png"); }
  const QImage& CompPic() { return Decoded(comp_, "comp.png"); }

 private:
  static const QImage& Decoded(QImage& picture, const char* name);

  std::future<QImage> logoAhead_;
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
