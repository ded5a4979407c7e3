#include "song/MidiPianoModel.h"
#include "midi/MidiConstants.h"

#include <algorithm>
#include <cstring>
#include <limits>

void TMidiPianoModel::HandleMidiMessage(uint8_t status, uint8_t data1, uint8_t data2) {
  switch (status & MidiStatus::KindMask) {
    case MidiStatus::ControlChange:
      // "All notes off" and the controllers above it end every sounding key.
      if (data1 >= 123) ReleaseAllKeys();
      break;
    case MidiStatus::NoteOn:
      if (data2 > 0) {
        if (data1 >= NoteCount) return;
        if (MarkMode)
          SetMarked(data1, true);
        else
          SetKeyLevel(data1, keyLevel_[data1] + 1);
        break;
      }
      [[fallthrough]];  // a note-on with velocity 0 ends the note
    case MidiStatus::NoteOff:
      if (data1 >= NoteCount) return;
      if (MarkMode)
        SetMarked(data1, false);
      else
        SetKeyLevel(data1, keyLevel_[data1] - 1);
      break;
    default:
      break;
  }
}

int8_t TMidiPianoModel::KeyLevel(int note) const { return Valid(note) ? keyLevel_[note] : 0; }

void TMidiPianoModel::SetKeyLevel(int note, int level) {
  if (!Valid(note)) return;
  // The count saturates instead of wrapping, so a long run of unmatched messages cannot
  // flip a silent key into a sounding one.
  level = std::clamp(level, int(std::numeric_limits<int8_t>::min()),
                     int(std::numeric_limits<int8_t>::max()));
  bool wasSounding = keyLevel_[note] > 0;
  keyLevel_[note] = static_cast<int8_t>(level);
  if (wasSounding != (level > 0)) KeyChanged(note);
}

void TMidiPianoModel::ReleaseAllKeys() {
  for (int n = 0; n < NoteCount; ++n) SetKeyLevel(n, 0);
}

bool TMidiPianoModel::IsMarked(int note) const { return Valid(note) && keyMarked_[note]; }

void TMidiPianoModel::SetMarked(int note, bool mark) {
  if (!Valid(note) || keyMarked_[note] == mark) return;
  keyMarked_[note] = mark;
  KeyChanged(note);
  if (OnMarkKey) OnMarkKey(note, mark);
}

void TMidiPianoModel::ClearMarks() {
  // The chord search clears after every beat, and mostly finds nothing marked: a song of
  // many empty beats must not pay a walk over the whole keyboard for each.
  if (std::memchr(keyMarked_.data(), true, keyMarked_.size()) == nullptr) return;
  for (int n = 0; n < NoteCount; ++n) SetMarked(n, false);
}

int TMidiPianoModel::MarkedCount() const {
  return static_cast<int>(std::count(keyMarked_.begin(), keyMarked_.end(), true));
}

bool TMidiPianoModel::ShiftOctaves(int octave, int delta) {
  int next = octave < 0 ? startOctave_ + delta : octave;
  next = std::clamp(next, 0, MaxOctaves - octaveCount_);
  if (next == startOctave_) return false;
  startOctave_ = static_cast<int8_t>(next);
  if (OnRepaint) OnRepaint();
  if (OnShiftOctaves) OnShiftOctaves(startOctave_);
  return true;
}

void TMidiPianoModel::SetOctaveCount(int count) {
  count = std::clamp(count, 1, MaxOctaves);
  if (count == octaveCount_) return;
  octaveCount_ = static_cast<int8_t>(count);
  if (!ShiftOctaves(-1, 0) && OnRepaint) OnRepaint();
}
