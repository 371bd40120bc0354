// Feeds arbitrary bytes to coilrun-levels as a level file. check and show
// end with a status of 0, 1 or 2, every refusal names the file, and what
// show prints reads back as level text.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "formats/level_design.h"
#include "formats/level_text.h"
#include "tools/level_tool.h"

namespace {

const std::string& InputPath() {
  static const std::string path =
      (std::filesystem::temp_directory_path() / ("coilrun-fuzz-level-tool-" + std::to_string(getpid()) + ".lvl"))
          .string();
  static const bool removedAtExit = std::atexit([] { std::filesystem::remove(InputPath()); }) == 0;
  (void)removedAtExit;
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& path = InputPath();
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) std::abort();

  // Showing every level of a file of a thousand tiny ones would spend the
  // run formatting text; the first and the third level ask the same of the
  // decoding, and the third is missing from many inputs.
  const std::vector<std::vector<std::string>> runs{
      {"check", path}, {"show", path, "--level", "1"}, {"show", path, "--level", "3"}};
  for (const auto& arguments : runs) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = coilrun::RunLevelTool(arguments, out, err, {});
    if (status < 0 || status > 2) std::abort();
    if (status == 2 && err.str().find(path) == std::string::npos) std::abort();
    if (arguments[0] == "show" && status == 0) {
      if (coilrun::ParseLevelText(out.str(), [](const coilrun::LevelDesign&) {})) std::abort();
    }
  }
  return 0;
}
