#include "shell/sound_output.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <vector>

#include "formats/midi_length.h"

namespace coilrun {

WaveOutput::WaveOutput(EffectMixer& mixer, int channel, const std::filesystem::path& file, std::string& error)
    : mixer_(mixer), channel_(channel), sound_(mixer.Load(file, error)) {}

// Halted first: the mixer must not read the sound once it is gone.
WaveOutput::~WaveOutput() { mixer_.Halt(channel_); }

void WaveOutput::Start() { mixer_.Play(channel_, sound_); }
void WaveOutput::Pause() { mixer_.Pause(channel_); }
void WaveOutput::Resume() { mixer_.Resume(channel_); }
void WaveOutput::Halt() { mixer_.Halt(channel_); }
bool WaveOutput::Active() const { return mixer_.Playing(channel_); }

MusicOutput::MusicOutput(SoundDevice& device, const std::filesystem::path& file, int frameRate, Loading loading,
                         std::function<void(const std::string&)> loaded)
    : device_(device) {
  const auto read = [&device, file, frameRate, loaded](std::string moveError) {
    Piece piece;
    if (!moveError.empty()) {
      loaded("Unable to open the sound device for the music: " + moveError);
      return piece;
    }
    const MixerLibrary& library = *device.mixer();
    piece.music = library.Mix_LoadMUS(file.c_str());
    if (!piece.music) {
      loaded("Unable to open \"" + file.string() + "\": " + library.SDL_GetError());
      return piece;
    }
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (const auto seconds = MidiPlayingSeconds(bytes); seconds && *seconds > 0) {
      piece.frames = std::llround(*seconds * frameRate);
    }
    loaded({});
    return piece;
  };
  if (loading == Loading::Ahead) {
    piece_ = std::async(std::launch::async, read, device.MoveToMixer()).share();
  } else {
    piece_ = std::async(std::launch::deferred, [&device, read] { return read(device.MoveToMixer()); }).share();
  }
}

// Music still being read is waited for; music never wanted is not read now.
MusicOutput::~MusicOutput() {
  if (!Settled()) piece_.wait();
  if (piece_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return;
  if (Mix_Music* music = piece_.get().music) {
    if (device_.awake()) device_.mixer()->Mix_HaltMusic();
    device_.mixer()->Mix_FreeMusic(music);
  }
}

// A device asleep wakes before the music starts.
void MusicOutput::Start() {
  const Piece& piece = piece_.get();
  if (!piece.music || !device_.Wake()) return;
  sounding_ = false;
  framesIntoPiece_ = 0;
  pieceFrames_ = piece.frames;
  if (device_.mixer()->Mix_PlayMusic(piece.music, piece.frames > 0 ? -1 : 1) == 0) sounding_ = true;
}

void MusicOutput::Pause() {
  if (!Playable()) return;
  sounding_ = false;
  device_.mixer()->Mix_PauseMusic();
}

void MusicOutput::Resume() {
  if (!Playable()) return;
  device_.mixer()->Mix_ResumeMusic();
  sounding_ = device_.mixer()->Mix_PlayingMusic() != 0;
}

void MusicOutput::Halt() {
  if (!Playable()) return;
  sounding_ = false;
  device_.mixer()->Mix_HaltMusic();
}

bool MusicOutput::Active() const { return Playable() && device_.mixer()->Mix_PlayingMusic() != 0; }

bool MusicOutput::Mixed(std::int64_t frames) {
  const std::int64_t pieceFrames = pieceFrames_;
  if (!sounding_ || pieceFrames == 0) return false;
  if (framesIntoPiece_ += frames; framesIntoPiece_ < pieceFrames) return false;
  framesIntoPiece_ -= pieceFrames;
  return true;
}

}  // namespace coilrun
