#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "song/ChordSearch.h"

namespace {

struct NoteSpan {
  int note, channel;
  int32_t on, off;  // off < 0: never released
};

// Replays note spans beat by beat the way the session does: events of the beat in time
// order (starts before releases at equal ticks), then the flush at the beat's end; returns
// the duration of one note on one channel per beat.
std::vector<int32_t> PerBeat(int32_t beatLength, int beats, const std::vector<NoteSpan>& spans,
                             int note = 60, int channel = 0) {
  TChordSearch s;
  s.Reset(beatLength);
  std::vector<int32_t> out;
  for (int b = 0; b < beats; ++b) {
    s.StartBeat();
    int32_t from = b * beatLength, end = (b + 1) * beatLength;
    for (int32_t t = from; t < end; ++t) {
      for (const auto& sp : spans)
        if (sp.on == t) s.NoteStart(sp.note, sp.channel, t);
      for (const auto& sp : spans)
        if (sp.off == t) s.NoteRelease(sp.note, sp.channel, t);
    }
    s.FlushSoundingNotes(end);
    out.push_back(s.Duration(note, channel));
  }
  return out;
}

}  // namespace

TEST(ChordSearchDurations, EachBeatCountsOnlyThePartOfANoteInsideIt) {
  struct Case {
    const char* what;
    std::vector<NoteSpan> spans;
    int beats;
    std::vector<int32_t> expected;
  };
  const Case cases[] = {
      {"held across three beats", {{60, 0, 400, 1000}}, 3, {80, 480, 40}},
      {"shorter than a sixteenth", {{60, 0, 0, 29}}, 1, {0}},
      {"exactly a sixteenth", {{60, 0, 0, 30}}, 1, {30}},
      {"tail below the minimum in the next beat", {{60, 0, 0, 500}}, 2, {480, 0}},
      {"never released sounds to the end", {{60, 0, 100, -1}}, 3, {380, 480, 480}},
      {"percussion never counts", {{60, 9, 0, 400}}, 1, {0}},
  };
  for (const auto& c : cases) {
    int channel = c.spans[0].channel;
    EXPECT_EQ(PerBeat(480, c.beats, c.spans, 60, channel), c.expected) << c.what;
  }
}

TEST(ChordSearchDurations, ARepeatedKeyPairsEachReleaseWithTheLatestStart) {
  TChordSearch s;
  s.Reset(480);
  s.NoteStart(60, 0, 0);
  s.NoteStart(60, 0, 100);
  EXPECT_EQ(s.PendingStarts(60, 0), 2u);
  s.NoteRelease(60, 0, 200);  // ends the start at 100: 100 ticks
  EXPECT_EQ(s.Duration(60, 0), 100);
  EXPECT_EQ(s.PendingStarts(60, 0), 1u);
  s.NoteRelease(60, 0, 300);  // ends the start at 0: 300 ticks
  EXPECT_EQ(s.Duration(60, 0), 400);
  EXPECT_EQ(s.PendingStarts(60, 0), 0u);
  s.NoteRelease(60, 0, 400);  // nothing left to end
  EXPECT_EQ(s.Duration(60, 0), 400);
}

TEST(ChordSearchDurations, ReleasesWithoutStartsAndOutOfRangeNotesAreIgnored) {
  TChordSearch s;
  s.Reset(480);
  s.NoteRelease(60, 0, 100);
  s.NoteStart(200, 0, 0);
  s.NoteStart(-1, 0, 0);
  s.NoteStart(60, 16, 0);
  s.FlushSoundingNotes(480);
  EXPECT_EQ(s.Duration(60, 0), 0);
  TVariants v;
  s.AnalyseBeat(v, nullptr, 0);
  EXPECT_TRUE(v.notes.empty());
}

TEST(ChordSearchDurations, StartsThatAreNeverReleasedFoldIntoOneRunPerBeat) {
  TChordSearch s;
  s.Reset(480);
  for (int b = 0; b < 100; ++b) {
    s.StartBeat();
    for (int k = 0; k < 40; ++k) s.NoteStart(60, 0, b * 480 + k * 10);
    s.FlushSoundingNotes((b + 1) * 480);
  }
  EXPECT_EQ(s.PendingStarts(60, 0), 4000u);
  // Each of the 4000 stacked starts sounds the whole beat; the sum saturates, never wraps.
  EXPECT_GT(s.Duration(60, 0), 0);
}

TEST(ChordSearchDurations, ABeatLengthOfOneCountsEveryPiece) {
  TChordSearch s;
  s.Reset(1);
  EXPECT_EQ(s.MinimumDuration(), 0);
  s.NoteStart(60, 0, 0);
  s.FlushSoundingNotes(1);
  EXPECT_EQ(s.Duration(60, 0), 1);
}

namespace {

TVariants Analyse(const std::vector<std::pair<int, int>>& notesOnChannels,
                  const TKeysenseChooser* keysense = nullptr) {
  TChordSearch s;
  s.Reset(480);
  for (auto [n, c] : notesOnChannels) s.NoteStart(n, c, 0);
  s.FlushSoundingNotes(480);
  TVariants v;
  v.chosen = 7;
  s.AnalyseBeat(v, keysense, 0);
  return v;
}

}  // namespace

TEST(ChordSearchAnalyse, ChannelsAreRecognisedOneByOneBeforeTheUnion) {
  // Channel 0 alone holds a complete C major triad; channel 1's A-minor third gives nothing.
  TVariants v = Analyse({{60, 0}, {64, 0}, {67, 0}, {57, 1}, {60, 1}});
  ASSERT_EQ(v.chords.size(), 1u);
  EXPECT_EQ(ChordName(v.chords[0], NoteNotation::English), "C");
  EXPECT_EQ(v.notes, (TNotes{57, 60, 64, 67}));
  EXPECT_EQ(v.chosen, 0);
}

TEST(ChordSearchAnalyse, ATriadSplitSoNoChannelFitsIsFoundFromTheUnion) {
  TVariants v = Analyse({{60, 0}, {64, 1}, {67, 1}});
  ASSERT_FALSE(v.chords.empty());
  EXPECT_EQ(ChordName(v.chords[0], NoteNotation::English), "C");
  EXPECT_EQ(v.chords.size(), 5u);  // all variants of C E G
}

TEST(ChordSearchAnalyse, TheBestScoringChannelWinsAndTiesKeepTheLowerChannel) {
  // Channel 2: C7 (score 2); channel 5: G major (score 0) wins.
  TVariants v = Analyse({{60, 2}, {64, 2}, {67, 2}, {70, 2}, {55, 5}, {59, 5}, {62, 5}});
  ASSERT_EQ(v.chords.size(), 1u);
  EXPECT_EQ(ChordName(v.chords[0], NoteNotation::English), "G");
  // Two perfect triads: the lower channel keeps the beat.
  v = Analyse({{57, 3}, {61, 3}, {64, 3}, {55, 1}, {59, 1}, {62, 1}});
  EXPECT_EQ(ChordName(v.chords[0], NoteNotation::English), "G");
  // Two sevenths of one score, above zero, so the comparison is reached: the lower channel
  // keeps the beat whichever of the two chords it plays.
  const std::vector<std::pair<int, int>> am7{{57, 0}, {60, 0}, {64, 0}, {67, 0}};
  const std::vector<std::pair<int, int>> dm7{{62, 0}, {65, 0}, {69, 0}, {72, 0}};
  for (int lowIsAm = 0; lowIsAm < 2; ++lowIsAm) {
    std::vector<std::pair<int, int>> notes;
    for (auto [n, c] : am7) notes.push_back({n, lowIsAm ? 4 : 6});
    for (auto [n, c] : dm7) notes.push_back({n, lowIsAm ? 6 : 4});
    v = Analyse(notes);
    ASSERT_FALSE(v.chords.empty());
    EXPECT_GT(ChordScore(v.chords[0]), 0);
    EXPECT_EQ(ChordName(v.chords[0], NoteNotation::English), lowIsAm ? "Am7" : "Dm7");
  }
}

TEST(ChordSearchAnalyse, TwoNotesOnOneChannelAreAChordOfTheirOwn) {
  // A power chord on one channel, a clash on another: the channel's own chord names the beat,
  // not a search over every note of the beat.
  TVariants v = Analyse({{60, 1}, {67, 1}, {61, 2}, {62, 2}});
  ASSERT_EQ(v.chords.size(), 1u);
  EXPECT_EQ(ChordName(v.chords[0], NoteNotation::English), "C5");
}

TEST(ChordSearchAnalyse, NotesThatNoChordFitsLeaveTheBeatWithoutChord) {
  TVariants v = Analyse({{60, 0}, {61, 0}});
  EXPECT_EQ(v.notes, (TNotes{60, 61}));
  EXPECT_TRUE(v.chords.empty());
  v = Analyse({{60, 0}});
  EXPECT_TRUE(v.chords.empty());
}

TEST(ChordSearchAnalyse, TheKeyAwareChoiceComesFirstAndWeighsPitchClassesByTime) {
  TKeysenseWeights seen{};
  int seenTonic = -1;
  TKeysenseChooser chooser = [&](const TKeysenseWeights& w, int tonic) -> std::optional<TChord> {
    seen = w;
    seenTonic = tonic;
    TChord am;
    am.BasePitch = 69;
    am.ChordType = 1;
    return am;
  };
  TChordSearch s;
  s.Reset(480);
  s.NoteStart(60, 0, 0);
  s.NoteStart(72, 1, 240);
  s.NoteStart(64, 2, 0);
  s.FlushSoundingNotes(480);
  TVariants v;
  s.AnalyseBeat(v, &chooser, 9);
  EXPECT_EQ(seenTonic, 9);
  EXPECT_EQ(seen[0], 480 + 240);
  EXPECT_EQ(seen[4], 480);
  ASSERT_EQ(v.chords.size(), 1u);
  EXPECT_EQ(ChordName(v.chords[0], NoteNotation::English), "Am");

  // When the table has nothing, plain recognition takes over.
  TKeysenseChooser none = [](const TKeysenseWeights&, int) -> std::optional<TChord> { return std::nullopt; };
  v = Analyse({{60, 0}, {64, 0}, {67, 0}}, &none);
  EXPECT_EQ(ChordName(v.chords.at(0), NoteNotation::English), "C");
}
