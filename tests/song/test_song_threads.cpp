// Two songs analysed at once on two threads, each with options of its own, give what each
// gives alone: the analysis keeps no state of its own outside its session.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "settings/IniFile.h"
#include "settings/IniFileIO.h"
#include "song/ScriptedPrompter.h"
#include "song/SongSession.h"

namespace {

struct TRun {
  std::string file;
  bool keysense;
  int key;
  int transposition;
  NoteNotation notation;
};

struct TOutcome {
  std::vector<std::string> chords;  // what each beat shows
  int key = -1;
  bool keysenseActive = false;
};

std::vector<KeysenseEntry> ShippedKeysenseTable() {
  const TFileReadResult r = ReadWholeFile(std::string(CANTARO_SOURCE_DIR) + "/INI/cantaro.ini");
  const TIniFile ini(r.bytes);
  std::vector<KeysenseEntry> table;
  LoadKeysenseTable(table, ini.ReadString("Keysense", "Main", ""), ini.ReadString("Keysense", "Added", ""));
  return table;
}

TOutcome Analyse(const TRun& run, const std::vector<KeysenseEntry>& table) {
  ScriptedPrompter prompter;
  NullStatusSink status;
  TSongOptions options;
  options.keysense = run.keysense;
  options.keysenseTable = table;
  options.notation = run.notation;
  TSongSession session(prompter, status, options);
  TOutcome out;
  if (!session.LoadSong(std::string(CANTARO_SOURCE_DIR) + "/examples/" + run.file)) return out;
  if (run.key >= 0) session.SetKey(run.key);
  else if (!session.DetectKey()) return out;
  session.FindChords();
  session.Transpose(run.transposition);
  for (int b = 0; b < static_cast<int>(session.beats().size()); ++b)
    out.chords.push_back(BeatChordText(session.Model(), b, run.notation));
  out.key = session.key();
  out.keysenseActive = session.Model().keysenseActive;
  return out;
}

}  // namespace

TEST(SongThreads, TwoSongsAnalysedAtOnceWithDifferentOptionsGiveWhatEachGivesAlone) {
  const std::vector<KeysenseEntry> table = ShippedKeysenseTable();
  ASSERT_FALSE(table.empty());
  const TRun a{"korobeiniki.kar", true, 0, 3, NoteNotation::German};
  const TRun b{"minuet-in-g.mid", false, -1, -2, NoteNotation::Italian};
  const TOutcome aloneA = Analyse(a, table);
  const TOutcome aloneB = Analyse(b, table);
  ASSERT_FALSE(aloneA.chords.empty());
  ASSERT_FALSE(aloneB.chords.empty());
  EXPECT_TRUE(aloneA.keysenseActive);
  EXPECT_FALSE(aloneB.keysenseActive);

  for (int round = 0; round < 3; ++round) {
    TOutcome atOnceA, atOnceB;
    std::thread first([&] { atOnceA = Analyse(a, table); });
    std::thread second([&] { atOnceB = Analyse(b, table); });
    first.join();
    second.join();
    EXPECT_EQ(atOnceA.chords, aloneA.chords);
    EXPECT_EQ(atOnceB.chords, aloneB.chords);
    EXPECT_EQ(atOnceA.key, aloneA.key);
    EXPECT_EQ(atOnceB.key, aloneB.key);
    EXPECT_EQ(atOnceA.keysenseActive, aloneA.keysenseActive);
  }
  // The names follow each run's notation, not one in force for the process.
  for (const std::string& name : aloneB.chords) {
    if (name.empty() || name == "?") continue;
    const std::string syllable = name.substr(0, 2);
    EXPECT_TRUE(syllable == "DO" || syllable == "RE" || syllable == "MI" || syllable == "FA" || syllable == "SO" ||
                syllable == "LA" || syllable == "SI")
        << name;
  }
}
