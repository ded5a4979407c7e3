#pragma once
// Reference chord labels of a song, against which the chord search is measured: a list of
// time spans, each with the pitch classes, root and bass of the chord a person wrote there.
//
// Two sources are read: a note track that holds one block of simultaneous notes per chord
// (the pitch classes of the block are the chord, its lowest note the bass), and a per-beat
// table with the columns bar, beat, tick, chord, pcs, bass ("N.C." where no chord sounds).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chords/untChords.h"

// Which of the two families a chord belongs to, read from its tones above its root: a major
// third with a perfect fifth (C, C7, Cmaj7, C6, Cadd9) or a minor third with a perfect
// fifth (Cm, Cm7, Cm6). Everything else (dim, aug, sus, a bare fifth, a dyad) is Other.
enum class TChordFamily : uint8_t { Other, Major, Minor };

TChordFamily ChordFamily(PitchClassSet tones, int root);

// The root of the chord that the pitch classes spell over the given bass: the bass itself
// when the tones read from it as a known chord (triad, seventh, sixth, sus, dim, aug, bare
// fifth); otherwise the first tone, in order of chord preference and then upwards from the
// bass, from which they read as one (E G C is C over E, G C E is C over G, C D F# A is D7
// over C). Tones that spell no known chord keep the bass as their root.
int SpellChordRoot(PitchClassSet tones, int bass);

// A readable name for a label: root, suffix of the chord it spells, "/bass" for an
// inversion ("C", "Am7/G", "Dsus4"), or the pitch classes in brackets when they spell no
// known chord.
std::string SpellChordName(PitchClassSet tones, int root, int bass);

struct TTruthLabel {
  int32_t Start = 0;  // first tick at which the chord sounds
  int32_t End = 0;    // first tick at which it no longer sounds
  PitchClassSet Tones = 0;
  int8_t Root = 0;
  int8_t Bass = 0;
  TChordFamily Family = TChordFamily::Other;
  std::string Name;
};

using TTruthLabels = std::vector<TTruthLabel>;

// One note of a label track: where it starts and ends, and its pitch.
struct TLabelNote {
  int32_t Start = 0;
  int32_t End = 0;
  int Pitch = 0;
};

// Groups the notes by start tick into blocks, one chord each. A block lasts until its
// longest note ends, but no longer than the start of the next block, so that the labels
// never overlap. Notes need not be sorted.
TTruthLabels LabelsFromNoteBlocks(std::vector<TLabelNote> notes);

// Reads a per-beat table (tab separated, a header line first). A row's chord lasts until the
// next row's tick; the last row lasts as long as the step before it (one beat). Rows marked
// "N.C." give no label. Throws std::runtime_error naming the line for a row it cannot read.
TTruthLabels ReadTruthTable(std::string_view text);

// The label sounding at the tick (the last one starting at or before it that has not ended),
// or none. Labels must be ordered by Start.
const TTruthLabel* LabelAt(const TTruthLabels& labels, int32_t tick);

// The share (0..1) of the labels that start on a beat start (a multiple of beatLength); 1
// when there are no labels. A song whose music is shifted against tick 0 by part of a beat
// changes its chords inside the program's beats, which no choice of chord can follow.
double ShareOnBeatGrid(const TTruthLabels& labels, int32_t beatLength);

// The label sounding for the most ticks of [start, end) (the earlier one of equal shares),
// or none when no label sounds there. Labels must be ordered by Start and not overlap.
const TTruthLabel* LabelCovering(const TTruthLabels& labels, int32_t start, int32_t end);
