#include "shell/media_players.h"

#include <SDL.h>

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

MediaPlayers::MediaPlayers(QObject* parent) : QObject(parent) {}

MediaPlayers::~MediaPlayers() { Close(); }

std::vector<std::string> MediaPlayers::Open(const std::filesystem::path& directory, MusicOutput::Loading music) {
  Close();
  MediaPlayers* none = nullptr;
  if (!mixerOwner.compare_exchange_strong(none, this)) return {"The sound device is in use by other players."};

  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(kSampleRate, AUDIO_S16SYS, 2, kBufferFrames) != 0) {
    const std::string error = SDL_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    mixerOwner = nullptr;
    return {"Unable to open the sound device: " + error};
  }
  deviceOpen_ = true;
  int frameRate = kSampleRate;
  Uint16 format = AUDIO_S16SYS;
  int channels = 2;
  Mix_QuerySpec(&frameRate, &format, &channels);
  bytesPerFrame_ = channels * SDL_AUDIO_BITSIZE(format) / 8;
  Mix_AllocateChannels(kPlayerCount - 1);
  Mix_VolumeMusic(kMusicVolume);
  Mix_ChannelFinished(&MediaPlayers::ChannelFinished);
  Mix_HookMusicFinished(&MediaPlayers::MusicFinished);

  std::vector<std::string> errors;
  for (const SoundPlayer player : kOpenOrder) {
    const std::filesystem::path file = SoundFilePath(directory, IndexOf(player));
    if (player == SoundPlayer::Music) {
      auto output = std::make_unique<MusicOutput>(file, frameRate, music, [this](const std::string& error) {
        if (error.empty()) return;
        QMetaObject::invokeMethod(
            this, [this, error] { emit OpenFailed(QString::fromStdString(error)); }, Qt::QueuedConnection);
      });
      music_ = output.get();
      SlotOf(player).output = std::move(output);
      Mix_SetPostMix(&MediaPlayers::PostMix, this);
      continue;
    }
    std::string error;
    auto wave = std::make_unique<WaveOutput>(IndexOf(player), file, error);
    if (error.empty()) {
      SlotOf(player).output = std::move(wave);
    } else {
      errors.push_back(error);
    }
  }
  return errors;
}

void MediaPlayers::Close() {
  if (!deviceOpen_) return;
  // Unhooked first, so that halting the players below reports nothing.
  Mix_SetPostMix(nullptr, nullptr);
  Mix_HookMusicFinished(nullptr);
  Mix_ChannelFinished(nullptr);
  music_ = nullptr;
  SlotOf(SoundPlayer::Music).output.reset();
  for (Slot& slot : slots_) {
    slot.output.reset();
    slot.state = PlayState::Idle;
  }
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  deviceOpen_ = false;
  mixerOwner = nullptr;
}

bool MediaPlayers::Sounding(SoundPlayer player) const {
  const Slot& slot = SlotOf(player);
  return slot.output && slot.state == PlayState::Playing && slot.output->Active();
}

void MediaPlayers::Play(SoundPlayer player) {
  Slot& slot = SlotOf(player);
  if (!slot.output || slot.state == PlayState::Playing) return;
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
  if (!slot.output) return;
  if (slot.state == PlayState::Playing) Notify(player, false);
  Begin(player);
}

void MediaPlayers::Stop(SoundPlayer player) {
  Slot& slot = SlotOf(player);
  if (!slot.output || slot.state != PlayState::Playing) return;
  slot.output->Pause();
  slot.state = PlayState::Stopped;
  Notify(player, false);
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

void MediaPlayers::PostMix(void* players, Uint8* /*stream*/, int length) {
  auto* self = static_cast<MediaPlayers*>(players);
  if (self->music_->Mixed(length / self->bytesPerFrame_)) self->OutputEnded(SoundPlayer::Music);
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
  emit PlayFinished(player, true);
  // Unless the notification played it again, the looped music must not go
  // on past its end.
  if (slot.state == PlayState::AtEnd) slot.output->Halt();
}

}  // namespace coilrun
