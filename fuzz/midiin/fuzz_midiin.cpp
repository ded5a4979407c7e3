// Arbitrary bytes as what a MIDI keyboard sends: each message is a length byte (its low two
// bits, 0..3) and that many bytes, as a backend hands them over. What passes the filter goes
// into the keyboard state, whose reports must stay consistent: a note's starts and stops
// alternate, the sounding notes are exactly those last told as started, every chord is
// ascending, sounds in full and holds the key just struck, and a reset ends everything.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "midi/LiveKeyboard.h"
#include "midi/MidiInService.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TLiveKeyboard keys;
  std::array<bool, TLiveKeyboard::NoteCount> told{};
  int struck = -1;
  keys.OnSounding = [&](int note, bool on) {
    if (note < 0 || note >= TLiveKeyboard::NoteCount || told[static_cast<size_t>(note)] == on) std::abort();
    told[static_cast<size_t>(note)] = on;
  };
  keys.OnChord = [&](const std::vector<int>& notes) {
    if (!std::is_sorted(notes.begin(), notes.end()) || std::adjacent_find(notes.begin(), notes.end()) != notes.end())
      std::abort();
    if (std::find(notes.begin(), notes.end(), struck) == notes.end()) std::abort();
    for (int n : notes)
      if (!told[static_cast<size_t>(n)]) std::abort();
  };

  for (size_t at = 0; at < size;) {
    const size_t length = std::min<size_t>(data[at] & 3, size - at - 1);
    const uint8_t* message = data + at + 1;
    at += 1 + length;
    const auto m = MidiInMessageFrom(message, length, at);
    if (!m) continue;
    if (m->Size < 1 || m->Size > 3 || m->Size > length || !IsMidiChannelMessage(m->Bytes[0])) std::abort();
    for (int i = 1; i < m->Size; ++i)
      if (m->Bytes[i] & 0x80) std::abort();
    struck = m->Bytes[1];
    keys.Handle(m->Bytes[0], m->Bytes[1], m->Bytes[2]);
    for (int n = 0; n < TLiveKeyboard::NoteCount; ++n)
      if (keys.Sounding(n) != told[static_cast<size_t>(n)]) std::abort();
  }
  keys.Reset();
  if (!keys.SoundingNotes().empty()) std::abort();
  for (bool on : told)
    if (on) std::abort();
  return 0;
}
