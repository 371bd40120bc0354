#include "shell/sound_output.h"

#include <SDL.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <vector>

#include "formats/midi_length.h"

namespace coilrun {

WaveOutput::WaveOutput(int channel, const std::filesystem::path& file, std::string& error) : channel_(channel) {
  chunk_ = Mix_LoadWAV(file.c_str());
  error = chunk_ ? std::string() : "Unable to open \"" + file.string() + "\": " + Mix_GetError();
}

WaveOutput::~WaveOutput() {
  if (!chunk_) return;
  Mix_HaltChannel(channel_);
  Mix_FreeChunk(chunk_);
}

void WaveOutput::Start() {
  if (chunk_) Mix_PlayChannel(channel_, chunk_, 0);
}
void WaveOutput::Pause() { Mix_Pause(channel_); }
void WaveOutput::Resume() { Mix_Resume(channel_); }
void WaveOutput::Halt() { Mix_HaltChannel(channel_); }
bool WaveOutput::Active() const { return chunk_ && Mix_Playing(channel_) != 0; }

MusicOutput::MusicOutput(const std::filesystem::path& file, int frameRate, Loading loading,
                         std::function<void(const std::string&)> loaded) {
  const std::launch policy = loading == Loading::Ahead ? std::launch::async : std::launch::deferred;
  piece_ =
      std::async(policy, [file, frameRate, loaded = std::move(loaded)] {
        Piece piece{Mix_LoadMUS(file.c_str()), 0};
        if (!piece.music) {
          loaded("Unable to open \"" + file.string() + "\": " + Mix_GetError());
          return piece;
        }
        std::ifstream in(file, std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (const auto seconds = MidiPlayingSeconds(bytes); seconds && *seconds > 0) {
          piece.frames = std::llround(*seconds * frameRate);
        }
        loaded({});
        return piece;
      }).share();
}

MusicOutput::~MusicOutput() {
  if (Mix_Music* music = Music()) {
    Mix_HaltMusic();
    Mix_FreeMusic(music);
  }
}

void MusicOutput::Start() {
  const Piece& piece = piece_.get();
  if (!piece.music) return;
  sounding_ = false;
  framesIntoPiece_ = 0;
  pieceFrames_ = piece.frames;
  if (Mix_PlayMusic(piece.music, piece.frames > 0 ? -1 : 1) == 0) sounding_ = true;
}

void MusicOutput::Pause() {
  if (!Music()) return;
  sounding_ = false;
  Mix_PauseMusic();
}

void MusicOutput::Resume() {
  if (!Music()) return;
  Mix_ResumeMusic();
  sounding_ = Mix_PlayingMusic() != 0;
}

void MusicOutput::Halt() {
  if (!Music()) return;
  sounding_ = false;
  Mix_HaltMusic();
}

bool MusicOutput::Active() const { return Music() && Mix_PlayingMusic() != 0; }

bool MusicOutput::Mixed(std::int64_t frames) {
  const std::int64_t pieceFrames = pieceFrames_;
  if (!sounding_ || pieceFrames == 0) return false;
  if (framesIntoPiece_ += frames; framesIntoPiece_ < pieceFrames) return false;
  framesIntoPiece_ -= pieceFrames;
  return true;
}

}  // namespace coilrun
