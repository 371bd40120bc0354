#include "tests/support/fake_host.h"

namespace coilrun::testing {

std::string MediaPlayerName(MediaPlayer player) {
  if (player == MediaPlayer::MusicPlayer) return "MusicPlayer";
  return "Player0" + std::to_string(static_cast<int>(player));
}

void FakeHost::ShowMessage(const std::string& text) {
  messages.push_back(text);
  timerOnAtMessage.push_back(gameTimerOn);
}

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

void FakeHost::MediaStop(MediaPlayer player) { sounds.push_back("stop " + MediaPlayerName(player)); }
void FakeHost::MediaPlay(MediaPlayer player) { sounds.push_back("play " + MediaPlayerName(player)); }
void FakeHost::MediaPlayFromStart(MediaPlayer player) { sounds.push_back("start " + MediaPlayerName(player)); }

}  // namespace coilrun::testing
