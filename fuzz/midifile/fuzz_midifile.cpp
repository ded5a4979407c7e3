// Reads arbitrary bytes as a MIDI file and walks everything a song scan would touch: the
// song length, the time of every event, and a dispatching seek to the end and back.

#include <cstddef>
#include <cstdint>

#include "midi/MidiFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMidiFile file;
  try {
    file.LoadFromBytes(data, size);
  } catch (const EInOutError&) {
    // A chunk longer than the input; the tracks before it are still there to walk.
  }
  int64_t sum = 0;
  file.SetOnMidiEvent([&](PMidiEventEx ev, int32_t trackNo) {
    sum += ev->Status + ev->Data1 + ev->Data2 + trackNo;
    for (char c : ev->Text()) sum += static_cast<unsigned char>(c);
  });
  const int32_t length = file.SongLength();
  for (int32_t t = 0; t < file.NumberOfTracks(); ++t) {
    TMidiTrack& track = file.TrackAt(t);
    for (const TMidiEventEx& ev : track.Events()) {
      sum += file.TicksToMs(ev.Time);
      sum += file.MsToTicks(file.TicksToMs(ev.Time));
    }
    if (t % 2 == 1) track.SetMuted(true);
  }
  file.Seek(length / 2, true);
  file.Seek(length == INT32_MAX ? length : length + 1, true);
  sum += file.AllTracksDone();
  file.Seek(0, false);
  sum += file.BeatTicks() + file.CurrentBpm() + static_cast<int64_t>(file.FormatTicks(length).size()) +
         static_cast<int64_t>(FormatTime(file.TicksToMs(length)).size());
  return sum == 42 ? 0 : 0;
}
