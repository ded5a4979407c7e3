// Live MIDI and audio through a JACK server that each test starts for itself (dummy backend,
// own server name). The tests look at order, counts and pitches, never at times.
#include <gtest/gtest.h>

#include <jack/jack.h>

#include <memory>
#include <string>
#include <vector>

#include "base/untMesConst.h"
#include "midi/MidiOut.h"
#include "platform/FluidSynthOut.h"
#include "platform/JackMidiOut.h"
#include "platform/SoundFontFinder.h"
#include "platform/SystemMidiOut.h"
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
