#include "game/replay_player.h"

#include "engine/keys.h"
#include "engine/rule_state.h"
#include "game/recorded_start.h"
#include "game/retire_snakes.h"

namespace coilrun {

namespace {

constexpr int kVk1 = 0x31;
constexpr int kVk2 = 0x32;
constexpr int kVk4 = 0x34;

}  // namespace

ReplayPlayer::ReplayPlayer(Game& game, GameParts& parts, SessionPorts& ports, InputRouter& router, Prompts& messages,
                           std::filesystem::path levelFilePath)
    : game_(game),
      parts_(parts),
      ports_(ports),
      router_(router),
      messages_(messages),
      levelFilePath_(std::move(levelFilePath)) {}

bool ReplayPlayer::Start(Replay replay) {
  GameModel& model = parts_.model;
  keeper_.Keep(model);
  if (const auto problem = SetUpRecordedStart(replay, model, levelFilePath_)) {
    failure_ = *problem;
    state_ = State::Failed;
    return false;
  }
  replay_ = std::move(replay);
  beat_ = 0;
  nextEvent_ = 0;
  nextSeed_ = 0;
  seedsRanOut_ = false;
  paused_ = false;
  failure_.clear();
  recordingWas_ = router_.recordingOn();
  router_.SetRecording(false);
  router_.Drive(this);
  ports_.Override({.prompts = this, .timers = &beatSwitch_, .highScores = &sealed_, .clock = this});
  beatSwitch_.SetTimerEnabled(GameTimer::Game, false);

  state_ = State::Playing;

  const NewGameChoice choice = RecordedChoice(replay_, levelFilePath_);
  router_.Apply([&] {
    switch (replay_.start) {
      case ReplayStart::Dialog: game_.StartButtonClick(choice); break;
      case ReplayStart::SkipLevel:
        inputAnswer_ = std::to_string(replay_.level);
        game_.Startlevel1Click(choice);
        inputAnswer_.reset();
        break;
      case ReplayStart::CommandLine: game_.StartCommandLineGame(choice.LevelFile); break;
    }
  });
  if (onChange_) onChange_();
  return true;
}

ReplayPlayer::State ReplayPlayer::Step() {
  if (state_ != State::Playing) return state_;
  ApplyInputsBefore(beat_ + 1);
  if (state_ != State::Playing) return state_;
  if (beat_ >= replay_.beats) {
    const GameModel& model = parts_.model;
    bool sameScores = true;
    for (int player = 1; player <= kMaxPlayers; ++player) {
      sameScores = sameScores && model.Players[player].Score == replay_.finalScores[player - 1];
    }
    if (RuleChecksum(model) != replay_.finalChecksum || !sameScores) {
      Fail("The replay went another way: its game does not end as it was recorded.");
    } else {
      Finish(State::Ended);
    }
    return state_;
  }
  router_.Apply([&] { game_.TimerTimer(); });
  ++beat_;
  if (seedsRanOut_) {
    Fail("The replay went another way at beat " + std::to_string(beat_) +
         ": the game asked for more targets than were recorded.");
  } else if (beat_ % kReplayChecksumBeats == 0 && beat_ / kReplayChecksumBeats <= replay_.checksums.size() &&
             replay_.checksums[beat_ / kReplayChecksumBeats - 1] != RuleChecksum(parts_.model)) {
    Fail("The replay went another way at beat " + std::to_string(beat_) + ": the game no longer matches its checksum.");
  }
  return state_;
}

void ReplayPlayer::ApplyInputsBefore(std::uint32_t beat) {
  while (state_ == State::Playing && nextEvent_ < replay_.events.size() && replay_.events[nextEvent_].beat <= beat) {
    Apply(replay_.events[nextEvent_++].input);
  }
}

void ReplayPlayer::Apply(const GameInput& input) {
  GameOptions& options = parts_.options;
  router_.Apply([&] {
    switch (input.kind) {
      case InputKind::Key: game_.FormKeyDown(static_cast<int>(input.value), ShiftNone); break;
      case InputKind::Pause: game_.Pause1Click(); break;
      case InputKind::Stop: game_.Stop1Click(); break;
      case InputKind::HelpScreen: game_.ShowHelpScreen(static_cast<ScreenStateValue>(input.value)); break;
      case InputKind::Wrap: options.SetWrap(input.value != 0); break;
      case InputKind::Long: options.SetLong(input.value != 0); break;
      case InputKind::PlayerColor: options.SetPlayerColor(input.subject, input.value); break;
      case InputKind::BrickColor: options.SetBrickColor(input.value); break;
      case InputKind::MixBricksColors: options.SetMixBricksColors(input.value != 0); break;
      case InputKind::Speed: options.SetSpeed(static_cast<int>(input.value)); break;
      case InputKind::Retire: RetireSnakes(parts_, input.value); break;
      case InputKind::TakeOver: TakeOverSnakes(parts_, input.value); break;
    }
  });
}

std::optional<std::string> ReplayPlayer::InputBox(const std::string&, const std::string&, const std::string&) {
  return inputAnswer_;
}

std::uint32_t ReplayPlayer::ClockSeed() {
  if (nextSeed_ < replay_.seeds.size()) return replay_.seeds[nextSeed_++];
  seedsRanOut_ = true;
  return 0;
}

// While the replay runs, the keys and the Game menu steer the playback:
// P or Pause pauses it, 1, 2 and 4 set its speed, Stop ends it.
// Every other input would change the replayed game, and is refused.
bool ReplayPlayer::TakeLiveInput(const GameInput& input) {
  switch (input.kind) {
    case InputKind::Pause: paused_ = !paused_; break;
    case InputKind::Stop: StopWatching(); return true;
    case InputKind::Key:
      if (input.value == VkP || input.value == VkPause) paused_ = !paused_;
      if (input.value == kVk1) speedFactor_ = 1;
      if (input.value == kVk2) speedFactor_ = 2;
      if (input.value == kVk4) speedFactor_ = 4;
      break;
    default: break;
  }
  if (onChange_) onChange_();
  return true;
}

bool ReplayPlayer::TakeLiveCommand(GameCommand command) {
  if (command == GameCommand::ShutDown) StopWatching();
  return true;
}

void ReplayPlayer::StopWatching() {
  if (state_ != State::Playing) return;
  Finish(State::Idle);
}

void ReplayPlayer::Fail(const std::string& why) {
  failure_ = why;
  Finish(State::Failed);
}

// A game cut short is stopped while the replay's ports are still in place,
// so that its scores reach no table.
void ReplayPlayer::Finish(State state) {
  router_.Apply([&] { game_.Stop1Click(); });
  router_.Drive(nullptr);
  ports_.ClearOverrides();
  router_.SetRecording(recordingWas_);
  keeper_.Restore(parts_.model, parts_.options);
  parts_.view.screens.RepaintBoard();
  state_ = state;
  if (onChange_) onChange_();
}

}  // namespace coilrun
