// What the learned chord model hears of a beat: seven 12-vectors by pitch class.
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

#include "chords/ChordModel.h"

int64_t TChordFeatureSweep::TUncovered::Claim(int32_t s, int32_t e) {
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

TChordFeatureSweep::TChordFeatureSweep(std::vector<TSoundingNote> notes, int32_t beatLength, size_t beatCount)
    : beatLength_(beatLength), beatCount_(beatCount), notes_(std::move(notes)) {
  pitchHead_.fill(-1);
  if (beatLength < 1) {
    notes_.clear();
    return;
  }
  // The notes that count, and how many start in each beat. A walk over the song beat by beat
  // gives them in the order of their beats already: then that is all. The beat is only
  // divided out when a note leaves the beat of the note before.
  first_.assign(beatCount + 1, 0);
  bool ordered = true;
  int64_t beat = 0, beatStart = 0;
  size_t kept = 0;
  for (const TSoundingNote& n : notes_) {
    if (n.End <= n.Start || n.Start < 0 || n.Pitch < 0 || n.Pitch >= kPitches) continue;
    if (n.Start < beatStart || n.Start - beatStart >= beatLength) {
      const int64_t b = n.Start / beatLength;
      ordered = ordered && b > beat;
      beat = b;
      beatStart = b * beatLength;
    }
    if (static_cast<uint64_t>(beat) >= beatCount) continue;
    ++first_[static_cast<size_t>(beat) + 1];
    notes_[kept++] = n;
  }
  notes_.resize(kept);
  for (size_t b = 0; b < beatCount; ++b) first_[b + 1] += first_[b];
  if (ordered) return;
  // Otherwise a counting sort by beat.
  std::vector<TSoundingNote> sorted(kept);
  std::vector<uint32_t> place(first_.begin(), first_.end() - 1);
  for (const TSoundingNote& n : notes_) sorted[place[static_cast<size_t>(n.Start / beatLength)]++] = n;
  notes_.swap(sorted);
}

const TBeatFeatures& TChordFeatureSweep::Next() {
  // Two beats measured: the one given now and the one after it, which takes its place next.
  const size_t b = next_++;
  TBeatFeatures& before = beats_[(b + 1) % 2];  // measured as beat b - 1
  TBeatFeatures& current = beats_[b % 2];
  const std::array<float, 12> previous = b > 0 ? before.Groups[cfShare] : std::array<float, 12>{};
  if (b == 0) Measure(0, current);
  if (b + 1 < beatCount_) Measure(b + 1, before);
  current.Groups[cfPrevious] = previous;
  current.Groups[cfNext] = b + 1 < beatCount_ ? before.Groups[cfShare] : std::array<float, 12>{};
  return current;
}

void TChordFeatureSweep::Measure(size_t b, TBeatFeatures& f) {
  f = TBeatFeatures{};
  if (beatLength_ < 1 || b >= beatCount_) return;
  const int64_t start64 = static_cast<int64_t>(b) * beatLength_;
  const int32_t start = static_cast<int32_t>(start64);
  const int32_t end = static_cast<int32_t>(std::min<int64_t>(start64 + beatLength_, INT32_MAX));
  const double length = beatLength_;
  // Every note adds its time in the beat to its pitch class (whole ticks: the sums are
  // exact); the notes of the beats before that ended go.
  // Without branches: which notes end, and which start early in the beat, differs from beat
  // to beat.
  std::array<int64_t, 12> sounding{};
  const size_t carried = active_.size(), arriving = first_[b + 1] - first_[b];
  active_.resize(carried + arriving);
  size_t kept = 0;
  for (size_t i = 0; i < carried; ++i) {
    const TNote n = active_[i];
    const bool sounds = n.End > start;
    active_[kept] = n;
    kept += sounds;
    sounding[n.Class] += sounds ? std::min(n.End, end) - start : 0;
  }
  const int32_t onsetEnd = static_cast<int32_t>(std::ceil(length / 8));  // starts before it are onsets
  uint32_t onsets = 0;
  for (uint32_t i = first_[b]; i < first_[b + 1]; ++i) {
    const TSoundingNote& note = notes_[i];
    const TNote n{note.Start, note.End, static_cast<uint8_t>(note.Pitch), static_cast<uint8_t>(note.Pitch % 12)};
    active_[kept++] = n;
    sounding[n.Class] += std::min(n.End, end) - n.Start;
    onsets |= static_cast<uint32_t>(n.Start - start < onsetEnd) << n.Class;
  }
  active_.resize(kept);
  for (size_t k = 0; k < 12; ++k) f.Groups[cfOnset][k] = static_cast<float>((onsets >> k) & 1);
  if (active_.empty()) return;
  int64_t total = 0;
  for (int64_t v : sounding) total += v;
  f.Silent = false;
  for (size_t k = 0; k < 12; ++k) {
    const double v = static_cast<double>(sounding[k]);
    f.Groups[cfShare][k] = static_cast<float>(v / static_cast<double>(total));
    f.Groups[cfSaturated][k] = static_cast<float>(std::min(1.0, v / length));
  }

  // Upwards from the lowest pitch: each note's time not taken by a lower one is bass time;
  // the first pitch sounding a sixteenth of the beat is the lowest note. Usually a few
  // pitches settle both, so the notes are only chained by pitch (the pitches present in a
  // bit set), not sorted. The order of a pitch's notes changes neither its time nor what it
  // claims.
  std::array<uint64_t, 2> present{};
  samePitch_.resize(active_.size());
  for (size_t i = 0; i < active_.size(); ++i) {
    const uint8_t p = active_[i].Pitch;
    samePitch_[i] = pitchHead_[p];
    pitchHead_[p] = static_cast<int32_t>(i);
    present[p / 64] |= uint64_t{1} << (p % 64);
  }
  std::array<int64_t, 12> bass{};
  uncovered_.Reset(start, end);
  bool lowestFound = false;
  for (size_t word = 0; word < present.size() && (!lowestFound || !uncovered_.Empty());) {
    if (present[word] == 0) {
      ++word;
      continue;
    }
    const int pitch = static_cast<int>(word * 64) + std::countr_zero(present[word]);
    present[word] &= present[word] - 1;
    int64_t pitchTime = 0;
    for (int32_t i = pitchHead_[static_cast<size_t>(pitch)]; i >= 0; i = samePitch_[static_cast<size_t>(i)]) {
      const TNote& n = active_[static_cast<size_t>(i)];
      const int32_t s = std::max(n.Start, start), e = std::min(n.End, end);
      pitchTime += e - s;
      if (!uncovered_.Empty()) bass[n.Class] += uncovered_.Claim(s, e);
    }
    if (!lowestFound && static_cast<double>(pitchTime) >= length / 16) {
      f.Groups[cfLowest][static_cast<size_t>(pitch % 12)] = 1;
      lowestFound = true;
    }
  }
  for (const TNote& n : active_) pitchHead_[n.Pitch] = -1;
  int64_t bassTotal = 0;
  for (int64_t v : bass) bassTotal += v;
  if (bassTotal > 0)
    for (size_t k = 0; k < 12; ++k)
      f.Groups[cfBass][k] = static_cast<float>(static_cast<double>(bass[k]) / static_cast<double>(bassTotal));
}

std::vector<TBeatFeatures> ChordModelFeatures(std::vector<TSoundingNote> notes, int32_t beatLength,
                                              size_t beatCount) {
  std::vector<TBeatFeatures> beats(beatCount);
  if (beatLength < 1) return beats;
  TChordFeatureSweep sweep(std::move(notes), beatLength, beatCount);
  for (TBeatFeatures& f : beats) f = sweep.Next();
  return beats;
}
