// What the learned chord model hears of a beat: seven 12-vectors by pitch class.
#include <algorithm>
#include <array>

#include "chords/ChordModel.h"

namespace {

constexpr int kPitches = 128;

// The part of a beat not yet claimed by a lower note, as ordered disjoint spans.
class TUncovered {
 public:
  void Reset(int32_t start, int32_t end) { spans_.assign(1, {start, end}); }
  bool Empty() const { return spans_.empty(); }

  // Removes [s, e) and returns how many ticks of it were still unclaimed.
  int64_t Claim(int32_t s, int32_t e) {
    int64_t claimed = 0;
    kept_.clear();
    for (auto [a, b] : spans_) {
      if (b <= s || a >= e) {
        kept_.push_back({a, b});
        continue;
      }
      claimed += std::min(b, e) - std::max(a, s);
      if (a < s) kept_.push_back({a, s});
      if (b > e) kept_.push_back({e, b});
    }
    spans_.swap(kept_);
    return claimed;
  }

 private:
  std::vector<std::pair<int32_t, int32_t>> spans_, kept_;
};

}  // namespace

std::vector<TBeatFeatures> ChordModelFeatures(std::vector<TSoundingNote> notes, int32_t beatLength,
                                              size_t beatCount) {
  std::vector<TBeatFeatures> beats(beatCount);
  if (beatLength < 1 || beatCount == 0) return beats;
  // The notes by the beat they start in (a counting sort: songs hold hundreds of thousands).
  std::vector<uint32_t> beatOf;
  beatOf.reserve(notes.size());
  std::erase_if(notes, [&](const TSoundingNote& n) {
    if (n.End <= n.Start || n.Start < 0 || n.Pitch < 0 || n.Pitch >= kPitches) return true;
    const size_t b = static_cast<size_t>(n.Start / beatLength);
    if (b >= beatCount) return true;
    beatOf.push_back(static_cast<uint32_t>(b));
    return false;
  });
  std::vector<size_t> first(beatCount + 1, 0);
  for (uint32_t b : beatOf) ++first[b + 1];
  for (size_t b = 0; b < beatCount; ++b) first[b + 1] += first[b];
  std::vector<TSoundingNote> byBeat(notes.size());
  {
    std::vector<size_t> next(first.begin(), first.end() - 1);
    for (size_t i = 0; i < notes.size(); ++i) byBeat[next[beatOf[i]]++] = notes[i];
  }

  const double length = beatLength;
  // The notes sounding in the current beat, and the same in ascending pitch (a counting sort
  // per beat): the lowest ones, which decide the bass, come first.
  std::vector<TSoundingNote> active, byPitch;
  std::array<uint32_t, kPitches + 1> pitchFirst{};
  TUncovered uncovered;
  for (size_t b = 0; b < beatCount; ++b) {
    const int64_t start64 = static_cast<int64_t>(b) * beatLength;
    const int32_t start = static_cast<int32_t>(start64);
    const int32_t end = static_cast<int32_t>(std::min<int64_t>(start64 + beatLength, INT32_MAX));
    std::erase_if(active, [start](const TSoundingNote& n) { return n.End <= start; });
    active.insert(active.end(), byBeat.begin() + static_cast<std::ptrdiff_t>(first[b]),
                  byBeat.begin() + static_cast<std::ptrdiff_t>(first[b + 1]));
    if (active.empty()) continue;

    TBeatFeatures& f = beats[b];
    std::array<double, 12> sounding{};
    for (const TSoundingNote& n : active) {
      const int32_t overlap = std::min(n.End, end) - std::max(n.Start, start);
      sounding[static_cast<size_t>(n.Pitch % 12)] += overlap;
      if (n.Start >= start && n.Start - start < length / 8) f.Groups[cfOnset][static_cast<size_t>(n.Pitch % 12)] = 1;
    }
    double total = 0;
    for (double v : sounding) total += v;
    if (total <= 0) continue;
    f.Silent = false;
    for (size_t k = 0; k < 12; ++k) {
      f.Groups[cfShare][k] = static_cast<float>(sounding[k] / total);
      f.Groups[cfSaturated][k] = static_cast<float>(std::min(1.0, sounding[k] / length));
    }

    // Upwards from the lowest pitch: each note's time not taken by a lower one is bass time;
    // the first pitch sounding a sixteenth of the beat is the lowest note. Usually one or two
    // pitches settle both.
    pitchFirst.fill(0);
    for (const TSoundingNote& n : active) ++pitchFirst[static_cast<size_t>(n.Pitch) + 1];
    for (size_t p = 0; p < kPitches; ++p) pitchFirst[p + 1] += pitchFirst[p];
    byPitch.resize(active.size());
    for (const TSoundingNote& n : active) byPitch[pitchFirst[static_cast<size_t>(n.Pitch)]++] = n;

    std::array<double, 12> bass{};
    uncovered.Reset(start, end);
    bool lowestFound = false;
    for (size_t i = 0; i < byPitch.size() && (!lowestFound || !uncovered.Empty());) {
      const int pitch = byPitch[i].Pitch;
      double pitchTime = 0;
      for (; i < byPitch.size() && byPitch[i].Pitch == pitch; ++i) {
        const int32_t s = std::max(byPitch[i].Start, start), e = std::min(byPitch[i].End, end);
        pitchTime += e - s;
        if (!uncovered.Empty()) bass[static_cast<size_t>(pitch % 12)] += static_cast<double>(uncovered.Claim(s, e));
      }
      if (!lowestFound && pitchTime >= length / 16) {
        f.Groups[cfLowest][static_cast<size_t>(pitch % 12)] = 1;
        lowestFound = true;
      }
    }
    double bassTotal = 0;
    for (double v : bass) bassTotal += v;
    if (bassTotal > 0)
      for (size_t k = 0; k < 12; ++k) f.Groups[cfBass][k] = static_cast<float>(bass[k] / bassTotal);
  }
  for (size_t b = 0; b < beatCount; ++b) {
    if (b > 0) beats[b].Groups[cfPrevious] = beats[b - 1].Groups[cfShare];
    if (b + 1 < beatCount) beats[b].Groups[cfNext] = beats[b + 1].Groups[cfShare];
  }
  return beats;
}
