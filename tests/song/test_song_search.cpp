#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

#include "chords/untKeysense.h"
#include "tests/song/SessionFixture.h"

using songfiles::TTrackBuilder;
using Kind = ScriptedPrompter::TKind;

TEST_F(SessionTest, TheGridShowsAChordANoChordMarkerOrNothingPerBeat) {
  TTrackBuilder t;
  Triad(t, 0, 60, 64, 67);                 // C
  t.Note(0, 60, 960, 1440).Note(0, 61, 960, 1440);  // notes but no chord: "?"
  t.Note(9, 36, 1440, 1900).Note(9, 38, 1440, 1900).Note(9, 42, 1440, 1900);  // drums only
  Triad(t, 4, 57, 60, 64, 3);              // Am on channel 4
  LoadAndSearch("grid.mid", {t});
  ASSERT_EQ(session.beats().size(), 6u);  // the last release is at tick 2400: 2400 div 480 + 1
  EXPECT_EQ(Cells(), (std::vector<std::string>{"C", "", "?", "", "Am", ""}));
  EXPECT_TRUE(session.beats()[3].notes.empty());
  EXPECT_EQ(presenter.grdSong().RowCount(), 3);
  EXPECT_EQ(presenter.grdSong().Cell(0, 1), "0");
  EXPECT_EQ(presenter.grdSong().Cell(0, 2), "1");
  EXPECT_EQ(presenter.grdSong().Row, 1);
  EXPECT_EQ(presenter.grdSong().Col, 1);
  EXPECT_EQ(status.texts, (std::vector<std::string>{"Определение аккордов. Ждите...", ""}));
  EXPECT_TRUE(presenter.btnAutoSearchMarked());
  EXPECT_TRUE(presenter.mmMarkedVisible());
  EXPECT_FALSE(session.MidiPiano.MarkMode);
  EXPECT_EQ(session.MidiPiano.MarkedCount(), 0);
  EXPECT_TRUE(presenter.mmMarked().empty());
  EXPECT_TRUE(prompter.Calls().empty());
}

TEST_F(SessionTest, RepeatingTheSearchAsksFirstAndOnlyYesDiscardsTheEdits) {
  TTrackBuilder t;
  Triad(t, 0, 60, 64, 67);
  LoadAndSearch("again.mid", {t});
  for (TPromptAnswer a : {TPromptAnswer::No, TPromptAnswer::Cancel}) {
    prompter.Answer(a);
    status.texts.clear();
    presenter.actSearchSongChordsExecute();
    EXPECT_TRUE(status.texts.empty());
  }
  prompter.Answer(TPromptAnswer::Yes);
  presenter.actSearchSongChordsExecute();
  EXPECT_EQ(status.texts.size(), 2u);
  ASSERT_EQ(prompter.Calls().size(), 3u);
  const auto& q = prompter.Calls()[0];
  EXPECT_EQ(q.Kind, Kind::Question);
  EXPECT_EQ(q.Caption, "Подтверждение");
  EXPECT_EQ(q.Text, "Пересканировать аккорды повторно?\rВсе сделанные Вами в окошке вариантов\rнастройки аккордов пропадут.");
  EXPECT_EQ(q.Buttons, TPromptButtons::YesNoCancel);
  EXPECT_EQ(q.Icon, TPromptIcon::Question);
  EXPECT_EQ(prompter.Unexpected(), 0u);
}

TEST_F(SessionTest, TheSearchGivesTheEngineHandlersBackAlsoWhenItFails) {
  TTrackBuilder t;
  Triad(t, 0, 60, 64, 67);
  Load("handlers.mid", {t});
  int played = 0, updated = 0;
  session.MidiFile.SetOnMidiEvent([&](PMidiEventEx, int32_t) { ++played; });
  session.MidiFile.SetOnUpdateEvent([&](TMidiFile&) { ++updated; });
  presenter.actSearchSongChordsExecute();
  EXPECT_EQ(played, 0);
  EXPECT_EQ(updated, 1);  // the rewind's one notice, before the handlers were borrowed

  SetKeysense(true);
  presenter.cbRootOrigSelect(0);
  session.KeysenseChooser = [](const TKeysenseWeights&, int) -> std::optional<TChord> {
    throw std::runtime_error("table broken");
  };
  prompter.Answer(TPromptAnswer::Yes);
  EXPECT_THROW(presenter.actSearchSongChordsExecute(), std::runtime_error);
  ASSERT_TRUE(session.MidiFile.OnMidiEvent());
  ASSERT_TRUE(session.MidiFile.OnUpdateEvent());
  session.MidiFile.OnMidiEvent()(nullptr, 0);
  EXPECT_EQ(played, 1);
  EXPECT_TRUE(presenter.btnAutoSearchMarked());
  EXPECT_FALSE(session.MidiPiano.MarkMode);
  EXPECT_EQ(session.MidiPiano.MarkedCount(), 0);
  EXPECT_EQ(status.texts.back(), "");
}

TEST_F(SessionTest, UntickedTracksDoNotCount) {
  TTrackBuilder melody, chords;
  melody.Note(0, 72, 0, 480).Note(0, 73, 0, 480);
  Triad(chords, 0, 60, 64, 67, 1);
  Load("mute.mid", {melody, chords});
  presenter.SetTrackChecked(1, false);
  presenter.actSearchSongChordsExecute();
  EXPECT_EQ(Cells(), (std::vector<std::string>{"?", ""}));
  presenter.SetTrackChecked(1, true);
  prompter.Answer(TPromptAnswer::Yes);
  presenter.actSearchSongChordsExecute();
  EXPECT_EQ(Cells(), (std::vector<std::string>{"C", ""}));
}

TEST_F(SessionTest, DamagedNoteStreamsAreSearchedWithoutHarm) {
  TTrackBuilder t;
  // note-offs without note-ons, a repeated note struck again before its release, a note-on
  // that is never released, and status bytes of other kinds
  t.Raw(0, {0x80, 50, 0}).Raw(0, {0x80, 51, 0});
  t.Note(0, 60, 0, 300).Note(0, 60, 100, 480).Note(0, 64, 0, 480).Note(0, 67, 0, 480);
  t.Raw(480, {0x91, 62, 90});  // never released
  t.Raw(500, {0xE0, 0, 64}).Raw(500, {0xB0, 123, 0});
  t.Note(2, 65, 960, 1400).Note(2, 69, 960, 1400).Note(2, 72, 960, 1400);
  LoadAndSearch("damaged.mid", {t});
  ASSERT_EQ(session.beats().size(), 3u);
  EXPECT_EQ(session.beats()[0].notes, (TNotes{60, 64, 67}));
  EXPECT_EQ(Cells()[0], "C");
  // the unreleased D sounds on to the end of the song
  EXPECT_EQ(session.beats()[1].notes, (TNotes{62}));
  EXPECT_EQ(session.beats()[2].notes, (TNotes{62, 65, 69, 72}));
  EXPECT_EQ(Cells()[2], "F");
}

TEST_F(SessionTest, ABeatLengthOfOneOrASongOfLengthZeroGiveNoOrOneBeat) {
  TTrackBuilder t;
  t.TimeSignature(3, 2).Note(0, 60, 0, 5).Note(0, 64, 0, 5);
  Load("tiny.mid", {t}, 1);
  ASSERT_EQ(session.beatLength(), 1);
  presenter.actSearchSongChordsExecute();
  EXPECT_TRUE(session.beats().empty());
  presenter.actIncBeatExecute();
  presenter.actFindRootExecute();
  EXPECT_EQ(session.beatLength(), 1);
  EXPECT_EQ(prompter.Calls().size(), 1u);  // only the failed key detection
  EXPECT_EQ(prompter.Last().Text, "Оригинальную тональность мелодии\rопределить не удалось.");

  TTrackBuilder zero;
  zero.Raw(0, {0x90, 60, 100}).Raw(0, {0x90, 64, 100}).Raw(0, {0x90, 67, 100});
  Load("zero.mid", {zero});
  presenter.actSearchSongChordsExecute();
  ASSERT_EQ(session.beats().size(), 1u);
  // nothing lies before tick 0's end... the notes start at 0 and sound through the beat
  EXPECT_EQ(Cells(), (std::vector<std::string>{"C"}));
}

TEST_F(SessionTest, KeysenseWithoutAKeyAsksAndNoSwitchesItOffForThisSearch) {
  SetKeysense(true);
  int asked = 0;
  session.KeysenseChooser = [&](const TKeysenseWeights&, int) -> std::optional<TChord> {
    ++asked;
    return std::nullopt;
  };
  TTrackBuilder t;
  Triad(t, 0, 60, 64, 67);
  Load("ks.mid", {t});
  prompter.Answer(TPromptAnswer::No);
  presenter.actSearchSongChordsExecute();
  ASSERT_EQ(prompter.Calls().size(), 2u);
  EXPECT_EQ(prompter.Calls()[0].Text,
            "Для активизации технологии Keysense необходимо\rопределить тональность композиции.\rСделать это сейчас?");
  EXPECT_EQ(prompter.Calls()[0].Buttons, TPromptButtons::YesNo);
  EXPECT_EQ(prompter.Calls()[1].Kind, Kind::Message);
  EXPECT_EQ(prompter.Calls()[1].Text, "Технология Keysense временно отключена");
  EXPECT_EQ(asked, 0);
  EXPECT_FALSE(session.Model().keysenseActive);
  EXPECT_EQ(Cells()[0], "C");

  // Yes: the key is detected first, then the table is asked for every beat with the tonic of
  // the current key.
  prompter.Clear();
  prompter.Answer({TPromptAnswer::Yes, TPromptAnswer::Yes});
  int tonic = -1;
  session.KeysenseChooser = [&](const TKeysenseWeights&, int k) -> std::optional<TChord> {
    ++asked;
    tonic = k;
    TChord g;
    g.BasePitch = 67;
    return g;
  };
  presenter.actSearchSongChordsExecute();
  EXPECT_EQ(prompter.Calls()[2].Caption, "Тональность определена");
  EXPECT_EQ(presenter.cbRootOrigIndex(), 0);
  EXPECT_TRUE(session.Model().keysenseActive);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(tonic, 0);
  EXPECT_EQ(Cells(), (std::vector<std::string>{"G", "G"}));  // this stand-in answers even for silence
}

TEST_F(SessionTest, AnAnswerGivenWithDoNotAskAgainStandsForTheNextSongs) {
  const std::string offNotice = "Технология Keysense временно отключена";
  struct Case {
    TPromptAnswer answer;
    TRememberedAnswer remembered;
    bool keyFound;
  } cases[] = {{TPromptAnswer::No, TRememberedAnswer::No, false},
               {TPromptAnswer::Yes, TRememberedAnswer::Yes, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.answer));
    SetKeysense(true);
    TSongOptions options = session.Options();
    options.keysenseKeyAnswer = TRememberedAnswer::None;
    session.SetOptions(options);
    std::vector<TRememberedAnswer> told;
    session.OnKeysenseAnswerRemembered = [&told](TRememberedAnswer a) { told.push_back(a); };
    session.KeysenseChooser = [](const TKeysenseWeights&, int) -> std::optional<TChord> { return std::nullopt; };
    TTrackBuilder t;
    Triad(t, 0, 60, 64, 67);
    Triad(t, 1, 55, 59, 62);
    prompter.Clear();
    status.texts.clear();
    prompter.AnswerRemembering(c.answer);
    LoadAndSearch("remember.mid", {t});
    ASSERT_EQ(prompter.Calls().size(), 1u) << "the question only; a standing answer reports nothing";
    EXPECT_EQ(prompter.Calls()[0].RememberText, "Больше не спрашивать");
    EXPECT_EQ(told, std::vector<TRememberedAnswer>{c.remembered});
    EXPECT_EQ(session.Options().keysenseKeyAnswer, c.remembered);
    EXPECT_EQ(session.Model().key.Known(), c.keyFound);
    EXPECT_EQ(session.Model().keysenseActive, c.keyFound);
    // The notice that the table is off stays in the status text once the search is over.
    EXPECT_EQ(status.texts.back(), c.keyFound ? std::string() : offNotice);

    // The next song is not asked about.
    prompter.Clear();
    status.texts.clear();
    LoadAndSearch("remember2.mid", {t});
    EXPECT_TRUE(prompter.Calls().empty());
    EXPECT_EQ(prompter.Unexpected(), 0u);
    EXPECT_EQ(session.Model().keysenseActive, c.keyFound);
    EXPECT_EQ(status.texts.back(), c.keyFound ? std::string() : offNotice);
    EXPECT_EQ(told.size(), 1u);
    // A search that needs no answer leaves no notice behind.
    presenter.cbRootOrigSelect(0);
    prompter.Answer(TPromptAnswer::Yes);  // the search again, over the chords there are
    presenter.actSearchSongChordsExecute();
    EXPECT_EQ(status.texts.back(), std::string());
  }
}

TEST_F(SessionTest, KeysenseUsesTheCurrentKeyAfterATransposition) {
  SetKeysense(true);
  int tonic = -1;
  session.KeysenseChooser = [&](const TKeysenseWeights&, int k) -> std::optional<TChord> {
    tonic = k;
    return std::nullopt;
  };
  TTrackBuilder t;
  Triad(t, 0, 60, 64, 67);
  Load("ks2.mid", {t});
  presenter.cbRootOrigSelect(9);  // A major / F#m
  presenter.actSearchSongChordsExecute();
  EXPECT_EQ(tonic, 9);
  presenter.SetTransposition(-3);
  EXPECT_EQ(tonic, 6);
  EXPECT_EQ(Cells()[0], "A");
  EXPECT_TRUE(prompter.Calls().empty());
}

TEST_F(SessionTest, AKeyDetectedDuringATranspositionsSearchIsTheSongsOwnKey) {
  TTrackBuilder t;
  for (int b = 0; b < 4; ++b) Triad(t, b, 60, 64, 67);
  LoadAndSearch("ks3.mid", {t});
  SetKeysense(true);
  int tonic = -1;
  session.KeysenseChooser = [&](const TKeysenseWeights&, int k) -> std::optional<TChord> {
    tonic = k;
    return std::nullopt;
  };
  prompter.Answer(TPromptAnswer::Yes);  // determine the key now
  presenter.SetTransposition(2);
  ASSERT_EQ(prompter.Calls().size(), 2u);
  EXPECT_EQ(prompter.Calls()[1].Caption, "Тональность определена");
  EXPECT_EQ(presenter.cbRootOrigIndex(), 0);  // C, not the D the shifted notes sound in
  EXPECT_EQ(presenter.stRootNew(), "D или Bm");
  EXPECT_EQ(tonic, 2);
}
