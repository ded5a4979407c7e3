// The chord search against the block-chord accompaniment of real folk tunes: the chord of
// the beat at each labelled tick should have the labelled pitch classes. Melody and chords
// share one channel in these files, so plain recognition hears the melody's passing notes
// as additions (D6, Gadd9: a bit over half agree); the key-aware table, as a user runs it,
// chooses by weight and finds the written chord in most beats.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "chords/untKeysense.h"
#include "settings/IniFile.h"
#include "settings/IniFileIO.h"
#include "tests/TestFiles.h"
#include "tests/song/SessionFixture.h"

namespace {

struct TAgreement {
  int labelled = 0;
  int agreed = 0;
};

uint16_t PitchClassesOf(const TVariants& v) {
  if (!v.HasChord()) return 0;
  TChord c = v.Chord();
  uint16_t set = 0;
  for (int8_t slot : ChordTones(c))
    if (slot != NoChordTone) set |= static_cast<uint16_t>(1u << ((c.BasePitch + slot) % 12));
  return set;
}

TAgreement Compare(const TSongSession& s, const std::string& truthFile) {
  TAgreement a;
  std::ifstream in(truthFile);
  std::string line;
  std::getline(in, line);  // header
  while (std::getline(in, line)) {
    std::istringstream row(line);
    std::string bar, beat, tick, chord, pcs;
    std::getline(row, bar, '\t');
    std::getline(row, beat, '\t');
    std::getline(row, tick, '\t');
    std::getline(row, chord, '\t');
    std::getline(row, pcs, '\t');
    if (chord == "N.C." || pcs.empty()) continue;
    uint16_t want = 0;
    std::istringstream list(pcs);
    for (std::string pc; std::getline(list, pc, ',');) want |= static_cast<uint16_t>(1u << std::stoi(pc));
    size_t b = static_cast<size_t>(std::stoi(tick) / s.beatLength());
    if (b >= s.beats().size()) continue;
    ++a.labelled;
    if (PitchClassesOf(s.beats()[b]) == want) ++a.agreed;
  }
  return a;
}

}  // namespace

TEST_F(SessionTest, WithTheKeyAwareTableFolkAccompanimentsAreRecognised) {
  SetKeysense(true);
  TFileReadResult r = ReadWholeFile(std::string(CANTARO_SOURCE_DIR) + "/INI/cantaro.ini");
  ASSERT_EQ(r.status, TFileReadResult::Status::Ok);
  TIniFile ini(r.bytes);
  UseKeysenseTable(ini.ReadString("Keysense", "Main", ""), ini.ReadString("Keysense", "Added", ""));
  ASSERT_FALSE(session.Options().keysenseTable.empty());
  const std::filesystem::path folk = test_files::Shared() / "corpus" / "folk";
  SKIP_WITHOUT_SHARED(folk);
  TAgreement total;
  int songs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folk)) {
    if (entry.path().extension() != ".mid") continue;
    std::string truth = entry.path().parent_path() / (entry.path().stem().string() + ".truth.tsv");
    ASSERT_TRUE(presenter.LoadSong(entry.path().string())) << entry.path();
    prompter.Answer(TPromptAnswer::Yes);  // determine the key for the table now
    presenter.actSearchSongChordsExecute();
    TAgreement a = Compare(session, truth);
    total.labelled += a.labelled;
    total.agreed += a.agreed;
    ++songs;
  }
  ASSERT_GT(songs, 50);
  ASSERT_GT(total.labelled, 1000);
  EXPECT_GE(total.agreed * 100 / total.labelled, 85) << total.agreed << " of " << total.labelled;
  EXPECT_EQ(prompter.Unexpected(), 0u);
}
