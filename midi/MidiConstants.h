#pragma once
// Named values of the MIDI bytes the program looks at: the kinds of status byte, the system
// status bytes, the meta event types, the controllers the program sends, and the percussion
// channel; with the small helpers that take a status byte apart. Plain constants, so that
// every layer (the reader, the output, the song, the exporters) can use them.

#include <cstdint>

namespace MidiStatus {
inline constexpr uint8_t NoteOff = 0x80;
inline constexpr uint8_t NoteOn = 0x90;
inline constexpr uint8_t PolyPressure = 0xA0;
inline constexpr uint8_t ControlChange = 0xB0;
inline constexpr uint8_t ProgramChange = 0xC0;
inline constexpr uint8_t ChannelPressure = 0xD0;
inline constexpr uint8_t PitchBend = 0xE0;
inline constexpr uint8_t SysEx = 0xF0;
inline constexpr uint8_t TimeCodeQuarter = 0xF1;
inline constexpr uint8_t SongPosition = 0xF2;
inline constexpr uint8_t SongSelect = 0xF3;
inline constexpr uint8_t SysExContinued = 0xF7;  // the end of a block; in a file an escaped one
inline constexpr uint8_t Meta = 0xFF;            // in a file; on the wire the same byte is a reset
inline constexpr uint8_t SystemReset = 0xFF;
// A channel message's kind (high nibble) and channel (low nibble).
inline constexpr uint8_t KindMask = 0xF0;
inline constexpr uint8_t ChannelMask = 0x0F;
// Set in status bytes, clear in data bytes.
inline constexpr uint8_t StatusBit = 0x80;
}  // namespace MidiStatus

namespace MidiMeta {
inline constexpr uint8_t SequenceNumber = 0x00;
inline constexpr uint8_t Text = 0x01;
inline constexpr uint8_t Copyright = 0x02;
inline constexpr uint8_t TrackName = 0x03;
inline constexpr uint8_t Instrument = 0x04;
inline constexpr uint8_t Lyric = 0x05;
inline constexpr uint8_t Marker = 0x06;
inline constexpr uint8_t CuePoint = 0x07;
inline constexpr uint8_t ChannelPrefix = 0x20;
inline constexpr uint8_t EndOfTrack = 0x2F;
inline constexpr uint8_t Tempo = 0x51;
inline constexpr uint8_t SmpteOffset = 0x54;
inline constexpr uint8_t TimeSignature = 0x58;
inline constexpr uint8_t KeySignature = 0x59;
inline constexpr uint8_t SequencerSpecific = 0x7F;
}  // namespace MidiMeta

namespace MidiController {
inline constexpr uint8_t Sustain = 64;
inline constexpr uint8_t AllSoundOff = 120;
inline constexpr uint8_t ResetAllControllers = 121;
inline constexpr uint8_t AllNotesOff = 123;
}  // namespace MidiController

// Channel 10 of General MIDI (9 counted from 0) plays drums, which have no pitch.
inline constexpr int MidiPercussionChannel = 9;
inline constexpr int MidiChannelCount = 16;

constexpr uint8_t MidiKind(uint8_t status) { return status & MidiStatus::KindMask; }
constexpr uint8_t MidiChannel(uint8_t status) { return status & MidiStatus::ChannelMask; }
constexpr bool IsMidiChannelMessage(uint8_t status) {
  return status >= MidiStatus::StatusBit && status < MidiStatus::SysEx;
}
// Note-off, note-on and polyphonic pressure: the messages whose first data byte is a key.
constexpr bool IsMidiKeyMessage(uint8_t status) {
  const uint8_t kind = MidiKind(status);
  return IsMidiChannelMessage(status) &&
         (kind == MidiStatus::NoteOff || kind == MidiStatus::NoteOn || kind == MidiStatus::PolyPressure);
}
constexpr uint8_t MidiStatusOf(uint8_t kind, int channel) {
  return static_cast<uint8_t>(kind | (channel & MidiStatus::ChannelMask));
}
