#include "formats/file_error.h"

#include <cerrno>

namespace coilrun {

FileError FileError::FromErrno(int errnoValue) {
  switch (errnoValue) {
    case ENOENT:
    case ENOTDIR: return FileError("File not found");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return FileError("File access denied");
    case ENOSPC: return FileError("Disk full");
    default: return FileError("I/O error " + std::to_string(errnoValue));
  }
}

}  // namespace coilrun
