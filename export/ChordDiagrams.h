#pragma once
// The strip of chord diagrams above the sheet and the capo hint: every distinct chord of the
// song once, in the order it is first played, as a guitar shape or the piano's keys (a chord
// without a shape shows its tones), named as the sheet names it.

#include "export/ChordSheet.h"
#include "export/WriteText.h"
#include "song/SongModel.h"

// Fills the sheet's diagrams and capo hint from the song's chosen chords, for the options'
// instrument (none: the sheet stays without them). The capo hint is given for the guitar only,
// when a capo saves a barre.
void AddChordDiagrams(TChordSheet& sheet, const TSongModel& model, const TExportOptions& options);

// The song's distinct chosen chords in the order they are first played.
std::vector<TChord> DistinctChords(const TSongModel& model);
