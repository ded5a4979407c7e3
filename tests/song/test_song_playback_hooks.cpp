#include <gtest/gtest.h>

#include "midi/ManualClock.h"
#include "tests/song/SessionFixture.h"

using songfiles::TTrackBuilder;

TEST_F(SessionTest, AnalysisStopsARunningPlaybackThroughTheWindowAndLoadingRewinds) {
  TManualClock clock;
  session.MidiFile.SetPlaybackServices(clock.Services());
  int stops = 0, rewinds = 0;
  session.Playback.StopPlayback = [&] {
    ++stops;
    session.MidiFile.Stop();
  };
  session.Playback.Rewind = [&] {
    ++rewinds;
    session.MidiFile.Rewind();
  };
  TTrackBuilder t;
  for (int b = 0; b < 8; ++b) Triad(t, b, 60, 64, 67);
  Load("play.mid", {t});
  EXPECT_EQ(rewinds, 1);

  ASSERT_TRUE(session.MidiFile.Play());
  clock.Advance(600);
  presenter.actSearchSongChordsExecute();
  EXPECT_EQ(stops, 1);
  EXPECT_FALSE(session.MidiFile.Playing());
  EXPECT_EQ(session.MidiFile.PositionTicks(), 0);
  EXPECT_EQ(Cells()[7], "C");

  ASSERT_TRUE(session.MidiFile.Play());
  presenter.actFindRootExecute();
  EXPECT_EQ(stops, 2);

  ASSERT_TRUE(session.MidiFile.Play());
  presenter.SetTransposition(1);
  EXPECT_EQ(stops, 3);
  EXPECT_EQ(Cells()[0], "C#");

  session.SetFragmentStart(960);
  Load("play.mid", {t});
  EXPECT_EQ(rewinds, 2);
  EXPECT_EQ(session.fragmentStart(), 0);
}
