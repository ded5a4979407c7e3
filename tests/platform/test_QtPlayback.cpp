#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include "midi/MidiFile.h"
#include "platform/QtPlayback.h"
#include "tests/midi/MidiBytes.h"

namespace {

QCoreApplication& App() {
  static int argc = 1;
  static char name[] = "test_platform";
  static char* argv[] = {name, nullptr};
  static QCoreApplication* app = QCoreApplication::instance() ? QCoreApplication::instance()
                                                                : new QCoreApplication(argc, argv);
  return *app;
}

// Pumps until the condition holds or a generous time has passed (no timing is asserted).
template <typename Cond>
bool PumpUntil(TQtPlayback& qt, Cond cond, uint32_t limitMs = 10000) {
  const uint32_t start = qt.NowMs();
  while (!cond()) {
    if (qt.NowMs() - start > limitMs) return false;
    qt.ProcessMessages(10);
  }
  return true;
}

TEST(QtPlayback, TheTimerTicksOnTheOwningThreadUntilDestroyed) {
  App();
  TQtPlayback qt;
  int ticks = 0;
  auto timer = qt.StartTimer(5, [&] { ++ticks; });
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(PumpUntil(qt, [&] { return ticks >= 3; }));
  timer.reset();
  const int after = ticks;
  for (int i = 0; i < 5; ++i) qt.ProcessMessages(10);
  EXPECT_EQ(ticks, after);
}

TEST(QtPlayback, ATimerMayBeDestroyedFromItsOwnTick) {
  App();
  TQtPlayback qt;
  std::unique_ptr<IMidiTimer> timer;
  int ticks = 0;
  timer = qt.StartTimer(1, [&] {
    ++ticks;
    timer.reset();
  });
  EXPECT_TRUE(PumpUntil(qt, [&] { return timer == nullptr; }));
  for (int i = 0; i < 5; ++i) qt.ProcessMessages(5);
  EXPECT_EQ(ticks, 1);
}

TEST(QtPlayback, ThePumpReturnsWhenNothingHappens) {
  App();
  TQtPlayback qt;
  const uint32_t start = qt.NowMs();
  qt.ProcessMessages(20);
  EXPECT_LT(qt.NowMs() - start, 5000u);
}

TEST(QtPlayback, PlayUntilPlaysASongThroughTheRealTimer) {
  App();
  TQtPlayback qt;
  TMidiFile file(qt.Services());
  // 96 ticks per quarter, fast tempo (10 ms per quarter): notes at 0, 48 and 96.
  file.LoadFromBytes(MidiBytes().Header(0, 1, 96).Track(
      {0x00, 0xFF, 0x51, 0x03, 0x00, 0x27, 0x10, 0x00, 0x90, 60, 100, 0x30, 0x80, 60, 0, 0x30, 0x90, 62, 100}));
  std::vector<int32_t> times;
  file.SetOnMidiEvent([&](PMidiEventEx ev, int32_t) { times.push_back(ev->Time); });
  file.PlayUntil(1000);
  EXPECT_FALSE(file.Playing());
  EXPECT_EQ(times, (std::vector<int32_t>{0, 0, 48, 96}));
  EXPECT_TRUE(file.AllTracksDone());
}

TEST(QtPlayback, PlayStartsAndStopStopsTheTimer) {
  App();
  TQtPlayback qt;
  TMidiFile file(qt.Services());
  file.LoadFromBytes(MidiBytes().Header(0, 1, 96).Track({0x00, 0x90, 60, 100}));
  int updates = 0;
  file.SetOnUpdateEvent([&](TMidiFile&) { ++updates; });
  ASSERT_TRUE(file.Play());
  EXPECT_TRUE(PumpUntil(qt, [&] { return updates >= 2; }));
  file.Stop();
  const int after = updates;
  for (int i = 0; i < 5; ++i) qt.ProcessMessages(5);
  EXPECT_EQ(updates, after);
}

}  // namespace
