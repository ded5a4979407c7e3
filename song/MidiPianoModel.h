#pragma once
// The state of the on-screen piano keyboard, without any drawing: which keys sound (a count
// of note-ons not yet ended per key), which keys are marked, and which octaves are shown.
// The widget paints from it and repaints what the change notifications name; the song
// session marks keys through it during the chord search and the chord editing.

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>

class TMidiPianoModel {
 public:
  static constexpr int NoteCount = 128;
  static constexpr int MaxOctaves = 10;  // octaves 0..9 cover notes 0..119

  // A key's marked state actually changed.
  std::function<void(int Ton, bool Mark)> OnMarkKey;
  // The first shown octave actually changed.
  std::function<void(int8_t StartOctave)> OnShiftOctaves;
  // One key must be drawn again (its sounding or marked state changed).
  std::function<void(int note)> OnKeyChanged;
  // The whole keyboard must be drawn again (the shown octaves changed).
  std::function<void()> OnRepaint;

  // Note-ons mark keys and note-offs unmark them instead of changing the sounding counts.
  bool MarkMode = false;

  // Raw channel message; the channel is ignored.
  void HandleMidiMessage(uint8_t status, uint8_t data1, uint8_t data2);

  int8_t KeyLevel(int note) const;
  void SetKeyLevel(int note, int level);
  bool IsSounding(int note) const { return KeyLevel(note) > 0; }
  void ReleaseAllKeys();
  // A key played by hand (a MIDI keyboard) starts or stops sounding, beside whatever plays it
  // too; in mark mode as well, and never below silent.
  void SoundByHand(int note, bool on) { SetKeyLevel(note, on ? std::max<int>(KeyLevel(note), 0) + 1 : std::max<int>(KeyLevel(note) - 1, 0)); }

  bool IsMarked(int note) const;
  void SetMarked(int note, bool mark);
  // Unmarks every marked key in ascending order, one notification each.
  void ClearMarks();
  int MarkedCount() const;

  int8_t StartOctave() const { return startOctave_; }
  int8_t OctaveCount() const { return octaveCount_; }
  int FirstShownNote() const { return startOctave_ * 12; }
  int ShownKeyCount() const { return octaveCount_ * 12; }

  // With a negative octave moves the first octave by delta, else sets it; kept within
  // 0..10 - OctaveCount. Returns whether it changed.
  bool ShiftOctaves(int octave, int delta);
  // The number of shown octaves, kept within 1..10 so the keyboard always has a geometry.
  void SetOctaveCount(int count);

 private:
  static bool Valid(int note) { return note >= 0 && note < NoteCount; }
  void KeyChanged(int note) {
    if (OnKeyChanged) OnKeyChanged(note);
  }

  std::array<int8_t, NoteCount> keyLevel_{};
  std::array<bool, NoteCount> keyMarked_{};
  int8_t startOctave_ = 4;
  int8_t octaveCount_ = 4;
};
