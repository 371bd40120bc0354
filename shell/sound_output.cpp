#include "shell/sound_output.h"

#include <SDL.h>

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

MusicOutput::MusicOutput(const std::filesystem::path& file, std::function<void(const std::string&)> loaded) {
  music_ = std::async(std::launch::async, [file, loaded = std::move(loaded)] {
             Mix_Music* music = Mix_LoadMUS(file.c_str());
             loaded(music ? std::string() : "Unable to open \"" + file.string() + "\": " + Mix_GetError());
             return music;
           }).share();
}

MusicOutput::~MusicOutput() {
  if (Mix_Music* music = Music()) {
    Mix_HaltMusic();
    Mix_FreeMusic(music);
  }
}

Mix_Music* MusicOutput::Music() const { return music_.get(); }

void MusicOutput::Start() {
  if (Mix_Music* music = Music()) Mix_PlayMusic(music, 1);
}
void MusicOutput::Pause() {
  if (Music()) Mix_PauseMusic();
}
void MusicOutput::Resume() {
  if (Music()) Mix_ResumeMusic();
}
void MusicOutput::Halt() {
  if (Music()) Mix_HaltMusic();
}
bool MusicOutput::Active() const { return Music() && Mix_PlayingMusic() != 0; }

}  // namespace coilrun
