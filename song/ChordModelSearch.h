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
  // The notes, once the walk has offered every event.
  std::vector<TSoundingNote> Finish();

 private:
  // The keys of one channel of one track: the notes not yet released of each, oldest first,
  // as a chain of nodes.
  struct TQueue {
    int32_t First = -1, Last = -1;
  };
  struct TNode {
    int32_t Note;  // in notes_
    int32_t Next;
  };
  TQueue& QueueOf(int32_t trackNo, int channel, int key);

  int32_t songEnd_;
  std::vector<int32_t> block_;   // per track x 16 channels: its first queue in queues_, -1 for none yet
  std::vector<TQueue> queues_;   // 128 per channel of a track that played a note
  std::vector<TNode> nodes_;
  int32_t free_ = -1;            // the chain of unused nodes
  std::vector<TSoundingNote> notes_;
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
