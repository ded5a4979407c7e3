#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "chords/GuitarShapes.h"

namespace {

constexpr int OpenString[GuitarStringCount] = {4, 9, 2, 7, 11, 4};

TGuitarShapes Shipped() {
  std::ifstream in(std::string(CANTARO_SOURCE_DIR) + "/data/chord-shapes.txt", std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const TGuitarShapesRead read = ReadGuitarShapes(bytes);
  EXPECT_FALSE(bytes.empty());
  EXPECT_TRUE(read.problems.empty()) << "line " << read.problems.front().line;
  return read.shapes;
}

TChord Chord(int root, const char* suffix, int bass = -1) {
  TChord c;
  if (bass < 0) bass = root;
  c.BasePitch = static_cast<int8_t>(48 + bass);
  c.RootOffset = static_cast<int8_t>((root - bass + 12) % 12);
  for (int t = 0; t < ChordTypeCount; ++t)
    if (std::string(ChordFormulaTable[t].Suffix) == suffix) c.ChordType = static_cast<uint8_t>(t);
  return c;
}

// The pitch classes the strings sound, lowest string first.
std::vector<int> Sounding(const TGuitarShape& shape) {
  std::vector<int> pcs;
  for (int s = 0; s < GuitarStringCount; ++s)
    if (shape.frets[static_cast<size_t>(s)] != MutedString) pcs.push_back((OpenString[s] + shape.frets[static_cast<size_t>(s)]) % 12);
  return pcs;
}

}  // namespace

// A damaged file: each bad line is named with its number and skipped, the good lines around
// it are read, and a later line for the same chord replaces an earlier one.
TEST(GuitarShapes, ABadLineIsNamedAndSkipped) {
  const std::string file =
      "# shapes\n"                      // 1
      "C: x32010\n"                     // 2
      "C x32010\n"                      // 3 no colon
      "H: x24442 barre=2\n"             // 4 an unknown name (English roots only)
      "Cmaj9: x32030\n"                 // 5 a suffix the table does not have
      "D: xx023\n"                      // 6 five strings
      "D: xx0-2-3-2-2\n"                // 7 a dash form of five
      "E: 022100 barre=3\n"             // 8 a barre above pressed frets
      "F: 133211 barre=\n"              // 9 a barre without its fret
      "G: 320013\n"                     // 10 a string outside the chord (C)
      "G/B: 320003\n"                   // 11 the lowest string is not the bass
      "\r\n"                            // 12
      "Ebm7: x-6-8-6-7-6 barre=6\r\n"   // 13 two-digit form, CR LF
      "D/F#: 200232   # bass of its own\n"  // 14
      "C: x35553 barre=3\n";            // 15 replaces line 2
  const TGuitarShapesRead read = ReadGuitarShapes(file);
  const std::vector<std::pair<int, TShapeFault>> expected = {
      {3, TShapeFault::NoColon},     {4, TShapeFault::UnknownChord}, {5, TShapeFault::UnknownChord},
      {6, TShapeFault::BadFrets},    {7, TShapeFault::BadFrets},     {8, TShapeFault::BadBarre},
      {9, TShapeFault::BadBarre},    {10, TShapeFault::WrongNotes},  {11, TShapeFault::WrongNotes}};
  ASSERT_EQ(read.problems.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(read.problems[i].line, expected[i].first);
    EXPECT_EQ(read.problems[i].fault, expected[i].second) << "line " << expected[i].first;
  }
  ASSERT_EQ(read.shapes.shapes.size(), 3u);
  EXPECT_EQ(GuitarShapeOf(read.shapes, Chord(0, "")), (TGuitarShape{{-1, 3, 5, 5, 5, 3}, 3}));
  EXPECT_EQ(GuitarShapeOf(read.shapes, Chord(3, "m7")), (TGuitarShape{{-1, 6, 8, 6, 7, 6}, 6}));
  EXPECT_EQ(GuitarShapeOf(read.shapes, Chord(2, "", 6)), (TGuitarShape{{2, 0, 0, 2, 3, 2}, 0}));
  // A user's file overrides the shapes it names and keeps the others.
  TGuitarShapes shipped = Shipped();
  const TGuitarShape open = *GuitarShapeOf(shipped, Chord(0, ""));
  shipped.Override(read.shapes);
  EXPECT_NE(*GuitarShapeOf(shipped, Chord(0, "")), open);
  EXPECT_EQ(GuitarShapeOf(shipped, Chord(7, "")), (TGuitarShape{{3, 2, 0, 0, 0, 3}, 0}));
}

// Every root of the common types has a shape (the file's or a movable barre), and every shape
// sounds only the chord's tones with its bass lowest; slash chords and extensions have one only
// from the file.
TEST(GuitarShapes, EveryRootOfTheCommonTypesHasAShapeThatSoundsIt) {
  const TGuitarShapes shipped = Shipped();
  for (const TGuitarShapes* shapes : {&shipped, static_cast<const TGuitarShapes*>(nullptr)}) {
    static const TGuitarShapes none;
    const TGuitarShapes& in = shapes ? *shapes : none;
    for (const char* suffix : {"", "m", "7", "m7", "7M", "m7M", "6", "m6", "sus2", "sus4", "7sus2", "7sus4", "dim", "aug", "5"}) {
      for (int root = 0; root < 12; ++root) {
        TChord chord = Chord(root, suffix);
        const std::optional<TGuitarShape> shape = GuitarShapeOf(in, chord);
        ASSERT_TRUE(shape) << root << suffix;
        const TChordTones tones = ChordTones(chord);
        const std::vector<int> sounding = Sounding(*shape);
        ASSERT_GE(sounding.size(), 2u);
        EXPECT_EQ(sounding.front(), root) << root << suffix;
        for (int pc : sounding) {
          bool inChord = false;
          for (int8_t t : tones) inChord |= t != NoChordTone && (chord.BasePitch + t) % 12 == pc;
          EXPECT_TRUE(inChord) << root << suffix << " sounds " << pc;
        }
        EXPECT_LE(shape->HighestFret(), 14);
        if (shape->IsBarre()) EXPECT_EQ(shape->LowestFret(), shape->barre) << root << suffix;
      }
    }
  }
  EXPECT_FALSE(GuitarShapeOf(shipped, Chord(0, "", 2)));  // C/G is shipped, C/D is not
  EXPECT_TRUE(GuitarShapeOf(shipped, Chord(0, "", 7)));
  TChord ninth = Chord(0, "7");
  ninth.Extension = 1;
  EXPECT_FALSE(GuitarShapeOf(shipped, ninth)) << "a ninth chord shows its tones";
}

// The capo position with the fewest barres (ties to the lower); a song of open chords needs none.
TEST(GuitarShapes, TheCapoSavesTheMostBarres) {
  const TGuitarShapes shipped = Shipped();
  struct Case {
    const char* song;
    std::vector<TChord> chords;
    int capo, barres, barresWithout;
  };
  const Case cases[] = {
      {"Bb major: Bb Eb F Gm, played as G C D Em", {Chord(10, ""), Chord(3, ""), Chord(5, ""), Chord(7, "m")}, 3, 0, 4},
      {"Eb major: Eb Ab Bb Cm, played as D G A Bm", {Chord(3, ""), Chord(8, ""), Chord(10, ""), Chord(0, "m")}, 1, 1, 4},
      {"F# major: F# B C# D#m, played as D G A Bm", {Chord(6, ""), Chord(11, ""), Chord(1, ""), Chord(3, "m")}, 4, 1, 4},
      {"open chords: G C D Em", {Chord(7, ""), Chord(0, ""), Chord(2, ""), Chord(4, "m")}, 0, 0, 0},
      {"C F G: the F barre saved, played as A D E", {Chord(0, ""), Chord(5, ""), Chord(7, "")}, 3, 0, 1},
  };
  for (const Case& c : cases) {
    const TCapoChoice choice = ChooseCapo(shipped, c.chords);
    EXPECT_EQ(choice.capo, c.capo) << c.song;
    EXPECT_EQ(choice.barres, c.barres) << c.song;
    EXPECT_EQ(choice.barresWithout, c.barresWithout) << c.song;
    EXPECT_EQ(choice.Helps(), c.capo > 0) << c.song;
  }
}
