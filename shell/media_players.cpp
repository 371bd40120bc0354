#include "shell/media_players.h"

#include "formats/audio_files.h"

namespace coilrun {

namespace {

// SDL_mixer's completion callbacks carry no context; one set of players
// owns the mixer at a time.
std::atomic<MediaPlayers*> mixerOwner{nullptr};

constexpr std::array kOpenOrder = {SoundPlayer::TargetEaten, SoundPlayer::LevelFinished, SoundPlayer::Crash,
                                   SoundPlayer::BonusBrick,  SoundPlayer::Passage,       SoundPlayer::Rebound,
                                   SoundPlayer::Music};

// The six effects play on channels 0..5 and, like the music, take the
// archive entry of the same position.
int IndexOf(SoundPlayer player) { return static_cast<int>(player) - 1; }

}  // namespace

MediaPlayers::MediaPlayers(QObject* parent)
    : QObject(parent),
      device_(kSampleRate, kBufferFrames, kMusicVolume, &MediaPlayers::Mixed, this, &MediaPlayers::MusicFinished) {
  idle_.setSingleShot(true);
  idle_.setInterval(kSleepAfterMilliseconds);
  connect(&idle_, &QTimer::timeout, this, &MediaPlayers::SleepWhenSilent);
}

MediaPlayers::~MediaPlayers() { Close(); }

std::vector<std::string> MediaPlayers::Open(const std::filesystem::path& directory, MusicOutput::Loading music) {
  Close();
  MediaPlayers* none = nullptr;
  if (!mixerOwner.compare_exchange_strong(none, this)) return {"The sound device is in use by other players."};

  const SdlLibrary* sdl = Sdl();
  if (sdl) effects_ = std::make_unique<EffectMixer>(*sdl, kSampleRate);
  const std::string deviceError = sdl ? device_.Open(music == MusicOutput::Loading::Ahead) : SdlLoadError();
  if (!deviceError.empty()) {
    effects_.reset();
    mixerOwner = nullptr;
    return {"Unable to open the sound device: " + deviceError};
  }
  effects_->setFinished(&MediaPlayers::ChannelFinished);

  std::vector<std::string> errors;
  for (const SoundPlayer player : kOpenOrder) {
    const std::filesystem::path file = SoundFilePath(directory, IndexOf(player));
    if (player == SoundPlayer::Music) {
      auto output = std::make_unique<MusicOutput>(device_, file, kSampleRate, music, [this](const std::string& error) {
        if (error.empty()) return;
        QMetaObject::invokeMethod(
            this, [this, error] { emit OpenFailed(QString::fromStdString(error)); }, Qt::QueuedConnection);
      });
      music_ = output.get();
      SlotOf(player).output = std::move(output);
      continue;
    }
    std::string error;
    auto wave = std::make_unique<WaveOutput>(*effects_, IndexOf(player), file, error);
    if (error.empty()) {
      SlotOf(player).output = std::move(wave);
    } else {
      errors.push_back(error);
    }
  }
  // Opened to know that it can be; nothing sounds yet, so it sleeps until
  // the first sound, unless music is being read for it.
  SleepWhenSilent();
  return errors;
}

// Unhooked before the players are halted, so that the halts report nothing.
void MediaPlayers::Close() {
  if (!device_.open()) return;
  idle_.stop();
  effects_->setFinished(nullptr);
  music_ = nullptr;
  SlotOf(SoundPlayer::Music).output.reset();
  for (Slot& slot : slots_) {
    slot.output.reset();
    slot.state = PlayState::Idle;
  }
  device_.Close();
  effects_.reset();
  mixerOwner = nullptr;
}

// A sound still playing will end, and its end starts the wait again; music
// still being read keeps the mixer busy on its own thread.
void MediaPlayers::SleepWhenSilent() {
  if (keptAwake_) return;
  for (const Slot& slot : slots_)
    if (slot.state == PlayState::Playing) return;
  if (MusicOutput* music = music_.load(); music && !music->Settled()) {
    idle_.start();
    return;
  }
  device_.Sleep();
}

void MediaPlayers::KeepAwake(bool awake) {
  if (awake == keptAwake_) return;
  keptAwake_ = awake;
  if (!awake) idle_.start();
}

bool MediaPlayers::Sounding(SoundPlayer player) const {
  const Slot& slot = SlotOf(player);
  return slot.output && slot.state == PlayState::Playing && slot.output->Active();
}

// A device that cannot wake ignores the play, as a busy device would.
void MediaPlayers::Play(SoundPlayer player) {
  Slot& slot = SlotOf(player);
  if (!slot.output || slot.state == PlayState::Playing || !device_.Wake()) return;
  idle_.start();
  // A sound stopped in the middle goes on; one whose end came meanwhile
  // starts over like one at its end.
  if (slot.state == PlayState::Stopped && slot.output->Active()) {
    ++slot.play;
    slot.state = PlayState::Playing;
    slot.output->Resume();
    return;
  }
  // The looped music has gone on from its start by itself: it is left to play.
  if (slot.state == PlayState::AtEnd && slot.output->Active()) {
    ++slot.play;
    slot.state = PlayState::Playing;
    return;
  }
  Begin(player);
}

void MediaPlayers::PlayFromStart(SoundPlayer player) {
  Slot& slot = SlotOf(player);
  if (!slot.output || !device_.Wake()) return;
  idle_.start();
  if (slot.state == PlayState::Playing) Notify(player, false);
  Begin(player);
}

void MediaPlayers::Stop(SoundPlayer player) {
  Slot& slot = SlotOf(player);
  if (!slot.output || slot.state != PlayState::Playing) return;
  slot.output->Pause();
  slot.state = PlayState::Stopped;
  Notify(player, false);
  idle_.start();
}

// The halt reports the end of the earlier play at once, under its own number.
void MediaPlayers::Begin(SoundPlayer player) {
  Slot& slot = SlotOf(player);
  slot.output->Halt();
  ++slot.play;
  slot.state = PlayState::Playing;
  slot.output->Start();
}

void MediaPlayers::Notify(SoundPlayer player, bool reachedEnd) {
  QMetaObject::invokeMethod(
      this, [this, player, reachedEnd] { emit PlayFinished(player, reachedEnd); }, Qt::QueuedConnection);
}

void MediaPlayers::ChannelFinished(int channel) {
  if (MediaPlayers* owner = mixerOwner.load()) owner->OutputEnded(static_cast<SoundPlayer>(channel + 1));
}

// The buffer holds the music, if any, and the effects are added to it, as
// SDL_mixer adds its channels; the device plays 16-bit stereo frames.
void MediaPlayers::Mixed(void* players, Uint8* stream, int length) {
  auto* self = static_cast<MediaPlayers*>(players);
  self->effects_->MixInto(stream, length);
  MusicOutput* music = self->music_.load();
  if (music && music->Mixed(length / 4)) self->OutputEnded(SoundPlayer::Music);
}

void MediaPlayers::MusicFinished() {
  if (MediaPlayers* owner = mixerOwner.load()) owner->OutputEnded(SoundPlayer::Music);
}

void MediaPlayers::OutputEnded(SoundPlayer player) {
  const std::uint32_t play = SlotOf(player).play.load();
  QMetaObject::invokeMethod(
      this, [this, player, play] { Ended(player, play); }, Qt::QueuedConnection);
}

void MediaPlayers::Ended(SoundPlayer player, std::uint32_t play) {
  Slot& slot = SlotOf(player);
  if (play != slot.play.load() || slot.state != PlayState::Playing) return;
  slot.state = PlayState::AtEnd;
  idle_.start();
  emit PlayFinished(player, true);
  // Unless the notification played it again, the looped music must not go
  // on past its end.
  if (slot.state == PlayState::AtEnd) slot.output->Halt();
}

}  // namespace coilrun
