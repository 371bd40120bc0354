// Feeds arbitrary bytes to the replay decoder the way "Watch replay..." and
// --replay read a file. A replay that decodes must write back to the same
// bytes' meaning, and its start state must either restore or be refused,
// never read or write outside the model.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <variant>

#include "engine/rule_state.h"
#include "formats/replay_file.h"
#include "formats/run_length.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto decoded = coilrun::DecodeReplay(std::span(data, size), coilrun::kRulesVersion);
  const auto* replay = std::get_if<coilrun::Replay>(&decoded);
  if (replay == nullptr) return 0;
  const auto again = coilrun::DecodeReplay(coilrun::EncodeReplay(*replay), coilrun::kRulesVersion);
  if (!std::holds_alternative<coilrun::Replay>(again) || std::get<coilrun::Replay>(again) != *replay) std::abort();
  if (const auto state = coilrun::UnpackRuns(replay->startState, coilrun::RuleStateSize())) {
    auto model = std::make_unique<coilrun::GameModel>();
    coilrun::RestoreRuleState(*state, *model);
  }
  return 0;
}
