#include "midi/LiveKeyboard.h"

void TLiveKeyboard::Handle(uint8_t status, uint8_t data1, uint8_t data2) {
  if (!IsMidiChannelMessage(status) || data1 >= NoteCount) return;
  const int channel = MidiChannel(status);
  switch (MidiKind(status)) {
    case MidiStatus::NoteOn:
      if (data2 > 0) {
        Start(channel, data1);
        break;
      }
      [[fallthrough]];
    case MidiStatus::NoteOff:
      Stop(channel, data1);
      break;
    case MidiStatus::ControlChange:
      if (data1 == MidiController::Sustain) {
        if (data2 >= 64)
          pedal_.set(static_cast<size_t>(channel));
        else
          Lift(channel);
      } else if (data1 == MidiController::AllSoundOff || data1 == MidiController::AllNotesOff) {
        EndChannel(channel);
      } else if (data1 == MidiController::ResetAllControllers) {
        Lift(channel);
      }
      break;
    default:
      break;
  }
}

void TLiveKeyboard::Start(int channel, int note) {
  auto& down = down_[static_cast<size_t>(channel)];
  auto& held = held_[static_cast<size_t>(channel)];
  const auto n = static_cast<size_t>(note);
  // A key struck again while the pedal still holds it keeps sounding: one note, not two.
  const bool wasSounding = down.test(n) || held.test(n);
  down.set(n);
  held.reset(n);
  if (!wasSounding) Count(note, +1);
  if (OnChord) OnChord(SoundingNotes());
}

void TLiveKeyboard::Stop(int channel, int note) {
  auto& down = down_[static_cast<size_t>(channel)];
  const auto n = static_cast<size_t>(note);
  if (!down.test(n)) return;
  down.reset(n);
  if (pedal_.test(static_cast<size_t>(channel)))
    held_[static_cast<size_t>(channel)].set(n);
  else
    Count(note, -1);
}

void TLiveKeyboard::Lift(int channel) {
  pedal_.reset(static_cast<size_t>(channel));
  auto& held = held_[static_cast<size_t>(channel)];
  for (int note = 0; note < NoteCount && held.any(); ++note)
    if (held.test(static_cast<size_t>(note))) {
      held.reset(static_cast<size_t>(note));
      Count(note, -1);
    }
}

void TLiveKeyboard::EndChannel(int channel) {
  auto& down = down_[static_cast<size_t>(channel)];
  auto& held = held_[static_cast<size_t>(channel)];
  for (int note = 0; note < NoteCount; ++note) {
    const auto n = static_cast<size_t>(note);
    if (down.test(n) || held.test(n)) Count(note, -1);
  }
  down.reset();
  held.reset();
}

void TLiveKeyboard::Reset() {
  for (int channel = 0; channel < MidiChannelCount; ++channel) EndChannel(channel);
  pedal_.reset();
}

void TLiveKeyboard::Count(int note, int delta) {
  auto& count = sounding_[static_cast<size_t>(note)];
  const bool before = count > 0;
  count = static_cast<uint8_t>(count + delta);
  const bool after = count > 0;
  if (before != after && OnSounding) OnSounding(note, after);
}

std::vector<int> TLiveKeyboard::SoundingNotes() const {
  std::vector<int> notes;
  for (int note = 0; note < NoteCount; ++note)
    if (sounding_[static_cast<size_t>(note)] > 0) notes.push_back(note);
  return notes;
}
