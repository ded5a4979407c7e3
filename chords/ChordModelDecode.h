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

// The chosen class of every beat of a song (-1: silent) and how likely every class is there
// (left at zero for silent beats).
struct TModelBeats {
  std::vector<int32_t> Classes;
  std::vector<TClassScores> LogProbabilities;
};

// Scores and decodes all beats of a song.
TModelBeats ChordModelBeats(const TChordModel& model, const std::vector<TBeatFeatures>& features,
                            float changePenalty = ChordModelChangePenalty);

// The classes of a beat worth offering as variants: the chosen one first, then the others by
// falling probability, as long as they hold at least `minProbability` and at most `limit` in
// all. None when the beat has no chosen class.
std::vector<int32_t> RankedClasses(const TClassScores& logProbability, int32_t chosen, size_t limit,
                                   float minProbability);
