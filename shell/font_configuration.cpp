#include "shell/font_configuration.h"

#include <dlfcn.h>

namespace coilrun {

void ReadFontConfiguration() {
  // Qt's font database has loaded the library already, if it uses it at all.
  void* library = dlopen("libfontconfig.so.1", RTLD_LAZY | RTLD_NOLOAD);
  if (library == nullptr) return;
  // FcInit loads the configuration once per process; a second caller, Qt's
  // font database, gets the one loaded here.
  if (const auto init = reinterpret_cast<int (*)()>(dlsym(library, "FcInit"))) init();
  dlclose(library);
}

}  // namespace coilrun
