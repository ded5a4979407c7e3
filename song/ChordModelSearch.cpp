// The learned model over the song's own events: read straight from the tracks, so the search
// neither replays the song nor touches the playback state.
#include "song/ChordModelSearch.h"

#include <algorithm>

#include "chords/ChordModelDecode.h"
#include "midi/MidiConstants.h"

std::vector<TSoundingNote> SongSoundingNotes(const TMidiFile& midi) {
  constexpr size_t kKeys = 16 * 128;
  std::vector<TSoundingNote> notes;
  size_t events = 0;
  for (int32_t t = 0; t < midi.NumberOfTracks(); ++t) events += static_cast<size_t>(midi.TrackAt(t).EventCount());
  notes.reserve(events / 2);
  const int32_t songEnd = std::max(0, midi.SongLength());
  // The start ticks of the notes sounding on each channel and key, oldest first from head.
  std::vector<std::vector<int32_t>> open(kKeys);
  std::vector<size_t> head(kKeys, 0);
  std::vector<size_t> touched;
  for (int32_t t = 0; t < midi.NumberOfTracks(); ++t) {
    const TMidiTrack& track = midi.TrackAt(t);
    if (track.Muted()) continue;
    for (const TMidiEventEx& e : track.Events()) {
      if (e.Status < MidiStatus::StatusBit || e.Status >= MidiStatus::SysEx) continue;
      const int kind = e.Status & MidiStatus::KindMask;
      const int channel = e.Status & MidiStatus::ChannelMask;
      if ((kind != MidiStatus::NoteOn && kind != MidiStatus::NoteOff) || channel == MidiPercussionChannel ||
          e.Data1 > 127)
        continue;
      const size_t key = static_cast<size_t>(channel * 128 + e.Data1);
      std::vector<int32_t>& starts = open[key];
      if (kind == MidiStatus::NoteOn && e.Data2 > 0) {
        if (starts.empty()) touched.push_back(key);
        starts.push_back(e.Time);
      } else if (head[key] < starts.size()) {
        notes.push_back({starts[head[key]++], e.Time, e.Data1});
        if (head[key] == starts.size()) {
          starts.clear();
          head[key] = 0;
        }
      }
    }
    // Notes never released sound to the end of the song; the next track starts afresh.
    for (size_t key : touched) {
      for (size_t i = head[key]; i < open[key].size(); ++i)
        notes.push_back({open[key][i], std::max(open[key][i], songEnd), static_cast<int>(key % 128)});
      open[key].clear();
      head[key] = 0;
    }
    touched.clear();
  }
  return notes;
}

void ApplyChordModel(const TChordModel& model, const TMidiFile& midi, int32_t beatLength, TBeats& beats) {
  const TModelBeats decoded = ChordModelBeats(model, ChordModelFeatures(SongSoundingNotes(midi), beatLength, beats.size()));
  for (size_t b = 0; b < beats.size(); ++b) {
    TVariants& v = beats[b];
    v.chords.clear();
    v.chosen = 0;
    for (int32_t cls : RankedClasses(decoded.LogProbabilities[b], decoded.Classes[b], ModelVariantLimit, ModelVariantMinProbability)) {
      const TChord& chord = ChordModelClassChord(cls);
      if (std::find(v.chords.begin(), v.chords.end(), chord) == v.chords.end()) v.chords.push_back(chord);
    }
  }
}
