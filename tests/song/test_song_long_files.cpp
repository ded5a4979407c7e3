// Songs far longer than any real one, as a damaged or hostile file claims them with a tiny
// beat and a huge last tick, and songs read from memory.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "tests/song/SessionFixture.h"

using songfiles::TTrackBuilder;
using Kind = ScriptedPrompter::TKind;

namespace {

// A held note from tick 0 and text events every 2^28 - 1 ticks (the largest gap a delta time
// can state) up to lastTick.
TTrackBuilder LongTrack(int32_t lastTick) {
  TTrackBuilder t;
  t.Raw(0, {0x90, 60, 100});
  constexpr int32_t kMaxDelta = (1 << 28) - 1;
  for (int32_t tick = 0; tick < lastTick;) {
    tick = lastTick - tick > kMaxDelta ? tick + kMaxDelta : lastTick;
    t.Meta(tick, 1, "x");
  }
  return t;
}

std::string TooLongText(const std::string& path, int64_t beats) {
  return "Композиция \"" + path + "\" слишком длинная для поиска аккордов:\r" + std::to_string(beats) +
         " битов, а допустимо не более " + std::to_string(TSongSession::MaxSongBeats) + ".";
}

}  // namespace

TEST_F(SessionTest, ASongOfBillionsOfTinyBeatsIsRefusedWithAnErrorNamingTheFile) {
  // Division 2 in 4/4: a beat of two ticks, and the last event at the end of the tick range.
  constexpr int32_t kLast = std::numeric_limits<int32_t>::max();
  const std::string path = Load("endless.mid", {LongTrack(kLast)}, 2);
  ASSERT_EQ(session.beatLength(), 2);
  ASSERT_EQ(session.MidiFile.SongLength(), kLast);
  prompter.Answer(TPromptAnswer::Yes);  // Keysense would ask for the key: it must not get that far
  SetKeysense(true);
  presenter.actSearchSongChordsExecute();

  EXPECT_TRUE(session.beats().empty());
  EXPECT_EQ(presenter.grdSong().RowCount(), 2);
  for (int col = 1; col <= 4; ++col) EXPECT_EQ(presenter.grdSong().Cell(col, 1), "");
  ASSERT_EQ(prompter.Calls().size(), 1u);
  EXPECT_EQ(prompter.Last().Kind, Kind::Error);
  EXPECT_EQ(prompter.Last().Caption, "Ошибка");
  EXPECT_EQ(prompter.Last().Text, TooLongText(path, int64_t{kLast} / 2 + 1));
  EXPECT_TRUE(status.texts.empty());  // no search was started
  EXPECT_EQ(session.SearchTables().WorkingBytes(), TChordSearch().WorkingBytes());
}

TEST_F(SessionTest, TheLongestSongIsSearchedAndHalvingItsBeatRefusesAndEmptiesTheGrid) {
  // Division 4 in 4/4: beats of four ticks, exactly the most beats a song may have.
  constexpr int32_t kBeats = TSongSession::MaxSongBeats;
  const std::string path = Load("longest.mid", {LongTrack(4 * (kBeats - 1))}, 4);
  presenter.actSearchSongChordsExecute();
  ASSERT_EQ(session.beats().size(), static_cast<size_t>(kBeats));
  EXPECT_EQ(presenter.grdSong().Cell(1, 1), "?");  // the held note alone: notes, no chord
  EXPECT_EQ(presenter.grdSong().Cell(4, kBeats / 4), "?");
  EXPECT_TRUE(prompter.Calls().empty());

  prompter.Answer(TPromptAnswer::Yes);
  presenter.actDecBeatExecute();
  EXPECT_EQ(session.beatLength(), 2);
  EXPECT_EQ(presenter.CheckedBeatCommand(), TBeatCommand::actDecBeat);
  EXPECT_TRUE(session.beats().empty());
  EXPECT_EQ(presenter.grdSong().RowCount(), 2);
  EXPECT_EQ(presenter.grdSong().Cell(1, 1), "");
  ASSERT_EQ(prompter.Calls().size(), 2u);
  EXPECT_EQ(prompter.Last().Kind, Kind::Error);
  EXPECT_EQ(prompter.Last().Text, TooLongText(path, 2 * int64_t{kBeats} - 1));
  EXPECT_EQ(prompter.Unexpected(), 0u);
}

TEST_F(SessionTest, ASongFromMemoryLoadsLikeAFileWithoutTouchingTheFolderOrRecentFiles) {
  TTrackBuilder t;
  Triad(t, 0, 60, 64, 67);
  Triad(t, 1, 57, 60, 64);
  settings.LoadDir = "/somewhere/";
  ASSERT_TRUE(session.LoadSongFromBytes("in memory.mid", songfiles::SongBytes({t})));
  EXPECT_EQ(presenter.Caption(), "Cantaro - in memory.mid");
  EXPECT_EQ(session.MidiFile.Filename(), "in memory.mid");
  EXPECT_EQ(settings.LoadDir, "/somewhere/");
  EXPECT_TRUE(settings.MRUList.empty());
  EXPECT_EQ(presenter.lvTracks().size(), 1u);
  EXPECT_EQ(session.beatLength(), 480);
  presenter.actSearchSongChordsExecute();
  EXPECT_EQ(Cells(), (std::vector<std::string>{"C", "Am", ""}));

  // Bytes that hold no track: the error names the song, and the open one stays as it was.
  EXPECT_FALSE(session.LoadSongFromBytes("junk.mid", "not a song at all"));
  EXPECT_FALSE(session.Loading());
  ASSERT_EQ(prompter.Calls().size(), 1u);
  EXPECT_EQ(prompter.Last().Text, "Файл \"junk.mid\" пуст или испорчен.");
  EXPECT_EQ(session.MidiFile.Filename(), "in memory.mid");
  EXPECT_EQ(presenter.lvTracks().size(), 1u);
  EXPECT_EQ(Cells(), (std::vector<std::string>{"C", "Am", ""}));
}
