// The building blocks of the game's effect sounds: oscillators, envelopes,
// noise and filters over mono samples, and the 16-bit PCM wave file.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace coilrun::sound {

constexpr int kSampleRate = 44'100;

// Mono samples, nominally within -1..1.
using Samples = std::vector<double>;

int SampleCount(double seconds);
double SecondsAt(int index);

// A sine whose frequency may change over time; the phase runs on smoothly.
Samples Tone(double seconds, const std::function<double(double seconds)>& frequency);
// A sine with overtones of the given relative strengths (1st = fundamental).
Samples RichTone(double seconds, const std::function<double(double seconds)>& frequency,
                 const std::vector<double>& overtones);
// White noise from a fixed seed, so every run gives the same sound.
Samples Noise(double seconds, std::uint32_t seed);

// A band of the input around a moving centre frequency (a state-variable
// filter with the given resonance, 0.5 soft .. 5 sharp).
Samples BandPass(const Samples& input, const std::function<double(double seconds)>& centre, double resonance);
Samples LowPass(const Samples& input, double cutoff);

// Multiplies by a shape of the time in seconds.
void Shape(Samples& samples, const std::function<double(double seconds)>& gain);
// A decay to 1/e every `timeConstant` seconds after a smooth attack.
double Percussive(double seconds, double attack, double timeConstant);
// Rises smoothly (raised cosine) from 0 to 1 over `attack`.
double SmoothRise(double seconds, double attack);
// Adds `source` into `target` from `at` seconds on, growing the target.
void MixInto(Samples& target, const Samples& source, double at, double gain = 1.0);
// Raised-cosine fades at both ends, so the sound starts and ends at rest.
void FadeEnds(Samples& samples, double fadeIn, double fadeOut);

// The loudest 100 ms of the sound, as an RMS level (0..1).
double ShortTermLoudness(const Samples& samples);
// Scales to the target short-term loudness, but never lets the peak exceed
// `peakLimit`.
void Normalize(Samples& samples, double targetLoudness, double peakLimit);

// A RIFF/WAVE file: 16-bit PCM at kSampleRate, `channels` interleaved.
std::vector<std::uint8_t> EncodeWave(const std::vector<std::int16_t>& samples, int channels);
// Mono, each sample scaled from -1..1 and clipped there.
std::vector<std::uint8_t> EncodeWave(const Samples& samples);

}  // namespace coilrun::sound
