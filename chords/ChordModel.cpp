// The learned chord model's classes, their names and the scoring of a beat.
#include "chords/ChordModel.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "chords/FloatVectors.h"

namespace {

constexpr PitchClassSet Set(std::initializer_list<int> intervals) {
  PitchClassSet s = 0;
  for (int i : intervals) s = static_cast<PitchClassSet>(s | (1u << i));
  return s;
}

constexpr PitchClassSet kMaj = Set({0, 4, 7});
constexpr PitchClassSet kMin = Set({0, 3, 7});
constexpr PitchClassSet kMin7 = Set({0, 3, 7, 10});
constexpr PitchClassSet kMaj7 = Set({0, 4, 7, 11});
constexpr PitchClassSet kDom7 = Set({0, 4, 7, 10});
constexpr PitchClassSet kSus2 = Set({0, 2, 7});
constexpr PitchClassSet kSus4 = Set({0, 5, 7});
constexpr PitchClassSet kDim = Set({0, 3, 6});
constexpr PitchClassSet kHdim7 = Set({0, 3, 6, 10});
constexpr PitchClassSet kMaj6 = Set({0, 4, 7, 9});
constexpr PitchClassSet kAug = Set({0, 4, 8});

PitchClassSet RotateDown(PitchClassSet tones, int by) {
  by = ((by % 12) + 12) % 12;
  const unsigned t = tones & 0xFFFu;
  return static_cast<PitchClassSet>(((t >> by) | (t << (12 - by))) & 0xFFFu);
}

// The quality a label's tones above its root stand for, or 0 for none.
PitchClassSet Quality(PitchClassSet rel) {
  for (PitchClassSet q : {kMaj, kMin, kMin7, kMaj7, kDom7, kSus2, kSus4, kDim, kHdim7, kMaj6, kAug})
    if (rel == q) return q;
  struct TNearest {
    PitchClassSet from, to;
  };
  static constexpr TNearest nearest[] = {
      {Set({0, 3, 7, 9}), kMin},   {Set({0, 3, 7, 11}), kMin}, {Set({0, 3, 6, 9}), kDim},
      {Set({0, 7}), kMaj},         {Set({0, 5, 7, 10}), kSus4}, {Set({0, 2, 7, 10}), kSus2},
  };
  for (const TNearest& n : nearest)
    if (rel == n.from) return n.to;
  // A ninth (or added ninth) above a chord that has a third: the chord without it.
  constexpr PitchClassSet ninth = Set({2});
  if ((rel & ninth) && (rel & Set({3, 4}))) return Quality(static_cast<PitchClassSet>(rel & ~ninth));
  return 0;
}

std::array<TChord, ChordModelClassCount> NameClasses() {
  std::array<TChord, ChordModelClassCount> chords{};
  for (int cls = 0; cls < ChordModelClassCount; ++cls) {
    const TChordModelType& type = ChordModelTypes[static_cast<size_t>(ChordModelClassType(cls))];
    const int root = ChordModelClassRoot(cls);
    const int bass = (root + type.Bass) % 12;
    TNotes notes{48 + bass};
    for (int i = 0; i < 12; ++i)
      if ((type.Tones >> i) & 1) {
        const int pc = (root + i) % 12;
        if (pc != bass) notes.push_back(60 + pc);
      }
    std::sort(notes.begin() + 1, notes.end());
    // The best-ranked of the recognition's variants that keeps the class's root (C F G is
    // Csus4, not Fsus2/C; G B D over F is G7/F), else its quick answer.
    TChords found = RecognizeChords(notes, RecognitionMode::AllVariants);
    const auto same = std::find_if(found.begin(), found.end(), [root](TChord c) {
      ChordTones(c);
      return (c.BasePitch + c.RootOffset) % 12 == root;
    });
    if (same != found.end()) {
      chords[static_cast<size_t>(cls)] = *same;
      continue;
    }
    found = RecognizeChords(notes, RecognitionMode::QuickFirst);
    if (!found.empty()) chords[static_cast<size_t>(cls)] = found.front();
  }
  return chords;
}

}  // namespace

const std::array<TChordModelType, ChordModelTypeCount> ChordModelTypes = {{
    {"maj", kMaj, 0},     {"maj/3", kMaj, 4},     {"maj/5", kMaj, 7},
    {"min", kMin, 0},     {"min/3", kMin, 3},     {"min/5", kMin, 7},
    {"min7", kMin7, 0},   {"min7/7", kMin7, 10},  {"min7/5", kMin7, 7},
    {"maj7", kMaj7, 0},   {"maj7/3", kMaj7, 4},   {"maj7/7", kMaj7, 11}, {"maj7/5", kMaj7, 7},
    {"7", kDom7, 0},      {"7/7", kDom7, 10},     {"7/3", kDom7, 4},     {"7/5", kDom7, 7},
    {"sus2", kSus2, 0},   {"sus4", kSus4, 0},     {"dim", kDim, 0},      {"hdim7", kHdim7, 0},
    {"maj6", kMaj6, 0},   {"aug", kAug, 0},
}};

int ChordModelClassOf(PitchClassSet tones, int root, int bass) {
  root = ((root % 12) + 12) % 12;
  const PitchClassSet quality = Quality(RotateDown(tones, root));
  if (quality == 0) return -1;
  const int bassInterval = (((bass - root) % 12) + 12) % 12;
  int rootPosition = -1;
  for (int t = 0; t < ChordModelTypeCount; ++t) {
    const TChordModelType& type = ChordModelTypes[static_cast<size_t>(t)];
    if (type.Tones != quality) continue;
    if (type.Bass == bassInterval) return ChordModelClass(root, t);
    if (type.Bass == 0) rootPosition = t;
  }
  return ChordModelClass(root, rootPosition);
}

const TChord& ChordModelClassChord(int cls) {
  static const std::array<TChord, ChordModelClassCount> chords = NameClasses();
  return chords[static_cast<size_t>(std::clamp(cls, 0, ChordModelClassCount - 1))];
}

void RotateFeatures(const TBeatFeatures& beat, TRotatedFeatures& rotated) {
  for (int r = 0; r < 12; ++r)
    for (int g = 0; g < ChordFeatureGroups; ++g)
      for (int k = 0; k < 12; ++k)
        rotated[static_cast<size_t>(r)][static_cast<size_t>(g * 12 + k)] =
            beat.Groups[static_cast<size_t>(g)][static_cast<size_t>((r + k) % 12)];
}

namespace {

// Types summed at once: six independent sums in flight, each the twelve roots of a type and
// four numbers that are not used (one AVX-512 register, two AVX ones).
constexpr size_t kTypeBlock = 6;

// The log-probabilities of a beat's classes (the padding type's come out -inf).
CANTARO_VECTOR_CLONES
void ScoreBeat(const TChordModelScorer::TReversed& reversed, const TChordModelScorer::TPaddedTypes& bias,
               const TBeatFeatures& beat, TChordModelScorer::TPaddedScores& scores) {
  // The sounding features first, then the types a block at a time: the twelve sums of each
  // type of the block stay in registers while every feature is added to them, in the order
  // of the features.
  std::array<size_t, ChordFeatureCount> offset;
  std::array<float, ChordFeatureCount> value;
  size_t count = 0;
  for (size_t g = 0; g < ChordFeatureGroups; ++g)
    for (size_t pc = 0; pc < 12; ++pc) {
      // Without a branch: which features sound is different in every beat.
      const float v = beat.Groups[g][pc];
      offset[count] = g * TChordModelScorer::kPaddedTypes * 24 + 12 - pc;
      value[count] = v;
      count += v != 0;
    }
  const float* base = reversed.data();
  static_assert(TChordModelScorer::kPaddedTypes % kTypeBlock == 0);
  constexpr size_t kTypes = TChordModelScorer::kPaddedTypes;
  // The sums of every type, sixteen places each (the last four -inf), written and read again
  // whole: a read that spans two writes waits for both.
  alignas(64) std::array<std::array<float, 16>, kTypes> sums;
  const TFloat16 lane = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  const TFloat16 none = TFloat16{} - INFINITY;
  TFloat16 top = none;
  for (size_t t0 = 0; t0 < kTypes; t0 += kTypeBlock) {
    TFloat16 sum[kTypeBlock];
    for (size_t k = 0; k < kTypeBlock; ++k) sum[k] = TFloat16{} + bias[t0 + k];
    for (size_t i = 0; i < count; ++i) {
      const float* w = base + offset[i] + t0 * 24;
      const float v = value[i];
      for (size_t k = 0; k < kTypeBlock; ++k) sum[k] += v * Load16(w + k * 24);
    }
    for (size_t k = 0; k < kTypeBlock; ++k) {
      const TFloat16 s = lane < 12.0f ? sum[k] : none;
      Store16(sums[t0 + k].data(), s);
      top = s > top ? s : top;
    }
  }
  // log softmax: minus the log of the sum of the exponentials, taken from the best score.
  // Classes more than 20 below the best add less than 276 x e^-20 (a millionth) to the sum
  // and are left out.
  float best = top[0];
  for (int k = 1; k < 16; ++k) best = std::max(best, top[k]);
  // e^x for x in (-20, 0] to a float's precision (a rounding or two): x = n ln 2 + r with
  // |r| <= ln 2 / 2, e^r by its polynomial, times 2^n.
  TFloat16 total16{};
  const TFloat16 magic = TFloat16{} + 12582912.0f;  // 1.5 x 2^23: adding it rounds to an integer
  for (size_t t = 0; t < kTypes; ++t) {
    const TFloat16 d = Load16(sums[t].data()) - best;
    const TFloat16 x = d < -20.5f ? TFloat16{} - 20.5f : d;
    const TFloat16 shifted = x * 1.44269504088896341f + magic;
    const TFloat16 n = shifted - magic;
    const TFloat16 r = x - n * 0.693359375f - n * -2.12194440e-4f;
    TFloat16 y = TFloat16{} + 1.9875691500e-4f;
    y = y * r + 1.3981999507e-3f;
    y = y * r + 8.3334519073e-3f;
    y = y * r + 4.1665795894e-2f;
    y = y * r + 1.6666665459e-1f;
    y = y * r + 5.0000001201e-1f;
    y = y * (r * r) + r + 1.0f;
    TInt16 bits;
    std::memcpy(&bits, &shifted, sizeof bits);
    bits = (bits - 0x4B400000 + 127) << 23;  // 2^n
    TFloat16 scale;
    std::memcpy(&scale, &bits, sizeof scale);
    total16 += d > -20.0f ? y * scale : TFloat16{};
  }
  float total = 0;
  for (int k = 0; k < 16; ++k) total += total16[k];
  const float logSum = best + std::log(total);
  // Two types make three vectors of eight classes.
  for (size_t t = 0; t < kTypes; t += 2) {
    const TFloat16 a = Load16(sums[t].data()) - logSum, b = Load16(sums[t + 1].data()) - logSum;
    Store8(&scores[t * 12], __builtin_shufflevector(a, a, 0, 1, 2, 3, 4, 5, 6, 7));
    Store8(&scores[t * 12 + 8], __builtin_shufflevector(a, b, 8, 9, 10, 11, 16, 17, 18, 19));
    Store8(&scores[t * 12 + 16], __builtin_shufflevector(b, b, 4, 5, 6, 7, 8, 9, 10, 11));
  }
}

}  // namespace

TChordModelScorer::TChordModelScorer(const TChordModel& model) {
  for (size_t g = 0; g < ChordFeatureGroups; ++g)
    for (size_t t = 0; t < ChordModelTypeCount; ++t)
      for (size_t i = 0; i < 24; ++i)
        reversed_[(g * kPaddedTypes + t) * 24 + i] = model.Weights[t][g * 12 + (24 - i) % 12];
  std::copy(model.Bias.begin(), model.Bias.end(), bias_.begin());
  std::fill(bias_.begin() + ChordModelTypeCount, bias_.end(), -INFINITY);
}

void TChordModelScorer::LogProbabilities(const TBeatFeatures& beat, TPaddedScores& scores) const {
  ScoreBeat(reversed_, bias_, beat, scores);
}

TClassScores TChordModelScorer::LogProbabilities(const TBeatFeatures& beat) const {
  TPaddedScores padded;
  ScoreBeat(reversed_, bias_, beat, padded);
  TClassScores scores;
  std::copy(padded.begin(), padded.begin() + ChordModelClassCount, scores.begin());
  return scores;
}

TClassScores ChordModelLogProbabilities(const TChordModel& model, const TBeatFeatures& beat) {
  return TChordModelScorer(model).LogProbabilities(beat);
}
