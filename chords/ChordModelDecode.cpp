// Viterbi over the model's classes with one flat change price: every class either stays or
// comes from the best class of the beat before, so a beat costs O(classes).
#include "chords/ChordModelDecode.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr size_t kClasses = ChordModelClassCount;

int32_t BestOf(const TClassScores& s) {
  return static_cast<int32_t>(std::max_element(s.begin(), s.end()) - s.begin());
}

// Decodes beats [first, last), all sounding, into path.
void DecodeRun(const std::vector<TClassScores>& scores, size_t first, size_t last, float penalty,
               std::vector<int32_t>& path) {
  TClassScores delta = scores[first];
  std::vector<uint8_t> stayed((last - first) * kClasses);  // 1: the class came from itself
  std::vector<int32_t> bestBefore(last - first, 0);
  int32_t best = BestOf(delta);
  for (size_t b = first + 1; b < last; ++b) {
    const float changed = delta[static_cast<size_t>(best)] - penalty;
    bestBefore[b - first] = best;
    uint8_t* stay = &stayed[(b - first) * kClasses];
    const TClassScores& emission = scores[b];
    float top = -INFINITY;
    // Branch-free, so the compiler does several classes at once.
    for (size_t c = 0; c < kClasses; ++c) {
      const float kept = delta[c];
      stay[c] = kept >= changed;
      delta[c] = emission[c] + std::max(kept, changed);
      top = std::max(top, delta[c]);
    }
    best = 0;
    while (static_cast<size_t>(best) + 1 < kClasses && !(delta[static_cast<size_t>(best)] >= top)) ++best;
  }
  int32_t c = best;
  for (size_t b = last; b-- > first;) {
    path[b] = c;
    if (b > first && !stayed[(b - first) * kClasses + static_cast<size_t>(c)]) c = bestBefore[b - first];
  }
}

}  // namespace

std::vector<int32_t> DecodeChordClasses(const std::vector<TClassScores>& scores, const std::vector<bool>& silent,
                                        float changePenalty) {
  std::vector<int32_t> path(scores.size(), -1);
  const auto quiet = [&](size_t b) { return b < silent.size() && silent[b]; };
  for (size_t b = 0; b < scores.size();) {
    if (quiet(b)) {
      ++b;
      continue;
    }
    size_t end = b;
    while (end < scores.size() && !quiet(end)) ++end;
    DecodeRun(scores, b, end, changePenalty, path);
    b = end;
  }
  return path;
}

TModelBeats ChordModelBeats(const TChordModel& model, const std::vector<TBeatFeatures>& features,
                            float changePenalty) {
  const TChordModelScorer scorer(model);
  TModelBeats beats;
  beats.LogProbabilities.resize(features.size());
  std::vector<bool> silent(features.size());
  for (size_t b = 0; b < features.size(); ++b) {
    silent[b] = features[b].Silent;
    if (silent[b])
      beats.LogProbabilities[b].fill(0.0f);
    else
      beats.LogProbabilities[b] = scorer.LogProbabilities(features[b]);
  }
  beats.Classes = DecodeChordClasses(beats.LogProbabilities, silent, changePenalty);
  return beats;
}

std::vector<int32_t> RankedClasses(const TClassScores& p, int32_t chosen, size_t limit, float minProbability) {
  std::vector<int32_t> ranked;
  if (chosen < 0 || chosen >= static_cast<int32_t>(kClasses) || limit == 0) return ranked;
  ranked.push_back(chosen);
  // Few classes pass the floor (their probabilities add up to at most 1): only they are sorted.
  const float floor = std::log(minProbability);
  std::vector<int32_t> likely;
  for (int32_t c = 0; c < static_cast<int32_t>(kClasses); ++c)
    if (c != chosen && p[static_cast<size_t>(c)] >= floor) likely.push_back(c);
  std::stable_sort(likely.begin(), likely.end(),
                   [&p](int32_t a, int32_t b) { return p[static_cast<size_t>(a)] > p[static_cast<size_t>(b)]; });
  for (int32_t c : likely) {
    if (ranked.size() >= limit) break;
    ranked.push_back(c);
  }
  return ranked;
}
