#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "midi/ManualClock.h"
#include "midi/MidiFile.h"
#include "tests/midi/MidiBytes.h"

namespace {

struct Passed {
  int32_t track;
  int32_t time;
  uint8_t status;
  uint8_t data1;
  bool operator==(const Passed&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Passed& p) {
  return os << "{track " << p.track << " @" << p.time << " " << std::hex << int(p.status) << " " << int(p.data1)
            << std::dec << "}";
}

// Track 0: a note from 0 to 480, a controller at 959, a note from 960 to 1920.
// Track 1: a lyric at 0 and a note from 100 to 200; both tracks end at 1920.
std::string Song(uint16_t division = 480) {
  return MidiBytes()
      .Header(1, 2, division)
      .Track({0x00, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0, 0x83, 0x5F, 0xB0, 7, 90, 0x01, 0x90, 62, 100, 0x87, 0x40,
              0x80, 62, 0, 0x00, 0xFF, 0x2F, 0x00})
      .Track({0x00, 0xFF, 0x05, 0x02, 'l', 'a', 0x64, 0x91, 64, 90, 0x64, 0x81, 64, 0, 0x8D, 0x38, 0xFF, 0x2F, 0x00});
}

class Playback : public ::testing::Test {
 protected:
  void SetUp() override {
    file.SetTimerResol(10);
    clock.SetNow(100000);
    file.LoadFromBytes(Song());
    file.SetOnMidiEvent([this](PMidiEventEx ev, int32_t trackNo) {
      passed.push_back({trackNo, ev->Time, ev->Status, ev->Data1});
    });
  }

  std::vector<int32_t> Times() const {
    std::vector<int32_t> t;
    for (const auto& p : passed) t.push_back(p.time);
    return t;
  }

  TManualClock clock;
  TMidiFile file{clock.Services()};
  std::vector<Passed> passed;
};

TEST_F(Playback, OneSecondAtNormalSpeedReachesTick960) {
  ASSERT_TRUE(file.Play());
  EXPECT_TRUE(file.Playing());
  clock.Advance(1000);
  EXPECT_EQ(file.PositionTicks(), 960);
  EXPECT_EQ(file.PositionMs(), 1000);
  EXPECT_EQ(file.CurrentBpm(), 120);
  // Everything before tick 960, step by step (track by track within a step).
  EXPECT_EQ(Times(), (std::vector<int32_t>{0, 0, 100, 200, 480, 959}));
}

TEST_F(Playback, DoubleSpeedReachesTick1920InOneSecond) {
  file.SetSpeed(2, 1);
  ASSERT_TRUE(file.Play());
  clock.Advance(1000);
  EXPECT_EQ(file.PositionTicks(), 1920);
  EXPECT_EQ(file.CurrentBpm(), 240);
  file.SetSpeed(1, 3);
  EXPECT_EQ(file.CurrentBpm(), 40);
}

TEST_F(Playback, ChangingSpeedWhilePlayingDoesNotMoveThePosition) {
  ASSERT_TRUE(file.Play());
  clock.Advance(500);
  ASSERT_EQ(file.PositionTicks(), 480);
  file.SetSpeed(2, 1);
  file.TimerStep();
  EXPECT_EQ(file.PositionTicks(), 480);
  clock.Advance(500);
  EXPECT_EQ(file.PositionTicks(), 1440);
  file.SetSpeed(3, 2);
  file.TimerStep();
  EXPECT_EQ(file.PositionTicks(), 1440);
  clock.Advance(200);
  EXPECT_EQ(file.PositionTicks(), 1440 + 288);
}

TEST_F(Playback, ResettingTheSpeedReturnsToThePlainClock) {
  file.SetSpeed(2, 1);
  clock.Advance(1000);
  file.SetSpeed(0, 5);
  EXPECT_EQ(file.SpeedNumerator(), 1);
  EXPECT_EQ(file.SpeedDenominator(), 1);
  // A zero denominator cannot divide: it resets too.
  file.SetSpeed(3, 0);
  EXPECT_EQ(file.SpeedNumerator(), 1);
  EXPECT_EQ(file.CurrentBpm(), 120);
}

TEST_F(Playback, SeekWithDispatchPassesEventsBeforeTheTargetOnce) {
  file.Seek(960, true);
  EXPECT_EQ(Times(), (std::vector<int32_t>{0, 480, 959, 0, 100, 200}));
  passed.clear();
  file.Seek(960, true);
  EXPECT_TRUE(passed.empty());
  file.Seek(480, true);
  EXPECT_EQ(Times(), (std::vector<int32_t>{0, 0, 100, 200}));
  EXPECT_EQ(file.PositionTicks(), 480);
  EXPECT_EQ(file.PositionMs(), 500);
}

TEST_F(Playback, AnEventIsPassedOnlyWhenTheTargetMovesBeyondIt) {
  file.Seek(960, false);
  file.Seek(960, true);
  EXPECT_TRUE(passed.empty());
  file.Seek(961, true);
  EXPECT_EQ(passed, (std::vector<Passed>{{0, 960, 0x90, 62}}));

  // The same through the clock: 1001 ms is still tick 960, 1002 ms is tick 961.
  passed.clear();
  file.Seek(0, false);
  ASSERT_TRUE(file.Play());
  clock.Advance(1001);
  file.TimerStep();
  EXPECT_EQ(file.PositionTicks(), 960);
  passed.clear();
  file.TimerStep();
  EXPECT_TRUE(passed.empty());
  clock.Advance(1);
  file.TimerStep();
  EXPECT_EQ(passed, (std::vector<Passed>{{0, 960, 0x90, 62}}));
}

TEST_F(Playback, SeekWithoutDispatchOrWithoutHandlerPassesSilently) {
  file.Seek(2000, false);
  EXPECT_TRUE(passed.empty());
  EXPECT_TRUE(file.AllTracksDone());
  file.SetOnMidiEvent(nullptr);
  file.Seek(0, true);
  file.Seek(2000, true);
  EXPECT_TRUE(file.AllTracksDone());
}

TEST_F(Playback, AllTracksDoneWhenTheLastEventOfTheLongestTrackIsPassed) {
  TMidiFile empty(clock.Services());
  EXPECT_TRUE(empty.AllTracksDone());
  file.Seek(1920, false);
  EXPECT_FALSE(file.AllTracksDone());
  EXPECT_EQ(file.PlayIndex(0), 4);
  file.Seek(1921, false);
  EXPECT_TRUE(file.AllTracksDone());
}

TEST_F(Playback, PlayUntilBeyondTheEndPlaysTheLastEventsAndStops) {
  file.PlayUntil(100000);
  EXPECT_FALSE(file.Playing());
  EXPECT_TRUE(file.AllTracksDone());
  EXPECT_EQ(file.PositionTicks(), 1921);
  EXPECT_EQ(clock.RunningTimers(), 0);
  EXPECT_EQ(passed.back(), (Passed{1, 1920, 0xFF, 0x2F}));
}

TEST_F(Playback, PlayUntilStopsExactlyAtItsEnd) {
  int updates = 0;
  file.SetOnUpdateEvent([&](TMidiFile&) { ++updates; });
  file.PlayUntil(960);
  EXPECT_FALSE(file.Playing());
  EXPECT_EQ(file.PositionTicks(), 960);
  EXPECT_EQ(Times(), (std::vector<int32_t>{0, 0, 100, 200, 480, 959}));
  EXPECT_GT(updates, 50);
  // Play goes on from there.
  passed.clear();
  file.PlayUntil(961);
  EXPECT_EQ(passed, (std::vector<Passed>{{0, 960, 0x90, 62}}));
}

TEST_F(Playback, PlayUntilReturnsAtOnceWhenItCannotPlay) {
  file.PlayUntil(0);
  file.PlayUntil(-5);
  file.Seek(960, false);
  file.PlayUntil(480);
  file.PlayUntil(960);
  EXPECT_EQ(clock.TimersStarted(), 0);
  EXPECT_EQ(file.PositionTicks(), 960);
  clock.FailTimers = true;
  file.PlayUntil(960);
  EXPECT_EQ(clock.PumpCalls(), 0);
  EXPECT_FALSE(file.Playing());
  EXPECT_TRUE(passed.empty());
}

TEST_F(Playback, PlayUntilEndsWhenSomethingStopsPlaying) {
  clock.OnPump = [&] {
    if (clock.PumpCalls() == 3) file.Stop();
  };
  file.PlayUntil(1900);
  EXPECT_FALSE(file.Playing());
  EXPECT_EQ(clock.PumpCalls(), 3);
  EXPECT_LT(file.PositionTicks(), 100);
}

TEST_F(Playback, PlayUntilGivesUpWhenTheTimerNeverTicks) {
  // A timer that exists but never fires (a dead timer service) must not hang the caller.
  class DeadTimers : public IMidiTimerFactory {
   public:
    std::unique_ptr<IMidiTimer> StartTimer(int32_t, std::function<void()>) override {
      return std::make_unique<IMidiTimer>();
    }
  } dead;
  TMidiFile f({&clock, &dead, &clock});
  f.LoadFromBytes(Song());
  f.PlayUntil(960);
  EXPECT_FALSE(f.Playing());
  // Twice the second that 960 ticks take, plus ten seconds.
  EXPECT_LE(clock.NowMs() - 100000u, 12000u + 10u);
  EXPECT_GE(clock.NowMs() - 100000u, 12000u);
}

TEST_F(Playback, AMutedTrackSwallowsItsNotesButNotItsLyricsOrSoundingNoteOffs) {
  file.TrackAt(1).SetMuted(true);
  file.Seek(1921, true);
  std::vector<Passed> track1;
  for (const auto& p : passed)
    if (p.track == 1) track1.push_back(p);
  EXPECT_EQ(track1, (std::vector<Passed>{{1, 0, 0xFF, 0x05}, {1, 1920, 0xFF, 0x2F}}));

  // Muting track 0 while its note 60 sounds: the note-off still comes.
  passed.clear();
  file.TrackAt(1).SetMuted(false);
  file.Seek(0, false);
  file.Seek(1, true);
  EXPECT_EQ(passed, (std::vector<Passed>{{0, 0, 0x90, 60}, {1, 0, 0xFF, 0x05}}));
  file.TrackAt(0).SetMuted(true);
  passed.clear();
  file.Seek(481, true);
  EXPECT_EQ(passed, (std::vector<Passed>{{0, 480, 0x80, 60}, {1, 100, 0x91, 64}, {1, 200, 0x81, 64}}));
}

TEST_F(Playback, AReleaseWrittenAsANoteOnOfVelocityZeroStillEndsASoundingNoteOfAMutedTrack) {
  // Note 60 from 0 to 480, its release a note-on of velocity 0 (as most files write it).
  file.LoadFromBytes(MidiBytes().Header(0, 1, 480).Track(
      {0x00, 0x90, 60, 100, 0x83, 0x60, 0x90, 60, 0, 0x00, 0xFF, 0x2F, 0x00}));
  file.Seek(1, true);
  ASSERT_EQ(passed, (std::vector<Passed>{{0, 0, 0x90, 60}}));
  file.TrackAt(0).SetMuted(true);
  passed.clear();
  file.Seek(481, true);
  EXPECT_EQ(passed, (std::vector<Passed>{{0, 480, 0x90, 60}, {0, 480, 0xFF, 0x2F}}));
}

TEST_F(Playback, MutedKeysAreForgottenOnlyWhenMutingStartsAgain) {
  // Note-on 60 swallowed; the track is unmuted; a rewind replays note-on and note-off.
  file.TrackAt(0).SetMuted(true);
  file.Seek(1, true);
  EXPECT_TRUE(std::none_of(passed.begin(), passed.end(), [](const Passed& p) { return p.track == 0; }));
  file.TrackAt(0).SetMuted(false);
  passed.clear();
  file.Seek(481, true);
  EXPECT_EQ(passed.front(), (Passed{0, 480, 0x80, 60}));
  file.TrackAt(0).SetMuted(true);
  file.Seek(0, false);
  passed.clear();
  file.Seek(481, true);
  // Muted afresh: note-on swallowed (and remembered), so its note-off is swallowed too.
  EXPECT_TRUE(std::none_of(passed.begin(), passed.end(), [](const Passed& p) { return p.track == 0; }));
}

TEST_F(Playback, PlayTwiceLeavesOneTimer) {
  ASSERT_TRUE(file.Play());
  ASSERT_TRUE(file.Play());
  EXPECT_EQ(clock.TimersStarted(), 2);
  EXPECT_EQ(clock.RunningTimers(), 1);
  file.Stop();
  EXPECT_EQ(clock.RunningTimers(), 0);
  file.Stop();
  EXPECT_FALSE(file.Playing());
}

TEST_F(Playback, PlayReportsFailureWithoutDivisionOrTimer) {
  TMidiFile unloaded(clock.Services());
  EXPECT_FALSE(unloaded.Play());
  clock.FailTimers = true;
  EXPECT_FALSE(file.Play());
  EXPECT_FALSE(file.Playing());
  TMidiFile noServices;
  noServices.LoadFromBytes(Song());
  EXPECT_FALSE(noServices.Play());
}

TEST_F(Playback, TheTimerPeriodFollowsTheResolutionWithinTheServiceLimits) {
  struct {
    int32_t resol, period;
  } table[] = {{10, 10}, {25, 25}, {0, 5}, {500, 50}};
  clock.MinPeriod = 5;
  clock.MaxPeriod = 50;
  for (auto row : table) {
    file.SetTimerResol(row.resol);
    ASSERT_TRUE(file.Play());
    EXPECT_EQ(clock.LastPeriod(), row.period) << row.resol;
  }
}

TEST_F(Playback, StopKeepsThePositionAndPlayContinuesFromIt) {
  ASSERT_TRUE(file.Play());
  clock.Advance(500);
  file.Stop();
  clock.Advance(5000);
  EXPECT_EQ(file.PositionTicks(), 480);
  ASSERT_TRUE(file.Play());
  clock.Advance(500);
  EXPECT_EQ(file.PositionTicks(), 960);
}

TEST_F(Playback, RewindStopsGoesToZeroAndRaisesTheUpdate) {
  int updates = 0;
  file.SetOnUpdateEvent([&](TMidiFile& sender) {
    EXPECT_EQ(&sender, &file);
    ++updates;
  });
  ASSERT_TRUE(file.Play());
  clock.Advance(100);
  updates = 0;
  file.Rewind();
  EXPECT_FALSE(file.Playing());
  EXPECT_EQ(file.PositionTicks(), 0);
  EXPECT_EQ(file.PositionMs(), 0);
  EXPECT_EQ(updates, 1);
  EXPECT_EQ(file.PlayIndex(0), 0);
}

TEST_F(Playback, SeekingWhilePlayingGoesOnFromTheNewPlace) {
  ASSERT_TRUE(file.Play());
  clock.Advance(100);
  file.Seek(960, false);
  passed.clear();
  clock.Advance(20);
  EXPECT_GE(file.PositionTicks(), 960);
  EXPECT_LE(file.PositionTicks(), 980);
  EXPECT_EQ(passed, (std::vector<Passed>{{0, 960, 0x90, 62}}));
}

TEST_F(Playback, AHandlerThatFailsIsReportedOncePerPlaybackAndPlayingGoesOn) {
  std::vector<std::string> reports;
  file.SetErrorReport([&](const std::string& text) { reports.push_back(text); });
  int offered = 0;
  file.SetOnMidiEvent([&](PMidiEventEx, int32_t) {
    ++offered;
    throw std::runtime_error("device closed");
  });
  ASSERT_TRUE(file.Play());
  clock.Advance(3000);
  EXPECT_TRUE(file.Playing());
  EXPECT_EQ(file.PositionTicks(), 2880);
  EXPECT_EQ(reports, (std::vector<std::string>{"device closed"}));
  // Each event was offered once, not again at every step.
  EXPECT_EQ(offered, 10);
  file.Stop();
  file.Seek(0, false);
  ASSERT_TRUE(file.Play());
  clock.Advance(100);
  EXPECT_EQ(reports.size(), 2u);
}

TEST_F(Playback, AnUpdateHandlerFailureIsReportedToo) {
  std::vector<std::string> reports;
  file.SetErrorReport([&](const std::string& text) { reports.push_back(text); });
  file.SetOnUpdateEvent([](TMidiFile&) { throw 42; });
  ASSERT_TRUE(file.Play());
  clock.Advance(100);
  EXPECT_EQ(reports, (std::vector<std::string>{"Внешнее исключение"}));
}

TEST_F(Playback, AFailingHandlerInASeekReachesTheCaller) {
  file.SetOnMidiEvent([](PMidiEventEx ev, int32_t) {
    if (ev->Time == 480) throw std::runtime_error("stop here");
  });
  EXPECT_THROW(file.Seek(1000, true), std::runtime_error);
}

TEST_F(Playback, AScanEndedByAFailingHandlerCanStartAgainFromTheBeginning) {
  // A scan that a handler's exception ends at its first step returns to tick 0 without
  // dispatch; the next scan must see every event again, not start where the failure left off.
  file.SetOnMidiEvent([](PMidiEventEx ev, int32_t) {
    if (ev->Time == 480) throw std::runtime_error("stop here");
  });
  EXPECT_THROW(file.Seek(1000, true), std::runtime_error);
  file.Seek(0, false);
  file.SetOnMidiEvent([this](PMidiEventEx ev, int32_t trackNo) {
    passed.push_back({trackNo, ev->Time, ev->Status, ev->Data1});
  });
  file.Seek(1000, true);
  EXPECT_EQ(Times(), (std::vector<int32_t>{0, 480, 959, 960, 0, 100, 200}));
}

TEST_F(Playback, AHandlerMayStopPlaybackOrReplaceItself) {
  file.SetOnMidiEvent([&](PMidiEventEx ev, int32_t trackNo) {
    passed.push_back({trackNo, ev->Time, ev->Status, ev->Data1});
    if (ev->Time == 480) {
      file.Stop();
      file.SetOnMidiEvent(nullptr);
    }
  });
  ASSERT_TRUE(file.Play());
  clock.Advance(2000);
  EXPECT_FALSE(file.Playing());
  EXPECT_EQ(clock.RunningTimers(), 0);
  // The step that stopped finishes its due events with the handler it started with.
  EXPECT_EQ(Times(), (std::vector<int32_t>{0, 0, 100, 200, 480}));
}

TEST_F(Playback, LoadingFromAHandlerIsRefused) {
  file.SetOnMidiEvent([&](PMidiEventEx, int32_t) { file.LoadFromBytes(Song()); });
  EXPECT_THROW(file.Seek(10, true), std::logic_error);
  EXPECT_EQ(file.NumberOfTracks(), 2);
}

TEST_F(Playback, TheClockMayWrapAroundWhilePlaying) {
  clock.SetNow(0xFFFFFF00u);
  file.SetSpeed(3, 2);
  ASSERT_TRUE(file.Play());
  clock.Advance(1000);
  EXPECT_EQ(file.PositionTicks(), 1440);
}

TEST_F(Playback, LoadingStopsPlaybackAndStartsAtTheBeginning) {
  ASSERT_TRUE(file.Play());
  clock.Advance(500);
  file.LoadFromBytes(Song());
  EXPECT_FALSE(file.Playing());
  EXPECT_EQ(clock.RunningTimers(), 0);
  EXPECT_EQ(file.PositionTicks(), 0);
}

}  // namespace
