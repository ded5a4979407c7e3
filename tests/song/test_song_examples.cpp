// The whole road on the songs that ship with the program: load, search, key, transpose,
// simplify and edit, checked against the chord symbols the songs were written from.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/song/SessionFixture.h"

namespace {

std::string Example(const char* name) { return std::string(CANTARO_SOURCE_DIR) + "/examples/" + name; }

// One chord per bar, as written in the song's source; every beat of the bar shows it.
std::vector<std::string> BeatsOfBars(const std::vector<std::string>& bars, int beatsPerBar) {
  std::vector<std::string> out;
  for (const auto& b : bars) out.insert(out.end(), static_cast<size_t>(beatsPerBar), b);
  return out;
}

std::vector<std::string> First(const std::vector<std::string>& v, size_t n) {
  return {v.begin(), v.begin() + static_cast<std::ptrdiff_t>(std::min(n, v.size()))};
}

// Mary Had a Little Lamb: introduction and the first verse.
const std::vector<std::string> kMaryBars = {"C", "G7", "C", "C", "G", "C", "C", "C", "G7", "C"};

}  // namespace

TEST_F(SessionTest, TheWholeRoadOnMaryHadALittleLamb) {
  ASSERT_TRUE(presenter.LoadSong(Example("mary-had-a-little-lamb.mid")));
  EXPECT_FALSE(session.karaoke());
  EXPECT_EQ(session.beatLength(), 480);
  ASSERT_EQ(presenter.lvTracks().size(), 4u);
  EXPECT_EQ(presenter.lvTracks()[2].Name, "Chords");

  presenter.actSearchSongChordsExecute();
  std::vector<std::string> expected = BeatsOfBars(kMaryBars, 4);
  EXPECT_EQ(First(Cells(), expected.size()), expected);

  presenter.actFindRootExecute();
  EXPECT_EQ(presenter.cbRootOrigIndex(), 0);
  EXPECT_EQ(prompter.Last().Caption, "Тональность определена");

  presenter.SetTransposition(2);
  EXPECT_EQ(presenter.stRootNew(), "D или Bm");
  EXPECT_EQ(First(Cells(), 12), BeatsOfBars({"D", "A7", "D"}, 4));
  presenter.SetTransposition(0);
  EXPECT_EQ(First(Cells(), expected.size()), expected);
  EXPECT_EQ(prompter.Unexpected(), 0u);

  // Put a hand-made G on the first beat.
  session.TakeBeatVariants(0);
  EXPECT_EQ(presenter.grdVariants().Cell(1, 1), "C");
  for (int n : {55, 59, 62}) session.MidiPiano.SetMarked(n, true);
  EXPECT_EQ(presenter.grdVariants().Cell(1, 1), "G");
  presenter.SetSongCell(1, 1);
  prompter.Answer(TPromptAnswer::Yes);
  presenter.actSetSelectedChordExecute();
  EXPECT_EQ(prompter.Last().Text, "Заменить аккорд C\rаккордом G?");
  EXPECT_EQ(presenter.grdSong().Cell(1, 1), "G");

  prompter.Answer(TPromptAnswer::Yes);
  session.SimplifyChords();
  EXPECT_EQ(First(Cells(), 8), (std::vector<std::string>{"G", "", "C", "", "G7", "", "G7", ""}));
}

TEST_F(SessionTest, TheWholeRoadOnKorobeiniki) {
  ASSERT_TRUE(presenter.LoadSong(Example("korobeiniki.kar")));
  EXPECT_TRUE(session.karaoke());
  presenter.actSearchSongChordsExecute();
  // introduction Am | E7 Am, then the verse Am | Am | E7 | Am | Dm | Am | E7 | Am
  std::vector<std::string> expected = BeatsOfBars({"Am"}, 4);
  for (auto c : {"E7", "E7", "Am", "Am"}) expected.push_back(c);
  auto verse = BeatsOfBars({"Am", "Am", "E7", "Am", "Dm", "Am", "E7", "Am"}, 4);
  expected.insert(expected.end(), verse.begin(), verse.end());
  EXPECT_EQ(First(Cells(), expected.size()), expected);

  presenter.actFindRootExecute();
  EXPECT_EQ(presenter.cbRootOrigIndex(), 0);  // A minor stands in the entry of C major
  EXPECT_TRUE(prompter.Last().Text.starts_with("Вероятнее всего, мелодия написана\rв тональности A minor."))
      << prompter.Last().Text;
}

TEST_F(SessionTest, TheWholeRoadOnTheMinuetInThreeFourWithDrums) {
  ASSERT_TRUE(presenter.LoadSong(Example("minuet-in-g.mid")));
  EXPECT_EQ(session.beatLength(), 720);  // 3/4: half a bar
  presenter.actSearchSongChordsExecute();
  EXPECT_EQ(First(Cells(), 8), (std::vector<std::string>{"G", "G", "G", "G", "C", "C", "G", "G"}));
  presenter.actFindRootExecute();
  EXPECT_EQ(presenter.cbRootOrigIndex(), 7);

  // Halving the beat gives a quarter note per beat and searches again.
  prompter.Answer(TPromptAnswer::Yes);
  presenter.actDecBeatExecute();
  EXPECT_EQ(session.beatLength(), 360);
  EXPECT_EQ(session.beats().size(), static_cast<size_t>(session.MidiFile.SongLength() / 360 + 1));
  EXPECT_EQ(prompter.Unexpected(), 0u);
}
