#include "shell/seat_options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/temp_directory.h"

namespace coilrun {
namespace {

namespace fs = std::filesystem;

Seats SeatsOf(std::initializer_list<std::pair<int, Seat>> seats) {
  Seats all;
  for (const auto& [player, seat] : seats) all.seat[player] = seat;
  return all;
}

class SeatOptionsTest : public ::testing::Test {
 protected:
  testing::TempDirectory directory{"coilrun-seats"};
  fs::path file = directory / kCoilrunIniName;
};

TEST_F(SeatOptionsTest, SeatsComeBackAsWrittenAndPeopleAloneWriteNothing) {
  CoilrunIni ini(file);
  ASSERT_FALSE(ini.Load());
  SeatOptions(ini).Write(Seats{});
  ASSERT_FALSE(ini.Save());
  EXPECT_FALSE(fs::exists(file));

  const Seats chosen = SeatsOf({{1, {SeatKind::Computer, Skill::Beginner}},
                                {3, {SeatKind::Computer, Skill::Master}},
                                {4, {SeatKind::Human, Skill::Expert}}});
  SeatOptions(ini).Write(chosen);
  ASSERT_FALSE(ini.Save());
  CoilrunIni again(file);
  ASSERT_FALSE(again.Load());
  EXPECT_EQ(SeatOptions(again).Read(), chosen);
}

// Each file is read as the game reads it at start-up; a damaged one has
// been put aside, so its seats are the defaults.
TEST_F(SeatOptionsTest, BadSeatsAndSkillsBecomeTheNearestThereIs) {
  const Seat person;
  const struct {
    const char* name;
    std::string text;
    Seats seats;
  } cases[] = {
      {"empty", "", Seats{}},
      {"out of range",
       "[Seats]\nPlayer1=Robot\nSkill1=-4\nPlayer2=Computer\nSkill2=99\nPlayer3= computer \nSkill3=abc\n",
       SeatsOf({{1, {SeatKind::Human, Skill::Beginner}},
                {2, {SeatKind::Computer, Skill::Master}},
                {3, {SeatKind::Computer, person.skill}}})},
      {"truncated", "[Seats]\nPlayer2=Comp", Seats{}},
      {"random bytes", std::string("\x01\xff\x00\x7f[Seats]\nPlayer2=Computer\n", 27), Seats{}},
  };
  for (const auto& each : cases) {
    SCOPED_TRACE(each.name);
    fs::remove_all(file);
    std::ofstream(file, std::ios::binary) << each.text;
    CoilrunIni ini(file);
    ini.Load();
    EXPECT_EQ(SeatOptions(ini).Read(), each.seats);
  }
}

}  // namespace
}  // namespace coilrun
