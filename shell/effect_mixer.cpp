#include "shell/effect_mixer.h"

#include <algorithm>

namespace coilrun {

EffectMixer::Sound EffectMixer::Load(const std::filesystem::path& file, std::string& error) const {
  error.clear();
  const auto failed = [&] {
    error = "Unable to open \"" + file.string() + "\": " + library_.SDL_GetError();
    return Sound();
  };
  SDL_RWops* input = library_.SDL_RWFromFile(file.c_str(), "rb");
  if (input == nullptr) return failed();
  SDL_AudioSpec wave{};
  Uint8* samples = nullptr;
  Uint32 length = 0;
  if (library_.SDL_LoadWAV_RW(input, 1, &wave, &samples, &length) == nullptr) return failed();
  SDL_AudioCVT conversion{};
  const int converting =
      library_.SDL_BuildAudioCVT(&conversion, wave.format, wave.channels, wave.freq, AUDIO_S16SYS, 2, frameRate_);
  if (converting < 0) {
    library_.SDL_FreeWAV(samples);
    return failed();
  }
  Sound sound(samples, samples + length);
  library_.SDL_FreeWAV(samples);
  if (converting == 0) return sound;
  sound.resize(static_cast<std::size_t>(length) * static_cast<std::size_t>(conversion.len_mult));
  conversion.buf = sound.data();
  conversion.len = static_cast<int>(length);
  if (library_.SDL_ConvertAudio(&conversion) != 0) return failed();
  sound.resize(static_cast<std::size_t>(conversion.len_cvt));
  return sound;
}

void EffectMixer::Report(int channel) const {
  if (const Finished finished = finished_.load()) finished(channel);
}

// A channel that still sounds ends first, as with SDL_mixer.
void EffectMixer::Play(int channel, const Sound& sound) {
  bool replaced = false;
  {
    const std::lock_guard lock(mutex_);
    replaced = channels_[channel].sound != nullptr;
    channels_[channel] = Channel{&sound, 0, false};
  }
  if (replaced) Report(channel);
}

void EffectMixer::Pause(int channel) {
  const std::lock_guard lock(mutex_);
  channels_[channel].paused = true;
}

void EffectMixer::Resume(int channel) {
  const std::lock_guard lock(mutex_);
  channels_[channel].paused = false;
}

void EffectMixer::Halt(int channel) {
  bool halted = false;
  {
    const std::lock_guard lock(mutex_);
    halted = channels_[channel].sound != nullptr;
    channels_[channel] = Channel{};
  }
  if (halted) Report(channel);
}

bool EffectMixer::Playing(int channel) const {
  const std::lock_guard lock(mutex_);
  return channels_[channel].sound != nullptr;
}

// As SDL_mixer mixes its channels: each at full volume, clipped.
void EffectMixer::MixInto(Uint8* stream, int length) {
  std::array<bool, kChannels> ended{};
  {
    const std::lock_guard lock(mutex_);
    for (int index = 0; index < kChannels; ++index) {
      Channel& channel = channels_[index];
      if (channel.sound == nullptr || channel.paused) continue;
      const std::size_t count = std::min(channel.sound->size() - channel.position, static_cast<std::size_t>(length));
      library_.SDL_MixAudioFormat(stream, channel.sound->data() + channel.position, AUDIO_S16SYS,
                                  static_cast<Uint32>(count), SDL_MIX_MAXVOLUME);
      channel.position += count;
      if (channel.position >= channel.sound->size()) {
        channel = Channel{};
        ended[index] = true;
      }
    }
  }
  for (int index = 0; index < kChannels; ++index)
    if (ended[index]) Report(index);
}

}  // namespace coilrun
