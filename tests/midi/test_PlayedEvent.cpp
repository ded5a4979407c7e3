#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "midi/PlayedEvent.h"

namespace {

TMidiEventEx Ev(uint8_t status, uint8_t d1, uint8_t d2) {
  TMidiEventEx e;
  e.Status = status;
  e.Data1 = d1;
  e.Data2 = d2;
  return e;
}

}  // namespace

TEST(PlayedEvent, TheSoundKeepsTheOriginalPitchOnlyWhenAskedAndNeverMovesDrums) {
  struct Case {
    TMidiEventEx event;
    int transposition;
    bool keep;
    uint8_t sentData1;
  };
  const Case cases[] = {
      {Ev(0x90, 62, 100), 2, true, 60},   // a note stored as 62 sounds as 60
      {Ev(0x90, 62, 100), 2, false, 62},  // without the setting the sound is transposed
      {Ev(0x80, 62, 0), 2, true, 60},
      {Ev(0xA3, 62, 10), 2, true, 60},    // key pressure follows its note
      {Ev(0x99, 38, 100), 2, true, 38},   // percussion
      {Ev(0x89, 38, 0), -5, true, 38},
      {Ev(0xB0, 62, 5), 2, true, 62},     // a controller number is no note
      {Ev(0xC0, 62, 0), 2, true, 62},
      {Ev(0x90, 1, 100), 3, true, 254},   // 8-bit arithmetic, as the transposition wrapped
      {Ev(0x90, 130, 100), -3, true, 133},
      {Ev(0x90, 62, 100), 0, true, 62},
  };
  for (const Case& c : cases) {
    const auto sent = PlayedMidiEvent(c.event, c.transposition, c.keep);
    ASSERT_TRUE(sent.has_value());
    EXPECT_EQ(sent->Status, c.event.Status);
    EXPECT_EQ(sent->Data1, c.sentData1) << std::hex << int(c.event.Status) << " " << std::dec
                                        << int(c.event.Data1) << " " << c.transposition;
    EXPECT_EQ(sent->Data2, c.event.Data2);
    EXPECT_FALSE(sent->Sysex);
  }
}

TEST(PlayedEvent, MetaEventsStaySilentAndBlocksGoOutWhole) {
  TMidiTrack track(0);
  track.AddEvent(Ev(0xFF, 5, 0), "la");
  track.AddEvent(Ev(0xF0, 0, 0), std::string("\x7E\x7F\x09\x01\xF7", 5));
  track.AddEvent(Ev(0xF7, 0, 0), std::string("\xF3\x01", 2));
  track.AddEvent(Ev(0xF0, 0, 0), "");
  const auto events = track.Events();

  EXPECT_FALSE(PlayedMidiEvent(events[0], 0, false).has_value());

  const auto reset = PlayedMidiEvent(events[1], 2, true);
  ASSERT_TRUE(reset && reset->Sysex);
  EXPECT_EQ(std::vector<uint8_t>(reset->Sysex.get(), reset->Sysex.get() + reset->SysexLength),
            (std::vector<uint8_t>{0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}));

  const auto escape = PlayedMidiEvent(events[2], 0, false);
  ASSERT_TRUE(escape && escape->Sysex);
  EXPECT_EQ(std::vector<uint8_t>(escape->Sysex.get(), escape->Sysex.get() + escape->SysexLength),
            (std::vector<uint8_t>{0xF3, 0x01}));

  // An empty block is still its own start byte.
  const auto bare = PlayedMidiEvent(events[3], 0, false);
  ASSERT_TRUE(bare && bare->Sysex);
  EXPECT_EQ(bare->SysexLength, 1);
}
