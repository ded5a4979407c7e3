// The learned model over the song's own events: read straight from the tracks, so the search
// neither replays the song nor touches the playback state.
#include "song/ChordModelSearch.h"

#include <algorithm>
#include <deque>
#include <map>

#include "chords/ChordModelDecode.h"
#include "midi/MidiConstants.h"

std::vector<TSoundingNote> SongSoundingNotes(const TMidiFile& midi) {
  std::vector<TSoundingNote> notes;
  const int32_t songEnd = std::max(0, midi.SongLength());
  for (int32_t t = 0; t < midi.NumberOfTracks(); ++t) {
    const TMidiTrack& track = midi.TrackAt(t);
    if (track.Muted()) continue;
    std::map<int, std::deque<int32_t>> open;  // channel x 128 + key -> start ticks
    for (const TMidiEventEx& e : track.Events()) {
      if (e.Status < MidiStatus::StatusBit || e.Status >= MidiStatus::SysEx) continue;
      const int kind = e.Status & MidiStatus::KindMask;
      const int channel = e.Status & MidiStatus::ChannelMask;
      if ((kind != MidiStatus::NoteOn && kind != MidiStatus::NoteOff) || channel == MidiPercussionChannel ||
          e.Data1 > 127)
        continue;
      const int key = channel * 128 + e.Data1;
      if (kind == MidiStatus::NoteOn && e.Data2 > 0) {
        open[key].push_back(e.Time);
      } else if (auto it = open.find(key); it != open.end() && !it->second.empty()) {
        notes.push_back({it->second.front(), e.Time, e.Data1});
        it->second.pop_front();
      }
    }
    for (const auto& [key, starts] : open)
      for (int32_t s : starts) notes.push_back({s, std::max(s, songEnd), key % 128});
  }
  return notes;
}

void ApplyChordModel(const TChordModel& model, const TMidiFile& midi, int32_t beatLength, TBeats& beats) {
  const std::vector<TModelBeat> decoded =
      ChordModelBeats(model, ChordModelFeatures(SongSoundingNotes(midi), beatLength, beats.size()));
  for (size_t b = 0; b < beats.size(); ++b) {
    TVariants& v = beats[b];
    v.chords.clear();
    v.chosen = 0;
    for (int32_t cls : RankedClasses(decoded[b], ModelVariantLimit, ModelVariantMinProbability)) {
      const TChord& chord = ChordModelClassChord(cls);
      if (std::find(v.chords.begin(), v.chords.end(), chord) == v.chords.end()) v.chords.push_back(chord);
    }
  }
}
