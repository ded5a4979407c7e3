#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "midi/MidiFile.h"
#include "tests/midi/MidiBytes.h"

namespace {

// A file with the given division and the tempo events (tempo, absolute tick) in track 0.
std::string WithTempos(uint16_t division, const std::vector<std::pair<int32_t, int32_t>>& tempos) {
  std::vector<uint8_t> track;
  int32_t last = 0;
  for (auto [tempo, tick] : tempos) {
    uint32_t delta = static_cast<uint32_t>(tick - last);
    last = tick;
    std::vector<uint8_t> vlq{static_cast<uint8_t>(delta & 0x7F)};
    while (delta >>= 7) vlq.insert(vlq.begin(), static_cast<uint8_t>(0x80 | (delta & 0x7F)));
    track.insert(track.end(), vlq.begin(), vlq.end());
    track.insert(track.end(), {0xFF, 0x51, 0x03, static_cast<uint8_t>(tempo >> 16), static_cast<uint8_t>(tempo >> 8),
                               static_cast<uint8_t>(tempo)});
  }
  track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
  return MidiBytes().Header(0, 1, division).Track(track);
}

TEST(TempoMap, OneTempoForTheWholeSong) {
  struct {
    const char* what;
    uint16_t division;
    std::vector<std::pair<int32_t, int32_t>> tempos;
    int32_t tempo, tick, ms, bpm;
  } table[] = {
      {"no tempo event: 120 per minute", 96, {}, 500000, 96, 500, 120},
      {"half a quarter", 96, {}, 500000, 48, 250, 120},
      {"a second tempo at the same tick replaces the first", 96, {{400000, 0}, {600000, 0}}, 600000, 96, 600, 100},
      {"whole milliseconds per quarter (468750 us is 468 ms)", 480, {{468750, 0}}, 468750, 960, 936, 128},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.what);
    TMidiFile f;
    f.LoadFromBytes(WithTempos(row.division, row.tempos));
    ASSERT_EQ(f.TempoMap().size(), 1u);
    EXPECT_EQ(f.TempoMap()[0].Tempo, row.tempo);
    EXPECT_EQ(f.TicksToMs(row.tick), row.ms);
    EXPECT_EQ(f.MsToTicks(row.ms), row.tick);
    EXPECT_EQ(f.CurrentBpm(), row.bpm);
  }
}

TEST(TempoMap, EntriesCarryTheTimeOfTheirTick) {
  TMidiFile f;
  // 96 ticks at 500 ms per quarter, then 192 ticks at 1000, then 250.
  f.LoadFromBytes(WithTempos(96, {{1000000, 96}, {250000, 288}}));
  ASSERT_EQ(f.TempoMap().size(), 3u);
  EXPECT_EQ(f.TempoMap()[1].Ms, 500);
  EXPECT_EQ(f.TempoMap()[2].Ms, 2500);
  struct {
    int32_t tick, ms;
  } table[] = {{0, 0}, {48, 250}, {96, 500}, {144, 1000}, {288, 2500}, {384, 2750}, {-96, -500}};
  for (auto row : table) {
    EXPECT_EQ(f.TicksToMs(row.tick), row.ms) << row.tick;
    EXPECT_EQ(f.MsToTicks(row.ms), row.tick) << row.ms;
  }
}

TEST(TempoMap, LongSongsConvertWithoutOverflow) {
  TMidiFile f;
  f.LoadFromBytes(WithTempos(96, {{16777215, 0}}));
  // 16777 ms per quarter: 32-bit products overflow beyond 128,000 ticks here.
  EXPECT_EQ(f.TicksToMs(1000000), 174760416);
  EXPECT_EQ(f.MsToTicks(174760416), 999999);
  EXPECT_EQ(f.TicksToMs(std::numeric_limits<int32_t>::max()), std::numeric_limits<int32_t>::max());
}

TEST(TempoMap, TempoBelowAMillisecondGivesZeroTicks) {
  TMidiFile f;
  f.LoadFromBytes(WithTempos(96, {{999, 0}}));
  EXPECT_EQ(f.MsToTicks(1000), 0);
  EXPECT_EQ(f.TicksToMs(960), 0);
  EXPECT_EQ(f.CurrentBpm(), 60060);
}

TEST(TempoMap, ATempoOfZeroStopsTimeButNotTheProgram) {
  TMidiFile f;
  f.LoadFromBytes(WithTempos(96, {{0, 96}}));
  EXPECT_EQ(f.TicksToMs(960), 500);
  EXPECT_EQ(f.MsToTicks(600), 0);
  f.Seek(200, false);
  EXPECT_EQ(f.CurrentBpm(), 120);
}

TEST(TempoMap, ALaterTrackTempoBeforeTheLastEntryReplacesThatEntry) {
  TMidiFile f;
  f.LoadFromBytes(WithTempos(96, {{1000000, 96}, {250000, 288}}));
  f.AddTempo(2000000, 192);  // before tick 288: replaces the last entry
  ASSERT_EQ(f.TempoMap().size(), 3u);
  EXPECT_EQ(f.TempoMap()[2].Tick, 192);
  EXPECT_EQ(f.TempoMap()[2].Ms, 1500);
  f.AddTempo(500000, 50);  // out of order: lookups still take the last entry below the tick
  EXPECT_EQ(f.TempoMap()[2].Tick, 50);
  EXPECT_EQ(&f.TempoAtTick(60), &f.TempoMap()[2]);
  EXPECT_EQ(&f.TempoAtTick(97), &f.TempoMap()[2]);
  EXPECT_EQ(&f.TempoAtTick(50), &f.TempoMap()[0]);
  // 260 ms at tick 50, then 46 ticks at 500 ms per quarter.
  EXPECT_EQ(f.TicksToMs(96), 260 + 239);
}

// However a file orders its tempo changes (tracks going back in time, runs at one tick), a
// lookup finds what a scan of the map from its end would: the last entry after the first that
// is below the tick or time, else the first.
TEST(TempoMap, LookupsInAMapOutOfOrderMatchAScanFromTheEnd) {
  std::mt19937 random(7);
  for (int round = 0; round < 20; ++round) {
    TMidiFile f;
    f.LoadFromBytes(WithTempos(96, {}));
    std::uniform_int_distribution<int32_t> tick(0, round % 2 ? 50 : 5000), tempo(0, 3000000);
    for (int i = 0; i < 300; ++i) f.AddTempo(tempo(random), tick(random));
    const std::vector<TempoEntry>& map = f.TempoMap();
    auto scan = [&](int32_t value, int32_t TempoEntry::*key) -> const TempoEntry* {
      for (std::size_t i = map.size() - 1; i >= 1; --i)
        if (map[i].*key < value) return &map[i];
      return &map[0];
    };
    for (int32_t value = -2; value < 5100; value += 7) {
      ASSERT_EQ(&f.TempoAtTick(value), scan(value, &TempoEntry::Tick)) << "round " << round << " tick " << value;
      ASSERT_EQ(&f.TempoAtMs(value * 40), scan(value * 40, &TempoEntry::Ms)) << "round " << round << " ms " << value * 40;
    }
  }
}

TEST(TempoMap, LookupIsTheLastEntryStrictlyBeforeTheTick) {
  TMidiFile f;
  f.LoadFromBytes(WithTempos(96, {{1000000, 96}}));
  EXPECT_EQ(f.TempoAtTick(96).Tempo, 500000);
  EXPECT_EQ(f.TempoAtTick(97).Tempo, 1000000);
  EXPECT_EQ(f.TempoAtMs(500).Tempo, 500000);
  EXPECT_EQ(f.TempoAtMs(501).Tempo, 1000000);
}

TEST(BeatTicks, FollowsTheTimeSignature) {
  struct {
    uint8_t numerator, power;
    int32_t beat;
  } table[] = {{4, 2, 480}, {3, 4 - 2, 720}, {2, 2, 480}, {2, 1, 960}, {6, 3, 720}, {9, 3, 1080},
               {12, 3, 1440}, {5, 2, 600}, {7, 3, 420}, {0, 2, 1}, {1, 200, 1}};
  for (auto row : table) {
    TMidiFile f;
    f.LoadFromBytes(MidiBytes().Header(0, 1, 480).Track({0x00, 0xFF, 0x58, 0x04, row.numerator, row.power, 0x18,
                                                         0x08}));
    EXPECT_EQ(f.BeatTicks(), row.beat) << int(row.numerator) << "/" << int(row.power);
  }
}

TEST(FormatTicks, BarsOfFourQuartersBeatAndTick) {
  TMidiFile f;
  f.LoadFromBytes(WithTempos(480, {}));
  EXPECT_EQ(f.FormatTicks(0), "0:00.000");
  EXPECT_EQ(f.FormatTicks(1000), "0:02.040");
  EXPECT_EQ(f.FormatTicks(5000), "2:02.200");
  EXPECT_EQ(f.FormatTicks(-481), "0:-1.0-1");  // only the width is filled
  f.LoadFromBytes(WithTempos(1920, {}));
  EXPECT_EQ(f.FormatTicks(1919), "0:00.1919");
  EXPECT_EQ(f.FormatTicks(1920 * 4 * 12 + 5), "12:00.005");
}

TEST(FormatTime, HoursMinutesSecondsMilliseconds) {
  EXPECT_EQ(FormatTime(83456), "0:01:23.456");
  EXPECT_EQ(FormatTime(0), "0:00:00.000");
  EXPECT_EQ(FormatTime(3600000 * 25 + 61001), "25:01:01.001");
}

}  // namespace
