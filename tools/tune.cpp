#include "tools/tune.h"

#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <string>

#include "tools/midi_file.h"

namespace coilrun::sound {

namespace {

constexpr int kTicksPerQuarter = 480;
constexpr std::uint32_t kEighth = kTicksPerQuarter / 2;
constexpr std::uint32_t kBar = 8 * kEighth;
constexpr std::uint32_t kMicrosecondsPerQuarter = 60'000'000 / 132;
constexpr int kBarsPerSection = 8;

// General MIDI channels and programs (numbered from 0).
constexpr int kLeadChannel = 0;
constexpr int kBassChannel = 1;
constexpr int kPadChannel = 2;
constexpr int kStabChannel = 3;
constexpr int kDrumChannel = 9;
constexpr int kSquareLead = 80;
constexpr int kVibraphone = 11;
constexpr int kSynthBass = 38;
constexpr int kWarmPad = 89;
constexpr int kElectricPiano = 4;

// General MIDI drum notes.
constexpr int kKick = 36;
constexpr int kSnare = 38;
constexpr int kClosedHat = 42;
constexpr int kOpenHat = 46;
constexpr int kCrash = 49;
constexpr int kLowTom = 45;
constexpr int kMidTom = 47;
constexpr int kHighMidTom = 48;
constexpr int kHighTom = 50;

// "C5" is MIDI note 72; a sharp or flat may follow the letter.
int ParsePitch(const std::string& name) {
  static constexpr int kLetterSteps[] = {9, 11, 0, 2, 4, 5, 7};  // A..G
  int pitch = kLetterSteps[name.at(0) - 'A'];
  std::size_t at = 1;
  if (name.at(at) == '#') ++pitch, ++at;
  if (name.at(at) == 'b') --pitch, ++at;
  return pitch + 12 * (std::stoi(name.substr(at)) + 1);
}

struct Section {
  // One string per bar: one chord for the bar or two for its halves.
  const char* chords[kBarsPerSection];
  // Notes as PITCH:EIGHTHS, "r" for a rest; every bar adds up to 8 eighths.
  const char* melody;
  int leadProgram;
  bool stabs;
};

// Four sections, A A' B A'': the last bar ends on the dominant, so the tune
// runs straight back into its first bar.
const Section kSections[] = {
    {{"C", "G", "Am", "F", "C", "G", "F G", "C"},
     "E5:2 G5:2 C6:3 G5:1  B5:2 D6:2 B5:3 G5:1  A5:2 C6:2 E6:3 D6:1  C6:2 A5:2 F5:3 r:1 "
     "E5:1 F5:1 G5:2 C6:2 E6:2  D6:3 B5:1 G5:2 B5:2  A5:2 C6:2 B5:2 D6:2  C6:6 r:2",
     kSquareLead,
     false},
    {{"C", "G", "Am", "F", "C", "G", "F G", "C"},
     "E5:2 G5:2 C6:3 G5:1  B5:2 D6:2 B5:3 G5:1  A5:2 C6:2 E6:3 D6:1  C6:2 A5:2 F5:3 r:1 "
     "G5:1 A5:1 G5:1 E5:1 G5:2 C6:2  B5:1 C6:1 D6:2 G5:2 B5:2  C6:2 A5:2 D6:2 B5:2  C6:4 G5:2 E5:2",
     kSquareLead,
     true},
    {{"Am", "F", "C", "G", "Am", "F", "Dm", "G"},
     "A5:3 E5:1 A5:2 C6:2  C6:3 A5:1 F5:2 A5:2  G5:3 E5:1 G5:2 C6:2  B5:4 D6:2 B5:2 "
     "A5:3 E5:1 A5:2 C6:2  F6:2 E6:2 D6:2 C6:2  D6:3 C6:1 A5:2 F5:2  G5:2 B5:2 D6:3 r:1",
     kVibraphone,
     true},
    {{"C", "G", "Am", "F", "C", "G", "F", "G"},
     "E5:2 G5:2 C6:3 G5:1  B5:2 D6:2 B5:3 G5:1  A5:2 C6:2 E6:3 D6:1  C6:2 A5:2 F5:3 r:1 "
     "E5:1 F5:1 G5:2 C6:2 E6:2  D6:3 B5:1 G5:2 B5:2  A5:2 C6:2 F6:2 E6:2  D6:3 B5:1 G5:2 D5:2",
     kSquareLead,
     true},
};

struct Chord {
  int root;  // the bass note, in octave 2
  bool minor;
};

Chord ParseChord(const std::string& name) {
  return {ParsePitch(name.substr(0, 1) + "2"), name.size() > 1 && name[1] == 'm'};
}

// The triad voiced around middle C, so that chord changes move little.
std::vector<int> ChordTones(const Chord& chord) {
  std::vector<int> tones;
  for (const int interval : {0, chord.minor ? 3 : 4, 7}) {
    int tone = chord.root + interval;
    while (tone < 55) tone += 12;
    tones.push_back(tone);
  }
  return tones;
}

void WriteMelody(MidiTrack& lead, std::uint32_t start, const Section& section) {
  std::istringstream notes(section.melody);
  std::string token;
  std::uint32_t at = start;
  while (notes >> token) {
    const std::size_t colon = token.find(':');
    const std::uint32_t length = static_cast<std::uint32_t>(std::stoi(token.substr(colon + 1))) * kEighth;
    const std::string pitch = token.substr(0, colon);
    // A short gap before the next note keeps repeated notes distinct.
    if (pitch != "r") lead.Note(at, length - kEighth / 8, kLeadChannel, ParsePitch(pitch), 100);
    at += length;
  }
  if (at != start + kBarsPerSection * kBar) throw std::logic_error("a melody does not fill its section");
}

void WriteChords(MidiTrack& bass, MidiTrack& pad, MidiTrack& stabs, std::uint32_t start, const Section& section) {
  static constexpr int kBassSteps[8] = {0, 0, 12, 0, 7, 0, 12, 7};
  for (int bar = 0; bar < kBarsPerSection; ++bar) {
    std::istringstream names(section.chords[bar]);
    std::vector<Chord> chords;
    for (std::string name; names >> name;) chords.push_back(ParseChord(name));
    const std::uint32_t barStart = start + bar * kBar;
    const std::uint32_t span = kBar / static_cast<std::uint32_t>(chords.size());
    for (std::size_t c = 0; c < chords.size(); ++c) {
      const std::uint32_t chordStart = barStart + static_cast<std::uint32_t>(c) * span;
      for (const int tone : ChordTones(chords[c])) pad.Note(chordStart, span, kPadChannel, tone, 45);
      for (std::uint32_t eighth = 0; eighth < span / kEighth; ++eighth) {
        const std::uint32_t at = chordStart + eighth * kEighth;
        const int step = kBassSteps[(at - barStart) / kEighth];
        bass.Note(at, kEighth - kEighth / 6, kBassChannel, chords[c].root + step, eighth % 2 == 0 ? 100 : 80);
        if (section.stabs && eighth % 2 == 1) {
          for (const int tone : ChordTones(chords[c])) stabs.Note(at, kEighth / 2, kStabChannel, tone + 12, 62);
        }
      }
    }
  }
}

void WriteDrums(MidiTrack& drums, std::uint32_t start, bool lastSection) {
  const auto hit = [&](std::uint32_t at, int note, int velocity) {
    drums.Note(at, kEighth / 2, kDrumChannel, note, velocity);
  };
  for (int bar = 0; bar < kBarsPerSection; ++bar) {
    const std::uint32_t barStart = start + bar * kBar;
    const bool fillBar = bar == kBarsPerSection - 1;
    const bool turnBar = bar % 4 == 3;
    if (bar == 0) hit(barStart, kCrash, 100);
    for (int eighth = 0; eighth < 8; ++eighth) {
      const std::uint32_t at = barStart + eighth * kEighth;
      if (fillBar && eighth >= 6) break;
      if (eighth == 0 || eighth == 4 || (turnBar && eighth == 5)) hit(at, kKick, 105);
      if (eighth == 2 || eighth == 6) hit(at, kSnare, 95);
      if (turnBar && eighth == 7) {
        hit(at, kOpenHat, 70);
      } else {
        hit(at, kClosedHat, eighth % 2 == 0 ? 72 : 52);
      }
    }
    if (!fillBar) continue;
    // The last beat of a section is a fill of sixteenths; the tune's last bar
    // rolls down the toms into the first bar again.
    const std::uint32_t fillStart = barStart + 6 * kEighth;
    const int toms[] = {kHighTom, kHighMidTom, kMidTom, kLowTom};
    for (std::uint32_t i = 0; i < 4; ++i) {
      hit(fillStart + i * kEighth / 2, lastSection ? toms[i] : kSnare, 70 + 10 * static_cast<int>(i));
    }
  }
}

void SetUpChannel(MidiTrack& track, int channel, int program, int volume, int pan, int reverb) {
  if (program >= 0) track.ProgramChange(0, channel, program);
  track.ControlChange(0, channel, 7, volume);
  track.ControlChange(0, channel, 10, pan);
  track.ControlChange(0, channel, 91, reverb);
}

}  // namespace

std::vector<std::uint8_t> ComposeTune() {
  MidiTrack conductor, lead, bass, pad, stabs, drums;
  conductor.Name("Coilrun");
  conductor.TimeSignature(0, 4, 2);
  conductor.Tempo(0, kMicrosecondsPerQuarter);
  SetUpChannel(lead, kLeadChannel, -1, 96, 64, 40);
  SetUpChannel(bass, kBassChannel, kSynthBass, 110, 64, 15);
  SetUpChannel(pad, kPadChannel, kWarmPad, 70, 40, 70);
  SetUpChannel(stabs, kStabChannel, kElectricPiano, 78, 88, 50);
  SetUpChannel(drums, kDrumChannel, -1, 110, 64, 30);

  std::uint32_t start = 0;
  for (std::size_t s = 0; s < std::size(kSections); ++s) {
    const Section& section = kSections[s];
    lead.ProgramChange(start, kLeadChannel, section.leadProgram);
    WriteMelody(lead, start, section);
    WriteChords(bass, pad, stabs, start, section);
    WriteDrums(drums, start, s + 1 == std::size(kSections));
    start += kBarsPerSection * kBar;
  }
  std::vector<MidiTrack> tracks = {conductor, lead, bass, pad, stabs, drums};
  for (MidiTrack& track : tracks) track.EndAt(start);
  return EncodeMidiFile(kTicksPerQuarter, tracks);
}

}  // namespace coilrun::sound
