#include "tools/wave_synthesis.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "formats/byte_order.h"

namespace coilrun::sound {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

void PutTag(std::vector<std::uint8_t>& bytes, const char (&tag)[5]) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

int SampleCount(double seconds) { return static_cast<int>(std::lround(seconds * kSampleRate)); }
double SecondsAt(int index) { return static_cast<double>(index) / kSampleRate; }

Samples Tone(double seconds, const std::function<double(double)>& frequency) {
  return RichTone(seconds, frequency, {1.0});
}

Samples RichTone(double seconds, const std::function<double(double)>& frequency, const std::vector<double>& overtones) {
  Samples samples(SampleCount(seconds));
  double phase = 0;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double hz = frequency(SecondsAt(static_cast<int>(i)));
    double value = 0;
    for (std::size_t k = 0; k < overtones.size(); ++k) {
      // Overtones above the Nyquist frequency would fold back as noise.
      if (hz * static_cast<double>(k + 1) < kSampleRate / 2.0) value += overtones[k] * std::sin(phase * (k + 1));
    }
    samples[i] = value;
    phase = std::fmod(phase + kTwoPi * hz / kSampleRate, kTwoPi);
  }
  return samples;
}

Samples Noise(double seconds, std::uint32_t seed) {
  Samples samples(SampleCount(seconds));
  std::uint32_t state = seed;
  for (double& sample : samples) {
    state = state * 1'664'525u + 1'013'904'223u;
    sample = static_cast<double>(state >> 8) / static_cast<double>(1u << 23) - 1.0;
  }
  return samples;
}

Samples BandPass(const Samples& input, const std::function<double(double)>& centre, double resonance) {
  Samples output(input.size());
  double low = 0;
  double band = 0;
  const double damping = 1.0 / resonance;
  for (std::size_t i = 0; i < input.size(); ++i) {
    const double hz = std::min(centre(SecondsAt(static_cast<int>(i))), kSampleRate / 6.0);
    const double f = 2 * std::sin(std::numbers::pi * hz / kSampleRate);
    const double high = input[i] - low - damping * band;
    band += f * high;
    low += f * band;
    output[i] = band;
  }
  return output;
}

Samples LowPass(const Samples& input, double cutoff) {
  Samples output(input.size());
  const double a = 1 - std::exp(-kTwoPi * cutoff / kSampleRate);
  double state = 0;
  for (std::size_t i = 0; i < input.size(); ++i) output[i] = state += a * (input[i] - state);
  return output;
}

void Shape(Samples& samples, const std::function<double(double)>& gain) {
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] *= gain(SecondsAt(static_cast<int>(i)));
}

double SmoothRise(double seconds, double attack) {
  if (seconds >= attack) return 1.0;
  if (seconds <= 0) return 0.0;
  return 0.5 - 0.5 * std::cos(std::numbers::pi * seconds / attack);
}

double Percussive(double seconds, double attack, double timeConstant) {
  return SmoothRise(seconds, attack) * std::exp(-std::max(0.0, seconds - attack) / timeConstant);
}

void MixInto(Samples& target, const Samples& source, double at, double gain) {
  const std::size_t offset = static_cast<std::size_t>(SampleCount(at));
  if (target.size() < offset + source.size()) target.resize(offset + source.size(), 0.0);
  for (std::size_t i = 0; i < source.size(); ++i) target[offset + i] += gain * source[i];
}

void FadeEnds(Samples& samples, double fadeIn, double fadeOut) {
  const double length = SecondsAt(static_cast<int>(samples.size()) - 1);
  Shape(samples, [&](double t) { return SmoothRise(t, fadeIn) * SmoothRise(length - t, fadeOut); });
}

double ShortTermLoudness(const Samples& samples) {
  const std::size_t window = static_cast<std::size_t>(SampleCount(0.1));
  double loudest = 0;
  double sum = 0;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    sum += samples[i] * samples[i];
    if (i >= window) sum -= samples[i - window] * samples[i - window];
    loudest = std::max(loudest, sum);
  }
  return std::sqrt(std::max(0.0, loudest) / static_cast<double>(std::min(window, samples.size())));
}

void Normalize(Samples& samples, double targetLoudness, double peakLimit) {
  double peak = 0;
  for (const double sample : samples) peak = std::max(peak, std::abs(sample));
  const double loudness = ShortTermLoudness(samples);
  if (peak == 0 || loudness == 0) return;
  const double gain = std::min(targetLoudness / loudness, peakLimit / peak);
  for (double& sample : samples) sample *= gain;
}

std::vector<std::uint8_t> EncodeWave(const std::vector<std::int16_t>& samples, int channels) {
  constexpr int kBytesPerSample = 2;
  const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
  const auto frameSize = static_cast<std::uint32_t>(channels * kBytesPerSample);
  std::vector<std::uint8_t> bytes;
  bytes.reserve(44 + dataSize);
  PutTag(bytes, "RIFF");
  AppendLittleEndian(bytes, 36 + dataSize, 4);
  PutTag(bytes, "WAVE");
  PutTag(bytes, "fmt ");
  AppendLittleEndian(bytes, 16, 4);
  AppendLittleEndian(bytes, 1, 2);  // PCM
  AppendLittleEndian(bytes, static_cast<std::uint32_t>(channels), 2);
  AppendLittleEndian(bytes, kSampleRate, 4);
  AppendLittleEndian(bytes, kSampleRate * frameSize, 4);
  AppendLittleEndian(bytes, frameSize, 2);
  AppendLittleEndian(bytes, 16, 2);
  PutTag(bytes, "data");
  AppendLittleEndian(bytes, dataSize, 4);
  for (const std::int16_t sample : samples) AppendLittleEndian(bytes, static_cast<std::uint16_t>(sample), 2);
  return bytes;
}

std::vector<std::uint8_t> EncodeWave(const Samples& samples) {
  std::vector<std::int16_t> pcm;
  pcm.reserve(samples.size());
  for (const double sample : samples)
    pcm.push_back(static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0)));
  return EncodeWave(pcm, 1);
}

}  // namespace coilrun::sound
