#include <gtest/gtest.h>

#include "tests/song/SessionFixture.h"

using songfiles::TTrackBuilder;
using Kind = ScriptedPrompter::TKind;

TEST_F(SessionTest, MarkedNotesListTheirVariantsWhileAutoSearchIsDown) {
  ASSERT_TRUE(presenter.btnAutoSearchMarked());
  for (int n : {60, 64, 67}) session.MidiPiano.SetMarked(n, true);
  const TStringGrid& g = presenter.grdVariants();
  EXPECT_EQ(g.RowCount(), 6);
  EXPECT_EQ(g.Cell(0, 1), "1");
  EXPECT_EQ(g.Cell(1, 1), "C");
  EXPECT_EQ(g.Cell(2, 1), "C4 E4 G4 ");
  EXPECT_EQ(g.Cell(1, 2), "Em/5+/C");
  EXPECT_EQ(g.Row, 1);
  EXPECT_EQ(presenter.stVariants(), "Всего найдено 5 вариантов аккорда:");
  EXPECT_EQ(presenter.mmMarked(), (std::vector<std::string>{"60 - C4", "64 - E4", "67 - G4"}));

  session.MidiPiano.SetMarked(64, false);
  EXPECT_EQ(g.RowCount(), 2);
  EXPECT_EQ(g.Cell(1, 1), "C5");
  EXPECT_EQ(presenter.stVariants(), "Всего найдено 1 вариантов аккорда:");

  session.MidiPiano.SetMarked(67, false);  // a single note: nothing fits
  EXPECT_EQ(g.Cell(1, 1), "");
  EXPECT_EQ(presenter.stVariants(), "Всего найдено 0 вариантов аккорда:");
}

TEST_F(SessionTest, AfterANotationChangeTheMarkedListAndTheVariantsFollowThePiano) {
  for (int n : {60, 64, 67}) session.MidiPiano.SetMarked(n, true);
  presenter.SelectVariantRow(2);
  SetNotation(NoteNotation::Italian);
  presenter.FillKeyList();  // what putting the settings into effect does
  EXPECT_EQ(presenter.mmMarked(), (std::vector<std::string>{"60 - DO4", "64 - MI4", "67 - SOL4"}));
  EXPECT_EQ(presenter.grdVariants().Cell(1, 1), "DO");
  EXPECT_EQ(presenter.grdVariants().Cell(2, 1), "DO4 MI4 SOL4 ");
  EXPECT_EQ(presenter.grdVariants().Row, 2);

  // Unmarking every key (as playing a variant does) leaves no line behind, nor a twin.
  presenter.SetAutoSearchMarked(false);
  for (int n = 0; n < 128; ++n) session.MidiPiano.SetMarked(n, false);
  EXPECT_TRUE(presenter.mmMarked().empty());
  session.MidiPiano.SetMarked(67, true);
  EXPECT_EQ(presenter.mmMarked(), (std::vector<std::string>{"67 - SOL4"}));
}

TEST_F(SessionTest, TheMarkedListIsSortedAsTextAndAutoSearchUpLeavesTheVariantsAlone) {
  presenter.SetAutoSearchMarked(false);
  session.MidiPiano.SetMarked(60, true);
  session.MidiPiano.SetMarked(100, true);
  session.MidiPiano.SetMarked(6, true);
  EXPECT_EQ(presenter.mmMarked(), (std::vector<std::string>{"100 - E7", "6 - F#-1", "60 - C4"}));
  EXPECT_EQ(presenter.stVariants(), "");
  // Pressing the button while it is up searches at once.
  presenter.btnAutoSearchMarkedMouseDown();
  EXPECT_TRUE(presenter.btnAutoSearchMarked());
  size_t n = RecognizeChords({6, 60, 100}, RecognitionMode::AllVariants).size();
  ASSERT_GT(n, 0u);
  EXPECT_EQ(presenter.stVariants(), "Всего найдено " + std::to_string(n) + " вариантов аккорда:");
  presenter.btnAutoSearchMarkedMouseDown();
  EXPECT_FALSE(presenter.btnAutoSearchMarked());
}

TEST_F(SessionTest, RemovingTheSelectedMarkedNoteSelectsItsSuccessorOrTheNewLast) {
  for (int n : {60, 64, 67}) session.MidiPiano.SetMarked(n, true);
  presenter.SetAutoSearchMarked(false);
  presenter.SelectMarked(2);
  presenter.RemoveSelectedMarked();
  EXPECT_TRUE(presenter.btnAutoSearchMarked());
  EXPECT_FALSE(session.MidiPiano.IsMarked(67));
  EXPECT_EQ(presenter.mmMarked(), (std::vector<std::string>{"60 - C4", "64 - E4"}));
  EXPECT_EQ(presenter.mmMarkedIndex(), 1);
  EXPECT_EQ(presenter.grdVariants().Cell(1, 1), "E5/5+/C");  // searched again for C4 E4
  presenter.SelectMarked(0);
  presenter.RemoveSelectedMarked();
  EXPECT_EQ(presenter.mmMarked(), (std::vector<std::string>{"64 - E4"}));
  EXPECT_EQ(presenter.mmMarkedIndex(), 0);
  presenter.RemoveSelectedMarked();
  presenter.RemoveSelectedMarked();  // an empty list: nothing happens
  EXPECT_TRUE(presenter.mmMarked().empty());
  EXPECT_EQ(session.MidiPiano.MarkedCount(), 0);
}

TEST_F(SessionTest, MarkingAnotherNoteKeepsTheSelectionOnTheSelectedNote) {
  presenter.SetAutoSearchMarked(false);
  for (int n : {60, 64}) session.MidiPiano.SetMarked(n, true);
  presenter.SelectMarked(1);  // 64 - E4
  auto selected = [this]() -> std::string {
    const int i = presenter.mmMarkedIndex();
    return i >= 0 && i < static_cast<int>(presenter.mmMarked().size()) ? presenter.mmMarked()[static_cast<size_t>(i)]
                                                                      : "(none)";
  };
  // Sorted in front of the selected line, at its very place, and behind it.
  session.MidiPiano.SetMarked(62, true);
  EXPECT_EQ(presenter.mmMarked(), (std::vector<std::string>{"60 - C4", "62 - D4", "64 - E4"}));
  EXPECT_EQ(selected(), "64 - E4");
  session.MidiPiano.SetMarked(48, true);  // "48 - C3" sorts first
  EXPECT_EQ(selected(), "64 - E4");
  session.MidiPiano.SetMarked(67, true);
  EXPECT_EQ(selected(), "64 - E4");
  // Unmarking a note in front of it keeps it selected too; unmarking it selects nothing.
  session.MidiPiano.SetMarked(48, false);
  EXPECT_EQ(selected(), "64 - E4");
  session.MidiPiano.SetMarked(64, false);
  EXPECT_EQ(presenter.mmMarkedIndex(), -1);
}

TEST_F(SessionTest, PlayingAVariantMarksJustItsTonesWithAutoSearchUp) {
  int played = 0;
  session.Playback.PlayMarkedNotes = [&] { ++played; };
  for (int n : {60, 64, 67}) session.MidiPiano.SetMarked(n, true);
  session.MidiPiano.SetMarked(30, true);  // leaves no variants; mark again without it
  session.MidiPiano.SetMarked(30, false);
  presenter.SelectVariantRow(2);  // Em/5+/C
  presenter.grdVariantsClick();
  EXPECT_EQ(played, 1);
  EXPECT_FALSE(presenter.btnAutoSearchMarked());
  EXPECT_EQ(presenter.grdVariants().RowCount(), 6);  // not searched again
  std::vector<int> marked;
  for (int n = 0; n < 128; ++n)
    if (session.MidiPiano.IsMarked(n)) marked.push_back(n);
  // Em with a raised fifth over C, voiced around E4: tones listed in the grid
  EXPECT_EQ(presenter.grdVariants().Cell(2, 2), "E4 G4 C5 C4 ");
  EXPECT_EQ(marked, (std::vector<int>{60, 64, 67, 72}));
  EXPECT_EQ(presenter.mmMarked().size(), 4u);

  presenter.SelectVariantRow(40);  // beyond the list: the last row
  presenter.SelectVariantRow(0);
  EXPECT_EQ(presenter.grdVariants().Row, 1);
}

namespace {

std::vector<songfiles::TTrackBuilder> FiveChordSong() {
  // Am9, C/E, G7/5-, F, Dm: one per beat. The Am9 is spread over three channels so that no
  // channel alone holds a chord and the union of all is ranked.
  TTrackBuilder t;
  auto chord = [&](int beat, std::initializer_list<int> notes, int channel = 0) {
    for (int n : notes) t.Note(channel, n, beat * 480, beat * 480 + 480);
  };
  chord(0, {57, 60}, 0);
  chord(0, {64, 67}, 1);
  chord(0, {71}, 2);
  chord(1, {52, 60, 67});
  chord(2, {55, 59, 61, 65});
  chord(3, {53, 57, 60});
  chord(4, {50, 53, 57});
  return {t};
}

}  // namespace

TEST_F(SessionTest, ApplyingAVariantReplacesTheBeatsChordAfterAskingWhichWithWhich) {
  LoadAndSearch("apply.mid", FiveChordSong());
  ASSERT_EQ(Cells(), (std::vector<std::string>{"Am9", "C/E", "G7/5-", "F", "Dm", ""}));
  for (int n : {60, 64, 67}) session.MidiPiano.SetMarked(n, true);
  presenter.SelectVariantRow(2);
  presenter.SetSongCell(4, 1);  // beat 3: F
  prompter.Answer(TPromptAnswer::No);
  presenter.actSetSelectedChordExecute();
  EXPECT_EQ(prompter.Last().Text, "Заменить аккорд F\rаккордом Em/5+/C?");
  EXPECT_EQ(Cells()[3], "F");

  prompter.Answer(TPromptAnswer::Yes);
  presenter.actSetSelectedChordExecute();
  EXPECT_EQ(Cells()[3], "Em/5+/C");
  EXPECT_EQ(session.beats()[3].chosen, 1);
  EXPECT_EQ(session.beats()[3].chords.size(), 5u);
  EXPECT_EQ(presenter.BeatChordName(3), "Em/5+/C");

  // A beat without a chord, or a cursor on no beat: nothing is asked.
  prompter.Clear();
  presenter.SetSongCell(2, 2);  // beat 5: silence
  presenter.actSetSelectedChordExecute();
  presenter.SetSongCell(3, 2);  // beat 6 does not exist
  presenter.actSetSelectedChordExecute();
  EXPECT_TRUE(prompter.Calls().empty());
}

TEST_F(SessionTest, SimplifyingKeepsTheChordTypeDropsAdditionsAndEveryOtherBeat) {
  LoadAndSearch("simple.mid", FiveChordSong());
  prompter.Answer(TPromptAnswer::Cancel);
  presenter.btnSimplifyClick();
  EXPECT_EQ(prompter.Last().Caption, "Внимание");
  EXPECT_EQ(prompter.Last().Text, "Все аккорды будут максимально упрощены,\rс потерей точности соответствия мелодии!");
  EXPECT_EQ(prompter.Last().Icon, TPromptIcon::Question);
  EXPECT_EQ(Cells()[0], "Am9");

  prompter.Answer(TPromptAnswer::Yes);
  presenter.btnSimplifyClick();
  EXPECT_EQ(Cells(), (std::vector<std::string>{"Am", "", "G7", "", "Dm", ""}));
  EXPECT_TRUE(session.beats()[1].chords.empty());
  EXPECT_FALSE(session.beats()[1].notes.empty());  // no "?" once simplified
}

TEST_F(SessionTest, ABeatCopiedIntoTheVariantsGridShowsItsChosenVariant) {
  LoadAndSearch("show.mid", FiveChordSong());
  session.TakeBeatVariants(1);
  EXPECT_EQ(session.Variants().notes, (TNotes{52, 60, 67}));
  EXPECT_EQ(presenter.grdVariants().Cell(1, 1), "C/E");
  EXPECT_EQ(presenter.grdVariants().Cell(2, 1), "C4 E4 G4 E3 ");  // the slash bass last
  EXPECT_EQ(presenter.grdVariants().Row, 1);
  session.TakeBeatVariants(99);  // no such beat: unchanged
  EXPECT_EQ(presenter.grdVariants().Cell(1, 1), "C/E");
}

TEST_F(SessionTest, ABeatPlayedAloneIsMarkedWithoutASearchAndTheCursorMovesOnAcrossRows) {
  LoadAndSearch("alone.mid", FiveChordSong());
  session.MidiPiano.SetMarked(90, true);
  session.MarkBeatForPlay(1);
  EXPECT_FALSE(presenter.btnAutoSearchMarked());
  EXPECT_EQ(presenter.mmMarked(), (std::vector<std::string>{"52 - E3", "60 - C4", "67 - G4"}));
  EXPECT_EQ(presenter.grdVariants().Cell(1, 1), "C/E");

  presenter.SetSongCell(4, 1);
  presenter.AdvanceSongCell();
  EXPECT_EQ(presenter.CurrentGridBeat(), 4);
  presenter.AdvanceSongCell();
  EXPECT_EQ(presenter.CurrentGridBeat(), 5);
}

TEST_F(SessionTest, TheCursorFollowsPlaybackOnlyToBeatsThatHaveARow) {
  LoadAndSearch("follow.mid", FiveChordSong());
  const int32_t beat = session.beatLength();
  presenter.FollowPlayback(4 * beat + beat / 2);
  EXPECT_EQ(presenter.CurrentGridBeat(), 4);
  EXPECT_EQ(presenter.grdSong().Row, 2);
  presenter.FollowPlayback(100 * beat);  // past the grid: the cursor stays
  EXPECT_EQ(presenter.CurrentGridBeat(), 4);
  presenter.FollowPlayback(0);
  EXPECT_EQ(presenter.CurrentGridBeat(), 0);
}

TEST_F(SessionTest, AVariantOfThePreviousSongCannotBeAppliedToTheNextOne) {
  LoadAndSearch("prev.mid", FiveChordSong());
  session.TakeBeatVariants(0);
  LoadAndSearch("next.mid", FiveChordSong());
  EXPECT_TRUE(session.Variants().chords.empty());
  EXPECT_EQ(presenter.grdVariants().Cell(1, 1), "");
  // Nor does the count above the emptied list speak of the previous song's variants.
  EXPECT_EQ(presenter.stVariants(), "");
  presenter.SetSongCell(1, 1);
  presenter.actSetSelectedChordExecute();
  EXPECT_TRUE(prompter.Calls().empty());
  EXPECT_EQ(Cells()[0], "Am9");
}

TEST_F(SessionTest, NotesPlayedOnAKeyboardBecomeTheMarkedKeysAndAreRecognisedOnce) {
  int recognitions = 0;
  session.Observers().Add([&](const TSongNotice& notice) {
    if (notice.what == TSongChange::Variants) ++recognitions;
  });
  session.MidiPiano.SetMarked(30, true);  // marked by mouse before the keyboard was played
  recognitions = 0;
  session.MarkPlayedNotes({57, 60, 64});
  EXPECT_EQ(recognitions, 1);
  EXPECT_EQ(presenter.grdVariants().Cell(1, 1), "Am");
  EXPECT_EQ(presenter.mmMarked(), (std::vector<std::string>{"57 - A3", "60 - C4", "64 - E4"}));
  // The next chord replaces the marks; keys in both stay marked without a flicker.
  session.MarkPlayedNotes({60, 64, 67});
  EXPECT_EQ(presenter.grdVariants().Cell(1, 1), "C");
  EXPECT_FALSE(session.MidiPiano.IsMarked(57));
  EXPECT_EQ(presenter.mmMarked(), (std::vector<std::string>{"60 - C4", "64 - E4", "67 - G4"}));
  // Auto-search up: the marks follow, the variants stay; the song is never touched.
  presenter.SetAutoSearchMarked(false);
  const size_t beats = session.beats().size();
  session.MarkPlayedNotes({62, 65, 69});
  EXPECT_EQ(presenter.grdVariants().Cell(1, 1), "C");
  EXPECT_TRUE(session.MidiPiano.IsMarked(69));
  EXPECT_EQ(session.beats().size(), beats);
}

TEST_F(SessionTest, AKeyboardChordMarksKeysOnlyWhileAutoSearchIsDown) {
  presenter.KeyboardChord({60, 64, 67});
  EXPECT_EQ(presenter.grdVariants().Cell(1, 1), "C");
  presenter.SetAutoSearchMarked(false);
  presenter.KeyboardChord({57, 60, 64});
  EXPECT_FALSE(session.MidiPiano.IsMarked(57));
  EXPECT_TRUE(session.MidiPiano.IsMarked(67));
  EXPECT_EQ(presenter.grdVariants().Cell(1, 1), "C");
  // Played by hand beside the song: never below silent, and counted with what else sounds.
  session.MidiPiano.SoundByHand(40, false);
  EXPECT_EQ(session.MidiPiano.KeyLevel(40), 0);
  session.MidiPiano.HandleMidiMessage(0x90, 40, 100);
  session.MidiPiano.SoundByHand(40, true);
  session.MidiPiano.SoundByHand(40, false);
  EXPECT_TRUE(session.MidiPiano.IsSounding(40));
}
