#include "tests/support/fake_host.h"

namespace coilrun::testing {

std::string SoundPlayerName(SoundPlayer player) {
  switch (player) {
    case SoundPlayer::TargetEaten: return "TargetEaten";
    case SoundPlayer::Crash: return "Crash";
    case SoundPlayer::LevelFinished: return "LevelFinished";
    case SoundPlayer::BonusBrick: return "BonusBrick";
    case SoundPlayer::Passage: return "Passage";
    case SoundPlayer::Rebound: return "Rebound";
    case SoundPlayer::Music: return "Music";
  }
  return "?";
}

void FakeHost::ShowMessage(const std::string& text) {
  messages.push_back(text);
  timerOnAtMessage.push_back(gameTimerOn);
  if (whileShown) whileShown(text);
}

void FakeHost::ShowFailure(const FileError& failure) { failures.push_back(failure.text()); }

std::optional<std::string> FakeHost::InputBox(const std::string& caption, const std::string& prompt,
                                              const std::string& /*initialText*/) {
  inputPrompts.push_back(caption + "|" + prompt);
  timerOnAtInput.push_back(gameTimerOn);
  if (inputAnswers.empty()) return std::nullopt;
  auto answer = inputAnswers.front();
  inputAnswers.pop_front();
  return answer;
}

void FakeHost::SetTimerEnabled(GameTimer timer, bool enabled) {
  (timer == GameTimer::Game ? gameTimerOn : reportTimerOn) = enabled;
}

bool FakeHost::TimerEnabled(GameTimer timer) const { return timer == GameTimer::Game ? gameTimerOn : reportTimerOn; }

void FakeHost::SetTimerInterval(GameTimer timer, int milliseconds) {
  (timer == GameTimer::Game ? gameTimerInterval : reportTimerInterval) = milliseconds;
}

void FakeHost::Stop(SoundPlayer player) { sounds.push_back("stop " + SoundPlayerName(player)); }
void FakeHost::Play(SoundPlayer player) { sounds.push_back("play " + SoundPlayerName(player)); }
void FakeHost::PlayFromStart(SoundPlayer player) { sounds.push_back("start " + SoundPlayerName(player)); }

}  // namespace coilrun::testing
