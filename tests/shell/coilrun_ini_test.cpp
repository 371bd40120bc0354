#include "shell/coilrun_ini.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "tests/support/temp_directory.h"

namespace coilrun {
namespace {

namespace fs = std::filesystem;

class CoilrunIniTest : public ::testing::Test {
 protected:
  void WriteText(const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

  testing::TempDirectory directory{"coilrun-ini"};
  fs::path file = directory / kCoilrunIniName;
};

TEST_F(CoilrunIniTest, AnUntouchedRunWritesNothingAndAChangedOneReadsBackWithUnknownKeysKept) {
  CoilrunIni ini(file);
  EXPECT_FALSE(ini.Load());
  ini.Set("View/Zoom", 1, 1);  // the default: nothing to keep
  EXPECT_FALSE(ini.Save());
  EXPECT_FALSE(fs::exists(file));

  WriteText("[Future]\nGadget=7\n[View]\nZoom=3\n");
  ASSERT_FALSE(ini.Load());
  ini.Set("Seats/Player2", "Computer", "Human");
  ini.Set("View/Zoom", 1, 1);  // back to the default, kept since the file had it
  ASSERT_FALSE(ini.Save());

  CoilrunIni again(file);
  ASSERT_FALSE(again.Load());
  EXPECT_EQ(again.Text("Seats/Player2", "Human"), "Computer");
  EXPECT_EQ(again.Integer("View/Zoom", 1, 1, 8), 1);
  EXPECT_EQ(again.Integer("Future/Gadget", 0, 0, 100), 7);
  EXPECT_EQ(std::distance(fs::directory_iterator(directory.path()), fs::directory_iterator()), 1);
}

TEST_F(CoilrunIniTest, ValuesOutOfRangeAreClampedAndNonsenseFallsBack) {
  WriteText("[a]\nbig=1000\nsmall=-3\nword=Robot\nyes=true\nmaybe=perhaps\n");
  CoilrunIni ini(file);
  ASSERT_FALSE(ini.Load());
  EXPECT_EQ(ini.Integer("a/big", 1, 1, 8), 8);
  EXPECT_EQ(ini.Integer("a/small", 1, 1, 8), 1);
  EXPECT_EQ(ini.Integer("a/word", 2, 1, 8), 2);
  EXPECT_EQ(ini.Integer("a/missing", 2, 1, 8), 2);
  EXPECT_TRUE(ini.Flag("a/yes", false));
  EXPECT_TRUE(ini.Flag("a/maybe", true));
}

// A damaged file is said once, kept aside, and the next save starts afresh.
TEST_F(CoilrunIniTest, ADamagedFileIsReportedKeptAsideAndReplacedByDefaults) {
  std::mt19937 random(7);
  std::string noise(4096, '\0');
  for (char& byte : noise) byte = static_cast<char>(random());
  struct Case {
    const char* name;
    std::function<void()> make;
  };
  const Case cases[] = {
      {"a directory", [&] { fs::create_directory(file); }},
      {"random bytes", [&] { WriteText(noise); }},
      {"not UTF-8", [&] { WriteText("[View]\nZoom=\xff\xfe\n"); }},
  };
  for (const Case& damaged : cases) {
    SCOPED_TRACE(damaged.name);
    damaged.make();
    CoilrunIni ini(file);
    const FileResult failure = ini.Load();
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->text().find("coilrun.ini"), std::string::npos) << failure->text();
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(ini.Integer("View/Zoom", 1, 1, 8), 1);
    ini.Set("View/Zoom", 2, 1);
    ASSERT_FALSE(ini.Save());
    EXPECT_TRUE(fs::is_regular_file(file));
    fs::remove_all(file);
  }
  EXPECT_TRUE(fs::exists(directory / "coilrun.ini.damaged2"));
}

TEST_F(CoilrunIniTest, AnEmptyFileIsNoDamageAndAFailedSaveLeavesNoHalfFile) {
  WriteText("");
  CoilrunIni ini(file);
  EXPECT_FALSE(ini.Load());

  // The directory it should go in is a file: nothing can be written there.
  WriteText("x");
  CoilrunIni nowhere(file / kCoilrunIniName);
  nowhere.Set("View/Zoom", 2, 1);
  const FileResult failure = nowhere.Save();
  ASSERT_TRUE(failure);
  EXPECT_NE(failure->text().find("Unable to write"), std::string::npos) << failure->text();
  EXPECT_EQ(std::distance(fs::directory_iterator(directory.path()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace coilrun
