// Chord continuity: the table's chords chosen over runs of beats, and the session's search
// with the choice switched on.

#include <gtest/gtest.h>

#include <vector>

#include "chords/untKeysense.h"
#include "song/ChordContinuity.h"
#include "tests/song/SessionFixture.h"

using songfiles::TTrackBuilder;

namespace {

using TPath = std::vector<int32_t>;

// Entries 0 and 1 in a song: 0 fits beats 0, 1 and 3 well; beat 2 fits 1 better by 0.04.
const std::vector<TEntryValues> kPassingNote = {{0.09, 0.02}, {0.09, 0.02}, {0.03, 0.07}, {0.09, 0.02}};

TEST(ChordContinuityPath, ABeatLeavesItsNeighboursChordOnlyWhenTheGainPaysForTheChanges) {
  // Leaving entry 0 for beat 2 gains 0.04 and costs two changes.
  EXPECT_EQ(ChooseContinuousEntries(kPassingNote, {}, 0.035), (TPath{0, 0, 0, 0}));
  EXPECT_EQ(ChooseContinuousEntries(kPassingNote, {}, 0.019), (TPath{0, 0, 1, 0}));
  EXPECT_EQ(ChooseContinuousEntries(kPassingNote, {}, 0.021), (TPath{0, 0, 0, 0}));
  // At the end of a run only one change is paid: 0.04 against 0.035.
  const std::vector<TEntryValues> last = {{0.09, 0.02}, {0.09, 0.02}, {0.03, 0.07}};
  EXPECT_EQ(ChooseContinuousEntries(last, {}, 0.035), (TPath{0, 0, 1}));
  EXPECT_EQ(ChooseContinuousEntries(last, {}, 0.045), (TPath{0, 0, 0}));
}

TEST(ChordContinuityPath, ARealChangeIsKeptWhereTheMusicChanges) {
  // Three beats of entry 0, then three of entry 2; beat 3 is ambiguous between 1 and 2.
  const std::vector<TEntryValues> v = {{0.09, 0.01, 0.00}, {0.08, 0.02, 0.01}, {0.09, 0.00, 0.02},
                                       {0.01, 0.05, 0.04}, {0.00, 0.01, 0.09}, {0.01, 0.02, 0.08}};
  EXPECT_EQ(ChooseContinuousEntries(v, {}, 0.035), (TPath{0, 0, 0, 2, 2, 2}));
  // Free changes: every beat on its own.
  EXPECT_EQ(ChooseContinuousEntries(v, {}, 0.0), (TPath{0, 0, 0, 1, 2, 2}));
  // A penalty above what the whole second half gains holds the first chord to the end.
  EXPECT_EQ(ChooseContinuousEntries(v, {}, 0.5), (TPath{0, 0, 0, 0, 0, 0}));
}

TEST(ChordContinuityPath, ABeatWithoutATableChordEndsTheRun) {
  std::vector<TEntryValues> v = kPassingNote;
  v.insert(v.begin() + 2, TEntryValues{});  // beat 2 has no table chord
  EXPECT_EQ(ChooseContinuousEntries(v, {}, 0.035), (TPath{0, 0, -1, 1, 0}))
      << "the passing beat now begins a run and is chosen with the beat after it only";
  // Values of another length (a table of another size) are another run too.
  EXPECT_EQ(ChooseContinuousEntries({{0.09, 0.02}, {0.03, 0.07, 0.0}, {0.09, 0.02}}, {}, 0.035),
            (TPath{0, 1, 0}));
  EXPECT_EQ(ChooseContinuousEntries({}, {}, 0.035), TPath{});
  EXPECT_EQ(ChooseContinuousEntries({{}, {}}, {}, 0.035), (TPath{-1, -1}));
}

TEST(ChordContinuityPath, WithoutAPenaltyEveryBeatTakesTheEarliestOfItsBestEntries) {
  const std::vector<TEntryValues> v = {{0.05, 0.05, 0.01}, {0.01, 0.06, 0.06}, {0.02, 0.01, 0.03}};
  EXPECT_EQ(ChooseContinuousEntries(v, {}, 0.0), (TPath{0, 1, 2}));
  EXPECT_EQ(ChooseContinuousEntries(v, {}, -1.0), (TPath{0, 1, 2}));
}

TEST(ChordContinuityPath, ChangesWithinAGroupAreFreeSoASeventhIsNamedWhereItSounds) {
  // Entries: 0 = G, 1 = G7 (one group), 2 = C. The seventh sounds on beat 1 only.
  const std::vector<TEntryValues> v = {{0.09, 0.085, 0.0}, {0.05, 0.08, 0.0}, {0.09, 0.085, 0.0}};
  EXPECT_EQ(ChooseContinuousEntries(v, {0, 0, 1}, 0.035), (TPath{0, 1, 0}));
  // Each entry its own group: the seventh takes the whole run.
  EXPECT_EQ(ChooseContinuousEntries(v, {}, 0.035), (TPath{1, 1, 1}));
  // Equal values within the group: the earlier entry, as beat by beat.
  EXPECT_EQ(ChooseContinuousEntries({{0.05, 0.08, 0.0}, {0.07, 0.07, 0.0}}, {0, 0, 1}, 0.035), (TPath{1, 0}));
  // A group list of the wrong length or with negative numbers is ignored.
  EXPECT_EQ(ChooseContinuousEntries(v, {0, 0}, 0.035), (TPath{1, 1, 1}));
  EXPECT_EQ(ChooseContinuousEntries(v, {-1, -1, 0}, 0.035), (TPath{1, 1, 1}));
}

TEST(ChordContinuityPath, GroupsJoinChordsOfOneRootAndThird) {
  TKeysenseTable table;
  LoadKeysenseTable(table, "C0 G0 G2 G1 A1 C14 C9 B12 C13", "");
  // C, G and G7 (major), Gm, Am, C5 (no third), Csus4 (no third), Bdim (minor), Caug (major).
  const std::vector<int32_t> g = ContinuityGroups(table);
  ASSERT_EQ(g.size(), 9u);
  EXPECT_EQ(g[1], g[2]) << "G and G7";
  EXPECT_NE(g[1], g[3]) << "G and Gm";
  EXPECT_NE(g[0], g[1]);
  EXPECT_NE(g[0], g[4]);
  EXPECT_EQ(g[5], g[6]) << "C5 and Csus4 have no third";
  EXPECT_NE(g[0], g[5]);
  EXPECT_EQ(g[0], g[8]) << "Caug has the major third";
  EXPECT_NE(g[7], g[4]);
}

TChord Named(int8_t base, uint8_t type) {
  TChord c;
  c.BasePitch = base;
  c.ChordType = type;
  return c;
}

std::vector<std::string> Names(const TChords& chords) {
  std::vector<std::string> out;
  for (const TChord& c : chords) out.push_back(ChordName(c, NoteNotation::English));
  return out;
}

TEST(ChordContinuityVariants, TheCoveringTableChordsComeBestFirstThenTheExactVariants) {
  const std::vector<TChord> table = {Named(60, 0), Named(67, 0), Named(65, 0), Named(69, 1)};  // C G F Am
  const TChords exact = {Named(60, 6), Named(48, 0)};  // C6, and C again in another octave
  int32_t chosen = -1;
  // Am covers best, C next, F not at all; the continuity choice is C.
  TChords list = ContinuityVariants({0.03, 0.01, -0.02, 0.07}, table, 0, exact, chosen);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"Am", "C", "G", "C6"}));
  EXPECT_EQ(chosen, 1);
  // A chosen chord that does not cover the beat is still listed, in its place by value.
  list = ContinuityVariants({0.03, 0.01, -0.02, 0.07}, table, 2, exact, chosen);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"Am", "C", "G", "F", "C6"}));
  EXPECT_EQ(chosen, 3);
  // Equal values keep the table's order; a chord listed twice in the table shows once.
  const std::vector<TChord> twice = {Named(60, 0), Named(69, 1), Named(72, 0)};
  list = ContinuityVariants({0.05, 0.05, 0.05}, twice, 2, {}, chosen);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"C", "Am"}));
  EXPECT_EQ(chosen, 0);
  // A value of exactly zero covers nothing: such a chord is no variant unless it is the choice.
  list = ContinuityVariants({0.0, 0.04, 0.0, 0.0}, table, 1, {}, chosen);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"G"}));
  EXPECT_EQ(chosen, 0);
  list = ContinuityVariants({0.0, 0.04, 0.0, 0.0}, table, 3, {}, chosen);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"G", "Am"}));
  EXPECT_EQ(chosen, 1);
}

}  // namespace

// ---- The search with continuity ------------------------------------------------------------

namespace {

class ContinuitySearch : public SessionTest {
 protected:
  ContinuitySearch() {
    UseKeysenseTable("C0 G0 F0 A1", "");
    SetKeysense(true);
    SetContinuity(true);
  }
  void SetContinuity(bool on) {
    TSongOptions options = session.Options();
    options.continuity = on;
    session.SetOptions(std::move(options));
  }

  // Four beats of C E G, the third with a long A over a short G: beat by beat that beat is Am.
  static TTrackBuilder PassingA() {
    TTrackBuilder t;
    for (int b : {0, 1, 3}) Triad(t, b, 60, 64, 67);
    t.Note(0, 60, 960, 1440).Note(0, 64, 960, 1440).Note(0, 67, 960, 1080).Note(1, 69, 960, 1440);
    return t;
  }
  void SearchInC(const std::string& name, const std::vector<TTrackBuilder>& tracks) {
    Load(name, tracks);
    presenter.cbRootOrigSelect(0);
    presenter.actSearchSongChordsExecute();
  }
};

TEST_F(ContinuitySearch, APassingNoteNoLongerPullsItsBeatToAnotherChord) {
  SetContinuity(false);
  SearchInC("passing-off.mid", {PassingA()});
  EXPECT_EQ(Cells(), (std::vector<std::string>{"C", "C", "Am", "C", ""}));
  EXPECT_EQ(session.beats()[2].chords.size(), 1u) << "beat by beat a table beat has one variant";

  SetContinuity(true);
  prompter.Answer(TPromptAnswer::Yes);
  presenter.actSearchSongChordsExecute();
  EXPECT_EQ(Cells(), (std::vector<std::string>{"C", "C", "C", "C", ""}));
  EXPECT_EQ(prompter.Unexpected(), 0u);
}

TEST_F(ContinuitySearch, ABeatListsTheCoveringTableChordsThenItsExactVariants) {
  SearchInC("variants.mid", {PassingA()});
  const TVariants& v = session.beats()[2];
  EXPECT_EQ(v.notes, (TNotes{60, 64, 67, 69}));
  ASSERT_GE(v.chords.size(), 3u);
  // Am covers C E G A best, C next, F (its A and C) a little; G not at all.
  EXPECT_EQ(ChordName(v.chords[0], NoteNotation::English), "Am") << "the best cover first";
  EXPECT_EQ(ChordName(v.chords[1], NoteNotation::English), "C");
  EXPECT_EQ(ChordName(v.chords[2], NoteNotation::English), "F");
  EXPECT_EQ(v.chosen, 1) << "the continuity choice is the chosen one";
  // Then the exact variants of C E G A, less those the table already listed.
  const TChords exact = RecognizeChords(v.notes, RecognitionMode::AllVariants);
  ASSERT_FALSE(exact.empty());
  std::vector<std::string> expected = {"Am", "C", "F"};
  for (const TChord& c : exact)
    if (ChordName(c, NoteNotation::English) != "C" && ChordName(c, NoteNotation::English) != "Am" && ChordName(c, NoteNotation::English) != "F") expected.push_back(ChordName(c, NoteNotation::English));
  EXPECT_EQ(Names(v.chords), expected);

  // The variants grid shows the list with the continuity choice selected.
  session.TakeBeatVariants(2);
  EXPECT_EQ(presenter.grdVariants().Cell(1, 1), "Am");
  EXPECT_EQ(presenter.grdVariants().Cell(1, 2), "C");
  EXPECT_EQ(presenter.grdVariants().Row, 2);
}

TEST_F(ContinuitySearch, SilenceEndsARunAndTheBeatAfterItChoosesAlone) {
  TTrackBuilder t;
  Triad(t, 0, 60, 64, 67);
  Triad(t, 1, 60, 64, 67);
  // beat 2 silent; beat 3 the passing beat, beat 4 one C E G
  t.Note(0, 60, 1440, 1920).Note(0, 64, 1440, 1920).Note(0, 67, 1440, 1560).Note(1, 69, 1440, 1920);
  Triad(t, 4, 60, 64, 67);
  SearchInC("silence.mid", {t});
  // Alone with one neighbour, leaving C costs one change only, and Am gains more than that.
  EXPECT_EQ(Cells(), (std::vector<std::string>{"C", "C", "", "Am", "C", ""}));
  EXPECT_EQ(session.beats()[2].chords.size(), 0u);
}

TEST_F(ContinuitySearch, WithoutKeysenseOrWithoutAKeyNothingChanges) {
  SetKeysense(false);
  SetContinuity(false);
  SearchInC("plain.mid", {PassingA()});
  const std::vector<std::string> plain = Cells();
  const TChords plainChords = session.beats()[2].chords;

  SetContinuity(true);
  prompter.Answer(TPromptAnswer::Yes);
  presenter.actSearchSongChordsExecute();
  EXPECT_EQ(Cells(), plain);
  EXPECT_EQ(Names(session.beats()[2].chords), Names(plainChords));
  EXPECT_EQ(session.beats()[2].chosen, 0);

  SetKeysense(true);
  presenter.cbRootOrigSelect(-1);
  prompter.Answer({TPromptAnswer::Yes, TPromptAnswer::No});  // search again, but find no key
  presenter.actSearchSongChordsExecute();
  EXPECT_FALSE(session.Model().keysenseActive);
  EXPECT_EQ(Cells(), plain);
}

TEST_F(ContinuitySearch, ATranspositionSearchesAgainWithTheChoice) {
  SearchInC("transposed.mid", {PassingA()});
  presenter.SetTransposition(2);
  EXPECT_EQ(Cells(), (std::vector<std::string>{"D", "D", "D", "D", ""}));
  EXPECT_EQ(ChordName(session.beats()[2].chords[0], NoteNotation::English), "Bm");
}

}  // namespace
