#pragma once
// Building blocks of chord recognition that its tests, benchmarks and callers outside the
// module use as well. The recognition operations themselves are declared in untChords.h.

#include "chords/untChords.h"

// The pitch classes of the chord's tones counted from its bass (bit 0 always set for a chord
// of the table). Normalises the chord, as ChordTones does.
PitchClassSet ChordIntervalSet(TChord& chord);

// The intervals, modulo 12, of the notes above the first note, which counts as the bass.
// A note below the bass counts only when it lies a whole number of octaves below it.
PitchClassSet NotesIntervalSet(const TNotes& notes);

// Builds the recognition index now instead of on the first call (about a millisecond), for
// callers that would rather pay it at start-up.
void PrepareChordRecognition();
