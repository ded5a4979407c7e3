// Viterbi over the model's classes with one flat change price: every class either stays or
// comes from the best class of the beat before, so a beat costs O(classes).
#include "chords/ChordModelDecode.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "chords/FloatVectors.h"

namespace {

constexpr size_t kClasses = ChordModelClassCount;
constexpr size_t kPadded = TChordModelScorer::kPaddedClasses;  // a multiple of 8; the rest are -inf
using TPadded = TChordModelScorer::TPaddedScores;

// The first class holding the highest value.
CANTARO_VECTOR_CLONES
int32_t FirstBest(const float* s) {
  TFloat8 top = Load8(s);
  for (size_t c = 8; c < kPadded; c += 8) {
    const TFloat8 v = Load8(s + c);
    top = v > top ? v : top;
  }
  float best = top[0];
  for (int k = 1; k < 8; ++k) best = std::max(best, top[k]);
  for (size_t c = 0; c < kPadded; c += 8)
    if (const uint32_t bits = LaneBits(Load8(s + c) >= best)) return static_cast<int32_t>(c) + std::countr_zero(bits);
  return 0;
}

// The best `limit` classes holding at least `floor`, best first, of equal ones the lower index
// first, into `out`; returns how many.
CANTARO_VECTOR_CLONES
size_t TopClasses(const float* s, float floor, size_t limit, int32_t* out) {
  size_t count = 0;
  for (size_t block = 0; block < kPadded; block += 8)
    for (uint32_t bits = LaneBits(Load8(s + block) >= floor); bits != 0; bits &= bits - 1) {
      const size_t c = block + static_cast<size_t>(std::countr_zero(bits));
      if (c >= kClasses) break;  // the padding (-inf, which a floor of -inf lets through)
      const float p = s[c];
      size_t at = count;
      while (at > 0 && s[out[at - 1]] < p) --at;
      if (at >= limit) continue;
      if (count < limit) ++count;
      for (size_t i = count - 1; i > at; --i) out[i] = out[i - 1];
      out[at] = static_cast<int32_t>(c);
    }
  return count;
}

// One beat of the decoder: every class either stays, or comes from the best class before at
// the price of a change (`changed`: the best score before less the price). Marks in `stayed`
// (a bit per class) the classes that stay.
CANTARO_VECTOR_CLONES
void DecodeStep(float* delta, const float* emission, float changed, uint64_t* stayed) {
  for (size_t w = 0; w * 64 < kPadded; ++w) {
    uint64_t bits = 0;
    for (size_t k = 0; k < 64 && w * 64 + k < kPadded; k += 8) {
      const size_t c = w * 64 + k;
      const TFloat8 kept = Load8(delta + c);
      const auto stay = kept >= changed;
      bits |= static_cast<uint64_t>(LaneBits(stay)) << k;
      Store8(delta + c, Load8(emission + c) + (stay ? kept : TFloat8{} + changed));
    }
    stayed[w] = bits;
  }
}

// The decoder, beat by beat. It keeps for every beat the best class after it and which
// classes stayed (one bit each), from which Path() walks back.
class TChordPath {
 public:
  TChordPath(size_t beats, float penalty) : penalty_(penalty), best_(beats, -1), stayed_(beats * kWords, 0) {}

  // Beat b has no sound: it gets no class, and the next sounding beat starts afresh.
  void Silent() { running_ = false; }

  // Beat b's log-probabilities (kPadded of them, the padding -inf).
  void Step(size_t b, const float* emission) {
    if (!running_) {
      std::copy(emission, emission + kPadded, delta_.begin());
      running_ = true;
    } else {
      DecodeStep(delta_.data(), emission, delta_[static_cast<size_t>(best_[b - 1])] - penalty_, &stayed_[b * kWords]);
    }
    best_[b] = FirstBest(delta_.data());
  }

  std::vector<int32_t> Path() const {
    std::vector<int32_t> path(best_.size(), -1);
    int32_t c = -1;
    for (size_t b = best_.size(); b-- > 0;) {
      if (best_[b] < 0) {
        c = -1;
        continue;
      }
      if (c < 0) c = best_[b];  // the last beat of a run: its best class
      path[b] = c;
      const size_t cls = static_cast<size_t>(c);
      if (b > 0 && best_[b - 1] >= 0 && !((stayed_[b * kWords + cls / 64] >> (cls % 64)) & 1)) c = best_[b - 1];
    }
    return path;
  }

 private:
  static constexpr size_t kWords = (kPadded + 63) / 64;
  float penalty_;
  bool running_ = false;
  TPadded delta_{};
  std::vector<int32_t> best_;     // per beat, -1 for a silent one
  std::vector<uint64_t> stayed_;  // per beat kWords words: bit c set when class c stayed
};

}  // namespace

std::vector<int32_t> DecodeChordClasses(const std::vector<TClassScores>& scores, const std::vector<bool>& silent,
                                        float changePenalty) {
  TChordPath path(scores.size(), changePenalty);
  TPadded emission;
  std::fill(emission.begin() + kClasses, emission.end(), -INFINITY);
  for (size_t b = 0; b < scores.size(); ++b) {
    if (b < silent.size() && silent[b]) {
      path.Silent();
      continue;
    }
    std::copy(scores[b].begin(), scores[b].end(), emission.begin());
    path.Step(b, emission.data());
  }
  return path.Path();
}

std::vector<int32_t> RankedClasses(const TClassScores& p, int32_t chosen, size_t limit, float minProbability) {
  std::vector<int32_t> ranked;
  if (chosen < 0 || chosen >= static_cast<int32_t>(kClasses) || limit == 0) return ranked;
  TPadded padded;
  std::copy(p.begin(), p.end(), padded.begin());
  std::fill(padded.begin() + kClasses, padded.end(), -INFINITY);
  std::vector<int32_t> top(std::min(limit, kClasses));
  top.resize(TopClasses(padded.data(), std::log(minProbability), top.size(), top.data()));
  ranked.push_back(chosen);
  for (int32_t c : top)
    if (c != chosen && ranked.size() < limit) ranked.push_back(c);
  return ranked;
}

namespace {

// The pass over all beats; beatAt(b) gives the features of beat b, b counting up from 0.
template <typename BeatAt>
TModelChords Choose(const TChordModel& model, size_t beats, BeatAt&& beatAt, size_t limit, float minProbability,
                    float changePenalty) {
  const TChordModelScorer scorer(model);
  limit = std::min(limit, kClasses);
  const float floor = std::log(minProbability);
  TChordPath path(beats, changePenalty);
  // The likeliest classes of every beat, `limit` places each: the variants are taken from
  // them once the chosen class is known.
  std::vector<int32_t> likely(beats * limit);
  std::vector<uint16_t> likelyCount(beats, 0);
  TPadded scores;
  for (size_t b = 0; b < beats; ++b) {
    const TBeatFeatures& features = beatAt(b);
    if (features.Silent) {
      path.Silent();
      continue;
    }
    scorer.LogProbabilities(features, scores);
    path.Step(b, scores.data());
    if (limit > 0) likelyCount[b] = static_cast<uint16_t>(TopClasses(scores.data(), floor, limit, &likely[b * limit]));
  }

  TModelChords chords;
  chords.Classes = path.Path();
  chords.FirstVariant.reserve(beats + 1);
  chords.Variants.reserve(beats * 2);
  for (size_t b = 0; b < beats; ++b) {
    chords.FirstVariant.push_back(static_cast<uint32_t>(chords.Variants.size()));
    const int32_t chosen = chords.Classes[b];
    if (chosen < 0 || limit == 0) continue;
    chords.Variants.push_back(chosen);
    size_t count = 1;
    for (size_t i = 0; i < likelyCount[b] && count < limit; ++i)
      if (const int32_t c = likely[b * limit + i]; c != chosen) {
        chords.Variants.push_back(c);
        ++count;
      }
  }
  chords.FirstVariant.push_back(static_cast<uint32_t>(chords.Variants.size()));
  return chords;
}

}  // namespace

TModelChords ChordModelChords(const TChordModel& model, const std::vector<TBeatFeatures>& features, size_t limit,
                              float minProbability, float changePenalty) {
  return Choose(model, features.size(), [&](size_t b) -> const TBeatFeatures& { return features[b]; }, limit,
                minProbability, changePenalty);
}

TModelChords ChordModelChords(const TChordModel& model, TChordFeatureSweep& features, size_t limit,
                              float minProbability, float changePenalty) {
  return Choose(model, features.BeatCount(), [&](size_t) -> const TBeatFeatures& { return features.Next(); }, limit,
                minProbability, changePenalty);
}
