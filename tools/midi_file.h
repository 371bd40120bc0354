// Standard MIDI files (format 1): tracks of timed events.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace coilrun::sound {

class MidiTrack {
 public:
  // Channels are 0..15; General MIDI plays drums on channel 9 (the tenth).
  void NoteOn(std::uint32_t tick, int channel, int note, int velocity);
  void NoteOff(std::uint32_t tick, int channel, int note);
  // A note held from `tick` for `length` ticks.
  void Note(std::uint32_t tick, std::uint32_t length, int channel, int note, int velocity);
  void ProgramChange(std::uint32_t tick, int channel, int program);
  void ControlChange(std::uint32_t tick, int channel, int controller, int value);
  void Tempo(std::uint32_t tick, std::uint32_t microsecondsPerQuarter);
  void TimeSignature(std::uint32_t tick, int numerator, int denominatorPower);
  void Name(const std::string& name);
  // Where the track ends; it never ends before its last event.
  void EndAt(std::uint32_t tick) { end_ = tick; }

  // The MTrk chunk, events in time order; at the same tick note-offs come
  // first, so a note repeated at once is not cut short.
  std::vector<std::uint8_t> Encode() const;

 private:
  struct Event {
    std::uint32_t tick;
    int order;  // sorts events of one tick
    std::vector<std::uint8_t> bytes;
  };
  void Add(std::uint32_t tick, int order, std::vector<std::uint8_t> bytes);

  std::vector<Event> events_;
  std::uint32_t end_ = 0;
};

std::vector<std::uint8_t> EncodeMidiFile(int ticksPerQuarter, const std::vector<MidiTrack>& tracks);

}  // namespace coilrun::sound
