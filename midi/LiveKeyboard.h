#pragma once
// What a MIDI keyboard being played holds: the keys down on each channel, the keys the
// sustain pedal (controller 64) keeps sounding after they were let go, and the chord of the
// keys played together.
//
// A note sounds while its key is down or the pedal of its channel holds it. Every change of a
// note's sounding state (over all channels) is told once, for the piano. Every key pressed
// tells the chord: all notes sounding at that moment, ascending. Letting keys go never
// changes the chord, so the chord last held stays until the next key press, and a key pressed
// when nothing sounds any more starts a new one.

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <vector>

#include "midi/MidiConstants.h"

class TLiveKeyboard {
 public:
  static constexpr int NoteCount = 128;

  // A note started (true) or stopped (false) sounding.
  std::function<void(int note, bool sounding)> OnSounding;
  // A key was pressed: the notes sounding now, ascending.
  std::function<void(const std::vector<int>& notes)> OnChord;

  // One channel message (note-off, note-on, controller; the rest is ignored). A note-on with
  // velocity 0 is a note-off. All Sound Off and All Notes Off end the channel's notes, Reset
  // All Controllers lifts its pedal.
  void Handle(uint8_t status, uint8_t data1, uint8_t data2);
  // Everything ends: every sounding note is told as stopped, the pedals are up. The chord
  // is forgotten (the next press starts a new one).
  void Reset();

  bool Sounding(int note) const { return note >= 0 && note < NoteCount && sounding_[static_cast<size_t>(note)] > 0; }
  std::vector<int> SoundingNotes() const;
  bool PedalDown(int channel) const { return pedal_.test(static_cast<size_t>(channel & 15)); }

 private:
  void Start(int channel, int note);
  void Stop(int channel, int note);
  void Lift(int channel);
  void EndChannel(int channel);
  void Count(int note, int delta);

  // Per channel and note: the key is down / the pedal holds it.
  std::array<std::bitset<NoteCount>, MidiChannelCount> down_{};
  std::array<std::bitset<NoteCount>, MidiChannelCount> held_{};
  std::bitset<MidiChannelCount> pedal_{};
  // Per note: on how many channels it sounds.
  std::array<uint8_t, NoteCount> sounding_{};
};
