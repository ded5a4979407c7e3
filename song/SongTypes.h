#pragma once
// The plain records of the song model: one beat's analysis, and where a beat stands when
// beats are laid out four to a row (the beat grid and its written form).

#include <cstdint>
#include <string>
#include <vector>

#include "chords/untChords.h"

// One beat's analysis: the notes that sounded long enough (ascending, each once), the
// ranked chord candidates (best first) and the index of the chord the beat shows.
struct TVariants {
  TNotes notes;
  TChords chords;
  int32_t chosen = 0;
  // The simplification gave up this beat's chord.
  bool dropped = false;

  bool HasChord() const { return chosen >= 0 && static_cast<size_t>(chosen) < chords.size(); }
  const TChord& Chord() const { return chords[static_cast<size_t>(chosen)]; }
};

using TBeats = std::vector<TVariants>;

// Beats are shown and written four to a row, a bar of common time.
constexpr int BeatsPerRow = 4;

// Where a beat stands in rows of four: row from 0, column from 0.
struct TBeatPlace {
  int row = 0;
  int column = 0;
};

// The one place where beats and rows of four are converted into each other.
constexpr TBeatPlace BeatPlace(int beat) { return {beat / BeatsPerRow, beat % BeatsPerRow}; }
constexpr int BeatAt(TBeatPlace place) { return place.row * BeatsPerRow + place.column; }
// Rows needed for a number of beats.
constexpr int BeatRows(int beats) { return (beats + BeatsPerRow - 1) / BeatsPerRow; }
