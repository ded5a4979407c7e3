// The one place where settings become the options of the analysis and of the written text,
// and two owners with settings of their own analysing side by side.
#include <gtest/gtest.h>

#include "export/OptionsOfSettings.h"
#include "song/ScriptedPrompter.h"
#include "song/SongSession.h"

namespace {

TEST(OptionsOfSettings, EveryValueTheCoreTakesComesFromTheSettingsObjectItIsGiven) {
  TSettings german;
  german.NoteSet = NoteNotation::German;
  german.Keysense = false;
  german.CommExport = false;
  german.TextCodepage = 866;
  german.PathTabulist = "/opt/tab/";
  german.SpellByKey = true;
  german.ChordDiagrams = 2;
  TSettings italian;
  italian.NoteSet = NoteNotation::Italian;
  italian.KeysenseContinuity = true;
  LoadKeysenseTable(italian.KeysenseTable, "C0 G0 A1", "");

  const TSongOptions g = SongOptionsOf(german), i = SongOptionsOf(italian);
  EXPECT_FALSE(g.keysense);
  EXPECT_FALSE(g.continuity);
  EXPECT_TRUE(g.keysenseTable.empty());
  EXPECT_EQ(g.notation, NoteNotation::German);
  EXPECT_TRUE(i.keysense);
  EXPECT_TRUE(i.continuity);
  ASSERT_EQ(i.keysenseTable.size(), 3u);
  EXPECT_EQ(i.keysenseTable[2].Chord, italian.KeysenseTable[2].Chord);
  EXPECT_EQ(i.notation, NoteNotation::Italian);

  const TExportOptions ge = ExportOptionsOf(german), ie = ExportOptionsOf(italian);
  EXPECT_FALSE(ge.commExport);
  EXPECT_EQ(ge.textCodepage, 866);
  EXPECT_EQ(ge.notation, NoteNotation::German);
  EXPECT_EQ(ge.pathTabulist, "/opt/tab/");
  EXPECT_EQ(ge.programFolder, ProgramFolder);
  EXPECT_TRUE(ie.commExport);
  EXPECT_EQ(ie.textCodepage, 1251);
  EXPECT_EQ(ie.notation, NoteNotation::Italian);
  EXPECT_TRUE(ge.spellByKey);
  EXPECT_FALSE(ie.spellByKey);
  EXPECT_EQ(ge.diagrams, TDiagramInstrument::Piano);
  EXPECT_EQ(ie.diagrams, TDiagramInstrument::Guitar);
}

TEST(OptionsOfSettings, TwoSessionsWithTheirOwnSettingsNameTheSameSongEachInItsNotation) {
  TSettings german, italian;
  german.NoteSet = NoteNotation::German;
  italian.NoteSet = NoteNotation::Italian;
  german.Keysense = italian.Keysense = false;  // no key question
  ScriptedPrompter prompterG, prompterI;
  RecordingStatusSink statusG, statusI;
  TSongSession g(prompterG, statusG, SongOptionsOf(german));
  TSongSession i(prompterI, statusI, SongOptionsOf(italian));
  const std::string song = std::string(CANTARO_SOURCE_DIR) + "/examples/mary-had-a-little-lamb.mid";
  ASSERT_TRUE(g.LoadSong(song));
  ASSERT_TRUE(i.LoadSong(song));
  g.FindChords();
  i.FindChords();
  ASSERT_EQ(g.beats().size(), i.beats().size());
  ASSERT_GT(g.beats().size(), 8u);
  EXPECT_EQ(BeatChordText(g.Model(), 0, german.NoteSet), "C");
  EXPECT_EQ(BeatChordText(i.Model(), 0, italian.NoteSet), "DO");
  int named = 0;
  for (int b = 0; b < static_cast<int>(g.beats().size()); ++b) {
    ASSERT_EQ(g.Model().ChosenChord(b), i.Model().ChosenChord(b)) << b;
    // The same chord, named apart: no German chord name is an Italian one.
    if (g.Model().ChosenChord(b)) {
      EXPECT_NE(BeatChordText(g.Model(), b, german.NoteSet), BeatChordText(i.Model(), b, italian.NoteSet)) << b;
      ++named;
    }
  }
  EXPECT_GT(named, 8);
  EXPECT_EQ(prompterG.Unexpected() + prompterI.Unexpected(), 0u);
}

}  // namespace
