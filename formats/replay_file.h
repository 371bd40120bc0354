// Replay files (*.crp): one game, kept as what went into it: how it was
// started, the rule state it started from, the level file it was played on,
// the random seeds the rules took, and every input with the beat it came
// before. Checksums of the rule state every 60 beats let a playback prove it
// is still the same game.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "formats/file_error.h"
#include "formats/game_inputs.h"

namespace coilrun {

enum class ReplayStart : std::uint8_t {
  Dialog = 1,       // the new game dialog's Start (also a network game)
  SkipLevel = 2,    // Ctrl+F12 and a built-in level number
  CommandLine = 3,  // a level file named on the command line, started paused
};

struct ReplayEvent {
  std::uint32_t beat = 0;  // the input came before this beat, counted from 1
  GameInput input;

  friend bool operator==(const ReplayEvent&, const ReplayEvent&) = default;
};

constexpr int kReplayChecksumBeats = 60;
constexpr std::uint8_t kLastComputerSkill = 5;
constexpr std::size_t kLargestReplayLevelFile = 16 * 1024 * 1024;
constexpr std::size_t kLargestReplayState = 1024 * 1024;

struct Replay {
  std::uint32_t rulesVersion = 0;
  ReplayStart start = ReplayStart::Dialog;
  std::uint16_t level = 1;  // the level a skip starts on
  std::uint8_t playerCount = 1;
  bool competition = false;
  std::uint8_t winsTarget = 5;
  bool builtIn = true;
  std::uint8_t speed = 5;
  bool showMessages = true;
  std::array<std::string, 4> names;
  // Who played each snake: 0 a person, else a computer at this skill, from
  // 1 (the weakest) to kLastComputerSkill. The computers are part of the
  // game: a playback runs them again from here and the seeds.
  std::array<std::uint8_t, 4> computers{};
  std::string levelFileName;  // as it was called, without its directory
  std::vector<std::uint8_t> levelFile;
  std::vector<std::uint8_t> startState;  // packed rule state before the start
  std::vector<std::uint32_t> seeds;
  std::vector<ReplayEvent> events;
  // After beats 60, 120, ... of the game.
  std::vector<std::uint32_t> checksums;
  std::uint32_t beats = 0;
  bool ended = false;  // false: stopped short by another game's start or the program's end
  std::array<std::int32_t, 4> finalScores{};
  std::uint32_t finalChecksum = 0;

  friend bool operator==(const Replay&, const Replay&) = default;
};

std::vector<std::uint8_t> EncodeReplay(const Replay& replay);
// A replay, or what is wrong with the bytes. One recorded with rules other
// than `rulesVersion` is refused, naming both.
std::variant<Replay, FileError> DecodeReplay(std::span<const std::uint8_t> bytes, std::uint32_t rulesVersion);

// CRC-32 (the polynomial of zip and PNG).
std::uint32_t Crc32(std::span<const std::uint8_t> bytes);

}  // namespace coilrun
