#include "tools/audio_tool.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "formats/audio_archive.h"
#include "tests/support/temp_directory.h"

namespace coilrun::testing {
namespace {

struct ToolRun {
  int status = 0;
  std::string out;
  std::string err;
};

ToolRun RunTool(const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunAudioTool(arguments, out, err);
  return {status, out.str(), err.str()};
}

TEST(AudioToolTest, PacksListsAndUnpacksTheSevenFiles) {
  TempDirectory work("coilrun-audio-tool");
  std::filesystem::create_directories(work / "in");
  for (int entry = 0; entry < kAudioEntryCount; ++entry) {
    work.Write(std::string("in/") + kAudioEntryNames[entry], std::vector<std::uint8_t>(entry + 1, 'a' + entry));
  }
  const std::string archive = (work / "audio.dat").string();
  ASSERT_EQ(RunTool({"pack", (work / "in").string(), "-o", archive}).status, 0);
  EXPECT_EQ(std::filesystem::file_size(archive), kAudioHeaderSize + 28);

  const ToolRun list = RunTool({"list", archive});
  EXPECT_EQ(list.status, 0);
  EXPECT_NE(list.out.find("001.wav  1 bytes"), std::string::npos) << list.out;
  EXPECT_NE(list.out.find("999.mid  7 bytes"), std::string::npos) << list.out;

  ASSERT_EQ(RunTool({"unpack", archive, "-o", (work / "out").string()}).status, 0);
  EXPECT_EQ(TempDirectory::Read(work / "out/006.wav"), TempDirectory::Read(work / "in/006.wav"));

  // A truncated archive is listed with what it still holds.
  std::filesystem::resize_file(archive, kAudioHeaderSize + 25);
  EXPECT_NE(RunTool({"list", archive}).out.find("999.mid  7 bytes  (the archive holds only 4)"), std::string::npos);
}

TEST(AudioToolTest, MissingFilesAndWrongArgumentsFailWithAMessage) {
  TempDirectory work("coilrun-audio-tool");
  const ToolRun pack = RunTool({"pack", work.path().string(), "-o", (work / "audio.dat").string()});
  EXPECT_EQ(pack.status, 1);
  EXPECT_NE(pack.err.find("001.wav: cannot open the file"), std::string::npos) << pack.err;
  EXPECT_EQ(RunTool({"unpack", (work / "none.dat").string(), "-o", work.path().string()}).status, 1);
  EXPECT_NE(RunTool({"list"}).err.find("usage:"), std::string::npos);
}

}  // namespace
}  // namespace coilrun::testing
