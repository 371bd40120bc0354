#include "shell/effect_mixer.h"

#include <algorithm>
#include <cstring>

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
  const Uint8 channels = wave.channels == 1 ? 1 : 2;
  SDL_AudioCVT conversion{};
  const int converting = library_.SDL_BuildAudioCVT(&conversion, wave.format, wave.channels, wave.freq, AUDIO_S16SYS,
                                                    channels, frameRate_);
  if (converting < 0) {
    library_.SDL_FreeWAV(samples);
    return failed();
  }
  // Room for the conversion to work in, in whole samples.
  const std::size_t room =
      static_cast<std::size_t>(length) * static_cast<std::size_t>(std::max(1, conversion.len_mult));
  Sound sound{std::vector<std::int16_t>((room + 1) / 2), channels};
  std::memcpy(sound.samples.data(), samples, length);
  library_.SDL_FreeWAV(samples);
  std::size_t converted = length;
  if (converting != 0) {
    conversion.buf = reinterpret_cast<Uint8*>(sound.samples.data());
    conversion.len = static_cast<int>(length);
    if (library_.SDL_ConvertAudio(&conversion) != 0) return failed();
    converted = static_cast<std::size_t>(conversion.len_cvt);
  }
  // Whole frames only.
  sound.samples.resize(converted / 2 / channels * channels);
  sound.samples.shrink_to_fit();
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

// As SDL_mixer mixes its channels: each at full volume, added and clipped;
// a mono wave's sample goes to both sides.
void EffectMixer::MixInto(Uint8* stream, int length) {
  auto* const out = reinterpret_cast<std::int16_t*>(stream);
  const std::size_t frames = static_cast<std::size_t>(length) / 4;
  std::array<bool, kChannels> ended{};
  {
    const std::lock_guard lock(mutex_);
    for (int index = 0; index < kChannels; ++index) {
      Channel& channel = channels_[index];
      if (channel.sound == nullptr || channel.paused) continue;
      const Sound& sound = *channel.sound;
      const std::size_t count = std::min(sound.frames() - channel.frame, frames);
      const std::int16_t* in = sound.samples.data() + channel.frame * static_cast<std::size_t>(sound.channels);
      for (std::size_t frame = 0; frame < count; ++frame) {
        for (std::size_t side = 0; side < 2; ++side) {
          const int sum = out[2 * frame + side] + in[sound.channels == 1 ? frame : 2 * frame + side];
          out[2 * frame + side] = static_cast<std::int16_t>(std::clamp(sum, -32768, 32767));
        }
      }
      channel.frame += count;
      if (channel.frame >= sound.frames()) {
        channel = Channel{};
        ended[index] = true;
      }
    }
  }
  for (int index = 0; index < kChannels; ++index)
    if (ended[index]) Report(index);
}

}  // namespace coilrun
