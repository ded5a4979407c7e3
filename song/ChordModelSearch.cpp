// The learned model over the song's own events: a read-only walk of the const song, so the
// search touches no playback state.
#include "song/ChordModelSearch.h"

#include <algorithm>

#include "chords/ChordModelDecode.h"
#include "midi/EventWalk.h"
#include "midi/MidiConstants.h"

std::vector<TSoundingNote> SongSoundingNotes(const TMidiSong& song) {
  constexpr size_t kKeys = 16 * 128;
  std::vector<TSoundingNote> notes;
  size_t events = 0;
  for (int32_t t = 0; t < song.NumberOfTracks(); ++t) events += static_cast<size_t>(song.TrackAt(t).EventCount());
  notes.reserve(events / 2);
  const int32_t songEnd = std::max(0, song.SongLength());
  // The start ticks of the notes sounding on each channel and key, oldest first from head.
  // Tracks are walked one after another; a note is paired within its own track.
  std::vector<std::vector<int32_t>> open(kKeys);
  std::vector<size_t> head(kKeys, 0);
  std::vector<size_t> touched;
  int32_t track = -1;
  // Notes never released sound to the end of the song; the next track starts afresh.
  auto closeTrack = [&] {
    for (size_t key : touched) {
      for (size_t i = head[key]; i < open[key].size(); ++i)
        notes.push_back({open[key][i], std::max(open[key][i], songEnd), static_cast<int>(key % 128)});
      open[key].clear();
      head[key] = 0;
    }
    touched.clear();
  };
  TEventWalk walk(song);
  walk.ToEnd([&](const TMidiEventEx& e, int32_t trackNo) {
    if (trackNo != track) {
      closeTrack();
      track = trackNo;
    }
    if (e.Status < MidiStatus::StatusBit || e.Status >= MidiStatus::SysEx) return;
    const int kind = e.Status & MidiStatus::KindMask;
    const int channel = e.Status & MidiStatus::ChannelMask;
    if ((kind != MidiStatus::NoteOn && kind != MidiStatus::NoteOff) || channel == MidiPercussionChannel || e.Data1 > 127)
      return;
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
  });
  closeTrack();
  return notes;
}

void ApplyChordModel(const TChordModel& model, const TMidiSong& song, int32_t beatLength, TBeats& beats) {
  const TModelBeats decoded = ChordModelBeats(model, ChordModelFeatures(SongSoundingNotes(song), beatLength, beats.size()));
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
