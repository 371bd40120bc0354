#include "tools/midi_file.h"

#include <algorithm>
#include <tuple>

namespace coilrun::sound {

namespace {

// Meta events and settings first, then note-offs, then note-ons.
constexpr int kMetaOrder = 0;
constexpr int kNoteOffOrder = 1;
constexpr int kNoteOnOrder = 2;

std::uint8_t DataByte(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 127)); }
std::uint8_t Status(int kind, int channel) { return static_cast<std::uint8_t>(kind | (channel & 0x0F)); }

void PutVariableLength(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
  std::uint8_t groups[5];
  int count = 0;
  do {
    groups[count++] = value & 0x7F;
    value >>= 7;
  } while (value != 0);
  while (count > 1) bytes.push_back(groups[--count] | 0x80);
  bytes.push_back(groups[0]);
}

void PutBigEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size) {
  for (int i = size - 1; i >= 0; --i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

void MidiTrack::Add(std::uint32_t tick, int order, std::vector<std::uint8_t> bytes) {
  events_.push_back({tick, order, std::move(bytes)});
}

void MidiTrack::NoteOn(std::uint32_t tick, int channel, int note, int velocity) {
  Add(tick, kNoteOnOrder, {Status(0x90, channel), DataByte(note), DataByte(velocity)});
}

void MidiTrack::NoteOff(std::uint32_t tick, int channel, int note) {
  Add(tick, kNoteOffOrder, {Status(0x80, channel), DataByte(note), 0});
}

void MidiTrack::Note(std::uint32_t tick, std::uint32_t length, int channel, int note, int velocity) {
  NoteOn(tick, channel, note, velocity);
  NoteOff(tick + length, channel, note);
}

void MidiTrack::ProgramChange(std::uint32_t tick, int channel, int program) {
  Add(tick, kMetaOrder, {Status(0xC0, channel), DataByte(program)});
}

void MidiTrack::ControlChange(std::uint32_t tick, int channel, int controller, int value) {
  Add(tick, kMetaOrder, {Status(0xB0, channel), DataByte(controller), DataByte(value)});
}

void MidiTrack::Tempo(std::uint32_t tick, std::uint32_t microsecondsPerQuarter) {
  std::vector<std::uint8_t> bytes = {0xFF, 0x51, 0x03};
  PutBigEndian(bytes, microsecondsPerQuarter, 3);
  Add(tick, kMetaOrder, std::move(bytes));
}

void MidiTrack::TimeSignature(std::uint32_t tick, int numerator, int denominatorPower) {
  Add(tick, kMetaOrder, {0xFF, 0x58, 0x04, DataByte(numerator), DataByte(denominatorPower), 24, 8});
}

void MidiTrack::Name(const std::string& name) {
  std::vector<std::uint8_t> bytes = {0xFF, 0x03};
  PutVariableLength(bytes, static_cast<std::uint32_t>(name.size()));
  bytes.insert(bytes.end(), name.begin(), name.end());
  Add(0, kMetaOrder, std::move(bytes));
}

std::vector<std::uint8_t> MidiTrack::Encode() const {
  std::vector<Event> events = events_;
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return std::tie(a.tick, a.order) < std::tie(b.tick, b.order);
  });
  std::vector<std::uint8_t> body;
  std::uint32_t now = 0;
  for (const Event& event : events) {
    PutVariableLength(body, event.tick - now);
    body.insert(body.end(), event.bytes.begin(), event.bytes.end());
    now = event.tick;
  }
  PutVariableLength(body, std::max(end_, now) - now);
  body.insert(body.end(), {0xFF, 0x2F, 0x00});

  std::vector<std::uint8_t> chunk = {'M', 'T', 'r', 'k'};
  PutBigEndian(chunk, static_cast<std::uint32_t>(body.size()), 4);
  chunk.insert(chunk.end(), body.begin(), body.end());
  return chunk;
}

std::vector<std::uint8_t> EncodeMidiFile(int ticksPerQuarter, const std::vector<MidiTrack>& tracks) {
  std::vector<std::uint8_t> bytes = {'M', 'T', 'h', 'd'};
  PutBigEndian(bytes, 6, 4);
  PutBigEndian(bytes, 1, 2);  // format 1: tracks played together
  PutBigEndian(bytes, static_cast<std::uint32_t>(tracks.size()), 2);
  PutBigEndian(bytes, static_cast<std::uint32_t>(ticksPerQuarter), 2);
  for (const MidiTrack& track : tracks) {
    const auto chunk = track.Encode();
    bytes.insert(bytes.end(), chunk.begin(), chunk.end());
  }
  return bytes;
}

}  // namespace coilrun::sound
