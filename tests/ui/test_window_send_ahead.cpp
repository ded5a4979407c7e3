// The window sends the song ahead, with due times, to a device that plays messages at them.
#include <QAction>

#include "midi/MidiConstants.h"
#include "tests/ui/MainWindowFixture.h"

using namespace uitest;

namespace {

bool IsNoteOn(const TRecordedMidiMessage& m) {
  return m.Bytes.size() == 3 && MidiKind(m.Bytes[0]) == MidiStatus::NoteOn && m.Bytes[2] > 0;
}

}  // namespace

TEST_F(MainWindowTest, ToADeviceThatHonoursDueTimesTheSongGoesAheadInOrderAndStopSilencesAfterIt) {
  recorder->SetHonoursDueTimes(true);
  recorder->SetClock([this] { return clock.NowUs(); });
  Open({Example("mary-had-a-little-lamb.mid")});
  const int64_t leadUs = w().MidiFile().TimerResol() * 1000 + recorder->HoldUs + TMidiOutput::kLateTimerMarginUs;
  w().actPlay->trigger();
  ASSERT_TRUE(w().MidiFile().Playing());
  clock.Advance(5000);
  std::vector<TRecordedMidiMessage> sent = recorder->Messages();
  int noteOns = 0, ahead = 0;
  int64_t lastDue = 0;
  for (const TRecordedMidiMessage& m : sent) {
    if (!IsNoteOn(m)) continue;
    ++noteOns;
    ASSERT_GT(m.DueUs, 0);
    EXPECT_GE(m.DueUs, lastDue) << "in time order";
    EXPECT_LE(m.DueUs - m.TimeUs, leadUs);
    ahead += m.DueUs > m.TimeUs;
    lastDue = m.DueUs;
  }
  EXPECT_GT(noteOns, 3);
  EXPECT_GT(ahead, 0) << "notes went before they were due";

  recorder->ClearMessages();
  w().actPlay->trigger();
  EXPECT_FALSE(w().MidiFile().Playing());
  // Silence goes without a due time, so it follows what is already queued.
  sent = recorder->Messages();
  ASSERT_EQ(sent.size(), 16u);
  for (const TRecordedMidiMessage& m : sent) EXPECT_EQ(m.DueUs, 0);

  // Played on to the end, every note of the song has gone exactly once.
  w().actPlay->trigger();
  clock.Advance(120000);
  EXPECT_FALSE(w().MidiFile().Playing());
  for (const TRecordedMidiMessage& m : recorder->Messages()) noteOns += IsNoteOn(m);
  int inSong = 0;
  for (int32_t t = 0; t < w().MidiFile().NumberOfTracks(); ++t)
    for (const TMidiEventEx& e : w().MidiFile().TrackAt(t).Events())
      inSong += MidiKind(e.Status) == MidiStatus::NoteOn && e.Data2 > 0;
  EXPECT_EQ(noteOns, inSong);
}

TEST_F(MainWindowTest, ADeviceThatIgnoresDueTimesGetsTheSongAsItComes) {
  Open({Example("mary-had-a-little-lamb.mid")});
  w().actPlay->trigger();
  clock.Advance(3000);
  EXPECT_EQ(w().MidiFile().LookAheadUs(), 0);
  ASSERT_FALSE(recorder->Messages().empty());
  for (const TRecordedMidiMessage& m : recorder->Messages()) EXPECT_EQ(m.DueUs, 0);
}
