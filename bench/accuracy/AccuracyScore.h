#pragma once
// Agreement of the chords the search chose with the reference labels, beat by beat: the
// label sounding at a beat's first tick is the one the beat is judged against. Beats without
// a label (before the first chord, in a gap, "N.C.") are not counted at all.

#include <cstdint>
#include <string>
#include <vector>

#include "bench/accuracy/ChordTruth.h"
#include "chords/untChords.h"

// A beat's chosen chord reduced to what is compared: its pitch classes, root and bass.
struct TBeatChord {
  bool Present = false;
  PitchClassSet Tones = 0;
  int8_t Root = 0;
  int8_t Bass = 0;
  std::string Name;
};

// From a stored chord (any form; it is normalised on a copy).
TBeatChord BeatChordOf(const TChord& chord);

struct TAccuracyCounts {
  int64_t Beats = 0;        // beats with a label
  int64_t RootHits = 0;     // the chosen chord has the label's root
  int64_t MajMinBeats = 0;  // beats whose label is of the major or the minor family
  int64_t MajMinHits = 0;   // ... and the chosen chord has its root and its family
  int64_t FullHits = 0;     // the same pitch classes over the same bass
  int64_t NoChord = 0;      // the beat has no chord at all

  void Add(const TTruthLabel& label, const TBeatChord& chosen);
  TAccuracyCounts& operator+=(const TAccuracyCounts& other);

  // Shares in per cent; 0 when there is nothing to count.
  double RootPercent() const;
  double MajMinPercent() const;
  double FullPercent() const;
  double NoChordPercent() const;
};

// The verdict on one beat, for listings of where a song goes wrong.
struct TBeatVerdict {
  int32_t Beat = 0;
  int32_t Tick = 0;
  const TTruthLabel* Label = nullptr;  // none: the beat is not counted
  TBeatChord Chosen;
  bool RootHit = false;
  bool FullHit = false;
};

// Which label a beat is judged against: the one sounding at its first tick, or the one
// sounding for most of the beat. They differ where the chords change inside the program's
// beats, as in a song whose music is shifted against tick 0 by part of a beat.
enum class TBeatJudging { Start, Most };

// Judges every beat (beat b covers b x beatLength up to (b + 1) x beatLength) against the
// labels.
std::vector<TBeatVerdict> JudgeBeats(const TTruthLabels& labels,
                                     const std::vector<TBeatChord>& beats, int32_t beatLength,
                                     TBeatJudging judging = TBeatJudging::Start);

TAccuracyCounts CountVerdicts(const std::vector<TBeatVerdict>& verdicts);

struct TSongAccuracy {
  std::string Name;
  TAccuracyCounts Counts;
  int KeyEntry = -1;       // key-list entry used (major tonic), -1 = no key
  bool Keysense = false;   // the table was active for the search
  bool OnBeatGrid = true;  // most of its chord changes fall on the program's beat starts
  std::string Error;       // the song could not be measured: why
};

struct TAccuracyReportOptions {
  std::string Title;   // first line, e.g. the corpus and the settings
  int WorstSongs = 10; // how many of the worst songs to list
};

// Overall figures (and, when some songs change their chords between the program's beats,
// the figures of those songs and of the others apart), then the worst songs (lowest root agreement first; ties by full-chord
// agreement), then the songs that could not be measured.
std::string FormatAccuracyReport(const std::vector<TSongAccuracy>& songs,
                                 const TAccuracyReportOptions& options);

// One line per judged beat: beat, tick, label, chosen chord and the verdict marks.
std::string FormatBeatVerdicts(const std::vector<TBeatVerdict>& verdicts);

// The figures of several ways of choosing the chords over the same songs, one row per way and
// group of songs (all, those whose chords change on the program's beats, the others), the
// change of each way against the first in points, then the songs whose root agreement the
// last way changed most against the first. Every list holds the same songs in the same order.
struct TChoiceResults {
  std::string Name;                    // e.g. "continuity off"
  std::vector<TSongAccuracy> Songs;
};
std::string FormatChoiceComparison(const std::vector<TChoiceResults>& choices, int changedSongs);
