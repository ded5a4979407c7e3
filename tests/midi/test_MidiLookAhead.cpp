// Playback that sends ahead: events leave up to a lead before the clock reaches them, in time
// order across tracks, each with the moment it is due on the playback clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "midi/ManualClock.h"
#include "midi/MidiFile.h"
#include "tests/midi/MidiBytes.h"

namespace {

// Track 0: tempo 120 bpm, from tick 960 on 240 bpm. Track 1: notes 60 (0-480) and 62
// (960-1440). Track 2: note 64 (0-960), controllers at 490 and 1200.
std::string Song() {
  return MidiBytes()
      .Header(1, 3, 480)
      .Track({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x87, 0x40, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90, 0x00, 0xFF, 0x2F,
              0x00})
      .Track({0x00, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0, 0x83, 0x60, 0x90, 62, 100, 0x83, 0x60, 0x80, 62, 0, 0x00,
              0xFF, 0x2F, 0x00})
      .Track({0x00, 0x91, 64, 90, 0x83, 0x6A, 0xB1, 7, 80, 0x83, 0x56, 0x81, 64, 0, 0x81, 0x70, 0xB1, 10, 64, 0x00, 0xFF,
              0x2F, 0x00});
}

struct Sent {
  int32_t track;
  int32_t time;
  uint8_t status;
  uint8_t data1;
  int64_t dueUs;
  int64_t atUs;  // the playback clock when it was dispatched
};

constexpr int64_t kExtraUs = 5000;  // lead beyond the 10 ms timer period
constexpr int64_t kLeadUs = 10000 + kExtraUs;
constexpr int64_t kStartUs = 100000LL * 1000;

class LookAhead : public ::testing::Test {
 protected:
  void SetUp() override {
    file.SetTimerResol(10);
    clock.SetNow(100000);
    file.LoadFromBytes(Song());
    file.SetLookAheadUs(kExtraUs);
    file.SetOnMidiEvent([this](PMidiEventEx ev, int32_t track) {
      sent.push_back({track, ev->Time, ev->Status, ev->Data1, file.EventDueUs(), clock.NowUs()});
    });
  }

  void PlayToTheEnd() {
    for (int i = 0; i < 1000 && !file.AllTracksDone(); ++i) clock.Advance(10);
  }
  std::vector<int32_t> Times() const {
    std::vector<int32_t> t;
    for (const Sent& s : sent) t.push_back(s.time);
    return t;
  }

  TManualClock clock;
  TMidiFile file{clock.Services()};
  std::vector<Sent> sent;
};

}  // namespace

TEST_F(LookAhead, MicrosecondsFollowTheMillisecondMapAndInvertIt) {
  EXPECT_EQ(file.TicksToUs(490), 510416);
  EXPECT_EQ(file.TicksToUs(1200), 1125000);
  for (int32_t tick = 0; tick < 2000; tick += 7) EXPECT_EQ(file.TicksToUs(tick) / 1000, file.TicksToMs(tick)) << tick;
  for (int64_t us = 0; us < 1600000; us += 997) {
    const int32_t tick = file.UsToTicks(us);
    EXPECT_LE(file.TicksToUs(tick), us) << us;
    EXPECT_GT(file.TicksToUs(tick + 1), us - 1000) << us;
  }
}

TEST_F(LookAhead, EveryEventGoesOnceInTimeOrderAheadOfTheClockAndDueOnTheTempoMap) {
  ASSERT_TRUE(file.Play());
  // What is due within the lead goes at once, not one timer period later.
  EXPECT_EQ(Times(), (std::vector<int32_t>{0, 0, 0}));
  PlayToTheEnd();
  // Across the tracks by time; the lower track first where times tie.
  EXPECT_EQ(Times(), (std::vector<int32_t>{0, 0, 0, 480, 490, 960, 960, 960, 960, 1200, 1200, 1440, 1440}));
  EXPECT_EQ(sent[1].track, 1);
  EXPECT_EQ(sent[2].track, 2);
  EXPECT_EQ(sent[5].track, 0);  // the tempo, then the end of its track
  EXPECT_EQ(sent[6].track, 0);
  EXPECT_EQ(sent[7].data1, 62);
  EXPECT_EQ(sent[8].data1, 64);
  for (const Sent& s : sent) {
    EXPECT_EQ(s.dueUs, kStartUs + file.TicksToUs(s.time)) << s.time;
    // Never later than due, never more than the lead ahead.
    EXPECT_LE(s.atUs, s.dueUs) << s.time;
    EXPECT_LE(s.dueUs - s.atUs, kLeadUs) << s.time;
  }
  // A scan has no due times.
  sent.clear();
  file.Stop();
  file.Seek(0, false);
  file.Seek(500, true);
  ASSERT_EQ(sent.size(), 5u);
  for (const Sent& s : sent) EXPECT_EQ(s.dueUs, 0);
}

TEST_F(LookAhead, ThePositionShownFollowsTheClockNotTheLead) {
  ASSERT_TRUE(file.Play());
  clock.Advance(500);
  EXPECT_EQ(file.PositionTicks(), 480);
  EXPECT_EQ(file.PositionMs(), 500);
  // The controller at 510 ms has already gone.
  EXPECT_EQ(sent.back().time, 490);
}

TEST_F(LookAhead, DueTimesFollowTheSpeedRatioAndItsChangeMidSong) {
  file.SetSpeed(2, 1);
  ASSERT_TRUE(file.Play());
  clock.Advance(300);  // song time 600 ms
  const size_t before = sent.size();
  for (const Sent& s : sent) EXPECT_EQ(s.dueUs, kStartUs + file.TicksToUs(s.time) / 2) << s.time;
  file.SetSpeed(1, 1);
  const int64_t changedUs = clock.NowUs();
  PlayToTheEnd();
  ASSERT_EQ(sent.size(), 13u);
  ASSERT_LT(before, sent.size());
  for (size_t i = before; i < sent.size(); ++i)
    EXPECT_EQ(sent[i].dueUs, changedUs + file.TicksToUs(sent[i].time) - 600000) << sent[i].time;
}

TEST_F(LookAhead, StopAndPlayAgainNeitherRepeatNorSkipAnEvent) {
  ASSERT_TRUE(file.Play());
  clock.Advance(500);
  file.Stop();
  // Sent ahead is passed: the position moves to where dispatch got to.
  EXPECT_GT(file.PositionTicks(), 490);
  EXPECT_LE(file.PositionTicks(), 960);
  const int32_t stoppedAt = file.PositionTicks();
  clock.Advance(5000);
  EXPECT_EQ(sent.size(), 5u);
  ASSERT_TRUE(file.Play());
  const int64_t resumedUs = clock.NowUs();
  PlayToTheEnd();
  EXPECT_EQ(Times(), (std::vector<int32_t>{0, 0, 0, 480, 490, 960, 960, 960, 960, 1200, 1200, 1440, 1440}));
  for (size_t i = 5; i < sent.size(); ++i)
    EXPECT_EQ(sent[i].dueUs, resumedUs + file.TicksToUs(sent[i].time) - file.TicksToUs(stoppedAt)) << i;
}

TEST_F(LookAhead, SeekingWhilePlayingGoesOnFromTheNewPlace) {
  ASSERT_TRUE(file.Play());
  clock.Advance(100);
  file.Seek(1100, false);
  const int64_t seekUs = clock.NowUs();
  sent.clear();
  PlayToTheEnd();
  EXPECT_EQ(Times(), (std::vector<int32_t>{1200, 1200, 1440, 1440}));
  EXPECT_EQ(sent[0].dueUs, seekUs + file.TicksToUs(1200) - file.TicksToUs(1100));
}

TEST_F(LookAhead, PlayUntilSendsUpToItsEndAndStopsThereWhenTheClockArrives) {
  file.PlayUntil(960);
  EXPECT_FALSE(file.Playing());
  EXPECT_EQ(file.PositionTicks(), 960);
  EXPECT_EQ(Times(), (std::vector<int32_t>{0, 0, 0, 480, 490}));
  // The clock ran to the end of the stretch, not only until the last event had gone.
  EXPECT_GE(clock.NowUs() - kStartUs, 1000000);
  file.PlayUntil(1201);
  EXPECT_EQ(Times(), (std::vector<int32_t>{0, 0, 0, 480, 490, 960, 960, 960, 960, 1200, 1200}));
}

TEST_F(LookAhead, WithoutLeadPlaybackIsAsBeforeTrackByTrackWithoutDueTimes) {
  file.SetLookAheadUs(0);
  file.SetTimerResol(1000);  // one step passes the first second
  ASSERT_TRUE(file.Play());
  EXPECT_TRUE(sent.empty());
  clock.Advance(1000);
  EXPECT_EQ(Times(), (std::vector<int32_t>{0, 0, 480, 0, 490}));
  for (const Sent& s : sent) EXPECT_EQ(s.dueUs, 0);
}
