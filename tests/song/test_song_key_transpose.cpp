#include <gtest/gtest.h>

#include "tests/song/SessionFixture.h"

using songfiles::TTrackBuilder;
using Kind = ScriptedPrompter::TKind;

namespace {

// Each beat a C major triad (or the notes given), on channel 0.
TTrackBuilder CMajorSong(int beats, int shift = 0) {
  TTrackBuilder t;
  for (int b = 0; b < beats; ++b) Triad(t, b, 60 + shift, 64 + shift, 67 + shift);
  return t;
}

std::vector<int> NotesOf(TSongSession& s, int track) {
  std::vector<int> out;
  for (const TMidiEventEx& e : s.MidiFile.TrackAt(track).Events())
    if ((e.Status & 0xF0) == 0x90) out.push_back(e.Data1);
  return out;
}

}  // namespace

TEST_F(SessionTest, KeyDetectionSelectsTheKeyAndReportsIt) {
  Load("key.mid", {CMajorSong(4)});
  presenter.actFindRootExecute();
  EXPECT_EQ(presenter.cbRootOrigIndex(), 0);
  EXPECT_EQ(presenter.cbRootOrigItems().at(0), "C или Am");
  EXPECT_EQ(presenter.stRootNew(), "C или Am");
  ASSERT_EQ(prompter.Calls().size(), 1u);
  EXPECT_EQ(prompter.Last().Kind, Kind::Information);
  EXPECT_EQ(prompter.Last().Caption, "Тональность определена");
  EXPECT_EQ(prompter.Last().Text,
            "Вероятнее всего, мелодия написана\rв тональности C major.\rВозможно также, тональность мелодии - G major.");
  EXPECT_EQ(status.texts, (std::vector<std::string>{"Определение тональности композиции. Ждите...", ""}));
}

TEST_F(SessionTest, KeyDetectionFailsOnPercussionAndReleasesAndKeepsTheKey) {
  TTrackBuilder drums;
  drums.Note(9, 60, 0, 480).Note(9, 64, 0, 480).Raw(500, {0x90, 62, 0});
  Load("drums.mid", {drums});
  presenter.cbRootOrigSelect(5);
  presenter.actFindRootExecute();
  EXPECT_EQ(presenter.cbRootOrigIndex(), 5);
  EXPECT_EQ(prompter.Last().Caption, "Информация");
  EXPECT_EQ(prompter.Last().Text, "Оригинальную тональность мелодии\rопределить не удалось.");
}

TEST_F(SessionTest, KeyDetectionCountsTheUntransposedSongAndOnlyItsBeginning) {
  // 121 beats of C major, then a long stretch of F# major that must not count.
  TTrackBuilder t = CMajorSong(121);
  for (int b = 122; b < 400; ++b) Triad(t, b, 66, 70, 73);
  LoadAndSearch("begin.mid", {t});
  presenter.SetTransposition(2);
  prompter.Clear();
  presenter.actFindRootExecute();
  EXPECT_EQ(presenter.cbRootOrigIndex(), 0);
  EXPECT_EQ(presenter.stRootNew(), "D или Bm");  // the current key: two steps above
  EXPECT_FALSE(session.MidiFile.Playing());
}

TEST_F(SessionTest, TranspositionShiftsNoteBytesByTheDifferenceAndSearchesAgain) {
  TTrackBuilder t = CMajorSong(2);
  t.Note(9, 42, 0, 100);
  t.Raw(100, {0xA0, 60, 10});  // key pressure moves too
  t.Raw(100, {0xB0, 60, 10});  // a controller does not
  LoadAndSearch("tr.mid", {t});
  presenter.cbRootOrigSelect(0);
  presenter.cbTransposSelect(12);  // -1
  EXPECT_EQ(session.transposition(), -1);
  prompter.Clear();
  status.texts.clear();
  presenter.cbTransposSelect(9);  // +2
  EXPECT_EQ(session.transposition(), 2);
  EXPECT_EQ(presenter.cbTransposIndex(), 9);
  EXPECT_EQ(NotesOf(session, 0), (std::vector<int>{62, 66, 69, 42, 62, 66, 69}));
  EXPECT_EQ(Cells(), (std::vector<std::string>{"D", "D", ""}));
  EXPECT_EQ(presenter.stRootNew(), "D или Bm");
  EXPECT_TRUE(prompter.Calls().empty());  // no rescan question
  EXPECT_EQ(status.texts.front(), "Транспонирование мелодии. Ждите...");
  EXPECT_EQ(status.texts.back(), "");
  bool sawPressure = false, sawController = false;
  for (const TMidiEventEx& e : session.MidiFile.TrackAt(0).Events()) {
    if (e.Status == 0xA0) sawPressure = e.Data1 == 62;
    if (e.Status == 0xB0) sawController = e.Data1 == 60;
  }
  EXPECT_TRUE(sawPressure);
  EXPECT_TRUE(sawController);
}

TEST_F(SessionTest, NotesShiftedOutOfRangeAreIgnoredAndComeBackExactly) {
  TTrackBuilder t;
  Triad(t, 0, 117, 121, 124);  // A major high up
  Triad(t, 1, 0, 4, 7);
  LoadAndSearch("wrap.mid", {t});
  presenter.SetTransposition(11);  // 128, 132, 135 wrap outside 0..127
  EXPECT_EQ(Cells()[0], "");
  EXPECT_TRUE(session.beats()[0].notes.empty());
  EXPECT_EQ(Cells()[1], "B");
  presenter.SetTransposition(-11);  // 0, 4, 7 go below zero and wrap
  EXPECT_EQ(Cells()[0], "A#");  // eleven down is one up, an octave lower
  EXPECT_TRUE(session.beats()[1].notes.empty());
  presenter.SetTransposition(0);
  EXPECT_EQ(NotesOf(session, 0), (std::vector<int>{117, 121, 124, 0, 4, 7}));
  EXPECT_EQ(Cells(), (std::vector<std::string>{"A", "C", ""}));
}

TEST_F(SessionTest, TheTranspositionListNamesKeysOnlyWhileItIsOpen) {
  presenter.FillTransposeList(true);
  EXPECT_EQ(presenter.cbTransposItems().at(12), "-1");  // no key selected
  presenter.cbRootOrigSelect(0);
  presenter.FillTransposeList(true);
  ASSERT_EQ(presenter.cbTransposItems().size(), 23u);
  EXPECT_EQ(presenter.cbTransposItems().at(0), "+11  B");
  EXPECT_EQ(presenter.cbTransposItems().at(9), "+2  D");
  EXPECT_EQ(presenter.cbTransposItems().at(11), "0  C");
  EXPECT_EQ(presenter.cbTransposItems().at(12), "-1  B");
  EXPECT_EQ(presenter.cbTransposItems().at(22), "-11  C#");
  presenter.FillTransposeList(false);
  EXPECT_EQ(presenter.cbTransposItems().at(0), "+11");
  EXPECT_EQ(presenter.cbTransposItems().at(12), "-1");
  EXPECT_EQ(presenter.cbTransposItems().at(22), "-11");
}

TEST_F(SessionTest, WithoutASongATranspositionOnlyChangesTheSelection) {
  presenter.SetTransposition(5);
  EXPECT_EQ(session.transposition(), 5);
  EXPECT_EQ(presenter.cbTransposIndex(), 6);
  EXPECT_TRUE(session.beats().empty());
  presenter.SetTransposition(12);  // not an entry
  EXPECT_EQ(session.transposition(), 5);
}

TEST_F(SessionTest, KeyNamesFollowTheNoteNotation) {
  SetNotation(NoteNotation::German);
  presenter.FillKeyList();
  EXPECT_EQ(presenter.cbRootOrigItems().at(10), "B(A#) или Gm");
  SetNotation(NoteNotation::Italian);
  presenter.FillKeyList();
  EXPECT_EQ(presenter.cbRootOrigItems().at(0), "DO или LAm");
  SetNotation(NoteNotation::English);
  presenter.FillKeyList();
  EXPECT_EQ(presenter.cbRootOrigItems().at(1), "C#(Db) или A#(Bb)m");
}

TEST_F(SessionTest, TheSpeedListSetsTheEngineRatio) {
  Load("speed.mid", {CMajorSong(1)});
  const std::pair<int, int> ratios[] = {{3, 1}, {2, 1}, {3, 2}, {1, 1}, {2, 3}, {1, 2}, {1, 3}};
  for (int i = 0; i < 7; ++i) {
    presenter.edtBpmSelect(i);
    EXPECT_EQ(session.MidiFile.SpeedNumerator(), ratios[i].first);
    EXPECT_EQ(session.MidiFile.SpeedDenominator(), ratios[i].second);
    EXPECT_EQ(presenter.cbBpmText(), TSongPresenter::cbBpmItems()[static_cast<size_t>(i)]);
  }
  presenter.edtBpmSelect(1);
  EXPECT_EQ(presenter.cbBpmText(), "* 2");
  EXPECT_EQ(session.MidiFile.CurrentBpm(), 240);
}

TEST_F(SessionTest, BeatLengthCommandsDeriveFromTheDefaultAndAskOnlyWhenTheyChangeSomething) {
  Load("beats.mid", {CMajorSong(8)});
  presenter.actDefBeatExecute();  // already checked: nothing asked
  EXPECT_TRUE(prompter.Calls().empty());

  prompter.Answer(TPromptAnswer::Yes);
  presenter.actIncBeatExecute();  // before any search: only the length changes
  EXPECT_EQ(session.beatLength(), 960);
  EXPECT_EQ(presenter.CheckedBeatCommand(), TBeatCommand::actIncBeat);
  EXPECT_TRUE(session.beats().empty());
  EXPECT_EQ(prompter.Last().Text, "Вы действительно хотите увеличить длительность бита в 2 раза?");

  presenter.actSearchSongChordsExecute();
  EXPECT_EQ(session.beats().size(), 5u);  // 3840 div 960 + 1

  prompter.Answer(TPromptAnswer::No);
  presenter.actDecBeatExecute();
  EXPECT_EQ(session.beatLength(), 960);
  EXPECT_EQ(presenter.CheckedBeatCommand(), TBeatCommand::actIncBeat);

  prompter.Clear();
  prompter.Answer(TPromptAnswer::Yes);
  presenter.actDecBeatExecute();  // halves the default, not the doubled length
  EXPECT_EQ(session.beatLength(), 240);
  EXPECT_EQ(presenter.CheckedBeatCommand(), TBeatCommand::actDecBeat);
  EXPECT_EQ(session.beats().size(), 17u);  // searched again without the rescan question
  ASSERT_EQ(prompter.Calls().size(), 1u);
  EXPECT_EQ(prompter.Last().Text, "Вы действительно хотите уменьшить длительность бита в 2 раза?");

  prompter.Answer(TPromptAnswer::Yes);
  presenter.actDefBeatExecute();
  EXPECT_EQ(session.beatLength(), 480);
  EXPECT_EQ(prompter.Last().Text, "Вы действительно хотите вернуть исходную длительность бита?");
  EXPECT_EQ(prompter.Unexpected(), 0u);
}

TEST_F(SessionTest, HalvingABeatOfTwoTicksLeavesNoChordsInTheGrid) {
  TTrackBuilder t;
  t.Note(0, 60, 0, 2).Note(0, 64, 0, 2).Note(0, 67, 0, 2);
  Load("two.mid", {t}, 2);  // 4/4 at two ticks a quarter
  ASSERT_EQ(session.beatLength(), 2);
  presenter.actSearchSongChordsExecute();
  ASSERT_EQ(Cells()[0], "C");
  prompter.Answer(TPromptAnswer::Yes);
  presenter.actDecBeatExecute();
  EXPECT_EQ(session.beatLength(), 1);
  EXPECT_TRUE(session.beats().empty());
  EXPECT_EQ(presenter.grdSong().RowCount(), 2);
  EXPECT_EQ(presenter.grdSong().Cell(1, 1), "");
  EXPECT_EQ(presenter.grdSong().Cell(0, 1), "");
}
