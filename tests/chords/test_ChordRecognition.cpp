#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "chords/ChordRecognition.h"
#include "chords/untChords.h"
#include "tests/chords/ChordWalk.h"

namespace {

using M = RecognitionMode;

// "Name score" per chord, the way a musician reads the variants list.
std::vector<std::string> Describe(const TChords& chords) {
  std::vector<std::string> out;
  for (const TChord& c : chords) out.push_back(ChordName(c, NoteNotation::English) + " " + std::to_string(ChordScore(c)));
  return out;
}

std::vector<std::string> FirstOf(std::vector<std::string> list, size_t n) {
  if (list.size() > n) list.resize(n);
  return list;
}

struct RecognitionCase {
  const char* what;
  TNotes notes;
  M mode;
  std::vector<std::string> expected;  // the whole list, or its head when `head` is set
  bool head;
};

void PrintTo(const RecognitionCase& c, std::ostream* os) { *os << c.what; }

class RecognizeChordsTest : public ::testing::TestWithParam<RecognitionCase> {};

TEST_P(RecognizeChordsTest, RanksTheFittingChords) {
  const RecognitionCase& c = GetParam();
  const std::vector<std::string> got = Describe(RecognizeChords(c.notes, c.mode));
  if (c.head)
    EXPECT_EQ(FirstOf(got, c.expected.size()), c.expected) << c.what;
  else
    EXPECT_EQ(got, c.expected) << c.what;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Examples, RecognizeChordsTest, ::testing::Values(
  RecognitionCase{"C major, quick", {60, 64, 67}, M::QuickFirst, {"C 0"}, false},
  RecognitionCase{"C major, all", {60, 64, 67}, M::AllVariants,
                  {"C 0", "Em/5+/C 17", "Cadd11- 32", "Emadd9+/5+/C 49", "Emadd13-/5+/C 49"}, false},
  RecognitionCase{"C over E, quick", {52, 60, 67}, M::QuickFirst, {"C/E 0"}, false},
  RecognitionCase{"C over E, all", {52, 60, 67}, M::AllVariants, {"C/E 0", "Em/5+ 17"}, true},
  RecognitionCase{"C7, quick", {60, 64, 67, 70}, M::QuickFirst, {"C7 2"}, false},
  RecognitionCase{"C7, all", {60, 64, 67, 70}, M::AllVariants, {"C7 2"}, true},
  RecognitionCase{"Am7 before C6/A", {57, 60, 64, 67}, M::AllVariants, {"Am7 3", "C6/A 6", "C/A 16"}, true},
  RecognitionCase{"quick phase wins over the score", {48, 52, 55, 58, 62}, M::QuickFirst, {"Gm6/C 23"}, false},
  RecognitionCase{"C9 ranked first", {48, 52, 55, 58, 62}, M::AllVariants, {"C9 16", "C79 18", "C7add9 18"}, true},
  RecognitionCase{"diminished seventh", {59, 62, 65, 68}, M::AllVariants,
                  {"Bdim 12", "G#dim/B 12", "Fdim/B 12", "Ddim/B 12"}, true},
  RecognitionCase{"diminished seventh, quick", {59, 62, 65, 68}, M::QuickFirst, {"Bdim 12"}, false},
  RecognitionCase{"augmented", {60, 64, 68}, M::AllVariants, {"Caug 13", "G#aug/C 13", "Eaug/C 13", "C/5+ 16"}, true},
  RecognitionCase{"power chord", {60, 67}, M::AllVariants, {"C5 14"}, false},
  RecognitionCase{"power chord, quick", {60, 67}, M::QuickFirst, {"C5 14"}, false},
  RecognitionCase{"major third", {60, 64}, M::AllVariants, {"E5/5+/C 30"}, false},
  RecognitionCase{"major third, quick", {60, 64}, M::QuickFirst, {"E5/5+/C 30"}, false},
  RecognitionCase{"doublings change nothing", {48, 60, 60, 64, 67, 76, 79}, M::QuickFirst, {"C 0"}, false},
  RecognitionCase{"a note whole octaves below the first counts", {60, 36, 64, 67}, M::QuickFirst, {"C 0"}, false},
  RecognitionCase{"no notes", {}, M::AllVariants, {}, false},
  RecognitionCase{"single note", {60}, M::AllVariants, {}, false},
  RecognitionCase{"octave only", {60, 72}, M::AllVariants, {}, false},
  RecognitionCase{"octave only, quick", {60, 72}, M::QuickFirst, {}, false},
  RecognitionCase{"semitone", {60, 61}, M::AllVariants, {}, false},
  RecognitionCase{"semitone, quick", {60, 61}, M::QuickFirst, {}, false},
  RecognitionCase{"not ascending: C4 below E4 is skipped", {64, 60, 67}, M::AllVariants, {}, false}
));
// clang-format on

TEST(RecognizeChords, PlacesTheBaseAroundE4) {
  const TChords quick = RecognizeChords({60, 64, 67}, M::QuickFirst);
  ASSERT_EQ(quick.size(), 1u);
  EXPECT_EQ(quick[0].BasePitch, 60);
  EXPECT_EQ(quick[0].BassOffset, 0);
  EXPECT_EQ(quick[0].RootOffset, 0);

  const TChords overE = RecognizeChords({52, 60, 67}, M::AllVariants);
  ASSERT_GE(overE.size(), 2u);
  EXPECT_EQ(overE[0].BasePitch, 52);
  EXPECT_EQ(overE[0].RootOffset, 8);
  EXPECT_EQ(overE[1].BasePitch, 64);  // Em/5+ centres best an octave higher
  EXPECT_EQ(RecognizeChords({52, 60, 67}, M::QuickFirst)[0].BasePitch, 52);

  // The placement depends on the bass pitch class only, never on its octave.
  for (int32_t bass : {4, 16, 28, 100, 124}) {
    const TChords placed = RecognizeChords({bass, bass + 8, bass + 15}, M::AllVariants);
    ASSERT_FALSE(placed.empty());
    EXPECT_EQ(placed[0].BasePitch, 52) << bass;
  }
}

TEST(RecognizeChords, EveryResultIsNormalisedAndFitsTheNotes) {
  for (const TNotes& notes : {TNotes{60, 64, 67}, TNotes{48, 52, 55, 58, 62}, TNotes{59, 62, 65, 68}}) {
    for (const TChord& chord : RecognizeChords(notes, M::AllVariants)) {
      EXPECT_TRUE(ChordIsValid(chord));
      EXPECT_EQ(chord.BassOffset, 0);
      EXPECT_GE(chord.BasePitch, 24);
      EXPECT_LE(chord.BasePitch, 71);
      EXPECT_EQ(chord.BasePitch % 12, notes[0] % 12);
      TChord copy = chord;
      EXPECT_EQ(ChordIntervalSet(copy), NotesIntervalSet(notes)) << ChordName(chord, NoteNotation::English);
    }
  }
}

TEST(RecognizeChords, ExtremeNotesNeitherOverflowNorIndexOutside) {
  const std::vector<TNotes> lists = {
      {INT32_MIN, INT32_MAX},
      {INT32_MAX, INT32_MIN, 0},
      {-5, -1, 2},            // C major a whole octave below pitch 0
      {INT32_MIN, INT32_MIN + 4, INT32_MIN + 7},
      {INT32_MAX - 7, INT32_MAX - 3, INT32_MAX},
  };
  for (const TNotes& notes : lists)
    for (M mode : {M::QuickFirst, M::AllVariants}) {
      const TChords got = RecognizeChords(notes, mode);
      EXPECT_EQ(got, RecognizeChordsByWalk(notes, mode));
      for (const TChord& c : got) {
        EXPECT_GE(c.BasePitch, 24);
        EXPECT_LE(c.BasePitch, 71);
      }
    }
  const TChords low = RecognizeChords({-5, -1, 2}, M::QuickFirst);
  ASSERT_EQ(low.size(), 1u);
  EXPECT_EQ(ChordName(low[0], NoteNotation::English), "G");
}

TEST(EnumerateChords, VisitsEveryCandidateOfTheFullPhaseOnceInOrder) {
  std::array<int, ChordTypeCount> perType{};
  int total = 0;
  int lastType = 0;
  bool ordered = true;
  EnumerateChords(
      [&](const TChord& c) {
        ++total;
        ++perType[c.ChordType];
        if (c.ChordType < lastType) ordered = false;
        lastType = c.ChordType;
        EXPECT_EQ(c.BasePitch, 0);
        EXPECT_EQ(c.RootOffset, 0);
        EXPECT_TRUE(ChordIsValid(c));
        return true;  // answers do not stop the full phase
      },
      M::AllVariants);
  EXPECT_EQ(total, 12804);
  EXPECT_TRUE(ordered);
  for (int t = 0; t < ChordTypeCount; ++t) {
    const int expected = t <= 5 ? 1764 : t <= 11 ? 360 : t <= 13 ? 12 : 36;
    EXPECT_EQ(perType[t], expected) << t;
  }
}

TEST(EnumerateChords, QuickPhaseStopsAtTheFirstMatchAndTriesRootPositionFirst) {
  std::vector<TChord> seen;
  EnumerateChords(
      [&](const TChord& c) {
        seen.push_back(c);
        return c.BassOffset == 1 && c.ChordType == 3;
      },
      M::QuickFirst);
  ASSERT_EQ(seen.size(), 15u + 4u);
  for (size_t i = 0; i < seen.size(); ++i) {
    EXPECT_EQ(seen[i].BassOffset, static_cast<int8_t>(i / 15));
    EXPECT_EQ(seen[i].ChordType, i % 15);
    EXPECT_EQ(seen[i].Extension, 0);
  }
}

TEST(EnumerateChords, QuickModeFallsThroughToTheFullPhaseWhenNothingMatches) {
  int total = 0;
  EnumerateChords([&](const TChord&) { return ++total, false; }, M::QuickFirst);
  EXPECT_EQ(total, 12 * 15 + 12804);
}

TEST(EnumerateChords, InnermostLoopIsTheBassThenEleventhNinthFifth) {
  // The first chords of type 0 with a thirteenth and no AddFlag: bass runs fastest, then the
  // eleventh alteration 0, +1, -1, then the ninth, then the fifth.
  std::vector<TChord> thirteenths;
  EnumerateChords(
      [&](const TChord& c) {
        if (c.ChordType == 0 && c.Extension == 3 && c.ExtensionAlteration == 0 && c.AddFlag == 0)
          thirteenths.push_back(c);
        return false;
      },
      M::AllVariants);
  ASSERT_EQ(thirteenths.size(), 27u * 12u);
  EXPECT_EQ(thirteenths[11].BassOffset, 11);
  EXPECT_EQ(thirteenths[12].EleventhAlteration, 1);
  EXPECT_EQ(thirteenths[24].EleventhAlteration, -1);
  EXPECT_EQ(thirteenths[36].NinthAlteration, 1);
  EXPECT_EQ(thirteenths[36].EleventhAlteration, 0);
  EXPECT_EQ(thirteenths[108].FifthAlteration, 1);
  EXPECT_EQ(thirteenths[216].FifthAlteration, -1);
}

// The indexed recognition must give exactly what walking the generator gives, for every set
// of intervals over the bass, in both modes, for basses of every pitch class and notes spread
// over several octaves (so that the octave placement is exercised as well).
TEST(RecognizeChords, IndexAgreesWithTheGeneratorWalkForEveryIntervalSet) {
  int compared = 0, nonEmpty = 0;
  for (int set = 1; set < 4096; set += 2) {
    const int32_t bass = 24 + (set * 7) % 90;
    TNotes notes{bass};
    for (int k = 1; k < 12; ++k)
      if (set & (1 << k)) notes.push_back(bass + k + 12 * ((k + set) % 3));
    if (set % 5 == 0) notes.push_back(bass + 24);  // an octave doubling of the bass
    std::sort(notes.begin() + 1, notes.end());
    for (M mode : {M::QuickFirst, M::AllVariants}) {
      const TChords walked = RecognizeChordsByWalk(notes, mode);
      const TChords indexed = RecognizeChords(notes, mode);
      ASSERT_EQ(indexed, walked) << "set " << set << " mode " << int(mode);
      ++compared;
      nonEmpty += !indexed.empty();
    }
  }
  EXPECT_EQ(compared, 4096);
  EXPECT_GT(nonEmpty, 100);
}

TEST(RecognizeChords, IndexAgreesWithTheWalkForEveryBassPitchClass) {
  for (const TNotes& shape : {TNotes{0, 4, 7}, TNotes{0, 3, 8}, TNotes{0, 4, 7, 10, 14}, TNotes{0, 7}, TNotes{0, 2, 7}})
    for (int32_t bass = 12; bass < 96; bass += 5) {
      TNotes notes;
      for (int32_t n : shape) notes.push_back(bass + n);
      for (M mode : {M::QuickFirst, M::AllVariants})
        ASSERT_EQ(RecognizeChords(notes, mode), RecognizeChordsByWalk(notes, mode)) << bass;
    }
}

TEST(RecognizeChords, CallsFromSeveralThreadsAgree) {
  const TChords expected = RecognizeChords({48, 52, 55, 58, 62}, M::AllVariants);
  std::vector<std::thread> threads;
  std::vector<int> ok(4, 0);
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&, t] {
      int good = 0;
      for (int i = 0; i < 200; ++i) good += RecognizeChords({48, 52, 55, 58, 62}, M::AllVariants) == expected;
      ok[t] = good;
    });
  for (std::thread& th : threads) th.join();
  for (int good : ok) EXPECT_EQ(good, 200);
}

TEST(ChordScore, CountsEveryAdditionAndAForeignBass) {
  TChord c;
  c.ChordType = 0;
  EXPECT_EQ(ChordScore(c), 0);
  c.BassOffset = 4;  // C/E: the bass is a chord tone
  EXPECT_EQ(ChordScore(c), 0);
  c.BassOffset = 9;  // C/A: it is not
  EXPECT_EQ(ChordScore(c), 16);
  c.ChordType = 6;  // C6/A: it is the sixth
  EXPECT_EQ(ChordScore(c), 6);
  TChord worst;
  worst.ChordType = 1;
  worst.Extension = 3;
  worst.ExtensionAlteration = 1;
  worst.FifthAlteration = -1;
  worst.NinthAlteration = 1;
  worst.EleventhAlteration = -1;
  worst.BassOffset = 1;
  EXPECT_EQ(ChordScore(worst), 6 * 16 + 1);
}

TEST(PlaceChordOctave, PicksTheOctaveClosestToE4AndTheLowerOneOnATie) {
  struct Case {
    const char* what;
    uint8_t type;
    int8_t pitchClass;
    int8_t expected;
  };
  const Case cases[] = {
      // tones 54, 61 cost 100 + 9 = 109; 66, 73 cost 4 + 81 = 85
      {"fifth on F#: the higher octave", 14, 6, 66},
      // 58 + {0,3,6,9} costs 36 + 9 + 0 + 9 = 54; 46 and 70 cost far more
      {"diminished on A#", 12, 10, 58},
      // 53 + {0,4,7} costs 121 + 49 + 16 = 186; 65 + {0,4,7} costs 1 + 25 + 64 = 90
      {"major on F", 0, 5, 65},
      // 53 + {0,3,7,10} and 65 + {0,3,7,10} both cost 121 + 64 + 16 + 1 = 202
      {"minor seventh on F: a tie", 3, 5, 53},
  };
  for (const Case& c : cases) {
    TChord chord;
    chord.ChordType = c.type;
    chord.BasePitch = c.pitchClass;
    PlaceChordOctave(chord);
    EXPECT_EQ(chord.BasePitch, c.expected) << c.what;
  }
}

}  // namespace
