#pragma once
// Key detection from a pitch-class histogram: the counts of note-ons by pitch class are
// compared with a major and a minor key profile in all twelve positions; the best and the
// runner-up of the 24 keys are kept.

#include <array>
#include <cstdint>
#include <string>

#include "chords/untChords.h"

using TKeyHistogram = std::array<int32_t, 12>;

struct TKeyCandidate {
  int tonic = -1;  // pitch class of the key's own tonic, -1 = none
  bool minor = false;
  int32_t score = -2147483647;
};

struct TKeyResult {
  TKeyCandidate best;
  TKeyCandidate second;

  // A key was found only when some key scored above zero.
  bool Found() const { return best.tonic >= 0 && best.score > 0; }
  // The key-list entry: the major key's tonic, or for a minor key its relative major.
  int KeyEntry() const { return best.minor ? (best.tonic + 3) % 12 : best.tonic; }
  // The runner-up is worth naming when it lies within ten per cent of the best.
  bool SecondIsClose() const;
};

// Counts one dispatched event: note-ons with a velocity, not on the percussion channel, by
// the pitch class they had before the song was transposed by `transposition` semitones.
void CountKeyNote(TKeyHistogram& counts, uint8_t status, uint8_t data1, uint8_t data2,
                  int transposition);

// Offers C major, A minor, C# major, A# minor, ... in this order; of equal scores the
// earlier offered stays ahead.
TKeyResult EvaluateKey(const TKeyHistogram& counts);

// "Вероятнее всего, ..." with the runner-up appended when it is close, the keys named in the
// given notation. Needs a found key.
std::string KeyReport(const TKeyResult& result, NoteNotation notation);
