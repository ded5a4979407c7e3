#pragma once
// A learned chord model: the chord of a beat chosen by a small trained classifier over what
// sounds in the beat and its neighbours, instead of by the Keysense table.
//
// A beat is described by seven 12-vectors indexed by pitch class (TBeatFeatures). A class is
// a root (0..11) with one of 23 chord types; a type is a chord quality with the interval of
// its bass above the root (C, C/E, C/G, C7/Bb, ...). Every type has one weight set for all
// twelve roots: the score of root r and type t reads the features rotated so that r comes
// first, so a chord in one key and the same chord in another get the same weights. The
// scores go through a softmax over all 276 classes.
//
// The model is a value: the analysis receives it, nothing reads it from a global. Its file is
// a small versioned text (WriteChordModel, ReadChordModel); the reader takes any bytes and
// says what is wrong with them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chords/untChords.h"

// ---------------------------------------------------------------------------------------
// Classes

constexpr int ChordModelTypeCount = 23;
constexpr int ChordModelClassCount = 12 * ChordModelTypeCount;

struct TChordModelType {
  const char* Name;       // the name in the model file ("maj", "min7/b7", ...)
  PitchClassSet Tones;    // intervals above the root
  int8_t Bass;            // the bass's interval above the root
};

// The 23 types in class order: maj with the root, third and fifth in the bass; min likewise;
// min7 with root, seventh, fifth; maj7 and 7 with root, third, seventh, fifth; then sus2,
// sus4, dim, hdim7, maj6 and aug in root position.
extern const std::array<TChordModelType, ChordModelTypeCount> ChordModelTypes;

// Class index = type x 12 + root.
constexpr int ChordModelClass(int root, int type) { return type * 12 + root; }
constexpr int ChordModelClassRoot(int cls) { return cls % 12; }
constexpr int ChordModelClassType(int cls) { return cls / 12; }

// The class a chord label belongs to: its tones (pitch classes) over its bass, spelled from
// its root. Rarer chords go to the nearest type (min6 and minmaj7 to min, dim7 to dim, a bare
// fifth to maj, 7sus4 to sus4, 7sus2 to sus2, ninths and added ninths to their triad or
// seventh without the ninth); a bass that the type does not list goes to root position.
// -1 for tones that spell none of them.
int ChordModelClassOf(PitchClassSet tones, int root, int bass);

// The chord the program's own recognition names for the class's tones over its bass: its
// best-ranked variant with the class's root, placed like every recognised chord. Computed once
// for all classes.
const TChord& ChordModelClassChord(int cls);

// ---------------------------------------------------------------------------------------
// Features

constexpr int ChordFeatureGroups = 7;
constexpr int ChordFeatureCount = ChordFeatureGroups * 12;

// The feature groups in the order of the weights.
enum TChordFeatureGroup : int {
  cfShare,       // sounding time (summed over notes) as a share of the beat's total
  cfSaturated,   // sounding time divided by the beat length, capped at 1
  cfBass,        // the share of the beat's sounding time in which the class is the lowest note
  cfLowest,      // 1 for the class of the lowest note that sounds at least 1/16 of the beat
  cfOnset,       // 1 for the classes of notes starting in the first 1/8 of the beat
  cfPrevious,    // cfShare of the beat before (zeros for the first beat)
  cfNext,        // cfShare of the beat after (zeros for the last beat)
};

struct TBeatFeatures {
  std::array<std::array<float, 12>, ChordFeatureGroups> Groups{};
  bool Silent = true;  // no note sounds in the beat: it gets no chord
};

// One note: its pitch and the ticks [Start, End) in which it sounds.
struct TSoundingNote {
  int32_t Start = 0;
  int32_t End = 0;
  int Pitch = 0;
};

// The features of beats 0..beatCount-1, beat b covering [b x beatLength, (b + 1) x
// beatLength). Notes need not be sorted; empty or inverted notes are ignored. A beat length
// below 1 gives silent beats.
std::vector<TBeatFeatures> ChordModelFeatures(std::vector<TSoundingNote> notes, int32_t beatLength,
                                              size_t beatCount);

// The same one beat after another, without keeping them: the notes are put in the order of
// the beat they start in (already so when they come in that order), then one sweep carries
// the sounding notes from beat to beat.
class TChordFeatureSweep {
 public:
  TChordFeatureSweep(std::vector<TSoundingNote> notes, int32_t beatLength, size_t beatCount);
  size_t BeatCount() const { return beatCount_; }
  // The features of the next beat, beat 0 first; valid until the next call. Only BeatCount()
  // calls.
  const TBeatFeatures& Next();

 private:
  // A note as the sweep keeps it: its ticks, pitch and pitch class.
  struct TNote {
    int32_t Start;
    int32_t End;
    uint8_t Pitch;
    uint8_t Class;
  };
  // The part of a beat not yet claimed by a lower note, as ordered disjoint spans.
  class TUncovered {
   public:
    void Reset(int32_t start, int32_t end) { spans_.assign(1, {start, end}); }
    bool Empty() const { return spans_.empty(); }
    // Removes [s, e) and returns how many ticks of it were still unclaimed.
    int64_t Claim(int32_t s, int32_t e);

   private:
    std::vector<std::pair<int32_t, int32_t>> spans_, kept_;
  };
  static constexpr int kPitches = 128;

  // The groups of beat b heard in the beat itself (all but cfPrevious and cfNext).
  void Measure(size_t b, TBeatFeatures& f);

  int32_t beatLength_;
  size_t beatCount_;
  size_t next_ = 0;                    // the beat Next() gives
  std::vector<TSoundingNote> notes_;   // the notes that count, by the beat they start in
  std::vector<uint32_t> first_;        // beat b's notes start at notes_[first_[b]]
  std::vector<TNote> active_;          // the notes sounding in the beat measured last
  std::array<int32_t, kPitches> pitchHead_;  // per pitch its last note in active_, -1 for none
  std::vector<int32_t> samePitch_;     // per note in active_ the one before it of the same pitch
  TUncovered uncovered_;
  std::array<TBeatFeatures, 2> beats_;  // beat b in beats_[b % 2]
};

// ---------------------------------------------------------------------------------------
// The model

struct TChordModel {
  static constexpr int Version = 1;
  // Weight of feature group g, class k (counted from the root) for type t.
  std::array<std::array<float, ChordFeatureCount>, ChordModelTypeCount> Weights{};
  std::array<float, ChordModelTypeCount> Bias{};
  std::string Comment;  // where it came from (the trainer's note), one line

  bool operator==(const TChordModel&) const = default;
};

using TClassScores = std::array<float, ChordModelClassCount>;

// The log-probabilities of all classes for a beat (log softmax of the scores).
TClassScores ChordModelLogProbabilities(const TChordModel& model, const TBeatFeatures& beat);

// The same for many beats: the weights laid out once so that every sounding feature of a beat
// adds to the twelve roots of every type at once (a beat has a few dozen of its 84 features
// above zero).
class TChordModelScorer {
 public:
  // The types padded to a multiple of four with one that is never likely (its scores are -inf).
  static constexpr size_t kPaddedTypes = 24;
  static constexpr size_t kPaddedClasses = kPaddedTypes * 12;
  using TPaddedTypes = std::array<float, kPaddedTypes>;
  using TPaddedScores = std::array<float, kPaddedClasses>;
  // The weights (below), and four floats more that a read of sixteen at the last place passes.
  using TReversed = std::array<float, ChordFeatureGroups * kPaddedTypes * 24 + 4>;

  explicit TChordModelScorer(const TChordModel& model);
  TClassScores LogProbabilities(const TBeatFeatures& beat) const;
  // The same in class order followed by the padding's -inf.
  void LogProbabilities(const TBeatFeatures& beat, TPaddedScores& scores) const;

 private:
  // reversed_[(g x kPaddedTypes + t) x 24 + i] = the weight of group g, class (12 - i) mod 12
  // of type t, twice over: a feature at pitch class pc adds the number at i = 12 - pc + r to
  // root r, so the twelve roots read twelve neighbouring numbers. 16 KB, which stay in the
  // fastest cache.
  TReversed reversed_{};
  TPaddedTypes bias_{};
};

// The features of a beat rotated for every root: rotated[r][g x 12 + k] = group g at class
// (r + k) mod 12. The trainer uses it for the gradient.
using TRotatedFeatures = std::array<std::array<float, ChordFeatureCount>, 12>;
void RotateFeatures(const TBeatFeatures& beat, TRotatedFeatures& rotated);

// ---------------------------------------------------------------------------------------
// The model file

enum class TChordModelFault : uint8_t {
  None,
  NotAModel,        // the first line is not the model file's header
  NewerVersion,     // written by a later version of the program
  BadLine,          // a line that is not what the format allows there (see Line)
  BadNumber,        // a number that cannot be read, or is not finite, or beyond 1e6 (see Line)
  WrongCount,       // a row with too few or too many numbers (see Line)
  UnknownType,      // a type the program does not know (see Line)
  Missing,          // a type's row is missing
  Duplicate,        // a type's row comes twice (see Line)
};

struct TChordModelRead {
  std::optional<TChordModel> Model;
  TChordModelFault Fault = TChordModelFault::None;
  int Line = 0;          // 1-based line of the fault, 0 when it concerns the whole file
  std::string Detail;    // what was found (a type name, a number), for the message
};

// Reads a model file from its bytes. Never throws; any bytes give either a model or a fault.
TChordModelRead ReadChordModel(std::string_view bytes);

// The file's text; ReadChordModel gives back an equal model (floats are written exactly).
std::string WriteChordModel(const TChordModel& model);

// The fault in the user's words (the message table), naming the line where there is one.
std::string ChordModelFaultText(const TChordModelRead& read);
