// What the learned chord model hears of a beat: seven 12-vectors by pitch class.
#include <algorithm>
#include <array>

#include "chords/ChordModel.h"

namespace {

constexpr int kPitches = 128;

struct TEdge {
  int32_t Tick;
  int Pitch;
  int Step;  // +1 the note starts sounding, -1 it stops
};

// The time each pitch class is the lowest sounding note within [start, end), from the notes'
// clipped spans.
void BassTimes(const std::vector<const TSoundingNote*>& active, int32_t start, int32_t end,
               std::array<double, 12>& bass, std::vector<TEdge>& edges) {
  edges.clear();
  for (const TSoundingNote* n : active) {
    const int32_t s = std::max(n->Start, start);
    const int32_t e = std::min(n->End, end);
    if (s >= e) continue;
    edges.push_back({s, n->Pitch, +1});
    edges.push_back({e, n->Pitch, -1});
  }
  std::sort(edges.begin(), edges.end(), [](const TEdge& a, const TEdge& b) { return a.Tick < b.Tick; });
  std::array<int32_t, kPitches> count{};
  for (size_t i = 0; i < edges.size();) {
    const int32_t tick = edges[i].Tick;
    for (; i < edges.size() && edges[i].Tick == tick; ++i) count[static_cast<size_t>(edges[i].Pitch)] += edges[i].Step;
    if (i == edges.size()) break;
    const int32_t next = edges[i].Tick;
    for (int p = 0; p < kPitches; ++p)
      if (count[static_cast<size_t>(p)] > 0) {
        bass[static_cast<size_t>(p % 12)] += next - tick;
        break;
      }
  }
}

}  // namespace

std::vector<TBeatFeatures> ChordModelFeatures(std::vector<TSoundingNote> notes, int32_t beatLength,
                                              size_t beatCount) {
  std::vector<TBeatFeatures> beats(beatCount);
  if (beatLength < 1) return beats;
  std::erase_if(notes, [](const TSoundingNote& n) { return n.End <= n.Start || n.Pitch < 0 || n.Pitch >= kPitches; });
  std::sort(notes.begin(), notes.end(), [](const TSoundingNote& a, const TSoundingNote& b) { return a.Start < b.Start; });

  const double length = beatLength;
  std::vector<const TSoundingNote*> active;
  std::vector<TEdge> edges;
  size_t next = 0;
  for (size_t b = 0; b < beatCount; ++b) {
    const int64_t start64 = static_cast<int64_t>(b) * beatLength;
    if (start64 > INT32_MAX) break;
    const int32_t start = static_cast<int32_t>(start64);
    const int32_t end = static_cast<int32_t>(std::min<int64_t>(start64 + beatLength, INT32_MAX));
    while (next < notes.size() && notes[next].Start < end) active.push_back(&notes[next++]);
    std::erase_if(active, [start](const TSoundingNote* n) { return n->End <= start; });
    if (active.empty()) continue;

    std::array<double, 12> sounding{};
    std::array<double, kPitches> perPitch{};
    TBeatFeatures& f = beats[b];
    for (const TSoundingNote* n : active) {
      const int32_t overlap = std::min(n->End, end) - std::max(n->Start, start);
      if (overlap <= 0) continue;
      sounding[static_cast<size_t>(n->Pitch % 12)] += overlap;
      perPitch[static_cast<size_t>(n->Pitch)] += overlap;
      if (n->Start >= start && n->Start - start < beatLength / 8.0) f.Groups[cfOnset][static_cast<size_t>(n->Pitch % 12)] = 1;
    }
    double total = 0;
    for (double s : sounding) total += s;
    if (total <= 0) continue;
    f.Silent = false;
    for (size_t k = 0; k < 12; ++k) {
      f.Groups[cfShare][k] = static_cast<float>(sounding[k] / total);
      f.Groups[cfSaturated][k] = static_cast<float>(std::min(1.0, sounding[k] / length));
    }
    for (int p = 0; p < kPitches; ++p)
      if (perPitch[static_cast<size_t>(p)] >= length / 16) {
        f.Groups[cfLowest][static_cast<size_t>(p % 12)] = 1;
        break;
      }
    std::array<double, 12> bass{};
    BassTimes(active, start, end, bass, edges);
    double bassTotal = 0;
    for (double s : bass) bassTotal += s;
    if (bassTotal > 0)
      for (size_t k = 0; k < 12; ++k) f.Groups[cfBass][k] = static_cast<float>(bass[k] / bassTotal);
  }
  for (size_t b = 0; b < beatCount; ++b) {
    if (b > 0) beats[b].Groups[cfPrevious] = beats[b - 1].Groups[cfShare];
    if (b + 1 < beatCount) beats[b].Groups[cfNext] = beats[b + 1].Groups[cfShare];
  }
  return beats;
}
