// The learned model over the song's own events: a read-only walk of the const song, so the
// search touches no playback state.
#include "song/ChordModelSearch.h"

#include <algorithm>

#include "chords/ChordModelDecode.h"
#include "midi/EventWalk.h"
#include "midi/MidiConstants.h"

TSoundingNoteCollector::TSoundingNoteCollector(const TMidiSong& song)
    : songEnd_(std::max(0, song.SongLength())), block_(static_cast<size_t>(std::max(0, song.NumberOfTracks())) * 16, -1) {
  size_t events = 0;
  for (int32_t t = 0; t < song.NumberOfTracks(); ++t) events += static_cast<size_t>(song.TrackAt(t).EventCount());
  notes_.reserve(events / 2);
  nextOpen_.reserve(events / 2);
}

void TSoundingNoteCollector::AddBlock(size_t b) {
  if (b >= block_.size()) block_.resize(b + 1, -1);
  block_[b] = static_cast<int32_t>(queues_.size());
  queues_.resize(queues_.size() + 128);
}

void TSoundingNoteCollector::Event(const TMidiEventEx& e, int32_t trackNo) {
  if (e.Status < MidiStatus::StatusBit || e.Status >= MidiStatus::SysEx) return;
  const int kind = e.Status & MidiStatus::KindMask;
  const int channel = e.Status & MidiStatus::ChannelMask;
  if ((kind != MidiStatus::NoteOn && kind != MidiStatus::NoteOff) || channel == MidiPercussionChannel || e.Data1 > 127)
    return;
  if (kind == MidiStatus::NoteOn && e.Data2 > 0)
    Start(trackNo, channel, e.Data1, e.Time);
  else
    Release(trackNo, channel, e.Data1, e.Time);
}

std::vector<TSoundingNote> TSoundingNoteCollector::Finish() {
  for (TQueue& queue : queues_) {
    for (int32_t note = queue.First; note >= 0; note = nextOpen_[static_cast<size_t>(note)]) {
      TSoundingNote& n = notes_[static_cast<size_t>(note)];
      n.End = std::max(n.Start, songEnd_);
    }
    queue = {};
  }
  return std::move(notes_);
}

std::vector<TSoundingNote> SongSoundingNotes(const TMidiSong& song) {
  TSoundingNoteCollector notes(song);
  TEventWalk walk(song);
  walk.ToEnd([&](const TMidiEventEx& e, int32_t trackNo) { notes.Event(e, trackNo); });
  return notes.Finish();
}

void ApplyChordModel(const TChordModel& model, std::vector<TSoundingNote> notes, int32_t beatLength, TBeats& beats) {
  TChordFeatureSweep features(std::move(notes), beatLength, beats.size());
  const TModelChords decoded = ChordModelChords(model, features, ModelVariantLimit, ModelVariantMinProbability);
  for (size_t b = 0; b < beats.size(); ++b) {
    TVariants& v = beats[b];
    v.chords.clear();
    v.chosen = 0;
    for (uint32_t i = decoded.FirstVariant[b]; i < decoded.FirstVariant[b + 1]; ++i) {
      const TChord& chord = ChordModelClassChord(decoded.Variants[i]);
      if (std::find(v.chords.begin(), v.chords.end(), chord) == v.chords.end()) v.chords.push_back(chord);
    }
  }
}
