#pragma once
// The learned model's chords chosen for a whole song: a Viterbi pass over every beat's class
// log-probabilities with a flat price for a change of chord. A beat holding a passing note
// keeps the chord of its neighbours unless another chord is clearly more likely there.

#include <cstdint>
#include <vector>

#include "chords/ChordModel.h"

// The price of one change between neighbouring beats, in natural log-probability: a change
// is taken when the beats after it are together about e^2 (7.4) times likelier under the new
// chord. Learned transition weights did no better than this one number.
inline constexpr float ChordModelChangePenalty = 2.0f;

// The class of every beat (-1 for a silent beat, which also ends a run: the chord after a
// silence is chosen afresh). `scores` holds one entry per beat; silent[b] marks beats without
// sound (their scores are not read). Of equally good ways into a class, staying wins; of
// equal classes, the lower index.
std::vector<int32_t> DecodeChordClasses(const std::vector<TClassScores>& scores, const std::vector<bool>& silent,
                                        float changePenalty = ChordModelChangePenalty);

// The classes of a beat worth offering as variants: the chosen one first, then the others by
// falling probability (of equal ones the lower index first), as long as they hold at least
// `minProbability` and at most `limit` in all. None when the beat has no chosen class.
std::vector<int32_t> RankedClasses(const TClassScores& logProbability, int32_t chosen, size_t limit,
                                   float minProbability);

// The model's chords of a whole song: every beat's chosen class (-1: silent) and its variants
// (as RankedClasses gives them), the variants of all beats one after the other.
struct TModelChords {
  std::vector<int32_t> Classes;
  std::vector<int32_t> Variants;
  std::vector<uint32_t> FirstVariant;  // beat b's are Variants[FirstVariant[b], FirstVariant[b + 1])
};

// Scores, decodes and ranks all beats of a song in one pass over them: a beat's
// probabilities are used where they are computed and not kept.
TModelChords ChordModelChords(const TChordModel& model, const std::vector<TBeatFeatures>& features, size_t limit,
                              float minProbability, float changePenalty = ChordModelChangePenalty);
// The same with the features measured as the pass goes (the sweep is used up).
TModelChords ChordModelChords(const TChordModel& model, TChordFeatureSweep& features, size_t limit,
                              float minProbability, float changePenalty = ChordModelChangePenalty);
