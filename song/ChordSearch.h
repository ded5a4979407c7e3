#pragma once
// The working tables of the song chord search: how long every note sounded on every channel
// within the current beat, and the starts of the notes still sounding. The session feeds it
// the note events of a silent replay beat by beat; AnalyseBeat turns the durations into the
// beat's notes and ranked chords.
//
// Memory: the durations are one fixed table; the pending starts of a note on a channel are
// kept as runs of equal start ticks, and every beat end folds them into one run, so what
// the search holds does not grow with the length of the song, even for a file full of
// note-ons that are never released.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "midi/MidiConstants.h"
#include "song/SongTypes.h"

// Weights of the pitch classes of a beat (summed sounding ticks) and the tonic of the
// current key -> the key-aware table's chord for the beat, if any.
using TKeysenseWeights = std::array<int32_t, 12>;
using TKeysenseChooser = std::function<std::optional<TChord>(const TKeysenseWeights&, int keyTonic)>;

class TChordSearch {
 public:
  static constexpr int Notes = 128;
  static constexpr int Channels = 16;
  static constexpr int PercussionChannel = MidiPercussionChannel;

  // Forgets every pending start and sets the beat length the pieces are measured against.
  void Reset(int32_t beatLength);
  // Zeroes the durations before the next beat.
  void StartBeat();

  // A note started (velocity above 0) or was released, at the given tick. Percussion and
  // note numbers above 127 are ignored.
  void NoteStart(int note, int channel, int32_t time);
  void NoteRelease(int note, int channel, int32_t time);

  // Credits the notes still sounding at the end of the beat up to that end, and lets them
  // start again from there for the next beat.
  void FlushSoundingNotes(int32_t end);

  // Notes, candidates and chosen index of the beat just collected. With a chooser (the
  // key-aware table is active) it is asked first, with the current key's tonic.
  void AnalyseBeat(TVariants& v, const TKeysenseChooser* keysense, int keyTonic) const;
  // Only the notes of the beat just collected, no chords (the learned model names them).
  void CollectBeatNotes(TVariants& v) const;

  int32_t Duration(int note, int channel) const { return durations_[Index(note, channel)]; }
  int32_t MinimumDuration() const { return minimum_; }
  size_t PendingStarts(int note, int channel) const;
  // Bytes the tables hold: the fixed tables plus the pending starts' storage.
  size_t WorkingBytes() const;

 private:
  struct TPendingRun {
    int32_t tick;
    int32_t count;
  };
  static size_t Index(int note, int channel) { return static_cast<size_t>(note) * Channels + channel; }
  static bool Counted(int note, int channel) {
    return note >= 0 && note < Notes && channel >= 0 && channel < Channels &&
           channel != PercussionChannel;
  }
  void AddNoteDuration(int note, int channel, int64_t d, int32_t times);

  int32_t beatLength_ = 0;
  int32_t minimum_ = 0;
  std::array<int32_t, Notes * Channels> durations_{};
  std::array<std::vector<TPendingRun>, Notes * Channels> pending_;
  // Which notes have a duration in this beat, and which have pending starts, per channel,
  // so a beat costs what it holds and not the whole table.
  std::array<std::array<uint64_t, 2>, Channels> sounded_{};
  std::array<std::array<uint64_t, 2>, Channels> open_{};
};
