// Replay files: what is written reads back the same, and every damaged or
// foreign form is refused with a message that says what is wrong.
#include "formats/replay_file.h"

#include <gtest/gtest.h>

#include <variant>

#include "formats/run_length.h"

namespace coilrun::testing {
namespace {

constexpr std::uint32_t kRules = 7;

Replay SampleReplay() {
  Replay replay;
  replay.rulesVersion = kRules;
  replay.start = ReplayStart::SkipLevel;
  replay.level = 82;
  replay.playerCount = 3;
  replay.competition = true;
  replay.winsTarget = 50;
  replay.builtIn = false;
  replay.speed = 10;
  replay.showMessages = false;
  replay.names = {"Ann", std::string(15, '\xE9'), "", "Dee"};
  replay.computers = {0, kLastComputerSkill, 1, 0};
  replay.levelFileName = "my-levels.lvl";
  replay.levelFile = {1, 2, 3, 0, 255};
  replay.startState = PackRuns(std::vector<std::uint8_t>(5000, 0));
  replay.seeds = {0, 1, 0xFFFFFFFF};
  replay.events = {{1, {InputKind::Key, 0, 0x25}},
                   {1, {InputKind::Pause, 0, 0}},
                   {300, {InputKind::PlayerColor, 4, 0xFFFFFF}},
                   {301, {InputKind::Stop, 0, 0}}};
  replay.checksums = {1, 2, 3, 4, 5};
  replay.beats = 300;
  replay.ended = true;
  replay.finalScores = {-1, 0, 1035, 2147483647};
  replay.finalChecksum = 0xDEADBEEF;
  return replay;
}

std::string Problem(const std::vector<std::uint8_t>& bytes, std::uint32_t rules = kRules) {
  const auto decoded = DecodeReplay(bytes, rules);
  if (std::holds_alternative<Replay>(decoded)) return "decoded";
  return std::get<FileError>(decoded).text();
}

// The checksum at the end made right again after a change, as a program
// that writes wrong values would.
std::vector<std::uint8_t> Resealed(std::vector<std::uint8_t> bytes) {
  const std::uint32_t crc = Crc32(std::span(bytes).first(bytes.size() - 4));
  for (int i = 0; i < 4; ++i) bytes[bytes.size() - 4 + i] = static_cast<std::uint8_t>(crc >> (8 * i));
  return bytes;
}

TEST(ReplayFileTest, WhatIsWrittenReadsBackTheSame) {
  const Replay replay = SampleReplay();
  const auto decoded = DecodeReplay(EncodeReplay(replay), kRules);
  ASSERT_TRUE(std::holds_alternative<Replay>(decoded)) << std::get<FileError>(decoded).text();
  EXPECT_EQ(std::get<Replay>(decoded), replay);
}

TEST(ReplayFileTest, EveryMalformedFormIsRefusedWithItsMessage) {
  const std::vector<std::uint8_t> good = EncodeReplay(SampleReplay());
  const auto changed = [&](std::size_t at, std::uint8_t value) {
    std::vector<std::uint8_t> bytes = good;
    bytes[at] = value;
    return bytes;
  };
  const auto cut = [&](std::size_t size) { return std::vector<std::uint8_t>(good.begin(), good.begin() + size); };
  std::vector<std::uint8_t> longer = good;
  longer.push_back(0);
  // The start kind is the first byte after the magic and the two versions;
  // the seats follow eight bytes of settings and the names, each after its length.
  constexpr std::size_t kStartAt = 10;
  constexpr std::size_t kSecondSeatAt = kStartAt + 9 + (1 + 3) + (1 + 15) + 1 + (1 + 3) + 1;
  const struct {
    const char* form;
    std::vector<std::uint8_t> bytes;
    std::string problem;
  } cases[] = {
      {"empty", {}, "The file is not a Coilrun replay."},
      {"wrong magic", changed(0, 'X'), "The file is not a Coilrun replay."},
      {"cut inside the versions", cut(7), "The replay is damaged: it ends too soon."},
      {"cut in the middle", cut(good.size() / 2), "The replay is damaged: it ends too soon."},
      {"cut before its checksum", cut(good.size() - 2), "The replay is damaged: it ends too soon."},
      {"future format", changed(4, 3),
       "The replay is of format 3, which a newer version of Coilrun writes; this one reads format 2."},
      {"a byte damaged", changed(good.size() - 9, good[good.size() - 9] ^ 0x40),
       "The replay is damaged: its checksum does not match."},
      {"a byte too many", longer, "The replay is damaged: it goes on after its end."},
      {"another start, resealed", Resealed(changed(kStartAt, 9)),
       "The replay is damaged: it names no known way to start a game."},
      {"a computer of no known skill, resealed", Resealed(changed(kSecondSeatAt, kLastComputerSkill + 1)),
       "The replay is damaged: its game settings are out of range."},
      {"another rules version", Resealed(changed(6, kRules + 1)),
       "The replay was recorded with rules version 8, but this Coilrun plays rules version 7."},
  };
  for (const auto& c : cases) EXPECT_EQ(Problem(c.bytes), c.problem) << c.form;
}

TEST(ReplayFileTest, RunsPackAndUnpackAndDamagedRunsAreRefused) {
  std::vector<std::uint8_t> bytes(3000, 0);
  for (std::size_t i = 1000; i < 1400; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
  bytes.back() = 9;
  const std::vector<std::uint8_t> packed = PackRuns(bytes);
  EXPECT_LT(packed.size(), 600u);
  EXPECT_EQ(UnpackRuns(packed, bytes.size()), bytes);
  EXPECT_FALSE(UnpackRuns(packed, bytes.size() + 1));
  EXPECT_FALSE(UnpackRuns(std::vector<std::uint8_t>(packed.begin(), packed.end() - 1), bytes.size()));
  EXPECT_FALSE(UnpackRuns(std::vector<std::uint8_t>{200}, 75));
}

}  // namespace
}  // namespace coilrun::testing
