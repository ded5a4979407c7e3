#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "chords/ChordModel.h"
#include "chords/ChordModelDecode.h"

namespace {

constexpr int32_t L = 480;

PitchClassSet Tones(std::initializer_list<int> pcs) {
  PitchClassSet s = 0;
  for (int pc : pcs) s = static_cast<PitchClassSet>(s | (1u << (pc % 12)));
  return s;
}

// A model with every number drawn at random: what holds for it holds for any trained one.
TChordModel RandomModel(uint32_t seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<float> number(-2.0f, 2.0f);
  TChordModel m;
  for (auto& w : m.Weights)
    for (float& x : w) x = number(random);
  for (float& b : m.Bias) b = number(random);
  return m;
}

int Best(const TClassScores& s) { return static_cast<int>(std::max_element(s.begin(), s.end()) - s.begin()); }

// ---- What the model hears of a beat ------------------------------------------------------

struct FeatureCase {
  const char* what;
  std::vector<TSoundingNote> notes;
  size_t beat;
  TChordFeatureGroup group;
  std::vector<std::pair<int, float>> expected;  // pitch class -> value; the others are 0
};

void PrintTo(const FeatureCase& c, std::ostream* os) { *os << c.what; }

class ChordModelFeaturesTest : public ::testing::TestWithParam<FeatureCase> {};

TEST_P(ChordModelFeaturesTest, MeasuresTheBeat) {
  const FeatureCase& c = GetParam();
  const std::vector<TBeatFeatures> beats = ChordModelFeatures(c.notes, L, 3);
  std::array<float, 12> expected{};
  for (auto [pc, value] : c.expected) expected[static_cast<size_t>(pc)] = value;
  const auto& got = beats[c.beat].Groups[c.group];
  for (size_t k = 0; k < 12; ++k) EXPECT_NEAR(got[k], expected[k], 1e-6) << c.what << ", pitch class " << k;
}

// Held: C4 over two beats. Bass line: E4 all beat, C3 then G2 below it. Onsets: a note at
// 1/16 of the beat starts it, one at a quarter does not; a note shorter than 1/16 is not the lowest.
const std::vector<TSoundingNote> kHeld{{0, 2 * L, 60}};
const std::vector<TSoundingNote> kBassLine{{0, L, 64}, {0, L / 2, 48}, {L / 2, L, 43}};
const std::vector<TSoundingNote> kOnsets{{L + L / 16, 2 * L, 67}, {L + L / 4, 2 * L, 72}, {L, L + L / 32, 40}};

// clang-format off
INSTANTIATE_TEST_SUITE_P(HandMadeBeats, ChordModelFeaturesTest, ::testing::Values(
  FeatureCase{"a held note fills its first beat", kHeld, 0, cfShare, {{0, 1.0f}}},
  FeatureCase{"a held note is saturated", kHeld, 0, cfSaturated, {{0, 1.0f}}},
  FeatureCase{"a held note is the bass", kHeld, 0, cfBass, {{0, 1.0f}}},
  FeatureCase{"a held note starts the first beat", kHeld, 0, cfOnset, {{0, 1.0f}}},
  FeatureCase{"a held note does not start the second", kHeld, 1, cfOnset, {}},
  FeatureCase{"a held note still sounds in the second", kHeld, 1, cfShare, {{0, 1.0f}}},
  FeatureCase{"the second beat hears the first", kHeld, 1, cfPrevious, {{0, 1.0f}}},
  FeatureCase{"the first beat hears the second", kHeld, 0, cfNext, {{0, 1.0f}}},
  FeatureCase{"the last beat hears nothing after it", kHeld, 1, cfNext, {}},
  FeatureCase{"a bass line shares the bass by time", kBassLine, 0, cfBass, {{0, 0.5f}, {7, 0.5f}}},
  FeatureCase{"a bass line: its lowest note", kBassLine, 0, cfLowest, {{7, 1.0f}}},
  FeatureCase{"a bass line: shares of the sounding time", kBassLine, 0, cfShare, {{4, 0.5f}, {0, 0.25f}, {7, 0.25f}}},
  FeatureCase{"a bass line: half-beat notes are not saturated", kBassLine, 0, cfSaturated, {{4, 1.0f}, {0, 0.5f}, {7, 0.5f}}},
  FeatureCase{"an onset in the first eighth of the beat", kOnsets, 1, cfOnset, {{7, 1.0f}, {4, 1.0f}}},
  FeatureCase{"a note shorter than a sixteenth is not the lowest", kOnsets, 1, cfLowest, {{7, 1.0f}}},
  FeatureCase{"a silent beat hears nothing", kOnsets, 0, cfShare, {}}
));
// clang-format on

TEST(ChordModelFeatures, ABeatWithoutSoundIsSilent) {
  const std::vector<TBeatFeatures> beats = ChordModelFeatures({{L, 2 * L, 60}, {5 * L, 4 * L, 62}}, L, 3);
  EXPECT_TRUE(beats[0].Silent);
  EXPECT_FALSE(beats[1].Silent);
  EXPECT_TRUE(beats[2].Silent);  // the inverted note is ignored
  EXPECT_TRUE(ChordModelFeatures(kHeld, 0, 2)[0].Silent);
}

// The notes of a song come in any order (a walk track after track) or in the order they start
// (the search's walk beat by beat): the beats are measured the same, to the last bit.
TEST(ChordModelFeatures, TheOrderOfTheNotesChangesNothing) {
  std::vector<TSoundingNote> song;
  for (int32_t beat = 0; beat < 8; ++beat)
    for (const auto& piece : {kHeld, kBassLine, kOnsets})
      for (TSoundingNote n : piece) {
        n.Start += beat * L + beat % 3;
        n.End += beat * L + (beat % 2) * L;
        n.Pitch += beat;
        song.push_back(n);
      }
  song.push_back({3 * L, 3 * L, 50});  // empty
  song.push_back({-L, L, 50});         // before the song
  song.push_back({20 * L, 21 * L, 50});  // after the last beat
  std::vector<TSoundingNote> byStart = song;
  std::stable_sort(byStart.begin(), byStart.end(),
                   [](const TSoundingNote& a, const TSoundingNote& b) { return a.Start / L < b.Start / L; });
  std::vector<TSoundingNote> reversed(song.rbegin(), song.rend());
  const std::vector<TBeatFeatures> expected = ChordModelFeatures(byStart, L, 10);
  for (const auto& notes : {song, reversed}) {
    const std::vector<TBeatFeatures> got = ChordModelFeatures(notes, L, 10);
    for (size_t b = 0; b < expected.size(); ++b) {
      EXPECT_EQ(got[b].Silent, expected[b].Silent) << "beat " << b;
      EXPECT_EQ(got[b].Groups, expected[b].Groups) << "beat " << b;
    }
  }
  TChordFeatureSweep sweep(song, L, 10);
  for (size_t b = 0; b < expected.size(); ++b) EXPECT_EQ(sweep.Next().Groups, expected[b].Groups) << "beat " << b;
}

// ---- Classes and their names ---------------------------------------------------------------

struct ClassCase {
  const char* what;
  PitchClassSet tones;
  int root, bass;
  const char* name;  // of the class; nullptr: no class
};

class ChordModelClassTest : public ::testing::TestWithParam<ClassCase> {};

TEST_P(ChordModelClassTest, MapsTheLabelAndNamesItsClass) {
  const ClassCase& c = GetParam();
  const int cls = ChordModelClassOf(c.tones, c.root, c.bass);
  if (!c.name) {
    EXPECT_EQ(cls, -1) << c.what;
    return;
  }
  ASSERT_GE(cls, 0) << c.what;
  EXPECT_EQ(ChordName(ChordModelClassChord(cls), NoteNotation::English), c.name) << c.what;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Labels, ChordModelClassTest, ::testing::Values(
  ClassCase{"C", Tones({0, 4, 7}), 0, 0, "C"},
  ClassCase{"C over E", Tones({0, 4, 7}), 0, 4, "C/E"},
  ClassCase{"E7", Tones({4, 8, 11, 2}), 4, 4, "E7"},
  ClassCase{"G7 over F", Tones({7, 11, 2, 5}), 7, 5, "G7/F"},
  ClassCase{"Am7", Tones({9, 0, 4, 7}), 9, 9, "Am7"},
  ClassCase{"Am7 over C goes to root position", Tones({9, 0, 4, 7}), 9, 0, "Am7"},
  ClassCase{"Csus4", Tones({0, 5, 7}), 0, 0, "Csus4"},
  ClassCase{"Cm6 is Cm", Tones({0, 3, 7, 9}), 0, 0, "Cm"},
  ClassCase{"C9 is C7", Tones({0, 4, 7, 10, 2}), 0, 0, "C7"},
  ClassCase{"Cadd9 is C", Tones({0, 4, 7, 2}), 0, 0, "C"},
  ClassCase{"Bdim7 is Bdim", Tones({11, 2, 5, 8}), 11, 11, "Bm/5-"},
  ClassCase{"a bare fifth is major", Tones({2, 9}), 2, 2, "D"},
  ClassCase{"a cluster is no class", Tones({0, 1, 2}), 0, 0, nullptr}
));
// clang-format on

TEST(ChordModelClasses, EveryClassHasANameOfItsRootOverItsBass) {
  for (int cls = 0; cls < ChordModelClassCount; ++cls) {
    TChord chord = ChordModelClassChord(cls);
    const TChordModelType& type = ChordModelTypes[static_cast<size_t>(ChordModelClassType(cls))];
    ASSERT_TRUE(ChordIsValid(chord)) << cls;
    EXPECT_EQ((chord.BasePitch % 12 + 12) % 12, (ChordModelClassRoot(cls) + type.Bass) % 12) << type.Name;
    EXPECT_EQ(ChordModelClassOf(type.Tones, 0, type.Bass), ChordModelClass(0, ChordModelClassType(cls)));
  }
}

// ---- Rotation: one weight set per type serves every root ------------------------------------

TEST(ChordModelScoring, TheSameChordInTwelveKeysGetsTheSameType) {
  const TChordModel model = RandomModel(7);
  // A voiced chord over a bass line, with a passing note, as a beat of a song.
  const std::vector<TSoundingNote> chord{{0, L, 45}, {0, L, 64}, {0, L, 67}, {0, L, 72}, {L / 2, L, 74}};
  int type = -1, root = -1;
  for (int key = 0; key < 12; ++key) {
    std::vector<TSoundingNote> moved = chord;
    for (TSoundingNote& n : moved) n.Pitch += key;
    const TClassScores s = ChordModelLogProbabilities(model, ChordModelFeatures(moved, L, 1)[0]);
    const int best = Best(s);
    if (key == 0) {
      type = ChordModelClassType(best);
      root = ChordModelClassRoot(best);
    }
    EXPECT_EQ(ChordModelClassType(best), type) << "key " << key;
    EXPECT_EQ(ChordModelClassRoot(best), (root + key) % 12) << "key " << key;
    double total = 0;
    for (float p : s) total += std::exp(static_cast<double>(p));
    EXPECT_NEAR(total, 1.0, 1e-4);
  }
}

// ---- Decoding --------------------------------------------------------------------------------

// Scores where `cls` has log-probability `high` and every other class -10.
TClassScores Favour(std::initializer_list<std::pair<int, float>> classes) {
  TClassScores s;
  s.fill(-10.0f);
  for (auto [cls, value] : classes) s[static_cast<size_t>(cls)] = value;
  return s;
}

struct DecodeCase {
  const char* what;
  std::vector<TClassScores> scores;
  std::vector<bool> silent;
  std::vector<int32_t> expected;
};

void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.what; }

class ChordModelDecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(ChordModelDecodeTest, ChoosesTheChordsOfTheSong) {
  EXPECT_EQ(DecodeChordClasses(GetParam().scores, GetParam().silent), GetParam().expected);
}

const int C = ChordModelClass(0, 0), G = ChordModelClass(7, 0), Am = ChordModelClass(9, 3);
// A passing note makes one beat lean to G by one unit: less than a change costs.
const TClassScores kC = Favour({{C, -0.1f}, {G, -3.0f}});
const TClassScores kLeanG = Favour({{C, -1.5f}, {G, -0.5f}});
const TClassScores kG = Favour({{G, -0.1f}, {C, -3.0f}});
const TClassScores kAm = Favour({{Am, -0.1f}});

// clang-format off
INSTANTIATE_TEST_SUITE_P(Penalty, ChordModelDecodeTest, ::testing::Values(
  DecodeCase{"a passing note keeps the chord", {kC, kC, kLeanG, kC, kC}, {}, {C, C, C, C, C}},
  DecodeCase{"a real change still changes it", {kC, kC, kG, kG, kG}, {}, {C, C, G, G, G}},
  DecodeCase{"a one-beat chord that is clear wins", {kC, kAm, kC}, {}, {C, Am, C}},
  DecodeCase{"a silent beat has no chord and ends the run", {kC, kC, kG, kLeanG}, {false, false, true, false},
             {C, C, -1, G}},
  DecodeCase{"no beats", {}, {}, {}}
));
// clang-format on

// The pass that scores, decodes and ranks the beats as it goes chooses what the three steps
// taken one after the other choose.
TEST(ChordModelDecode, OnePassChoosesWhatTheStepsChoose) {
  for (uint32_t seed : {3u, 11u}) {
    const TChordModel model = RandomModel(seed);
    std::vector<TSoundingNote> song;
    std::mt19937 random(seed);
    // Two parts with silent beats 21 to 23 between them and 45 to 47 after them.
    for (int32_t i = 0; i < 120; ++i) {
      const int32_t start = static_cast<int32_t>(random() % (18 * L)) + (i % 2) * 24 * L;
      song.push_back({start, start + 1 + static_cast<int32_t>(random() % (3 * L)), 36 + static_cast<int>(random() % 48)});
    }
    const std::vector<TBeatFeatures> beats = ChordModelFeatures(song, L, 48);
    std::vector<TClassScores> scores;
    std::vector<bool> silent;
    for (const TBeatFeatures& beat : beats) {
      scores.push_back(ChordModelLogProbabilities(model, beat));
      silent.push_back(beat.Silent);
    }
    const std::vector<int32_t> classes = DecodeChordClasses(scores, silent);
    TChordFeatureSweep sweep(song, L, beats.size());
    const TModelChords chords = ChordModelChords(model, sweep, 8, 0.005f);
    ASSERT_EQ(chords.Classes, classes);
    ASSERT_EQ(chords.FirstVariant.size(), beats.size() + 1);
    for (size_t b = 0; b < beats.size(); ++b)
      EXPECT_EQ(std::vector<int32_t>(chords.Variants.begin() + chords.FirstVariant[b],
                                     chords.Variants.begin() + chords.FirstVariant[b + 1]),
                RankedClasses(scores[b], classes[b], 8, 0.005f))
          << "beat " << b;
    EXPECT_TRUE(silent[22] && silent[47] && !silent[static_cast<size_t>(song[0].Start / L)] &&
                !silent[static_cast<size_t>(song[1].Start / L)]);
  }
}

TEST(ChordModelDecode, RankedClassesPutTheChosenOneFirst) {
  const TClassScores beat = Favour({{C, std::log(0.6f)}, {G, std::log(0.3f)}, {Am, std::log(0.002f)}});
  EXPECT_EQ(RankedClasses(beat, G, 8, 0.005f), (std::vector<int32_t>{G, C}));
  EXPECT_EQ(RankedClasses(beat, G, 1, 0.005f), (std::vector<int32_t>{G}));
  EXPECT_TRUE(RankedClasses(beat, -1, 8, 0.005f).empty());
  // No floor and no limit: every class once, the likelier first.
  std::vector<int32_t> all = RankedClasses(beat, G, 1000, 0.0f);
  ASSERT_EQ(all.size(), static_cast<size_t>(ChordModelClassCount));
  EXPECT_EQ(all[0], G);
  EXPECT_EQ(all[1], C);
  EXPECT_EQ(all[2], Am);
  std::sort(all.begin(), all.end());
  for (int32_t c = 0; c < ChordModelClassCount; ++c) EXPECT_EQ(all[static_cast<size_t>(c)], c);
}

// ---- The model file ---------------------------------------------------------------------------

TEST(ChordModelFile, WhatIsWrittenReadsBackExactly) {
  TChordModel model = RandomModel(11);
  model.Comment = "trained on two songs";
  const TChordModelRead read = ReadChordModel(WriteChordModel(model));
  ASSERT_TRUE(read.Model) << ChordModelFaultText(read);
  EXPECT_EQ(*read.Model, model);
  // A comment read with carriage returns inside its line is written and read back the same.
  std::string text = WriteChordModel(model);
  text.replace(text.find("trained on"), 10, "\r trained\r\ron");
  const TChordModelRead odd = ReadChordModel(text);
  ASSERT_TRUE(odd.Model) << ChordModelFaultText(odd);
  const TChordModelRead again = ReadChordModel(WriteChordModel(*odd.Model));
  ASSERT_TRUE(again.Model);
  EXPECT_EQ(*again.Model, *odd.Model);
}

struct FileCase {
  const char* what;
  std::string text;
  TChordModelFault fault;
  int line;
};

void PrintTo(const FileCase& c, std::ostream* os) { *os << c.what; }

// The written file of a zero model with one edit.
std::string Edited(const std::string& from, const std::string& to) {
  std::string text = WriteChordModel(TChordModel{});
  text.replace(text.find(from), from.size(), to);
  return text;
}

std::string Zeros(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += " 0";
  return s;
}

class ChordModelFileTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(ChordModelFileTest, NamesWhatIsWrong) {
  const FileCase& c = GetParam();
  const TChordModelRead read = ReadChordModel(c.text);
  EXPECT_FALSE(read.Model) << c.what;
  EXPECT_EQ(read.Fault, c.fault) << c.what;
  EXPECT_EQ(read.Line, c.line) << c.what;
  EXPECT_FALSE(ChordModelFaultText(read).empty());
}

// The zero model's file: header on line 1, two comment lines, then maj on line 4.
// clang-format off
INSTANTIATE_TEST_SUITE_P(DamagedFiles, ChordModelFileTest, ::testing::Values(
  FileCase{"empty", "", TChordModelFault::NotAModel, 0},
  FileCase{"another file", "[Keysense]\nMain=C0\n", TChordModelFault::NotAModel, 0},
  FileCase{"a header without version", "cantaro chord model\n", TChordModelFault::NotAModel, 0},
  FileCase{"a later version", Edited("model 1", "model 2"), TChordModelFault::NewerVersion, 0},
  FileCase{"cut inside a row", WriteChordModel(TChordModel{}).substr(0, WriteChordModel(TChordModel{}).find("\nmin ") + 10),
           TChordModelFault::WrongCount, 7},
  FileCase{"a type missing", Edited("\nsus2" + Zeros(85), ""), TChordModelFault::Missing, 0},
  FileCase{"a type twice", Edited("\nsus2", "\nsus4"), TChordModelFault::Duplicate, 22},
  FileCase{"an unknown type", Edited("\nsus2", "\nsus9"), TChordModelFault::UnknownType, 21},
  FileCase{"a word in a row", Edited("\nmaj 0 0", "\nmaj 0 x"), TChordModelFault::BadNumber, 4},
  FileCase{"an infinite number", Edited("\nmaj 0 0", "\nmaj 0 inf"), TChordModelFault::BadNumber, 4},
  FileCase{"a number too large to score", Edited("\nmaj 0 0", "\nmaj 0 3e20"), TChordModelFault::BadNumber, 4},
  FileCase{"a number too many", Edited("\nmaj 0", "\nmaj 0 0"), TChordModelFault::WrongCount, 4},
  FileCase{"a stray line", Edited("\nmaj ", "\nhello world\nmaj "), TChordModelFault::BadLine, 4}
));
// clang-format on

}  // namespace
