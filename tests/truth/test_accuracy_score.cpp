// Judging chosen chords against reference labels and summing the agreement.

#include <gtest/gtest.h>

#include "bench/accuracy/AccuracyScore.h"

namespace {

PitchClassSet Set(std::initializer_list<int> pcs) {
  PitchClassSet s = 0;
  for (int pc : pcs) s |= static_cast<PitchClassSet>(1u << (pc % 12));
  return s;
}

TTruthLabel Label(std::initializer_list<int> tones, int root, int bass) {
  TTruthLabel l;
  l.Tones = Set(tones);
  l.Root = static_cast<int8_t>(root);
  l.Bass = static_cast<int8_t>(bass);
  l.Family = ChordFamily(l.Tones, root);
  l.Name = SpellChordName(l.Tones, root, bass);
  return l;
}

TBeatChord Chosen(std::initializer_list<int> tones, int root, int bass) {
  TBeatChord c;
  c.Present = true;
  c.Tones = Set(tones);
  c.Root = static_cast<int8_t>(root);
  c.Bass = static_cast<int8_t>(bass);
  return c;
}

TSongAccuracy Measured(const char* name, TAccuracyCounts counts) {
  TSongAccuracy s;
  s.Name = name;
  s.Counts = counts;
  return s;
}

TEST(AccuracyScore, CountsEachKindOfAgreement) {
  struct {
    const char* what;
    TTruthLabel label;
    TBeatChord chosen;
    // beats, root, major/minor beats, major/minor hits, full, no chord
    TAccuracyCounts expected;
  } const cases[] = {
      {"the same chord", Label({0, 4, 7}, 0, 0), Chosen({0, 4, 7}, 0, 0), {1, 1, 1, 1, 1, 0}},
      {"the same root, the other family", Label({0, 4, 7}, 0, 0), Chosen({0, 3, 7}, 0, 0), {1, 1, 1, 0, 0, 0}},
      {"a seventh added keeps the family", Label({0, 4, 7}, 0, 0), Chosen({0, 4, 7, 10}, 0, 0), {1, 1, 1, 1, 0, 0}},
      {"root position for an inversion", Label({0, 4, 7}, 0, 4), Chosen({0, 4, 7}, 0, 0), {1, 1, 1, 1, 0, 0}},
      {"the relative minor", Label({0, 4, 7}, 0, 0), Chosen({9, 0, 4}, 9, 9), {1, 0, 1, 0, 0, 0}},
      {"no chord", Label({0, 3, 7}, 0, 0), TBeatChord{}, {1, 0, 1, 0, 0, 1}},
      {"a sus label is not major or minor", Label({0, 5, 7}, 0, 0), Chosen({0, 5, 7}, 0, 0), {1, 1, 0, 0, 1, 0}},
      {"sus against major: root only", Label({0, 5, 7}, 0, 0), Chosen({0, 4, 7}, 0, 0), {1, 1, 0, 0, 0, 0}},
      {"a power chord is not major", Label({0, 4, 7}, 0, 0), Chosen({0, 7}, 0, 0), {1, 1, 1, 0, 0, 0}},
      {"an augmented chord named from another tone", Label({0, 4, 8}, 0, 0), Chosen({0, 4, 8}, 8, 0), {1, 0, 0, 0, 1, 0}},
  };
  for (const auto& c : cases) {
    TAccuracyCounts got;
    got.Add(c.label, c.chosen);
    EXPECT_EQ(got.Beats, c.expected.Beats) << c.what;
    EXPECT_EQ(got.RootHits, c.expected.RootHits) << c.what;
    EXPECT_EQ(got.MajMinBeats, c.expected.MajMinBeats) << c.what;
    EXPECT_EQ(got.MajMinHits, c.expected.MajMinHits) << c.what;
    EXPECT_EQ(got.FullHits, c.expected.FullHits) << c.what;
    EXPECT_EQ(got.NoChord, c.expected.NoChord) << c.what;
  }
}

TEST(AccuracyScore, PercentagesOfNothingAreZero) {
  const TAccuracyCounts none;
  EXPECT_EQ(none.RootPercent(), 0.0);
  EXPECT_EQ(none.MajMinPercent(), 0.0);
  TAccuracyCounts some{8, 6, 4, 1, 2, 1};
  some += TAccuracyCounts{2, 0, 0, 0, 0, 1};
  EXPECT_DOUBLE_EQ(some.RootPercent(), 60.0);
  EXPECT_DOUBLE_EQ(some.MajMinPercent(), 25.0);
  EXPECT_DOUBLE_EQ(some.FullPercent(), 20.0);
  EXPECT_DOUBLE_EQ(some.NoChordPercent(), 20.0);
}

TEST(AccuracyScore, ReducesStoredChordsToTonesRootAndBass) {
  TChord g;  // as the key-aware table returns it: root position, BasePitch above 60
  g.BasePitch = 67;
  const TBeatChord bg = BeatChordOf(g);
  EXPECT_TRUE(bg.Present);
  EXPECT_EQ(bg.Tones, Set({7, 11, 2}));
  EXPECT_EQ(bg.Root, 7);
  EXPECT_EQ(bg.Bass, 7);
  EXPECT_EQ(bg.Name, "G");

  TChord ce;  // C over E in the normalised form
  ce.BasePitch = 52;
  ce.RootOffset = 8;
  const TBeatChord bce = BeatChordOf(ce);
  EXPECT_EQ(bce.Tones, Set({0, 4, 7}));
  EXPECT_EQ(bce.Root, 0);
  EXPECT_EQ(bce.Bass, 4);
  EXPECT_EQ(bce.Name, "C/E");

  TChord a7;  // A7 in root form: the copy is normalised, the tones stay
  a7.BasePitch = 57;
  a7.ChordType = 2;
  EXPECT_EQ(BeatChordOf(a7).Tones, Set({9, 1, 4, 7}));
}

TEST(AccuracyScore, JudgesEachBeatByTheLabelAtItsStart) {
  // A chord change in the middle of beat 1 counts from beat 2 on; beat 3 lies in a gap.
  const TTruthLabels labels = LabelsFromNoteBlocks({
      {0, 720, 60}, {0, 720, 64}, {0, 720, 67},
      {720, 1440, 55}, {720, 1440, 59}, {720, 1440, 62},
      {1920, 2400, 57}, {1920, 2400, 60}, {1920, 2400, 64},
  });
  const TBeatChord c = Chosen({0, 4, 7}, 0, 0), g = Chosen({7, 11, 2}, 7, 7);
  const std::vector<TBeatChord> beats = {c, c, g, g, TBeatChord{}};
  const auto verdicts = JudgeBeats(labels, beats, 480);
  ASSERT_EQ(verdicts.size(), 5u);
  EXPECT_TRUE(verdicts[1].FullHit) << "beat 1 starts while C sounds";
  EXPECT_TRUE(verdicts[2].FullHit);
  EXPECT_EQ(verdicts[3].Label, nullptr);
  EXPECT_EQ(verdicts[4].Tick, 1920);
  const TAccuracyCounts counts = CountVerdicts(verdicts);
  EXPECT_EQ(counts.Beats, 4);
  EXPECT_EQ(counts.FullHits, 3);
  EXPECT_EQ(counts.NoChord, 1);
  const std::string listing = FormatBeatVerdicts(verdicts);
  EXPECT_NE(listing.find("Am"), std::string::npos);
  EXPECT_NE(listing.find("none"), std::string::npos);
}

TEST(AccuracyScore, JudgesByTheLabelOfMostOfTheBeatWhenAsked) {
  // The chords change a third of a beat after the program's beats start: C until 640, G
  // until 1120, then Am.
  const TTruthLabels labels = LabelsFromNoteBlocks({
      {160, 640, 60}, {160, 640, 64}, {160, 640, 67},
      {640, 1120, 55}, {640, 1120, 59}, {640, 1120, 62},
      {1120, 1600, 57}, {1120, 1600, 60}, {1120, 1600, 64},
  });
  const TBeatChord c = Chosen({0, 4, 7}, 0, 0), g = Chosen({7, 11, 2}, 7, 7), am = Chosen({9, 0, 4}, 9, 9);
  const std::vector<TBeatChord> beats = {c, g, am, am};
  const auto atStart = JudgeBeats(labels, beats, 480);
  const auto most = JudgeBeats(labels, beats, 480, TBeatJudging::Most);
  ASSERT_EQ(most.size(), 4u);
  EXPECT_EQ(atStart[0].Label, nullptr) << "nothing sounds at tick 0";
  EXPECT_TRUE(most[0].FullHit) << "C sounds for two thirds of beat 0";
  EXPECT_FALSE(atStart[1].RootHit) << "C still sounds at tick 480";
  EXPECT_TRUE(most[1].FullHit);
  EXPECT_TRUE(most[2].FullHit);
  EXPECT_EQ(most[3].Label, &labels[2]) << "the last third of Am reaches into beat 3";
  EXPECT_EQ(CountVerdicts(most).FullHits, 4);
  EXPECT_EQ(CountVerdicts(atStart).FullHits, 1);
}

TEST(AccuracyScore, ReportSeparatesSongsWhoseChordsChangeInsideTheBeats) {
  std::vector<TSongAccuracy> songs = {Measured("straight", {10, 9, 10, 9, 8, 0}),
                                      Measured("shifted", {10, 5, 10, 5, 4, 0})};
  const std::string together = FormatAccuracyReport(songs, {"", 0});
  EXPECT_EQ(together.find("inside the program's beats"), std::string::npos)
      << "no split while every song changes its chords on the beats";
  songs[1].OnBeatGrid = false;
  const std::string split = FormatAccuracyReport(songs, {"", 0});
  EXPECT_NE(split.find("root  70.00 %"), std::string::npos) << split;
  const size_t on = split.find("on the program's beats (1):\n  root  90.00 %");
  const size_t inside = split.find("inside the program's beats (1):\n  root  50.00 %");
  EXPECT_NE(on, std::string::npos) << split;
  EXPECT_NE(inside, std::string::npos) << split;
  const std::string listed = FormatAccuracyReport(songs, {"", 2});
  const size_t shifted = listed.find("  shifted ");
  ASSERT_NE(shifted, std::string::npos) << listed;
  EXPECT_NE(listed.find("chords change inside the beats", shifted), std::string::npos)
      << "the worst list marks the shifted song";
}

TEST(AccuracyScore, ReportListsTheWorstSongsFirstAndTheFailures) {
  std::vector<TSongAccuracy> songs = {Measured("good", {10, 9, 10, 9, 8, 0}), Measured("bad", {10, 3, 10, 3, 1, 2}),
                                      Measured("middle", {10, 6, 10, 6, 5, 0}), Measured("broken", {})};
  songs[3].Error = "no chord labels";
  const std::string report = FormatAccuracyReport(songs, {"pop", 2});
  EXPECT_EQ(report.rfind("pop\n", 0), 0u);
  EXPECT_NE(report.find("songs measured 3 of 4"), std::string::npos);
  EXPECT_NE(report.find("root  60.00 %"), std::string::npos) << report;
  const size_t bad = report.find("bad"), middle = report.find("middle");
  ASSERT_NE(bad, std::string::npos);
  ASSERT_NE(middle, std::string::npos);
  EXPECT_LT(bad, middle);
  EXPECT_EQ(report.find("good"), std::string::npos) << "only the two worst are listed";
  EXPECT_NE(report.find("broken: no chord labels"), std::string::npos);
}

TEST(AccuracyScore, ComparisonPutsTheChoicesSideBySideWithTheSongsTheyDifferOn) {
  TChoiceResults off{"continuity off", {Measured("a", {10, 8, 10, 8, 6, 0}), Measured("b", {10, 6, 10, 6, 5, 0}),
                                        Measured("c", {10, 9, 10, 9, 9, 0}), Measured("x", {})}};
  TChoiceResults on{"continuity on", {Measured("a", {10, 9, 10, 9, 6, 0}), Measured("b", {10, 9, 10, 8, 5, 0}),
                                      Measured("c", {10, 8, 10, 8, 8, 0}), Measured("x", {})}};
  off.Songs[3].Error = on.Songs[3].Error = "no chord labels";
  off.Songs[1].OnBeatGrid = on.Songs[1].OnBeatGrid = false;
  const std::string report = FormatChoiceComparison({off, on}, 1);
  // All three songs: 23 of 30 roots against 26; on the beats a and c, inside b.
  EXPECT_NE(report.find("all 3 songs:\n"), std::string::npos) << report;
  EXPECT_NE(report.find("  continuity off                 76.67    76.67   66.67      0.00\n"
                        "  continuity on                  86.67    83.33   63.33      0.00\n"
                        "  change, continuity on         +10.00    +6.67   -3.33     +0.00\n"),
            std::string::npos)
      << report;
  EXPECT_NE(report.find("2 songs changing chords on the beats:"), std::string::npos);
  EXPECT_NE(report.find("1 songs changing chords inside the beats:"), std::string::npos);
  const size_t losing = report.find("songs losing most");
  const size_t gaining = report.find("songs gaining most");
  ASSERT_NE(losing, std::string::npos);
  ASSERT_NE(gaining, std::string::npos);
  EXPECT_NE(report.find("  c                 90.00 ->  80.00    90.00 ->  80.00\n", losing), std::string::npos) << report;
  EXPECT_NE(report.find("  b                 60.00 ->  90.00    50.00 ->  50.00   chords change inside the beats\n",
                        gaining),
            std::string::npos)
      << report;
  EXPECT_EQ(report.find("  x "), std::string::npos) << "a song not measured is not compared";
  // One choice: only its figures, nothing to compare.
  const std::string single = FormatChoiceComparison({off}, 5);
  EXPECT_EQ(single.find("change,"), std::string::npos);
  EXPECT_EQ(single.find("gaining"), std::string::npos);
  EXPECT_EQ(FormatChoiceComparison({}, 5), "");
}

}  // namespace
