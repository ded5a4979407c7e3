#pragma once
// Names for the numbers of the MIDI wire format and of standard MIDI files: the kinds of
// channel messages (the high nibble of a status byte), the system status bytes, the meta
// event types, the controllers the program sends, and the General MIDI percussion channel.
// Plain constants so that every layer (the reader, the output, the song, the exporters) can
// use them without depending on anything.

#include <cstdint>

namespace midi {

// ---- status bytes
// The high nibble of a channel message's status byte.
inline constexpr uint8_t kNoteOff = 0x80;
inline constexpr uint8_t kNoteOn = 0x90;
inline constexpr uint8_t kPolyPressure = 0xA0;
inline constexpr uint8_t kControlChange = 0xB0;
inline constexpr uint8_t kProgramChange = 0xC0;
inline constexpr uint8_t kChannelPressure = 0xD0;
inline constexpr uint8_t kPitchBend = 0xE0;

inline constexpr uint8_t kStatusBit = 0x80;    // set in status bytes, clear in data bytes
inline constexpr uint8_t kKindMask = 0xF0;     // the kind of a channel message
inline constexpr uint8_t kChannelMask = 0x0F;  // its channel
inline constexpr int kChannelCount = 16;

// System messages and the markers of standard MIDI files.
inline constexpr uint8_t kSysEx = 0xF0;         // start of a system-exclusive block
inline constexpr uint8_t kTimeCodeQuarter = 0xF1;
inline constexpr uint8_t kSongPosition = 0xF2;
inline constexpr uint8_t kSongSelect = 0xF3;
inline constexpr uint8_t kSysExEnd = 0xF7;      // its end; in a file also an escaped block
inline constexpr uint8_t kMeta = 0xFF;          // in a file: a meta event (on the wire: reset)
inline constexpr uint8_t kSystemReset = 0xFF;

// ---- meta event types (the byte after kMeta)
inline constexpr uint8_t kMetaSequenceNumber = 0x00;
inline constexpr uint8_t kMetaText = 0x01;
inline constexpr uint8_t kMetaCopyright = 0x02;
inline constexpr uint8_t kMetaTrackName = 0x03;
inline constexpr uint8_t kMetaInstrumentName = 0x04;
inline constexpr uint8_t kMetaLyric = 0x05;
inline constexpr uint8_t kMetaMarker = 0x06;
inline constexpr uint8_t kMetaCuePoint = 0x07;
inline constexpr uint8_t kMetaChannelPrefix = 0x20;
inline constexpr uint8_t kMetaEndOfTrack = 0x2F;
inline constexpr uint8_t kMetaTempo = 0x51;
inline constexpr uint8_t kMetaSmpteOffset = 0x54;
inline constexpr uint8_t kMetaTimeSignature = 0x58;
inline constexpr uint8_t kMetaKeySignature = 0x59;
inline constexpr uint8_t kMetaSequencerSpecific = 0x7F;

// ---- controllers
inline constexpr uint8_t kCtrlSustain = 64;
inline constexpr uint8_t kCtrlAllSoundOff = 120;
inline constexpr uint8_t kCtrlResetAllControllers = 121;
inline constexpr uint8_t kCtrlAllNotesOff = 123;

// ---- channels (numbered from 0)
// General MIDI plays drums on the tenth channel: its notes are instruments, not pitches.
inline constexpr uint8_t kPercussionChannel = 9;

constexpr uint8_t Kind(uint8_t status) { return status & kKindMask; }
constexpr uint8_t Channel(uint8_t status) { return status & kChannelMask; }
constexpr bool IsChannelMessage(uint8_t status) { return status >= kStatusBit && status < kSysEx; }
constexpr bool IsPercussion(uint8_t status) {
  return IsChannelMessage(status) && Channel(status) == kPercussionChannel;
}
// Note-off, note-on and polyphonic pressure: the messages whose first data byte is a key.
constexpr bool IsKeyMessage(uint8_t status) {
  const uint8_t kind = Kind(status);
  return IsChannelMessage(status) && (kind == kNoteOff || kind == kNoteOn || kind == kPolyPressure);
}
constexpr uint8_t StatusOf(uint8_t kind, int channel) {
  return static_cast<uint8_t>(kind | (channel & kChannelMask));
}

}  // namespace midi
