// A MIDI keyboard through a JACK server of the test's own: its port is an input device, what
// it plays reaches the window's thread in order, and a keyboard or server that goes away is
// told once. Order, counts and pitches only, never times.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <memory>
#include <string>
#include <vector>

#include "platform/JackMidiIn.h"
#include "platform/JackMidiOut.h"
#include "platform/MidiInputLink.h"
#include "tests/platform/TestApp.h"
#include "platform/SystemMidiIn.h"
#include "tests/platform/JackServer.h"

namespace {

// Lets the link's notifier run until the condition holds (or a generous limit passes).
bool PumpUntil(const std::function<bool()>& condition) {
  return WaitFor([&] {
    QCoreApplication::processEvents();
    return condition();
  }, std::chrono::seconds(20));
}

class JackInputTest : public testing::Test {
 protected:
  void SetUp() override {
    TestApp();
    server_ = std::make_unique<TestJackServer>();
    if (!server_->Running()) {
      if (!JackdInstalled()) GTEST_SKIP() << server_->Problem();
      FAIL() << server_->Problem();
    }
  }
  void TearDown() override { server_.reset(); }
  const std::string& Server() const { return server_->Name(); }

  bool Lists(TMidiInService& service, const std::string& name) {
    for (const auto& d : service.Devices())
      if (d.Name == name) return true;
    return false;
  }

  std::unique_ptr<TestJackServer> server_;
};

std::vector<uint8_t> On(int note) { return {0x90, static_cast<uint8_t>(note), 100}; }
std::vector<uint8_t> Off(int note) { return {0x80, static_cast<uint8_t>(note), 0}; }

}  // namespace

TEST_F(JackInputTest, OtherClientsMidiOutputsAreDevicesButNeverTheProgramsOwnPorts) {
  TestMidiPlayer keys(Server(), "keys");
  TestMidiReceiver synth(Server(), "synth");
  ASSERT_TRUE(keys.Ok() && synth.Ok());
  auto input = std::make_shared<TJackMidiInService>("Cantaro in", Server());
  ASSERT_TRUE(WaitFor([&] { return Lists(*input, keys.PortName()); }));
  for (const auto& d : input->Devices()) EXPECT_EQ(d.System, "JACK");

  // The program plays into the synth (its own MIDI output port now exists) and listens to the
  // keys (its own MIDI input port exists): neither of its ports is offered back to it.
  TJackMidiOutService output("Cantaro", Server());
  uint32_t synthId = 0;
  ASSERT_TRUE(WaitFor([&] {
    for (const auto& d : output.Devices())
      if (d.Name == synth.PortName()) return synthId = d.Id, true;
    return false;
  }));
  auto out = output.Open(synthId);
  ASSERT_TRUE(out.Ok());
  TMidiInputLink link(input);
  ASSERT_TRUE(link.Open(keys.PortName()).Ok());
  for (const auto& d : input->Devices()) EXPECT_EQ(d.Name.rfind("Cantaro", 0), std::string::npos) << d.Name;
  for (const auto& d : output.Devices()) EXPECT_EQ(d.Name.rfind("Cantaro", 0), std::string::npos) << d.Name;
  EXPECT_TRUE(Lists(*input, keys.PortName()));
  output.Close(out.Value());

  // A name no device has is an error that names it; nothing stays open.
  TMidiOutStatus missing = link.Open("nobody:out");
  ASSERT_FALSE(missing.Ok());
  EXPECT_EQ(missing.Error().Code, TMidiOutErrc::DeviceGone);
  EXPECT_EQ(missing.Error().Device, "nobody:out");
  EXPECT_FALSE(link.IsOpen());
}

TEST_F(JackInputTest, WhatTheKeyboardPlaysArrivesInOrderAndTheChordStaysAfterRelease) {
  TestMidiPlayer keys(Server(), "keys");
  ASSERT_TRUE(keys.Ok());
  auto input = std::make_shared<TJackMidiInService>("Cantaro in", Server());
  ASSERT_TRUE(WaitFor([&] { return Lists(*input, keys.PortName()); }));
  TMidiInputLink link(input);
  std::vector<std::vector<int>> chords;
  std::vector<std::vector<uint8_t>> got;
  link.Keyboard.OnChord = [&](const std::vector<int>& notes) { chords.push_back(notes); };
  link.OnMessage = [&](const TMidiInMessage& m) { got.emplace_back(m.Bytes, m.Bytes + m.Size); };
  ASSERT_TRUE(link.Open(keys.PortName()).Ok());
  EXPECT_EQ(link.DeviceName(), keys.PortName());

  for (int note : {60, 64, 67}) keys.Play(On(note));
  keys.Play({0xF8});            // clock: not a played note, not passed on
  keys.Play({0xB0, 64, 127});   // pedal down
  ASSERT_TRUE(PumpUntil([&] { return got.size() >= 4; }));
  ASSERT_FALSE(chords.empty());
  EXPECT_EQ(chords.back(), (std::vector<int>{60, 64, 67}));
  for (int note : {60, 64, 67}) keys.Play(Off(note));
  ASSERT_TRUE(PumpUntil([&] { return got.size() >= 7; }));
  EXPECT_EQ(got, (std::vector<std::vector<uint8_t>>{On(60), On(64), On(67), {0xB0, 64, 127}, Off(60), Off(64), Off(67)}));
  EXPECT_EQ(chords.size(), 3u);
  // The pedal holds them.
  EXPECT_EQ(link.Keyboard.SoundingNotes(), (std::vector<int>{60, 64, 67}));
  // Closing ends them for the piano.
  std::vector<int> stopped;
  link.Keyboard.OnSounding = [&](int note, bool on) {
    if (!on) stopped.push_back(note);
  };
  link.Close();
  EXPECT_EQ(stopped, (std::vector<int>{60, 64, 67}));
}

TEST_F(JackInputTest, AKeyboardUnpluggedOrAServerStoppedIsToldOnceAndClosesTheInput) {
  TestMidiPlayer keys(Server(), "keys");
  ASSERT_TRUE(keys.Ok());
  auto input = CreateSystemMidiInService(Server());
  ASSERT_TRUE(WaitFor([&] { return Lists(*input, keys.PortName()); }));
  TMidiInputLink link(input);
  std::vector<TMidiOutError> lost;
  link.OnLost = [&](const TMidiOutError& e) { lost.push_back(e); };
  ASSERT_TRUE(link.Open(keys.PortName()).Ok());
  keys.Play(On(62));
  ASSERT_TRUE(PumpUntil([&] { return link.Keyboard.Sounding(62); }));
  keys.Close();
  ASSERT_TRUE(PumpUntil([&] { return !lost.empty(); }));
  EXPECT_EQ(lost[0].Code, TMidiOutErrc::DeviceGone);
  EXPECT_EQ(lost[0].Device, "keys:out");
  EXPECT_FALSE(link.IsOpen());
  EXPECT_FALSE(link.Keyboard.Sounding(62));  // no key stays lit

  // A second keyboard, then the server goes.
  TestMidiPlayer other(Server(), "other");
  ASSERT_TRUE(other.Ok());
  ASSERT_TRUE(WaitFor([&] { return Lists(*input, other.PortName()); }));
  ASSERT_TRUE(link.Open(other.PortName()).Ok());
  server_->Stop();
  ASSERT_TRUE(PumpUntil([&] { return lost.size() >= 2; }));
  for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
  ASSERT_EQ(lost.size(), 2u);
  EXPECT_EQ(lost[1].Code, TMidiOutErrc::ServerGone);
  EXPECT_FALSE(link.IsOpen());
  EXPECT_TRUE(input->Devices().empty() || !Lists(*input, other.PortName()));
}

TEST_F(JackInputTest, AKeyboardPluggedInLaterOrAgainIsOpenedByItselfAndHeard) {
  auto input = std::make_shared<TJackMidiInService>("Cantaro in", Server());
  TMidiInputLink link(input);
  std::vector<std::string> found;
  int lost = 0;
  link.OnFound = [&](const std::string& name) { found.push_back(name); };
  link.OnLost = [&](const TMidiOutError&) { ++lost; };
  // Chosen before it is plugged in: not there yet, but wanted.
  EXPECT_FALSE(link.Open("keys:out").Ok());
  EXPECT_EQ(link.Wanted(), "keys:out");
  auto keys = std::make_unique<TestMidiPlayer>(Server(), "keys");
  ASSERT_TRUE(keys->Ok());
  ASSERT_TRUE(PumpUntil([&] {
    link.CheckPresent();
    return link.IsOpen();
  }));
  EXPECT_EQ(found, (std::vector<std::string>{"keys:out"}));
  keys->Play(On(64));
  ASSERT_TRUE(PumpUntil([&] { return link.Keyboard.Sounding(64); }));

  // Unplugged and plugged in again.
  keys.reset();
  ASSERT_TRUE(PumpUntil([&] {
    link.CheckPresent();
    return lost == 1;
  }));
  EXPECT_FALSE(link.IsOpen());
  keys = std::make_unique<TestMidiPlayer>(Server(), "keys");
  ASSERT_TRUE(PumpUntil([&] {
    link.CheckPresent();
    return link.IsOpen();
  }));
  EXPECT_EQ(found.size(), 2u);
  keys->Play(On(67));
  ASSERT_TRUE(PumpUntil([&] { return link.Keyboard.Sounding(67); }));

  // Choosing none wants nothing: another keyboard of the name is left alone.
  link.Open("");
  EXPECT_EQ(link.Wanted(), "");
  keys.reset();
  keys = std::make_unique<TestMidiPlayer>(Server(), "keys");
  for (int i = 0; i < 5; ++i) link.CheckPresent();
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(found.size(), 2u);
}
