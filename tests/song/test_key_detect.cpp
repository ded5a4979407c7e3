#include <gtest/gtest.h>

#include "base/untMesConst.h"
#include "chords/untChords.h"
#include "song/KeyDetect.h"

namespace {

// Histogram from pitch-class counts given as {pitch class, count}.
TKeyHistogram Counts(std::initializer_list<std::pair<int, int>> list) {
  TKeyHistogram h{};
  for (auto [pc, n] : list) h[static_cast<size_t>(pc)] = n;
  return h;
}

}  // namespace

TEST(KeyDetect, EvaluationPicksBestAndRunnerUpInOfferOrder) {
  struct Case {
    const char* what;
    TKeyHistogram counts;
    int bestTonic;
    bool bestMinor;
    int bestScore;
    int secondTonic;
    bool secondMinor;
    int entry;
    bool close;
  };
  const Case cases[] = {
      {"C E G: C major, G major ties behind it", Counts({{0, 10}, {4, 10}, {7, 10}}), 0, false, 40, 7, false, 0, true},
      {"A minor clearly ahead of C major", Counts({{9, 20}, {0, 10}, {4, 10}, {11, 5}, {2, 5}, {5, 5}, {7, 5}}),
       9, true, 80, 0, false, 0, false},
      {"a single C#: major before minor", Counts({{1, 5}}), 1, false, 10, 1, true, 1, true},
  };
  for (const auto& c : cases) {
    TKeyResult r = EvaluateKey(c.counts);
    ASSERT_TRUE(r.Found()) << c.what;
    EXPECT_EQ(r.best.tonic, c.bestTonic) << c.what;
    EXPECT_EQ(r.best.minor, c.bestMinor) << c.what;
    EXPECT_EQ(r.best.score, c.bestScore) << c.what;
    EXPECT_EQ(r.second.tonic, c.secondTonic) << c.what;
    EXPECT_EQ(r.second.minor, c.secondMinor) << c.what;
    EXPECT_EQ(r.KeyEntry(), c.entry) << c.what;
    EXPECT_EQ(r.SecondIsClose(), c.close) << c.what;
  }
}

TEST(KeyDetect, TheRunnerUpIsCloseUpToTenPercentBehindTheBest) {
  TKeyResult r;
  r.best = {0, false, 100};
  r.second = {9, true, 90};  // exactly ten percent behind: still close
  EXPECT_TRUE(r.SecondIsClose());
  r.second.score = 89;
  EXPECT_FALSE(r.SecondIsClose());
  r.best.score = 0;  // no key found: nothing is close
  r.second.score = 0;
  EXPECT_FALSE(r.SecondIsClose());
}

TEST(KeyDetect, NothingCountedFindsNoKey) {
  EXPECT_FALSE(EvaluateKey(TKeyHistogram{}).Found());
}

TEST(KeyDetect, OnlyNoteOnsWithVelocityOutsidePercussionAreCountedUntransposed) {
  TKeyHistogram h{};
  CountKeyNote(h, 0x90, 62, 100, 2);   // D sounding in a song moved up 2: C
  CountKeyNote(h, 0x99, 60, 100, 0);   // percussion
  CountKeyNote(h, 0x90, 60, 0, 0);     // velocity 0 is a release
  CountKeyNote(h, 0x80, 60, 100, 0);   // note-off
  CountKeyNote(h, 0xFF, 0x90, 60, 0);  // meta event
  CountKeyNote(h, 0x93, 1, 100, -11);  // C# moved down 11 was a C
  CountKeyNote(h, 0x90, 255, 1, -3);   // D2 (note 2) moved down 3 wrapped to byte 255
  CountKeyNote(h, 0x90, 133, 1, 9);    // E9 (note 124) moved up 9 beyond 127
  EXPECT_EQ(h[0], 2);
  EXPECT_EQ(h[2], 1);
  EXPECT_EQ(h[4], 1);
  int total = 0;
  for (int n : h) total += n;
  EXPECT_EQ(total, 4);
}

TEST(KeyDetect, TheReportNamesTheRunnerUpOnlyWhenItIsClose) {
  EXPECT_EQ(KeyReport(EvaluateKey(Counts({{0, 10}, {4, 10}, {7, 10}})), NoteNotation::English),
            "Вероятнее всего, мелодия написана\rв тональности C major."
            "\rВозможно также, тональность мелодии - G major.");
  EXPECT_EQ(KeyReport(EvaluateKey(Counts({{9, 20}, {0, 10}, {4, 10}, {11, 5}, {2, 5}, {5, 5}, {7, 5}})),
                      NoteNotation::English),
            "Вероятнее всего, мелодия написана\rв тональности A minor.");
  EXPECT_EQ(KeyReport(EvaluateKey(Counts({{1, 3}})), NoteNotation::English),
            "Вероятнее всего, мелодия написана\rв тональности C# major."
            "\rВозможно также, тональность мелодии - C# minor.");
}
