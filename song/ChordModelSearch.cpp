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
}

TSoundingNoteCollector::TQueue& TSoundingNoteCollector::QueueOf(int32_t trackNo, int channel, int key) {
  const size_t b = static_cast<size_t>(trackNo) * 16 + static_cast<size_t>(channel);
  if (b >= block_.size()) block_.resize(b + 1, -1);
  if (block_[b] < 0) {
    block_[b] = static_cast<int32_t>(queues_.size());
    queues_.resize(queues_.size() + 128);
  }
  return queues_[static_cast<size_t>(block_[b]) + static_cast<size_t>(key)];
}

void TSoundingNoteCollector::Event(const TMidiEventEx& e, int32_t trackNo) {
  if (e.Status < MidiStatus::StatusBit || e.Status >= MidiStatus::SysEx || trackNo < 0) return;
  const int kind = e.Status & MidiStatus::KindMask;
  const int channel = e.Status & MidiStatus::ChannelMask;
  if ((kind != MidiStatus::NoteOn && kind != MidiStatus::NoteOff) || channel == MidiPercussionChannel || e.Data1 > 127)
    return;
  TQueue& queue = QueueOf(trackNo, channel, e.Data1);
  if (kind == MidiStatus::NoteOn && e.Data2 > 0) {
    // The note is listed when it starts (so a walk in time lists the notes in the order they
    // start) and gets its end when it is released.
    const int32_t note = static_cast<int32_t>(notes_.size());
    notes_.push_back({e.Time, e.Time, e.Data1});
    int32_t node = free_;
    if (node >= 0) {
      free_ = nodes_[static_cast<size_t>(node)].Next;
      nodes_[static_cast<size_t>(node)] = {note, -1};
    } else {
      node = static_cast<int32_t>(nodes_.size());
      nodes_.push_back({note, -1});
    }
    if (queue.Last >= 0)
      nodes_[static_cast<size_t>(queue.Last)].Next = node;
    else
      queue.First = node;
    queue.Last = node;
  } else if (queue.First >= 0) {
    const int32_t node = queue.First;
    TNode& n = nodes_[static_cast<size_t>(node)];
    notes_[static_cast<size_t>(n.Note)].End = e.Time;
    queue.First = n.Next;
    if (queue.First < 0) queue.Last = -1;
    n.Next = free_;
    free_ = node;
  }
}

std::vector<TSoundingNote> TSoundingNoteCollector::Finish() {
  for (size_t b = 0; b < block_.size(); ++b) {
    if (block_[b] < 0) continue;
    for (int key = 0; key < 128; ++key) {
      TQueue& queue = queues_[static_cast<size_t>(block_[b]) + static_cast<size_t>(key)];
      for (int32_t node = queue.First; node >= 0; node = nodes_[static_cast<size_t>(node)].Next) {
        TSoundingNote& n = notes_[static_cast<size_t>(nodes_[static_cast<size_t>(node)].Note)];
        n.End = std::max(n.Start, songEnd_);
      }
      queue = {};
    }
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
