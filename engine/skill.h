// How well a computer player plays. Each of the five levels a player
// chooses from is a handful of measures of the autopilot: how soon it
// notices a new target, how far ahead it looks, how often it takes a worse
// (but never a fatal) step, and how often it plays against the others.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace coilrun {

enum class Skill : std::uint8_t { Beginner, Casual, Skilled, Expert, Master };

inline constexpr int kSkillCount = 5;
inline constexpr std::array<Skill, kSkillCount> kSkills = {Skill::Beginner, Skill::Casual, Skill::Skilled,
                                                           Skill::Expert, Skill::Master};

// More than the field has cells: a search this deep is never cut short.
inline constexpr int kUnlimitedDepth = 1 << 15;

struct SkillParameters {
  // Beats the snake goes on as it was before it heads for a target that
  // has just appeared (or moved).
  int reactionBeats = 0;
  // Steps ahead that the searches for a way and for room look.
  int searchDepth = kUnlimitedDepth;
  // Decisions in a thousand that take another safe step than the best.
  int mistakesPerThousand = 0;
  // Decisions in a hundred that look at the other snakes: to get into a
  // rival's way to the target first, and, in a competition, to close a
  // rival in.
  int rivalryPercent = 0;

  friend bool operator==(const SkillParameters&, const SkillParameters&) = default;
};

constexpr SkillParameters SkillParametersOf(Skill skill) {
  switch (skill) {
    case Skill::Beginner: return {.reactionBeats = 12, .searchDepth = 4, .mistakesPerThousand = 150};
    case Skill::Casual: return {.reactionBeats = 6, .searchDepth = 8, .mistakesPerThousand = 80};
    case Skill::Skilled:
      return {.reactionBeats = 3, .searchDepth = 16, .mistakesPerThousand = 40, .rivalryPercent = 20};
    case Skill::Expert: return {.reactionBeats = 1, .searchDepth = 40, .mistakesPerThousand = 15, .rivalryPercent = 60};
    case Skill::Master: break;
  }
  return {.rivalryPercent = 100};
}

// The names the player chooses from, in the order of the levels.
constexpr std::string_view SkillName(Skill skill) {
  constexpr std::array<std::string_view, kSkillCount> kNames = {"Beginner", "Casual", "Skilled", "Expert", "Master"};
  return kNames[static_cast<int>(skill)];
}

// The level numbered 1 (Beginner) to 5 (Master), as a file stores it; a
// number beyond either end stands for the level at that end.
constexpr Skill SkillOfNumber(int number) {
  return kSkills[number < 1 ? 0 : number > kSkillCount ? kSkillCount - 1 : number - 1];
}
constexpr int NumberOfSkill(Skill skill) { return static_cast<int>(skill) + 1; }

}  // namespace coilrun
