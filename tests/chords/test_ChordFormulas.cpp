#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>

#include "chords/untChords.h"

namespace {

constexpr int8_t X = NoChordTone;

TChord Chord(int type, int ext = 0, int extAlt = 0, int add = 0, int fifth = 0, int ninth = 0, int eleventh = 0) {
  TChord c;
  c.BasePitch = 60;
  c.ChordType = static_cast<uint8_t>(type);
  c.Extension = static_cast<uint8_t>(ext);
  c.ExtensionAlteration = static_cast<int8_t>(extAlt);
  c.AddFlag = static_cast<uint8_t>(add);
  c.FifthAlteration = static_cast<int8_t>(fifth);
  c.NinthAlteration = static_cast<int8_t>(ninth);
  c.EleventhAlteration = static_cast<int8_t>(eleventh);
  return c;
}

struct ChordCase {
  TChord chord;
  const char* name;
  TChordTones tones;
};

void PrintTo(const ChordCase& c, std::ostream* os) { *os << c.name; }

class ChordOnCTest : public ::testing::TestWithParam<ChordCase> {};

TEST_P(ChordOnCTest, NameAndTones) {
  const ChordCase& c = GetParam();
  const NoteNotation notation = NoteNotation::English;
  EXPECT_EQ(ChordName(c.chord, notation), c.name);
  TChord copy = c.chord;
  EXPECT_EQ(ChordTones(copy), c.tones) << c.name;
  EXPECT_EQ(copy, c.chord) << "a chord in root position is already normalised";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Chords, ChordOnCTest, ::testing::Values(
  ChordCase{Chord(0),                   "C",         {0, 4, 7, X, X, X, X, X}},
  ChordCase{Chord(1),                   "Cm",        {0, 3, 7, X, X, X, X, X}},
  ChordCase{Chord(2),                   "C7",        {0, 4, 7, 10, X, X, X, X}},
  ChordCase{Chord(2, 1, -1),            "C79-",      {0, 4, 7, 10, 13, X, X, X}},
  ChordCase{Chord(0, 1),                "C9",        {0, 4, 7, 10, 14, X, X, X}},  // the ninth implies the seventh
  ChordCase{Chord(0, 1, 0, 1),          "Cadd9",     {0, 4, 7, X, 14, X, X, X}},
  ChordCase{Chord(6, 1, 0, 1),          "C6add9",    {0, 4, 7, 9, 14, X, X, X}},
  ChordCase{Chord(3, 0, 0, 0, -1),      "Cm7/5-",    {0, 3, 6, 10, X, X, X, X}},
  ChordCase{Chord(0, 0, 0, 0, 1),       "C/5+",      {0, 4, 8, X, X, X, X, X}},
  ChordCase{Chord(12),                  "Cdim",      {0, 3, 6, 9, X, X, X, X}},
  ChordCase{Chord(13),                  "Caug",      {0, 4, 8, X, X, X, X, X}},
  ChordCase{Chord(14),                  "C5",        {0, X, 7, X, X, X, X, X}},
  ChordCase{Chord(9, 3, 0, 1),          "Csus4add13", {0, 5, 7, X, X, X, 21, X}},
  ChordCase{Chord(0, 3),                "C13",       {0, 4, 7, 10, 14, 17, 21, X}},
  ChordCase{Chord(0, 3, 0, 1),          "Cadd13",    {0, 4, 7, X, X, X, 21, X}},
  ChordCase{Chord(1, 2, 1, 0, 0, -1),   "Cm11+/9-",  {0, 3, 7, 10, 13, 18, X, X}},
  ChordCase{Chord(3, 3, 0, 0, 0, 0, 1), "Cm713/11+", {0, 3, 7, 10, 14, 18, 21, X}},
  ChordCase{Chord(0, 1, 1, 0, 0, 1),    "C9+/9+",    {0, 4, 7, 10, 16, X, X, X}},  // both alterations reach the ninth
  ChordCase{Chord(4, 2, -1, 1, 1),      "C7Madd11-/5+", {0, 4, 8, 11, X, 16, X, X}},
  ChordCase{Chord(8, 2),                "Csus211",   {0, 2, 7, X, 14, 17, X, X}}
));
// clang-format on

TEST(ChordTones, SlashChordIsNormalisedToItsBass) {
  // C major over E, in root form as the generator makes it.
  TChord c;
  c.BasePitch = 52;  // E3
  c.RootOffset = 0;
  c.BassOffset = 4;
  EXPECT_EQ(ChordTones(c), (TChordTones{8, 12, 15, X, X, X, X, 0}));
  EXPECT_EQ(c.RootOffset, 8);
  EXPECT_EQ(c.BassOffset, 0);
  EXPECT_EQ(c.BasePitch, 52);
  const NoteNotation notation = NoteNotation::English;
  EXPECT_EQ(ChordName(c, notation), "C/E");
  // Idempotent on the normalised form.
  const TChord before = c;
  EXPECT_EQ(ChordTones(c), (TChordTones{8, 12, 15, X, X, X, X, 0}));
  EXPECT_EQ(c, before);
}

TEST(ChordTones, BothOffsetsSetAreCountedFromTheRoot) {
  // Root 2 above BasePitch, bass 9 above BasePitch: the bass lies 7 above the root.
  TChord c = Chord(0);
  c.RootOffset = 2;
  c.BassOffset = 9;
  const TChordTones tones = ChordTones(c);
  EXPECT_EQ(c.RootOffset, 5);
  EXPECT_EQ(c.BassOffset, 0);
  EXPECT_EQ(tones, (TChordTones{5, 9, 12, X, X, X, X, 0}));
}

TEST(ChordName, UsesTheSharpNamesOfTheGivenNotation) {
  TChord aSharp = Chord(0);
  aSharp.BasePitch = 58;
  TChord b = Chord(0);
  b.BasePitch = 59;
  {
    const NoteNotation notation = NoteNotation::English;
    EXPECT_EQ(ChordName(aSharp, notation), "A#");
    EXPECT_EQ(ChordName(b, notation), "B");
  }
  {
    const NoteNotation notation = NoteNotation::German;
    EXPECT_EQ(ChordName(aSharp, notation), "B");
    EXPECT_EQ(ChordName(b, notation), "H");
  }
  {
    const NoteNotation notation = NoteNotation::Italian;
    TChord gm6 = Chord(7);
    gm6.BasePitch = 48;
    gm6.RootOffset = 7;  // G minor sixth over C
    EXPECT_EQ(ChordName(gm6, notation), "SOLm6/DO");
  }
}

TEST(ChordName, OfANormalisedSlashChordNamesRootAndBass) {
  const NoteNotation notation = NoteNotation::English;
  TChord c = Chord(0);
  c.BasePitch = 52;
  c.RootOffset = 8;
  EXPECT_EQ(ChordName(c, notation), "C/E");
  c.BasePitch = 127;  // G9; root 8 above is D#
  EXPECT_EQ(ChordName(c, notation), "D#/G");
}

TEST(SameChord, IgnoresOnlyTheBasePitch) {
  TChord a = Chord(2, 2, 1, 0, 0, -1);
  TChord b = a;
  b.BasePitch = 36;
  EXPECT_TRUE(SameChord(a, b));
  b.NinthAlteration = 1;
  EXPECT_FALSE(SameChord(a, b));
  TChord c = a;
  c.RootOffset = 1;
  EXPECT_FALSE(SameChord(a, c));
}

// Chords from outside the program (a settings file) may carry any byte in any field: every
// operation must stay inside its tables and give a defined answer.
TEST(ChordsFromOutside, StayInsideTheTables) {
  const NoteNotation notation = NoteNotation::English;
  for (int type : {15, 16, 200, 255}) {
    TChord c = Chord(0);
    c.ChordType = static_cast<uint8_t>(type);
    EXPECT_FALSE(ChordIsValid(c));
    EXPECT_EQ(ChordName(c, notation), "");
    TChord t = c;
    EXPECT_EQ(ChordTones(t), (TChordTones{X, X, X, X, X, X, X, X}));
    EXPECT_EQ(ChordScore(c), 255);
    TChord p = c;
    PlaceChordOctave(p);
    EXPECT_GE(p.BasePitch, 24);
    EXPECT_LE(p.BasePitch, 71);
  }
  for (int v : {SCHAR_MIN, -13, -2, 12, 100, SCHAR_MAX}) {
    const int8_t b = static_cast<int8_t>(v);
    for (int field = 0; field < 10; ++field) {
      if (field == 3) continue;  // the type is covered above
      TChord c = Chord(0, 1);
      c.BasePitch = b;  // every chord gets an odd base as well
      int8_t* bytes = reinterpret_cast<int8_t*>(&c);
      if (field > 0) bytes[field] = b;
      if (field > 0) {
        EXPECT_FALSE(ChordIsValid(c)) << field << " " << v;
      }
      const std::string name = ChordName(c, NoteNotation::English);
      EXPECT_FALSE(name.empty());
      TChord t = c;
      for (int8_t tone : ChordTones(t)) EXPECT_TRUE(tone == X || (tone >= 0 && tone < 36)) << field << " " << v;
      EXPECT_GE(t.RootOffset, 0);
      EXPECT_LE(t.RootOffset, 11);
      EXPECT_EQ(t.BassOffset, 0);
      EXPECT_LE(ChordScore(c), 6 * 16 + 14);
      TChord p = c;
      PlaceChordOctave(p);
      EXPECT_GE(p.BasePitch, 24);
      EXPECT_LE(p.BasePitch, 71);
    }
  }
}

TEST(ChordIsValid, AcceptsEveryRangeBoundary) {
  TChord c = Chord(14, 3, -1, 1, 1, -1, 1);
  c.RootOffset = 11;
  c.BassOffset = 0;
  EXPECT_TRUE(ChordIsValid(c));
  c.BassOffset = 11;
  EXPECT_TRUE(ChordIsValid(c));
  c.Extension = 4;
  EXPECT_FALSE(ChordIsValid(c));
  c.Extension = 3;
  c.AddFlag = 2;
  EXPECT_FALSE(ChordIsValid(c));
}

}  // namespace
