// Live MIDI and audio through a JACK server that each test starts for itself (dummy backend,
// own server name). The tests look at order, counts and pitches, never at times.
#include <gtest/gtest.h>

#include <jack/jack.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "base/untMesConst.h"
#include "midi/MidiClock.h"
#include "midi/MidiConstants.h"
#include "midi/MidiFile.h"
#include "midi/MidiOut.h"
#include "platform/FluidSynthOut.h"
#include "platform/JackMidiOut.h"
#include "platform/SoundFontFinder.h"
#include "platform/SystemMidiOut.h"
#include "tests/midi/MidiBytes.h"
#include "tests/platform/AudioProbe.h"
#include "tests/platform/JackServer.h"

namespace {

using Bytes = std::vector<uint8_t>;

class JackTest : public testing::Test {
 protected:
  void SetUp() override {
    server_ = std::make_unique<TestJackServer>();
    if (!server_->Running()) {
      if (!JackdInstalled()) GTEST_SKIP() << server_->Problem();
      FAIL() << server_->Problem();
    }
  }
  void TearDown() override { server_.reset(); }  // stopped whatever the test's outcome

  const std::string& Server() const { return server_->Name(); }
  std::unique_ptr<TestJackServer> server_;
};

// A service of the test's server that sees the receiver's port: on a busy machine the server
// may take a moment to let a new client in.
std::shared_ptr<TJackMidiOutService> ServiceSeeingPorts(const std::string& server) {
  auto service = std::make_shared<TJackMidiOutService>("Cantaro", server);
  WaitFor([&] { return !service->Devices().empty(); }, std::chrono::seconds(30));
  return service;
}

// Timer steps that the test runs itself, on the steady clock.
class SteppedTimers : public IMidiTimerFactory {
 public:
  std::unique_ptr<IMidiTimer> StartTimer(int32_t, std::function<void()>) override {
    return std::make_unique<IMidiTimer>();
  }
};

// One track of overlapping notes on channels 0 and 1: a note every 24 ticks, each 96 long.
std::string OverlappingNotes(int count) {
  std::vector<std::pair<int32_t, Bytes>> events;
  for (int i = 0; i < count; ++i) {
    const auto channel = static_cast<uint8_t>(i % 2);
    const auto key = static_cast<uint8_t>(60 + i % 12);
    events.push_back({24 * i, {static_cast<uint8_t>(0x90 | channel), key, 100}});
    events.push_back({24 * i + 96, {static_cast<uint8_t>(0x80 | channel), key, 0}});
  }
  std::stable_sort(events.begin(), events.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  Bytes track;
  int32_t last = 0;
  for (const auto& [tick, bytes] : events) {
    const uint32_t delta = static_cast<uint32_t>(tick - last);
    last = tick;
    if (delta >= 128) track.push_back(static_cast<uint8_t>(0x80 | (delta >> 7)));
    track.push_back(static_cast<uint8_t>(delta & 0x7F));
    track.insert(track.end(), bytes.begin(), bytes.end());
  }
  track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
  return MidiBytes().Header(0, 1, 480).Track(track);
}

std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const EmidioutputError& e) {
    return e.what();
  }
  return "(no error)";
}

}  // namespace

TEST_F(JackTest, InputPortsAreDevicesNamedByTheirPortsAndMessagesArriveInOrder) {
  TestMidiReceiver keys(Server(), "keys");
  ASSERT_TRUE(keys.Ok());
  auto service = ServiceSeeingPorts(Server());
  const auto devices = service->Devices();
  ASSERT_EQ(devices.size(), 1u) << "only the receiver's port takes MIDI";
  EXPECT_EQ(devices[0].Name, "keys:in");
  EXPECT_EQ(devices[0].System, "JACK");

  TMidiOutput out(service, std::make_shared<TImmediatePoster>());
  out.SetProductName("keys:in");
  ASSERT_TRUE(out.Open()) << out.ErrorText(out.LastError());
  int completed = 0;
  out.Onmidioutput = [&](TMidiOutput*) { ++completed; };
  out.SendShort(0x90, 60, 100);
  out.SendShort(0xC1, 5, 0);
  const Bytes reset = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
  out.SendLong(reset.data(), static_cast<uint16_t>(reset.size()));
  out.SendShort(0x90, 200, 100);  // wrapped past the keyboard: cannot travel, skipped
  out.SendShort(0x80, 60, 0);
  EXPECT_EQ(completed, 1);
  ASSERT_TRUE(WaitFor([&] { return keys.Count() >= 4; }, std::chrono::seconds(30))) << keys.Count() << " messages arrived";
  EXPECT_EQ(keys.Messages(), (std::vector<Bytes>{{0x90, 60, 100}, {0xC1, 5}, reset, {0x80, 60, 0}}));

  // A second component cannot take the same port.
  TMidiOutput second(service, std::make_shared<TImmediatePoster>());
  second.SetDeviceID(0);
  EXPECT_FALSE(second.Open());
  EXPECT_EQ(second.LastError(), uint16_t(TMidiOutErrc::Allocated));
  EXPECT_TRUE(out.Close());
}

TEST_F(JackTest, AFullRingIsAnErrorNeverAWait) {
  TestMidiReceiver keys(Server(), "keys");
  ASSERT_TRUE(keys.Ok());
  auto service = ServiceSeeingPorts(Server());
  TMidiOutput out(service, std::make_shared<TImmediatePoster>());
  out.SetProductName("keys:in");
  ASSERT_TRUE(out.Open());
  // Blocks far beyond what a period takes fill the ring faster than it drains.
  std::vector<uint8_t> block(60000, 0x11);
  block.front() = 0xF0;
  block.back() = 0xF7;
  std::string error = "(no error)";
  for (int i = 0; i < 20 && error == "(no error)"; ++i)
    error = ErrorOf([&] { out.SendLong(block.data(), static_cast<uint16_t>(block.size())); });
  EXPECT_EQ(error, Mes(MesId::SMidiOutErrBufferFull));
  EXPECT_EQ(out.LongMessagesInFlight(), 0);
}

TEST_F(JackTest, APortThatVanishesIsReportedAndLaterSendsFailWithoutACrash) {
  auto keys = std::make_unique<TestMidiReceiver>(Server(), "keys");
  ASSERT_TRUE(keys->Ok());
  auto service = ServiceSeeingPorts(Server());
  TMidiOutput out(service, std::make_shared<TImmediatePoster>());
  out.SetProductName("keys:in");
  ASSERT_TRUE(out.Open());
  out.SendShort(0x90, 60, 100);
  keys->Close();
  // The loss arrives as a callback; from then on every send fails with the same text.
  std::string error;
  ASSERT_TRUE(WaitFor([&] {
    error = ErrorOf([&] { out.SendShort(0x80, 60, 0); });
    return error != "(no error)";
  }));
  EXPECT_EQ(error, Mes(MesId::SMidiOutErrDeviceGone));
  EXPECT_EQ(ErrorOf([&] { out.SendShort(0x90, 62, 100); }), Mes(MesId::SMidiOutErrDeviceGone));
  EXPECT_TRUE(out.Close());
  EXPECT_TRUE(service->Devices().empty());
}

TEST_F(JackTest, AServerThatStopsIsReportedAndTheListEmpties) {
  TestMidiReceiver keys(Server(), "keys");
  ASSERT_TRUE(keys.Ok());
  auto service = ServiceSeeingPorts(Server());
  TMidiOutput out(service, std::make_shared<TImmediatePoster>());
  out.SetProductName("keys:in");
  ASSERT_TRUE(out.Open());
  server_->Stop();
  std::string error;
  ASSERT_TRUE(WaitFor([&] {
    error = ErrorOf([&] { out.SendShort(0x90, 60, 100); });
    return error != "(no error)";
  }));
  // The port may be seen going before the server is.
  EXPECT_TRUE(error == Mes(MesId::SMidiOutErrServerGone) || error == Mes(MesId::SMidiOutErrDeviceGone)) << error;
  EXPECT_NO_THROW(out.Close());
  EXPECT_TRUE(service->Devices().empty());
}

TEST_F(JackTest, TheSystemListShowsJackPortsWithTheirSystem) {
  TestMidiReceiver keys(Server(), "keys");
  ASSERT_TRUE(keys.Ok());
  std::vector<TMidiOutDeviceInfo> devices;
  WaitFor([&] {
    devices = ListMidiOutDevices(CreateSystemMidiOutService(Server()));
    return devices.size() >= 2;
  }, std::chrono::seconds(30));
  ASSERT_GE(devices.size(), 2u);
  EXPECT_EQ(devices[0].System, "FluidSynth");
  EXPECT_EQ(devices[1].ProductName, "keys:in");
  EXPECT_EQ(devices[1].System, "JACK");
  EXPECT_NE(FormatMidiOutDeviceList(devices).find("1: keys:in [JACK]\n"), std::string::npos);
}

TEST_F(JackTest, TheBuiltInSynthesizerSoundsThroughJackAudio) {
  if (FindGeneralMidiSoundFont().empty()) GTEST_SKIP() << "no General MIDI SoundFont installed";
  TestAudioCapture capture(Server(), "ears");
  ASSERT_TRUE(capture.Ok());
  auto synth = std::make_shared<TFluidSynthOutService>(TFluidSynthOutService::Mode::Live);
  synth->SetJackServer(Server());
  TMidiOutput out(synth, std::make_shared<TImmediatePoster>());
  ASSERT_TRUE(out.Open()) << out.ErrorText(out.LastError());
  ASSERT_EQ(synth->Engine()->AudioDriverName(), "jack");

  // The synth's left output into the test's ears.
  const char** ports = jack_get_ports(capture.Client(), "Cantaro synth", JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput);
  ASSERT_NE(ports, nullptr);
  ASSERT_EQ(jack_connect(capture.Client(), ports[0], capture.PortName().c_str()), 0);
  jack_free(ports);

  out.SendShort(0x90, 69, 110);
  const size_t want = static_cast<size_t>(capture.Rate() * 0.6);
  capture.Clear();
  ASSERT_TRUE(WaitFor([&] { return capture.Samples().size() >= want; }));
  std::vector<double> body = capture.Samples();
  body.erase(body.begin(), body.begin() + static_cast<long>(capture.Rate() * 0.1));
  EXPECT_GT(Rms(body), 0.005) << "the note is heard";
  EXPECT_NEAR(StrongestFrequency(body, capture.Rate()), 440.0, 440.0 * 0.02);

  out.AllSoundOff();
  // Past the release of what was sounding, nothing is heard.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  capture.Clear();
  ASSERT_TRUE(WaitFor([&] { return capture.Samples().size() >= static_cast<size_t>(capture.Rate() * 0.2); }));
  EXPECT_LT(Rms(capture.Samples()), 0.0005);
  EXPECT_TRUE(out.Close());
}

TEST_F(JackTest, DueTimesAreHonouredAndSendingOrderIsKeptWhetherPastTiedOrFarAhead) {
  TestMidiReceiver keys(Server(), "keys");
  ASSERT_TRUE(keys.Ok());
  auto service = ServiceSeeingPorts(Server());
  TMidiOutput out(service, std::make_shared<TImmediatePoster>());
  out.SetProductName("keys:in");
  EXPECT_FALSE(out.HonoursDueTimes());
  ASSERT_TRUE(out.Open());
  EXPECT_TRUE(out.HonoursDueTimes());
  EXPECT_EQ(out.DueTimeHoldUs(), 128 * 1000000 / 48000);
  EXPECT_EQ(out.PlaybackLookAheadUs(), out.DueTimeHoldUs() + TMidiOutput::kLateTimerMarginUs);
  int completed = 0;
  out.Onmidioutput = [&](TMidiOutput*) { ++completed; };

  const int64_t now = SteadyClockUs();
  out.SendEventAt(TMidiEvent(0x90, 60, 100), now - 50000);    // already past
  out.SendEventAt(TMidiEvent(0x90, 61, 100), now + 40000);    // ahead
  out.SendEventAt(TMidiEvent(0x90, 62, 100), now + 40000);    // tied with it
  out.SendEventAt(TMidiEvent(0x90, 63, 100), now + 20000);    // due before what was sent earlier
  out.SendEventAt(TMidiEvent(0x90, 64, 100), now + 3600000000LL);  // absurdly far ahead: now
  const Bytes reset = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
  TMidiEvent block;
  block.SetSysex(reset.data(), static_cast<uint16_t>(reset.size()));
  out.SendEventAt(block, now + 30000);
  out.SendShort(0x80, 60, 0);  // without a due time, behind them all
  EXPECT_EQ(completed, 1);
  ASSERT_TRUE(WaitFor([&] { return keys.Count() >= 7; }, std::chrono::seconds(30))) << keys.Count() << " arrived";
  EXPECT_EQ(keys.Messages(), (std::vector<Bytes>{{0x90, 60, 100}, {0x90, 61, 100}, {0x90, 62, 100}, {0x90, 63, 100},
                                                 {0x90, 64, 100}, reset, {0x80, 60, 0}}));
  EXPECT_TRUE(out.Close());
  EXPECT_EQ(out.PlaybackLookAheadUs(), 0);
}

TEST_F(JackTest, NotesPlayedByHandGoBesideTheSongSentAheadNotBehindIt) {
  TestMidiReceiver keys(Server(), "keys");
  ASSERT_TRUE(keys.Ok());
  auto service = ServiceSeeingPorts(Server());
  TMidiOutput out(service, std::make_shared<TImmediatePoster>());
  out.SetProductName("keys:in");
  ASSERT_TRUE(out.Open());
  // The song is queued half a second ahead; a musician plays three notes meanwhile.
  const int64_t now = SteadyClockUs();
  out.SendEventAt(TMidiEvent(0x90, 40, 100), now + 500000);
  out.SendEventAt(TMidiEvent(0x80, 40, 0), now + 600000);
  out.SendEventLive(TMidiEvent(0x91, 72, 90));
  out.SendEventLive(TMidiEvent(0x81, 72, 0));
  out.SendEventLive(TMidiEvent(0x91, 76, 90));
  ASSERT_TRUE(WaitFor([&] { return keys.Count() >= 5; }, std::chrono::seconds(30))) << keys.Count() << " arrived";
  EXPECT_EQ(keys.Messages(),
            (std::vector<Bytes>{{0x91, 72, 90}, {0x81, 72, 0}, {0x91, 76, 90}, {0x90, 40, 100}, {0x80, 40, 0}}));
  EXPECT_TRUE(out.Close());
}

TEST_F(JackTest, StoppingASongSentAheadAndSilencingItLeavesNoNoteSounding) {
  TestMidiReceiver keys(Server(), "keys");
  ASSERT_TRUE(keys.Ok());
  auto service = ServiceSeeingPorts(Server());
  TMidiOutput out(service, std::make_shared<TImmediatePoster>());
  out.SetProductName("keys:in");
  ASSERT_TRUE(out.Open());

  SteppedTimers timers;
  TMidiFile file(TPlaybackServices{nullptr, &timers, nullptr});
  file.LoadFromBytes(OverlappingNotes(80));
  // A long lead, so that much of the song waits in the output when playback stops.
  file.SetLookAheadUs(300000);
  size_t sent = 0;
  file.SetOnMidiEvent([&](PMidiEventEx e, int32_t) {
    if (!IsMidiChannelMessage(e->Status)) return;
    out.SendEventAt(TMidiEvent(e->Status, e->Data1, e->Data2), file.EventDueUs());
    ++sent;
  });
  ASSERT_TRUE(file.Play());
  for (int i = 0; i < 30; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    file.TimerStep();
  }
  const int32_t clockTick = file.PositionTicks();
  file.Stop();
  EXPECT_GT(file.PositionTicks(), clockTick) << "events had been sent ahead";
  ASSERT_GT(sent, 0u);
  out.AllSoundOff();
  ASSERT_TRUE(WaitFor([&] { return keys.Count() >= sent + 16; }, std::chrono::seconds(30))) << keys.Count();

  // Replayed as a synthesizer would: All Sound Off ends every note of its channel.
  std::set<std::pair<int, int>> sounding;
  size_t noteOns = 0;
  for (const Bytes& m : keys.Messages()) {
    ASSERT_EQ(m.size(), 3u);
    const int channel = m[0] & 0x0F;
    if (MidiKind(m[0]) == 0x90 && m[2] > 0) {
      sounding.insert({channel, m[1]});
      ++noteOns;
    } else if (MidiKind(m[0]) == 0x80 || MidiKind(m[0]) == 0x90) {
      sounding.erase({channel, m[1]});
    } else if (MidiKind(m[0]) == 0xB0 && m[1] == 120) {
      std::erase_if(sounding, [&](const auto& n) { return n.first == channel; });
    }
  }
  EXPECT_GT(noteOns, 0u);
  EXPECT_TRUE(sounding.empty()) << sounding.size() << " notes still sounding";
  EXPECT_EQ(keys.Count(), sent + 16);
}
