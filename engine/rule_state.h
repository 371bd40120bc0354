// The state the rules work on, as bytes: everything that decides what a beat
// or a key does next, and nothing that is only looked at (names, the look of
// the field, sounds, the report panel). Two models with the same rule state
// play on alike; replays and network games start from it and compare it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "engine/model.h"

namespace coilrun {

// Raised whenever a change to the rules would make an old replay play out
// differently, so that replays and peers of another version are refused.
// The computer players' play counts: a replay runs them again.
constexpr std::uint32_t kRulesVersion = 1;

// Laid out field by field over all cells and players, so that the bytes of
// empty cells and unused body entries lie together in long runs.
std::vector<std::uint8_t> RuleStateBytes(const GameModel& model);
std::size_t RuleStateSize();
// Puts a rule state back; false, with the model untouched, when the bytes
// are not one or hold values the rules cannot work on.
bool RestoreRuleState(std::span<const std::uint8_t> bytes, GameModel& model);

// FNV-1a over the rule state's bytes.
std::uint32_t RuleChecksum(const GameModel& model);

}  // namespace coilrun
