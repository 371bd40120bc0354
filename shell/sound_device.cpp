#include "shell/sound_device.h"

#include <cstring>

namespace coilrun {

SoundDevice::SoundDevice(int frameRate, int bufferFrames, int musicVolume, Mixed mixed, void* context,
                         void (*musicFinished)())
    : frameRate_(frameRate),
      bufferFrames_(bufferFrames),
      musicVolume_(musicVolume),
      mixed_(mixed),
      context_(context),
      musicFinished_(musicFinished) {}

SoundDevice::~SoundDevice() { Close(); }

std::string SoundDevice::Open(bool forMusic) {
  Close();
  const SdlLibrary* sdl = Sdl();
  if (sdl == nullptr) return SdlLoadError();
  sdl->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (sdl->SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return sdl->SDL_GetError();
  sdl_ = sdl;
  std::string error;
  if (forMusic)
    error = MoveToMixer();
  else if (!OpenOwn())
    error = sdl_->SDL_GetError();
  if (!error.empty()) Close();
  return error;
}

std::string SoundDevice::MoveToMixer() {
  if (!open()) return "The sound device is not open.";
  if (mixer_ != nullptr) return Wake() ? std::string() : std::string(mixer_->SDL_GetError());
  const MixerLibrary* mixer = Mixer();
  if (mixer == nullptr) return MixerLoadError();
  Settle();
  if (own_ != 0) sdl_->SDL_CloseAudioDevice(own_);
  own_ = 0;
  mixer_ = mixer;
  return OpenMixer() ? std::string() : std::string(mixer_->SDL_GetError());
}

// Without leave to change the format, SDL converts to whatever the hardware
// takes.
bool SoundDevice::OpenOwn() {
  SDL_AudioSpec wanted{};
  wanted.freq = frameRate_;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 2;
  wanted.samples = static_cast<Uint16>(bufferFrames_);
  wanted.callback = &SoundDevice::Callback;
  Opening& opening = openings_[static_cast<std::size_t>(nextOpening_)];
  wanted.userdata = &opening;
  liveOpening_ = opening.number;
  own_ = sdl_->SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
  if (own_ != 0) nextOpening_ = 1 - nextOpening_;
  awake_ = own_ != 0;
  if (awake_) sdl_->SDL_PauseAudioDevice(own_, 0);
  return awake_;
}

bool SoundDevice::OpenMixer() {
  awake_ = mixer_->Mix_OpenAudioDevice(frameRate_, AUDIO_S16SYS, 2, bufferFrames_, nullptr, 0) == 0;
  if (!awake_) return false;
  mixer_->Mix_VolumeMusic(musicVolume_);
  mixer_->Mix_HookMusicFinished(musicFinished_);
  mixer_->Mix_SetPostMix(&SoundDevice::PostMix, this);
  return true;
}

void SoundDevice::Close() {
  if (!open()) return;
  Settle();
  if (awake_) Sleep();
  Settle();
  sdl_->SDL_QuitSubSystem(SDL_INIT_AUDIO);
  sdl_ = nullptr;
  mixer_ = nullptr;
}

// Unhooked first, so that halting the music on closing reports nothing.
void SoundDevice::Sleep() {
  if (!awake_) return;
  awake_ = false;
  liveOpening_ = -1;
  Settle();
  closed_ = false;
  if (mixer_ != nullptr) {
    mixer_->Mix_SetPostMix(nullptr, nullptr);
    mixer_->Mix_HookMusicFinished(nullptr);
    closing_ = std::thread([this, mixer = mixer_] {
      mixer->Mix_CloseAudio();
      closed_ = true;
    });
  } else {
    closing_ = std::thread([this, sdl = sdl_, device = own_] {
      sdl->SDL_CloseAudioDevice(device);
      closed_ = true;
    });
    own_ = 0;
  }
}

bool SoundDevice::Wake() {
  if (!open()) return false;
  if (awake_) return true;
  if (mixer_ != nullptr) {
    Settle();
    return OpenMixer();
  }
  if (OpenOwn()) return true;
  if (!closing_.joinable()) return false;
  Settle();
  return OpenOwn();
}

void SoundDevice::Settle() {
  if (closing_.joinable()) closing_.join();
}

void SoundDevice::Callback(void* opening, Uint8* stream, int length) {
  const auto& [self, number] = *static_cast<const Opening*>(opening);
  std::memset(stream, 0, static_cast<std::size_t>(length));
  if (number == self->liveOpening_.load()) self->mixed_(self->context_, stream, length);
}

void SoundDevice::PostMix(void* device, Uint8* stream, int length) {
  auto& self = *static_cast<SoundDevice*>(device);
  self.mixed_(self.context_, stream, length);
}

}  // namespace coilrun
