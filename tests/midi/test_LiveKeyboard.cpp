#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "midi/LiveKeyboard.h"
#include "midi/MidiInService.h"

namespace {

// A keyboard whose reports are written down: "+60" a note starts sounding, "-60" it stops,
// and every chord told.
struct Played {
  TLiveKeyboard keys;
  std::vector<std::string> sounding;
  std::vector<std::vector<int>> chords;

  Played() {
    keys.OnSounding = [this](int note, bool on) { sounding.push_back((on ? "+" : "-") + std::to_string(note)); };
    keys.OnChord = [this](const std::vector<int>& notes) { chords.push_back(notes); };
  }
  void Down(int note, int channel = 0) { keys.Handle(uint8_t(0x90 | channel), uint8_t(note), 100); }
  void Up(int note, int channel = 0) { keys.Handle(uint8_t(0x80 | channel), uint8_t(note), 64); }
  void Pedal(bool down, int channel = 0) { keys.Handle(uint8_t(0xB0 | channel), 64, down ? 127 : 0); }
  std::vector<int> LastChord() const { return chords.empty() ? std::vector<int>{} : chords.back(); }
};

using Notes = std::vector<int>;

}  // namespace

TEST(LiveKeyboard, TheChordIsWhatSoundsAtEachPressAndLettingGoKeepsIt) {
  Played p;
  p.Down(60);
  p.Down(64);
  p.Down(67);
  EXPECT_EQ(p.chords, (std::vector<Notes>{{60}, {60, 64}, {60, 64, 67}}));
  // Fingers never leave the keys at once: the chord stays as it was held fullest.
  p.Up(67);
  p.Up(60);
  p.Up(64);
  EXPECT_EQ(p.chords.size(), 3u);
  EXPECT_EQ(p.sounding, (std::vector<std::string>{"+60", "+64", "+67", "-67", "-60", "-64"}));
  EXPECT_TRUE(p.keys.SoundingNotes().empty());
  // A key after silence starts a new chord.
  p.Down(57);
  EXPECT_EQ(p.LastChord(), (Notes{57}));
  // A key pressed while others still sound joins them; the ones let go are not in it.
  p.Down(60);
  p.Down(64);
  p.Up(57);
  p.Down(65);
  EXPECT_EQ(p.LastChord(), (Notes{60, 64, 65}));
}

TEST(LiveKeyboard, TheSustainPedalHoldsNotesUntilItIsLifted) {
  Played p;
  p.Pedal(true);
  EXPECT_TRUE(p.keys.PedalDown(0));
  // An arpeggio under the pedal is one chord.
  p.Down(48);
  p.Up(48);
  p.Down(52);
  p.Up(52);
  p.Down(55);
  p.Up(55);
  EXPECT_EQ(p.LastChord(), (Notes{48, 52, 55}));
  EXPECT_EQ(p.keys.SoundingNotes(), (Notes{48, 52, 55}));
  // Struck again while held by the pedal: still one note, no second start.
  p.Down(52);
  EXPECT_EQ(std::count(p.sounding.begin(), p.sounding.end(), "+52"), 1);
  // Lifting the pedal ends what no finger holds.
  p.Pedal(false);
  EXPECT_EQ(p.keys.SoundingNotes(), (Notes{52}));
  p.Up(52);
  EXPECT_TRUE(p.keys.SoundingNotes().empty());
  EXPECT_EQ(p.sounding, (std::vector<std::string>{"+48", "+52", "+55", "-48", "-55", "-52"}));
  // Pedal values below 64 lift it, as General MIDI reads them.
  p.keys.Handle(0xB0, 64, 64);
  EXPECT_TRUE(p.keys.PedalDown(0));
  p.keys.Handle(0xB0, 64, 63);
  EXPECT_FALSE(p.keys.PedalDown(0));
}

TEST(LiveKeyboard, ChannelsKeepTheirOwnKeysAndPedalsButANoteSoundsOnce) {
  Played p;
  p.Pedal(true, 1);
  p.Down(60, 0);
  p.Down(60, 1);  // the same pitch on a second channel: the piano shows one key
  p.Up(60, 1);    // held by channel 1's pedal
  p.Up(60, 0);    // channel 0 has no pedal down
  EXPECT_EQ(p.keys.SoundingNotes(), (Notes{60}));
  p.Pedal(false, 0);  // another channel's pedal changes nothing here
  EXPECT_EQ(p.keys.SoundingNotes(), (Notes{60}));
  p.Pedal(false, 1);
  EXPECT_TRUE(p.keys.SoundingNotes().empty());
  EXPECT_EQ(p.sounding, (std::vector<std::string>{"+60", "-60"}));
}

TEST(LiveKeyboard, VelocityZeroStrayReleasesAndChannelResetsEndNotesCleanly) {
  Played p;
  p.Down(62);
  p.keys.Handle(0x90, 62, 0);  // running-status keyboards release with velocity 0
  EXPECT_TRUE(p.keys.SoundingNotes().empty());
  p.Up(70);  // a release without its press (the key was down before the port opened)
  EXPECT_EQ(p.sounding, (std::vector<std::string>{"+62", "-62"}));

  p.Pedal(true, 2);
  p.Down(40, 2);
  p.Up(40, 2);
  p.Down(43, 2);
  p.keys.Handle(0xB2, 123, 0);  // All Notes Off
  EXPECT_TRUE(p.keys.SoundingNotes().empty());
  // Reset All Controllers lifts the pedal: what only the pedal held stops, a key still down
  // sounds on until it is let go.
  p.Down(45, 3);
  p.Pedal(true, 3);
  p.Down(47, 3);
  p.Up(47, 3);
  p.keys.Handle(0xB3, 121, 0);
  EXPECT_FALSE(p.keys.PedalDown(3));
  EXPECT_EQ(p.keys.SoundingNotes(), (Notes{45}));
  p.Up(45, 3);
  EXPECT_TRUE(p.keys.SoundingNotes().empty());

  p.Down(30);
  p.Down(31, 5);
  p.Pedal(true, 5);
  p.Up(31, 5);
  p.sounding.clear();
  p.keys.Reset();
  EXPECT_EQ(p.sounding, (std::vector<std::string>{"-30", "-31"}));
  EXPECT_FALSE(p.keys.PedalDown(5));
  // Pressure, bends, programs and out-of-range keys sound nothing.
  p.keys.Handle(0xE0, 0, 64);
  p.keys.Handle(0xA0, 60, 10);
  p.keys.Handle(0xC0, 5, 0);
  p.keys.Handle(0x90, 200, 10);
  p.keys.Handle(0x40, 60, 10);
  EXPECT_TRUE(p.keys.SoundingNotes().empty());
  EXPECT_EQ(p.sounding.size(), 2u);
}

TEST(MidiInMessage, OnlyWholeChannelMessagesPass) {
  const uint8_t noteOn[] = {0x93, 60, 90};
  auto m = MidiInMessageFrom(noteOn, 3, 77);
  ASSERT_TRUE(m);
  EXPECT_EQ(m->Size, 3);
  EXPECT_EQ(m->Bytes[0], 0x93);
  EXPECT_EQ(m->Bytes[2], 90);
  EXPECT_EQ(m->ArrivedUs, 77u);
  const uint8_t program[] = {0xC1, 5, 99};  // a trailing byte is not part of it
  ASSERT_TRUE(MidiInMessageFrom(program, 3, 0));
  EXPECT_EQ(MidiInMessageFrom(program, 3, 0)->Size, 2);
  const uint8_t shortNote[] = {0x90, 60};
  const uint8_t badData[] = {0x90, 60, 0x90};
  const uint8_t statusAsKey[] = {0x90, 0x80, 60};   // a status byte where the key belongs
  const uint8_t statusAsProgram[] = {0xC0, 0xF8};  // a clock byte inside a program change
  const uint8_t clock[] = {0xF8};
  const uint8_t sysex[] = {0xF0, 0x7E, 0xF7};
  const uint8_t stray[] = {0x3C, 0x40};
  EXPECT_FALSE(MidiInMessageFrom(shortNote, 2, 0));
  EXPECT_FALSE(MidiInMessageFrom(badData, 3, 0));
  EXPECT_FALSE(MidiInMessageFrom(statusAsKey, 3, 0));
  EXPECT_FALSE(MidiInMessageFrom(statusAsProgram, 2, 0));
  EXPECT_FALSE(MidiInMessageFrom(clock, 1, 0));
  EXPECT_FALSE(MidiInMessageFrom(sysex, 3, 0));
  EXPECT_FALSE(MidiInMessageFrom(stray, 2, 0));
  EXPECT_FALSE(MidiInMessageFrom(nullptr, 0, 0));

  const std::vector<TMidiInDevice> devices = {{0, "a2j:Keys", "JACK"}, {1, "Keys", "ALSA"}, {2, "Keys", "JACK"}};
  EXPECT_EQ(FindMidiInDevice(devices, "Keys"), 1u);
  EXPECT_FALSE(FindMidiInDevice(devices, "keys"));
  EXPECT_FALSE(FindMidiInDevice(devices, ""));
}
