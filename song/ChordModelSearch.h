#pragma once
// The learned chord model applied to the open song: the notes of its unmuted tracks, the
// features of every beat, the chords of the whole song decoded at once, and every beat's
// variants ranked by the model's probability.

#include <cstdint>
#include <vector>

#include "chords/ChordModel.h"
#include "midi/MidiSong.h"
#include "song/SongTypes.h"

// The notes of a walk over a song (midi/EventWalk.h: the unmuted tracks' notes), the
// percussion channel left out, each paired with its release in its track (the earliest
// note-on of the same key and channel first). The walk may go track after track or beat by
// beat; a note never released sounds to the end of the song. Pitches are as the events hold
// them (transposed).
class TSoundingNoteCollector {
 public:
  explicit TSoundingNoteCollector(const TMidiSong& song);
  void Event(const TMidiEventEx& e, int32_t trackNo);
  // The same for an event known to be a note's start or release (channel 0..15, not the
  // percussion channel, key 0..127).
  void Start(int32_t trackNo, int channel, int key, int32_t time) {
    // The note is listed when it starts (so a walk in time lists the notes in the order they
    // start) and gets its end when it is released.
    TQueue* queue = QueueOf(trackNo, channel, key);
    if (!queue) return;
    const int32_t note = static_cast<int32_t>(notes_.size());
    notes_.push_back({time, time, key});
    nextOpen_.push_back(-1);
    if (queue->Last >= 0)
      nextOpen_[static_cast<size_t>(queue->Last)] = note;
    else
      queue->First = note;
    queue->Last = note;
  }
  void Release(int32_t trackNo, int channel, int key, int32_t time) {
    TQueue* queue = QueueOf(trackNo, channel, key);
    if (!queue || queue->First < 0) return;
    const size_t note = static_cast<size_t>(queue->First);
    notes_[note].End = time;
    queue->First = nextOpen_[note];
    if (queue->First < 0) queue->Last = -1;
  }
  // The notes, once the walk has offered every event.
  std::vector<TSoundingNote> Finish();

 private:
  // The notes of a key of one channel of one track not yet released, oldest first: a chain
  // through nextOpen_.
  struct TQueue {
    int32_t First = -1, Last = -1;
  };
  TQueue* QueueOf(int32_t trackNo, int channel, int key) {
    if (trackNo < 0) return nullptr;
    const size_t b = static_cast<size_t>(trackNo) * 16 + static_cast<size_t>(channel);
    if (b >= block_.size() || block_[b] < 0) AddBlock(b);
    return &queues_[static_cast<size_t>(block_[b]) + static_cast<size_t>(key)];
  }
  void AddBlock(size_t b);

  int32_t songEnd_;
  std::vector<int32_t> block_;   // per track x 16 channels: its first queue in queues_, -1 for none yet
  std::vector<TQueue> queues_;   // 128 per channel of a track that played a note
  std::vector<TSoundingNote> notes_;
  std::vector<int32_t> nextOpen_;  // per note the next of its key not yet released when it was
};

// All notes of the song (a walk of its own).
std::vector<TSoundingNote> SongSoundingNotes(const TMidiSong& song);

// How many variants a beat lists under the model, and the least probability a variant other
// than the chosen one must have.
inline constexpr size_t ModelVariantLimit = 8;
inline constexpr float ModelVariantMinProbability = 0.005f;

// Replaces the chords of every beat by the model's, from the song's notes: the decoded chord
// first and chosen, then the other likely classes, best first. A beat in which nothing sounds
// gets no chord. The beats' notes (what the replay heard) stay.
void ApplyChordModel(const TChordModel& model, std::vector<TSoundingNote> notes, int32_t beatLength, TBeats& beats);
