#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "chords/untChords.h"
#include "chords/untKeysense.h"

namespace {

class Keysense : public ::testing::Test {
 protected:
  // The message of the error loading into KeysenseTable raises, or "" when it loads.
  std::string LoadError(std::string_view mainValue, std::string_view addedValue = "") {
    try {
      LoadKeysenseTable(KeysenseTable, mainValue, addedValue);
    } catch (const EKeysenseError& e) {
      return e.what();
    }
    return "";
  }
  TKeysenseTable KeysenseTable;
  // Weights in the key of C, moved up by the tonic.
  static std::array<int32_t, 12> Moved(const std::array<int32_t, 12>& w, int tonic) {
    std::array<int32_t, 12> out{};
    for (int i = 0; i < 12; ++i) out[(i + tonic) % 12] = w[i];
    return out;
  }
};

const char* const kInit = "Keysense initialization error.";

}  // namespace

TEST_F(Keysense, TokensGiveRootPositionChordsInTheKeyOfC) {
  ASSERT_EQ(LoadError("C0 C#9 B0 F#12 ", "A1 B#3"), "");  // a trailing space is fine
  struct Expected {
    int8_t basePitch;
    uint8_t type;
    PitchClassSet tones;
    int32_t count;
    uint8_t root;
  } expected[] = {
      {60, 0, 0b000010010001, 3, 0},   // C E G
      {61, 9, 0b000101000010, 3, 1},   // C# F# G#
      {71, 0, 0b100001001000, 3, 11},  // B D# F#
      {66, 12, 0b001001001001, 4, 6},  // F# A C D#
      {69, 1, 0b001000010001, 3, 9},   // A C E, from "Added" after "Main"
      {72, 3, 0b010010001001, 4, 0},   // B# = C one octave up: C Eb G Bb
  };
  ASSERT_EQ(KeysenseTable.size(), std::size(expected));
  for (std::size_t i = 0; i < KeysenseTable.size(); ++i) {
    const KeysenseEntry& e = KeysenseTable[i];
    EXPECT_EQ(e.Chord.BasePitch, expected[i].basePitch) << i;
    EXPECT_EQ(e.Chord.ChordType, expected[i].type) << i;
    EXPECT_EQ(e.Chord.RootOffset, 0);
    EXPECT_EQ(e.Chord.BassOffset, 0);
    EXPECT_EQ(e.Tones, expected[i].tones) << i;
    EXPECT_EQ(e.ToneCount, expected[i].count) << i;
    EXPECT_EQ(e.RootClass, expected[i].root) << i;
  }
}

TEST_F(Keysense, BadTokensStopLoadingWithTheirError) {
  struct Case {
    const char* value;
    std::string error;
    std::size_t loaded;  // entries complete before the bad token
  } cases[] = {
      {" C0", kInit, 0},                                   // a leading space leaves an empty token
      {"C0  G0", kInit, 1},                                // so does a doubled one
      {"C0 c0", kInit, 1},                                 // lower case
      {"C0 G0 H0", kInit, 2},                              // German letter
      {"#5", kInit, 0},
      {"C15", kInit, 0},                                   // the formula table has 15 rows
      {"C-1", kInit, 0},
      {"Cb0", "'b0' is not a valid integer value", 0},     // flats are not written so
      {"C0#", "'#' is not a valid integer value", 0},
      {"C", "'' is not a valid integer value", 0},
      {"D#", "'' is not a valid integer value", 0},
      {"E99999999999", "'99999999999' is not a valid integer value", 0},
      {"G0\tA1", "'0\tA1' is not a valid integer value", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LoadError(c.value), c.error) << c.value;
    EXPECT_EQ(KeysenseTable.size(), c.loaded) << c.value;
  }
  EXPECT_EQ(LoadError("C0", "G0 x1"), kInit);
  EXPECT_EQ(KeysenseTable.size(), 2u);
  EXPECT_EQ(LoadError("", ""), "");
  EXPECT_TRUE(KeysenseTable.empty());  // loading replaces the table
}

TEST_F(Keysense, NamesAreEnglishWhateverTheUsersNotation) {
  EXPECT_EQ(LoadError("B0"), "");
  EXPECT_EQ(KeysenseTable[0].Chord.BasePitch, 71);  // B is 11 in English, 10 in German
  EXPECT_EQ(LoadError("DO0"), "'O0' is not a valid integer value");  // "D", then not a number
  EXPECT_EQ(LoadError("C"), "'' is not a valid integer value");
}

TEST_F(Keysense, ChoosesTheEntryThatCoversTheWeightsBest) {
  ASSERT_EQ(LoadError("C0"), "");
  const std::array<int32_t, 12> beat = {90, 0, 30, 0, 60, 0, 0, 60, 0, 0, 0, 0};  // C D E G
  std::optional<TChord> c = KeysenseChoose(KeysenseTable, beat, 0);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->BasePitch, 60);
  EXPECT_EQ(ChordName(*c, NoteNotation::English), "C");

  for (int tonic : {7, -5}) {  // the same beat a fifth higher, in G
    std::optional<TChord> g = KeysenseChoose(KeysenseTable, Moved(beat, 7), tonic);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->BasePitch, 67);
    EXPECT_EQ(ChordName(*g, NoteNotation::English), "G");
  }

  EXPECT_FALSE(KeysenseChoose(KeysenseTable, {}, 0));  // all weights 0: value 0 is not enough
  EXPECT_FALSE(KeysenseChoose(KeysenseTable, {0, 90, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0));  // only out-of-chord weight
  KeysenseTable.clear();
  EXPECT_FALSE(KeysenseChoose(KeysenseTable, beat, 0));
}

TEST_F(Keysense, EqualValuesGoToTheEarlierEntryAndTheRootWeighsMore) {
  // Am7 and C6 share their tones A C E G; only the weight of their roots tells them apart.
  const std::array<int32_t, 12> even = {60, 0, 0, 0, 60, 0, 0, 60, 0, 60, 0, 0};
  ASSERT_EQ(LoadError("A3", "C6"), "");
  EXPECT_EQ(ChordName(*KeysenseChoose(KeysenseTable, even, 0), NoteNotation::English), "Am7");
  ASSERT_EQ(LoadError("C6", "A3"), "");
  EXPECT_EQ(ChordName(*KeysenseChoose(KeysenseTable, even, 0), NoteNotation::English), "C6");
  std::array<int32_t, 12> moreA = even;
  moreA[9] = 63;
  EXPECT_EQ(ChordName(*KeysenseChoose(KeysenseTable, moreA, 0), NoteNotation::English), "Am7");
}

TEST_F(Keysense, LargeWeightsDoNotOverflow) {
  ASSERT_EQ(LoadError("G0 C0 B#0"), "");
  std::array<int32_t, 12> w{};
  w[0] = w[4] = w[7] = INT32_MAX;
  std::optional<TChord> c = KeysenseChoose(KeysenseTable, Moved(w, 11), 11);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->BasePitch, 71);  // C0 moved to B; B#0 ties with it and comes later
  c = KeysenseChoose(KeysenseTable, w, 0);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->BasePitch, 60);
}

TEST_F(Keysense, ValuesAreWhatTheChoiceComparesPerUnitOfWeight) {
  ASSERT_EQ(LoadError("C0 G0 A1"), "");
  // C D E G: the C entry scores 20 - 30/9 (see above) over a total weight of 240.
  const std::array<int32_t, 12> beat = {90, 0, 30, 0, 60, 0, 0, 60, 0, 0, 0, 0};
  std::vector<double> values;
  ASSERT_TRUE(KeysenseValues(KeysenseTable, beat, 0, values));
  ASSERT_EQ(values.size(), 3u);
  EXPECT_NEAR(values[0], (20.0 - 30.0 / 9) / 240, 1e-12);
  // G B D: only G and D covered, G as the root: (80 + 30) / 12 - (90 + 60) / 9.
  EXPECT_NEAR(values[1], (110.0 / 12 - 150.0 / 9) / 240, 1e-12);
  // Twice as long, the same values; a fifth higher in G, the same values too.
  std::array<int32_t, 12> twice = beat;
  for (int32_t& w : twice) w *= 2;
  std::vector<double> same;
  KeysenseValues(KeysenseTable, twice, 0, same);
  EXPECT_EQ(same, values);
  KeysenseValues(KeysenseTable, Moved(beat, 7), 7, same);
  EXPECT_EQ(same, values);
  // The best value's entry, in the key, is the choice.
  EXPECT_EQ(ChordName(KeysenseEntryChord(KeysenseTable[0], 7), NoteNotation::English), "G");
  EXPECT_EQ(KeysenseEntryChord(KeysenseTable[0], 7).BasePitch, KeysenseChoose(KeysenseTable, Moved(beat, 7), 7)->BasePitch);
  EXPECT_EQ(KeysenseEntryChord(KeysenseTable[2], -3).BasePitch, 69 + 9);  // A minor moved to A: F#m
  EXPECT_EQ(ChordName(KeysenseEntryChord(KeysenseTable[2], -3), NoteNotation::English), "F#m");

  // True exactly when the choice returns a chord.
  EXPECT_FALSE(KeysenseValues(KeysenseTable, {}, 0, values));
  EXPECT_EQ(values, (std::vector<double>{0, 0, 0}));
  const std::array<int32_t, 12> outside = {0, 90, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_FALSE(KeysenseValues(KeysenseTable, outside, 0, values));
  EXPECT_FALSE(KeysenseChoose(KeysenseTable, outside, 0));
  EXPECT_LT(values[0], 0.0);
  KeysenseTable.clear();
  EXPECT_FALSE(KeysenseValues(KeysenseTable, beat, 0, values));
  EXPECT_TRUE(values.empty());
}
