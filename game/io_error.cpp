#include "game/io_error.h"

#include <cerrno>

namespace coilrun {

std::string IoErrorText(int errnoValue) {
  switch (errnoValue) {
    case ENOENT:
    case ENOTDIR: return "File not found";
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return "File access denied";
    case ENOSPC: return "Disk full";
    default: return "I/O error " + std::to_string(errnoValue);
  }
}

}  // namespace coilrun
