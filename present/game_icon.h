// The program's icon, drawn here at any size: a snake coiled on a green
// field, heading for a target. The window carries it, and the installed
// picture files are made from it.
#pragma once

#include <QIcon>
#include <QImage>

namespace coilrun {

// A square picture of `size` pixels with a transparent surround.
QImage GameIconImage(int size);
// The window's icon, at the sizes a desktop shows on a window.
QIcon GameIcon();

}  // namespace coilrun
