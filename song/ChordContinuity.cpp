#include "song/ChordContinuity.h"

#include <algorithm>
#include <numeric>

namespace {

// The earliest entry of the highest value.
int32_t BestEntry(const TEntryValues& v) {
  return static_cast<int32_t>(std::max_element(v.begin(), v.end()) - v.begin());
}

// One run of beats [first, last) with values of n entries each.
void ChooseRun(const std::vector<TEntryValues>& values, const std::vector<int32_t>& groups, size_t first,
               size_t last, size_t n, double penalty, std::vector<int32_t>& path) {
  // score[e]: the best sum of a path over the run so far that ends on entry e. from[b][e]:
  // the entry of beat b - 1 on that path. The best way into e comes from the best entry of
  // its own group, for free, or from the best entry of all at the price of a change.
  const int32_t groupCount = *std::max_element(groups.begin(), groups.end()) + 1;
  std::vector<int32_t> groupBest(static_cast<size_t>(groupCount));
  std::vector<double> score(values[first]);
  std::vector<double> next(n);
  std::vector<int32_t> from((last - first) * n);
  for (size_t b = first + 1; b < last; ++b) {
    const int32_t prevBest = BestEntry(score);
    const double switched = score[static_cast<size_t>(prevBest)] - penalty;
    std::fill(groupBest.begin(), groupBest.end(), -1);
    for (size_t e = 0; e < n; ++e) {
      int32_t& g = groupBest[static_cast<size_t>(groups[e])];
      if (g < 0 || score[e] > score[static_cast<size_t>(g)]) g = static_cast<int32_t>(e);
    }
    int32_t* back = &from[(b - first) * n];
    for (size_t e = 0; e < n; ++e) {
      // Within a group the earliest of the best, as the beat-by-beat choice takes it.
      int32_t way = groupBest[static_cast<size_t>(groups[e])];
      double best = score[static_cast<size_t>(way)];
      if (switched > best) {
        way = prevBest;
        best = switched;
      }
      back[e] = way;
      next[e] = best + values[b][e];
    }
    score.swap(next);
  }
  int32_t e = BestEntry(score);
  for (size_t b = last; b-- > first;) {
    path[b] = e;
    if (b > first) e = from[(b - first) * n + static_cast<size_t>(e)];
  }
}

// The chord with its base moved into the lowest octave: equal for chords of the same name.
TChord NameKey(TChord c) {
  c.BasePitch = static_cast<int8_t>(((c.BasePitch % 12) + 12) % 12);
  return c;
}

}  // namespace

std::vector<int32_t> ChooseContinuousEntries(const std::vector<TEntryValues>& values,
                                             const std::vector<int32_t>& groups, double changePenalty) {
  std::vector<int32_t> path(values.size(), -1);
  if (changePenalty <= 0) {
    for (size_t b = 0; b < values.size(); ++b)
      if (!values[b].empty()) path[b] = BestEntry(values[b]);
    return path;
  }
  size_t b = 0;
  while (b < values.size()) {
    const size_t n = values[b].size();
    if (n == 0) {
      ++b;
      continue;
    }
    size_t end = b + 1;
    while (end < values.size() && values[end].size() == n) ++end;
    std::vector<int32_t> own;
    if (groups.size() != n || std::any_of(groups.begin(), groups.end(), [](int32_t g) { return g < 0; })) {
      own.resize(n);
      std::iota(own.begin(), own.end(), 0);
    }
    ChooseRun(values, own.empty() ? groups : own, b, end, n, changePenalty, path);
    b = end;
  }
  return path;
}

std::vector<int32_t> ContinuityGroups(const std::vector<KeysenseEntry>& table) {
  std::vector<int32_t> groups;
  groups.reserve(table.size());
  for (const KeysenseEntry& e : table) {
    const auto has = [&](int interval) { return (e.Tones >> ((e.RootClass + interval) % 12)) & 1u; };
    const int family = has(4) ? 0 : has(3) ? 1 : 2;
    groups.push_back(e.RootClass * 3 + family);
  }
  return groups;
}

TChords ContinuityVariants(const TEntryValues& values, const std::vector<TChord>& entryChords,
                           int32_t chosenEntry, const TChords& exact, int32_t& chosen) {
  const size_t n = std::min(values.size(), entryChords.size());
  std::vector<size_t> order;
  order.reserve(n);
  for (size_t e = 0; e < n; ++e)
    if (values[e] > 0.0 || static_cast<int32_t>(e) == chosenEntry) order.push_back(e);
  // Best first, equal values in table order: an insertion sort, stable and without a buffer
  // for the few entries of a table.
  for (size_t i = 1; i < order.size(); ++i) {
    const size_t e = order[i];
    size_t j = i;
    for (; j > 0 && values[order[j - 1]] < values[e]; --j) order[j] = order[j - 1];
    order[j] = e;
  }

  TChords list, keys;
  list.reserve(order.size() + exact.size());
  keys.reserve(order.size());
  chosen = 0;
  for (size_t e : order) {
    // A table that lists a chord twice shows it once.
    const TChord key = NameKey(entryChords[e]);
    const size_t at = static_cast<size_t>(std::find(keys.begin(), keys.end(), key) - keys.begin());
    if (static_cast<int32_t>(e) == chosenEntry) chosen = static_cast<int32_t>(at);
    if (at < keys.size()) continue;
    keys.push_back(key);
    list.push_back(entryChords[e]);
  }
  for (const TChord& c : exact)
    if (std::find(keys.begin(), keys.end(), NameKey(c)) == keys.end()) list.push_back(c);
  return list;
}
