#pragma once
// Named values of the MIDI bytes the program looks at: the kinds of status byte, the meta
// event types, and the percussion channel.

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
inline constexpr uint8_t SysExContinued = 0xF7;
inline constexpr uint8_t Meta = 0xFF;
// A channel message's kind (high nibble) and channel (low nibble).
inline constexpr uint8_t KindMask = 0xF0;
inline constexpr uint8_t ChannelMask = 0x0F;
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

// Channel 10 of General MIDI (9 counted from 0) plays drums, which have no pitch.
inline constexpr int MidiPercussionChannel = 9;
