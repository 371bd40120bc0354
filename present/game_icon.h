// The program's icon, drawn here at any size: a snake coiled on a green
// field, heading for a target. The window carries it, and the installed
// picture files are made from it.
#pragma once

#include <QIcon>
#include <QImage>
#include <future>
#include <vector>

namespace coilrun {

// A square picture of `size` pixels with a transparent surround.
QImage GameIconImage(int size);

// The window's icon, at the sizes a desktop shows on a window, drawn on a
// thread of its own from construction, while the window is built.
class GameIconAhead {
 public:
  GameIconAhead();
  // Waits for the pictures; on the window's thread, once.
  QIcon Take();

 private:
  std::future<std::vector<QImage>> pictures_;
};

}  // namespace coilrun
