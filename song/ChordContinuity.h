#pragma once
// Chord continuity: the key-aware table's chords chosen for the whole song at once instead of
// beat by beat.
//
// A chord usually holds for several beats, and a melody note passing through one beat pulls
// that beat alone to a neighbouring chord of the key. Here every beat keeps the value of every
// table entry (KeysenseValues: what KeysenseChoose compares, divided by the beat's total
// weight), and over each run of neighbouring beats that have a table chord the path of entries
// is chosen that maximises the sum of the values minus a penalty for every change of chord
// between neighbouring beats (a Viterbi pass). A beat without a table chord ends a run.

#include <cstdint>
#include <vector>

#include "chords/untChords.h"
#include "chords/untKeysense.h"

// The price of one change of chord between neighbouring beats, in the units of KeysenseValues:
// a beat whose notes are just the tones of a triad, equally loud, scores about 0.09 for it.
// A beat therefore leaves the chord of its neighbours only when another chord fits it better
// by more than the changes cost. Measured against songs with chords written down by musicians
// (the pop collection of the shared corpus): between 0.03 and 0.04 the most roots and major
// or minor chords are named right, about two and a half points more than beat by beat; 0.01
// still follows passing notes, 0.1 holds chords over real changes. One number for every
// song: it is not meant to be tuned per song.
inline constexpr double ChordChangePenalty = 0.035;

// One beat's table values, in table order; empty for a beat without a table chord.
using TEntryValues = std::vector<double>;

// Which entries name the same harmony for the change penalty: the same root and the same
// third (major, minor or none), so G and G7 are one group, G and Gm two. A seventh that sounds
// on some beats of a held chord is then named where it sounds, as the beat-by-beat choice
// names it, instead of taking the whole run or none of it.
std::vector<int32_t> ContinuityGroups(const std::vector<KeysenseEntry>& table);

// The chosen entry of every beat (-1 for a beat with empty values). Over each run of beats with
// values of the same length, the path maximises the sum of its values minus changePenalty for
// every change between entries of different groups (groups[e] is entry e's group; an empty
// list or one of another length makes every entry its own group). Of equally good ways into
// an entry it keeps the same entry, then the best of its group, rather than changing, and of
// equal entries it takes the earlier. With a penalty of 0 or less every beat gets its own
// best entry, the earliest of equal ones, as KeysenseChoose picks it.
std::vector<int32_t> ChooseContinuousEntries(const std::vector<TEntryValues>& values,
                                             const std::vector<int32_t>& groups, double changePenalty);

// A beat's variants under the continuity choice: the entries' chords (entryChords, in table
// order) that cover the beat (value above 0), best first, the chosen entry among them also when
// it does not cover the beat, then those of the exact variants (plain recognition of the beat's
// notes) that name another chord. `chosen` receives the index of the chosen entry's chord.
TChords ContinuityVariants(const TEntryValues& values, const std::vector<TChord>& entryChords,
                           int32_t chosenEntry, const TChords& exact, int32_t& chosen);
