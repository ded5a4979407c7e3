#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <stdexcept>
#include <string>

#include "chords/untChords.h"

namespace {

using N = NoteNotation;
using A = AccidentalSpelling;

struct ParseCase {
  N notation;
  const char* text;
  int32_t start;
  int32_t pitchClass;
  int32_t positionAfter;
  bool flat;
};

const char* NotationName(N n) { return n == N::English ? "English" : n == N::German ? "German" : "Italian"; }

void PrintTo(const ParseCase& c, std::ostream* os) { *os << NotationName(c.notation) << " '" << c.text << "' at " << c.start; }

class ParseNoteNameTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNoteNameTest, ReadsOneNameAndAdvances) {
  const ParseCase& c = GetParam();
  int32_t position = c.start;
  bool flat = !c.flat;
  EXPECT_EQ(ParseNoteName(c.text, position, flat, c.notation), c.pitchClass);
  EXPECT_EQ(position, c.positionAfter);
  EXPECT_EQ(flat, c.flat);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Names, ParseNoteNameTest, ::testing::Values(
  // English letters, results not reduced modulo 12
  ParseCase{N::English, "C",    1,  0, 2, false},
  ParseCase{N::English, "F#",   1,  6, 3, false},
  ParseCase{N::English, "Bb",   1, 10, 3, true},
  ParseCase{N::English, "B#",   1, 12, 3, false},
  ParseCase{N::English, "Cb",   1, -1, 3, true},   // same value as an unknown name
  ParseCase{N::English, "H",    1, -1, 1, false},
  ParseCase{N::English, "c",    1, -1, 1, false},
  ParseCase{N::English, "Am7",  1,  9, 2, false},  // anything but # and b is left unread
  ParseCase{N::English, "x/E",  3,  4, 4, false},  // reading from the middle of a text
  ParseCase{N::English, "E",    2, -1, 2, false},  // past the end
  ParseCase{N::English, "E",    0, -1, 0, false},  // before the start
  ParseCase{N::English, "",     1, -1, 1, false},
  // German: H is 11, B is already the lowered H and takes no accidental
  ParseCase{N::German,  "H",    1, 11, 2, false},
  ParseCase{N::German,  "B",    1, 10, 2, false},
  ParseCase{N::German,  "Bb",   1, 10, 2, false},
  ParseCase{N::German,  "H#",   1, 12, 3, false},
  ParseCase{N::German,  "Eb",   1,  3, 3, true},
  ParseCase{N::German,  "A#",   1, 10, 3, false},
  // Italian syllables
  ParseCase{N::Italian, "SOL#", 1,  8, 5, false},
  ParseCase{N::Italian, "SO",   1, -1, 1, false},
  ParseCase{N::Italian, "SOX",  1, -1, 1, false},
  ParseCase{N::Italian, "D",    1, -1, 1, false},
  ParseCase{N::Italian, "DO",   1,  0, 3, false},
  ParseCase{N::Italian, "SIb",  1, 10, 4, true},
  ParseCase{N::Italian, "LA#m", 1, 10, 4, false},
  ParseCase{N::Italian, "do",   1, -1, 1, false},
  ParseCase{N::Italian, "C",    1, -1, 1, false}
));
// clang-format on

TEST(NoteNameToPitchClass, ParsesFromTheFirstCharacter) {
  EXPECT_EQ(NoteNameToPitchClass("F#m7", N::English), 6);
  EXPECT_EQ(NoteNameToPitchClass(" F#", N::English), -1);
  EXPECT_EQ(NoteNameToPitchClass(std::string(400, 'G'), N::English), 7);
  EXPECT_EQ(NoteNameToPitchClass("", N::English), -1);
}

struct NameCase {
  N notation;
  int8_t pitch;
  A group;
  const char* pitchName;
  const char* className;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << NotationName(c.notation) << " " << c.pitchName; }

class PitchNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(PitchNameTest, NamesInTheGivenNotation) {
  const NameCase& c = GetParam();
  EXPECT_EQ(PitchName(c.pitch, c.group, c.notation), c.pitchName);
  EXPECT_EQ(PitchClassName(c.pitch, c.group, c.notation), c.className);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Names, PitchNameTest, ::testing::Values(
  NameCase{N::English,  60, A::Sharps, "C4",       "C"},
  NameCase{N::Italian,  60, A::Sharps, "DO4",      "DO"},
  NameCase{N::English,  70, A::Sharps, "A#4",      "A#"},
  NameCase{N::German,   70, A::Sharps, "B4",       "B"},
  NameCase{N::German,   59, A::Sharps, "H3",       "H"},
  NameCase{N::English,   5, A::Flats,  "F-1",      "F"},
  NameCase{N::English,   0, A::Sharps, "C-1",      "C"},
  NameCase{N::English, 127, A::Flats,  "G9",       "G"},
  NameCase{N::English,  61, A::Both,   "C#(Db)4",  "C#(Db)"},
  NameCase{N::English,  61, A::Flats,  "Db4",      "Db"},
  NameCase{N::German,   58, A::Both,   "B(A#)3",   "B(A#)"},
  NameCase{N::Italian,  66, A::Both,   "FA#-SOLb4", "FA#-SOLb"},
  NameCase{N::Italian,  68, A::Both,   "SOL#-LAb4", "SOL#-LAb"},
  NameCase{N::Italian,  70, A::Both,   "LA#(SIb)4", "LA#(SIb)"},
  NameCase{N::Italian,  61, A::Flats,  "REb4",     "REb"},
  // negative pitches are raised by ten octaves before naming
  NameCase{N::English,  -3, A::Sharps, "A8",       "A"},
  NameCase{N::English, -12, A::Sharps, "C8",       "C"},
  // the lowest bytes need a second lift to stay in the table: -128 is E like 112 and 4
  NameCase{N::English, -128, A::Sharps, "E8",      "E"}
));
// clang-format on

TEST(NoteNames, EveryNameOfEveryGroupIsShortAndDistinctWithinItsGroup) {
  for (N notation : {N::English, N::German, N::Italian}) {
    for (A group : {A::Both, A::Sharps, A::Flats}) {
      std::set<std::string> seen;
      for (int pc = 0; pc < 12; ++pc) {
        const std::string name = PitchClassName(static_cast<int8_t>(pc), group, notation);
        EXPECT_LE(name.size(), 8u) << name;
        EXPECT_TRUE(seen.insert(name).second) << name;
        // A name read back gives its pitch class (the Both forms start with the sharp name).
        EXPECT_EQ(NoteNameToPitchClass(name, notation) % 12, pc) << name;
      }
    }
  }
}

TEST(NoteNotationSetting, AnUnknownValueNamesAndReadsAsEnglish) {
  const auto unknown = static_cast<N>(7);
  EXPECT_EQ(PitchClassName(11, A::Sharps, unknown), "B");
  EXPECT_EQ(PitchName(70, A::Flats, unknown), "Bb4");
  int32_t position = 1;
  bool flat = false;
  EXPECT_EQ(ParseNoteName("H", position, flat, unknown), -1);
  EXPECT_EQ(NoteNameToPitchClass("B", unknown), 11);
}

// Names are made in the notation the caller passes: two callers in two notations read and
// name the same text differently side by side, in any order.
TEST(NoteNotationSetting, TwoNotationsSideBySideDoNotDisturbEachOther) {
  EXPECT_EQ(NoteNameToPitchClass("B", N::German), 10);
  EXPECT_EQ(NoteNameToPitchClass("B", N::English), 11);
  EXPECT_EQ(NoteNameToPitchClass("B", N::German), 10);
  EXPECT_EQ(PitchClassName(11, A::Sharps, N::Italian), "SI");
  EXPECT_EQ(PitchClassName(11, A::Sharps, N::German), "H");
  EXPECT_EQ(PitchClassName(11, A::Sharps, N::Italian), "SI");
}

}  // namespace
