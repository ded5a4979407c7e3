// Reading reference chord labels: spelling a block of notes as a chord, per-beat tables,
// and finding the label that sounds at a tick.

#include <gtest/gtest.h>

#include <stdexcept>

#include "bench/accuracy/ChordTruth.h"

namespace {

PitchClassSet Set(std::initializer_list<int> pcs) {
  PitchClassSet s = 0;
  for (int pc : pcs) s |= static_cast<PitchClassSet>(1u << (pc % 12));
  return s;
}

enum : int { C = 0, Cs = 1, D = 2, Eb = 3, E = 4, F = 5, Fs = 6, G = 7, Ab = 8, A = 9, Bb = 10, B = 11 };

struct TSpellCase {
  const char* what;
  std::initializer_list<int> tones;
  int bass;
  int root;
  const char* name;
};

TEST(ChordTruth, SpellsTheRootOfBlocksInAnyInversion) {
  const TSpellCase cases[] = {
      {"major triad in root position", {C, E, G}, C, C, "C"},
      {"first inversion", {C, E, G}, E, C, "C/E"},
      {"second inversion", {C, E, G}, G, C, "C/G"},
      {"minor second inversion", {A, C, E}, E, A, "Am/E"},
      {"seventh over its own seventh", {D, Fs, A, C}, C, D, "D7/C"},
      {"m7 over its root, not C6 over A", {A, C, E, G}, A, A, "Am7"},
      {"6 over its root, not Am7 over C", {C, E, G, A}, C, C, "C6"},
      {"E G A C: the minor seventh reading wins", {C, E, G, A}, E, A, "Am7/E"},
      {"sus2 over its root", {C, D, G}, C, C, "Csus2"},
      {"sus4 over its root", {C, F, G}, C, C, "Csus4"},
      {"maj7 over its seventh", {Cs, F, Ab, C}, C, Cs, "C#maj7/C"},
      {"diminished seventh keeps the bass", {C, Eb, Fs, A}, C, C, "Cdim7"},
      {"augmented keeps the bass", {C, E, Ab}, E, E, "Eaug"},
      {"half-diminished", {B, D, F, A}, B, B, "Bm7b5"},
      {"a single pitch class", {G}, G, G, "[G]"},
      {"a bare fifth", {D, A}, D, D, "D5"},
      {"no known chord keeps the bass", {C, Cs, D}, C, C, "[C C# D]"},
  };
  for (const TSpellCase& c : cases) {
    const PitchClassSet tones = Set(c.tones);
    const int root = SpellChordRoot(tones, c.bass);
    EXPECT_EQ(root, c.root) << c.what;
    EXPECT_EQ(SpellChordName(tones, root, c.bass), c.name) << c.what;
  }
}

TEST(ChordTruth, FamilyNeedsAThirdAndAPerfectFifth) {
  struct {
    std::initializer_list<int> tones;
    int root;
    TChordFamily family;
  } const cases[] = {
      {{C, E, G}, C, TChordFamily::Major},      {{C, E, G, Bb}, C, TChordFamily::Major},
      {{C, E, G, B}, C, TChordFamily::Major},   {{C, D, E, G}, C, TChordFamily::Major},
      {{C, Eb, G}, C, TChordFamily::Minor},     {{A, C, E, G}, A, TChordFamily::Minor},
      {{C, E, G, A}, A, TChordFamily::Minor},   {{C, E, G, A}, C, TChordFamily::Major},
      {{C, Eb, Fs}, C, TChordFamily::Other},    {{C, E, Ab}, C, TChordFamily::Other},
      {{C, D, G}, C, TChordFamily::Other},      {{C, F, G}, C, TChordFamily::Other},
      {{C, G}, C, TChordFamily::Other},         {{C, E}, C, TChordFamily::Other},
      {{C, Eb, E, G}, C, TChordFamily::Other},  {{E, G, B}, C, TChordFamily::Other},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ChordFamily(Set(c.tones), c.root), c.family)
        << "tones " << Set(c.tones) << " root " << c.root;
}

TEST(ChordTruth, NoteBlocksBecomeLabelsThatNeverOverlap) {
  // Unsorted, with a doubled note, an inversion, a block whose long note reaches into the
  // next block, and a gap.
  std::vector<TLabelNote> notes = {
      {480, 960, 64}, {0, 480, 67}, {0, 480, 60}, {0, 480, 64}, {0, 480, 72},
      {480, 1200, 67}, {480, 960, 72},  // C/E: the long G is cut at the next block
      {960, 1440, 62}, {960, 1440, 65}, {960, 1440, 69},
      {1920, 2400, 55}, {1920, 2400, 59}, {1920, 2400, 62},
  };
  const TTruthLabels labels = LabelsFromNoteBlocks(notes);
  ASSERT_EQ(labels.size(), 4u);
  EXPECT_EQ(labels[0].Name, "C");
  EXPECT_EQ(labels[0].Start, 0);
  EXPECT_EQ(labels[0].End, 480);
  EXPECT_EQ(labels[0].Family, TChordFamily::Major);
  EXPECT_EQ(labels[1].Name, "C/E");
  EXPECT_EQ(labels[1].Root, C);
  EXPECT_EQ(labels[1].Bass, E);
  EXPECT_EQ(labels[1].End, 960);
  EXPECT_EQ(labels[2].Name, "Dm");
  EXPECT_EQ(labels[2].Family, TChordFamily::Minor);
  EXPECT_EQ(labels[3].Start, 1920);

  EXPECT_EQ(LabelAt(labels, -1), nullptr);
  EXPECT_EQ(LabelAt(labels, 0), &labels[0]);
  EXPECT_EQ(LabelAt(labels, 479), &labels[0]);
  EXPECT_EQ(LabelAt(labels, 480), &labels[1]);
  EXPECT_EQ(LabelAt(labels, 1440), nullptr) << "the gap after Dm has no label";
  EXPECT_EQ(LabelAt(labels, 2399), &labels[3]);
  EXPECT_EQ(LabelAt(labels, 2400), nullptr);
  EXPECT_EQ(LabelAt({}, 0), nullptr);
}

TEST(ChordTruth, TheLabelCoveringMostOfASpan) {
  // C 0..480, G 480..800, Am 800..1200, a gap, Dm 1440..1920.
  const TTruthLabels labels = LabelsFromNoteBlocks({
      {0, 480, 60}, {0, 480, 64}, {0, 480, 67},
      {480, 800, 55}, {480, 800, 59}, {480, 800, 62},
      {800, 1200, 57}, {800, 1200, 60}, {800, 1200, 64},
      {1440, 1920, 62}, {1440, 1920, 65}, {1440, 1920, 69},
  });
  ASSERT_EQ(labels.size(), 4u);
  struct {
    int32_t start, end;
    const TTruthLabel* expected;
    const char* what;
  } const cases[] = {
      {0, 480, &labels[0], "one label fills the span"},
      {320, 800, &labels[1], "G sounds 320 ticks, C 160"},
      {640, 960, &labels[1], "G and Am 160 ticks each: the earlier"},
      {700, 1100, &labels[2], "Am sounds 300 of 400 ticks"},
      {1100, 1500, &labels[2], "Am 100 ticks, the gap 240, Dm 60: the gap does not count"},
      {1200, 1440, nullptr, "only the gap"},
      {1900, 2400, &labels[3], "the end of the last label"},
      {-480, 0, nullptr, "before the first label"},
  };
  for (const auto& c : cases) EXPECT_EQ(LabelCovering(labels, c.start, c.end), c.expected) << c.what;
  EXPECT_EQ(LabelCovering({}, 0, 480), nullptr);
}

TEST(ChordTruth, ShareOfLabelsOnTheBeatGrid) {
  const TTruthLabels onBeats = LabelsFromNoteBlocks({{0, 960, 60}, {960, 1440, 62}, {1440, 1600, 64}});
  EXPECT_DOUBLE_EQ(ShareOnBeatGrid(onBeats, 480), 1.0);
  EXPECT_DOUBLE_EQ(ShareOnBeatGrid(onBeats, 960), 2.0 / 3.0);
  // A song played a third of a beat late against tick 0.
  const TTruthLabels late = LabelsFromNoteBlocks({{160, 1120, 60}, {1120, 1600, 62}, {1600, 2080, 64}});
  EXPECT_DOUBLE_EQ(ShareOnBeatGrid(late, 480), 0.0);
  EXPECT_DOUBLE_EQ(ShareOnBeatGrid({}, 480), 1.0);
}

TEST(ChordTruth, ZeroLengthBlocksAreDropped) {
  const TTruthLabels labels = LabelsFromNoteBlocks({{100, 100, 60}, {100, 100, 64}, {200, 300, 62}});
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_EQ(labels[0].Start, 200);
}

const char* const Table =
    "bar\tbeat\ttick\tchord\tpcs\tbass\n"
    "1\t1\t0\tN.C.\t\t\n"
    "1\t2\t1536\tG\t2,7,11\tG\n"
    "2\t1\t3072\tF#m\t1,6,9\tF#\n"
    "2\t2\t4608\tN.C.\t\t\n"
    "3\t1\t6144\tD7\t0,2,6,9\tD\r\n"
    "3\t2\t7680\tBbm\t1,5,10\tBb\n";

TEST(ChordTruth, ReadsPerBeatTables) {
  const TTruthLabels labels = ReadTruthTable(Table);
  ASSERT_EQ(labels.size(), 4u);
  EXPECT_EQ(labels[0].Name, "G");
  EXPECT_EQ(labels[0].Start, 1536);
  EXPECT_EQ(labels[0].End, 3072);
  EXPECT_EQ(labels[0].Tones, Set({D, G, B}));
  EXPECT_EQ(labels[1].Root, Fs);
  EXPECT_EQ(labels[1].Bass, Fs);
  EXPECT_EQ(labels[1].Family, TChordFamily::Minor);
  EXPECT_EQ(labels[1].End, 4608) << "N.C. ends the chord before it";
  EXPECT_EQ(labels[2].Name, "D7");
  EXPECT_EQ(labels[2].Family, TChordFamily::Major);
  EXPECT_EQ(labels[3].Root, Bb) << "flats are read";
  EXPECT_EQ(labels[3].End, 7680 + 1536) << "the last row lasts one step";
  EXPECT_EQ(LabelAt(labels, 0), nullptr);
  EXPECT_EQ(LabelAt(labels, 5000), nullptr);
}

TEST(ChordTruth, RejectsTablesItCannotRead) {
  const std::string header = "bar\tbeat\ttick\tchord\tpcs\tbass\n";
  const char* const bad[] = {
      "1\t1\tx\tG\t2,7,11\tG\n",                            // tick
      "1\t1\t0\tG\t2,7,11\n",                               // no bass column
      "1\t1\t0\tG\t2,7,13\tG\n",                            // pitch class
      "1\t1\t0\tG\t\tG\n",                                  // no pitch classes
      "1\t1\t0\tH\t2,7,11\tG\n",                            // chord letter
      "1\t1\t0\tG\t2,7,11\tX\n",                            // bass letter
      "1\t1\t100\tG\t2,7,11\tG\n1\t2\t100\tD\t2,6,9\tD\n",  // ticks that do not ascend
      "1\t1\n",                                             // too few columns
  };
  for (const char* rows : bad) EXPECT_THROW(ReadTruthTable(header + rows), std::runtime_error) << rows;
  EXPECT_TRUE(ReadTruthTable(header).empty());
  EXPECT_TRUE(ReadTruthTable("").empty());
}

}  // namespace
