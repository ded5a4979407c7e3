// Viterbi over the model's classes with one flat change price: every class either stays or
// comes from the best class of the beat before, so a beat costs O(classes).
#include "chords/ChordModelDecode.h"

#include <algorithm>
#include <cmath>
#include <numeric>

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
  for (size_t b = first + 1; b < last; ++b) {
    const int32_t best = BestOf(delta);
    const float changed = delta[static_cast<size_t>(best)] - penalty;
    bestBefore[b - first] = best;
    uint8_t* stay = &stayed[(b - first) * kClasses];
    for (size_t c = 0; c < kClasses; ++c) {
      const bool keep = delta[c] >= changed;
      stay[c] = keep;
      delta[c] = scores[b][c] + (keep ? delta[c] : changed);
    }
  }
  int32_t c = BestOf(delta);
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

std::vector<TModelBeat> ChordModelBeats(const TChordModel& model, const std::vector<TBeatFeatures>& features,
                                        float changePenalty) {
  std::vector<TClassScores> scores(features.size());
  std::vector<bool> silent(features.size());
  for (size_t b = 0; b < features.size(); ++b) {
    silent[b] = features[b].Silent;
    if (!silent[b]) scores[b] = ChordModelLogProbabilities(model, features[b]);
  }
  const std::vector<int32_t> path = DecodeChordClasses(scores, silent, changePenalty);
  std::vector<TModelBeat> beats(features.size());
  for (size_t b = 0; b < features.size(); ++b) {
    beats[b].Class = path[b];
    if (!silent[b]) beats[b].LogProbability = scores[b];
  }
  return beats;
}

std::vector<int32_t> RankedClasses(const TModelBeat& beat, size_t limit, float minProbability) {
  std::vector<int32_t> ranked;
  if (beat.Class < 0 || limit == 0) return ranked;
  ranked.push_back(beat.Class);
  std::vector<int32_t> order(kClasses);
  std::iota(order.begin(), order.end(), 0);
  const auto& p = beat.LogProbability;
  std::stable_sort(order.begin(), order.end(),
                   [&p](int32_t a, int32_t b) { return p[static_cast<size_t>(a)] > p[static_cast<size_t>(b)]; });
  const float floor = std::log(minProbability);
  for (int32_t c : order) {
    if (ranked.size() >= limit || p[static_cast<size_t>(c)] < floor) break;
    if (c != beat.Class) ranked.push_back(c);
  }
  return ranked;
}
