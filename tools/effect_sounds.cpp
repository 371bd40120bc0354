#include "tools/effect_sounds.h"

#include <cmath>
#include <numbers>
#include <tuple>
#include <utility>
#include <vector>

namespace coilrun::sound {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// Equal temperament from A4 = 440 Hz.
double Note(int midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0); }

// A bright, slightly hollow timbre: odd overtones strongest.
const std::vector<double> kBright = {1.0, 0.25, 0.35, 0.1, 0.18, 0.05, 0.1};
// A brass-like timbre: every overtone, falling off gently.
const std::vector<double> kBrass = {1.0, 0.7, 0.55, 0.4, 0.3, 0.22, 0.15, 0.1, 0.07, 0.05};

Samples Decaying(double seconds, double frequency, const std::vector<double>& overtones, double attack,
                 double timeConstant) {
  Samples note = RichTone(
      seconds, [frequency](double) { return frequency; }, overtones);
  Shape(note, [&](double t) { return Percussive(t, attack, timeConstant); });
  FadeEnds(note, 0.0, seconds / 3);
  return note;
}

}  // namespace

// Two quick notes a fourth apart, each sliding up a little into its pitch.
Samples TargetBlip() {
  Samples blip;
  for (const auto& [at, note] : {std::pair{0.0, 84}, std::pair{0.055, 89}}) {
    const double target = Note(note);
    Samples part = RichTone(
        0.11, [target](double t) { return target * (1 - 0.08 * std::exp(-t / 0.008)); }, kBright);
    Shape(part, [](double t) { return Percussive(t, 0.003, 0.03); });
    FadeEnds(part, 0.0, 0.03);
    MixInto(blip, part, at);
  }
  FadeEnds(blip, 0.002, 0.02);
  return blip;
}

// A falling low sine under a short burst of muffled noise.
Samples CrashThud() {
  constexpr double kLength = 0.42;
  Samples body = Tone(kLength, [](double t) { return 40 + 110 * std::exp(-t / 0.06); });
  Shape(body, [](double t) { return Percussive(t, 0.004, 0.11); });
  Samples burst = LowPass(LowPass(Noise(kLength, 0x2002), 700), 1400);
  Shape(burst, [](double t) { return Percussive(t, 0.002, 0.045); });
  Samples crash = body;
  MixInto(crash, burst, 0.0, 2.2);
  FadeEnds(crash, 0.002, 0.08);
  return crash;
}

// A rising C major arpeggio ending on a held chord with a slight vibrato.
Samples NinthFanfare() {
  Samples fanfare;
  const int arpeggio[] = {72, 76, 79};
  for (int i = 0; i < 3; ++i) MixInto(fanfare, Decaying(0.16, Note(arpeggio[i]), kBrass, 0.008, 0.12), 0.09 * i);
  constexpr double kChordAt = 0.27;
  constexpr double kChordLength = 0.68;
  for (const int note : {72, 76, 79, 84}) {
    const double hz = Note(note);
    Samples voice = RichTone(
        kChordLength, [hz](double t) { return hz * (1 + 0.006 * SmoothRise(t, 0.2) * std::sin(kTwoPi * 5.5 * t)); },
        kBrass);
    Shape(voice, [](double t) { return SmoothRise(t, 0.015) * (0.55 + 0.45 * std::exp(-t / 0.08)); });
    MixInto(fanfare, voice, kChordAt, note == 84 ? 0.9 : 0.5);
  }
  FadeEnds(fanfare, 0.003, 0.25);
  return fanfare;
}

// Two bell strokes; the partials of a bell are not harmonic, which is what
// makes it ring.
Samples BrickChime() {
  Samples chime;
  for (const auto& [at, note] : {std::pair{0.0, 83}, std::pair{0.09, 88}}) {
    const double hz = Note(note);
    for (const auto& [ratio, strength, decay] : {std::tuple{1.0, 1.0, 0.16}, std::tuple{2.76, 0.45, 0.07},
                                                 std::tuple{5.4, 0.25, 0.035}, std::tuple{8.93, 0.12, 0.02}}) {
      Samples partial = Tone(0.36, [hz, ratio](double) { return hz * ratio; });
      Shape(partial, [decay](double t) { return Percussive(t, 0.002, decay); });
      FadeEnds(partial, 0.0, 0.12);
      MixInto(chime, partial, at, strength);
    }
  }
  FadeEnds(chime, 0.002, 0.06);
  return chime;
}

// Noise through a resonant band sweeping up and back, with a faint gliding
// tone that gives the warp its pitch.
Samples DoorWhoosh() {
  constexpr double kLength = 0.46;
  const auto sweep = [](double t) { return 350 + 2600 * std::sin(std::numbers::pi * t / kLength); };
  Samples whoosh = BandPass(BandPass(Noise(kLength, 0x5005), sweep, 4.0), sweep, 4.0);
  Samples glide = Tone(kLength, [&](double t) { return sweep(t) * 0.5; });
  MixInto(whoosh, glide, 0.0, 0.12);
  Shape(whoosh, [](double t) { return std::pow(std::sin(std::numbers::pi * t / kLength), 1.5); });
  FadeEnds(whoosh, 0.005, 0.02);
  return whoosh;
}

// A low tone whose pitch wobbles fast at first and settles as it dies away.
Samples ReboundBoing() {
  constexpr double kLength = 0.45;
  Samples boing =
      RichTone(kLength, [](double t) { return 220 * (1 + 0.3 * std::exp(-t / 0.12) * std::sin(kTwoPi * 16 * t)); },
               {1.0, 0.5, 0.3, 0.15, 0.08});
  Shape(boing, [](double t) { return Percussive(t, 0.003, 0.14); });
  FadeEnds(boing, 0.002, 0.05);
  return boing;
}

}  // namespace coilrun::sound
