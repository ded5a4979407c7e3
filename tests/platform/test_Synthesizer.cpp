#include <gtest/gtest.h>

#include <QThread>

#include <memory>
#include <thread>

#include "base/untMesConst.h"
#include "midi/MidiOut.h"
#include "platform/FluidSynthOut.h"
#include "platform/QtMainThreadPoster.h"
#include "platform/SoundFontFinder.h"
#include "tests/platform/AudioProbe.h"

namespace {

constexpr int kRate = TFluidSynthEngine::kSampleRate;

struct OfflineSynth {
  explicit OfflineSynth(std::shared_ptr<TMainThreadPoster> poster = std::make_shared<TImmediatePoster>())
      : service(std::make_shared<TFluidSynthOutService>(TFluidSynthOutService::Mode::Offline)),
        out(service, std::move(poster)) {}
  std::vector<int16_t> Render(double seconds) {
    std::vector<int16_t> samples(static_cast<std::size_t>(seconds * kRate) * 2);
    EXPECT_TRUE(service->Engine()->WriteS16(static_cast<int>(samples.size() / 2), samples.data()));
    return samples;
  }
  std::shared_ptr<TFluidSynthOutService> service;
  TMidiOutput out;
};

}  // namespace

class SynthesizerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (FindGeneralMidiSoundFont().empty())
      GTEST_SKIP() << "no General MIDI SoundFont installed (scripts/install-deps installs one)";
  }
};

TEST_F(SynthesizerTest, ANoteOnFor69SoundsAt440Hz) {
  OfflineSynth synth;
  ASSERT_TRUE(synth.out.Open()) << synth.out.ErrorText(synth.out.LastError());
  synth.out.SendEvent(TMidiEvent(0x90, 69, 100));
  const auto samples = synth.Render(0.5);
  // Past the attack, the body of the note.
  const auto body = LeftChannel(samples, kRate / 10, kRate * 4 / 10);
  EXPECT_GT(Rms(body), 0.005) << "the note is audible";
  EXPECT_NEAR(StrongestFrequency(body, kRate), 440.0, 440.0 * 0.02);
}

TEST_F(SynthesizerTest, PitchFollowsTheNoteNumber) {
  struct Case {
    uint8_t note;
    double hz;
  };
  for (Case c : {Case{57, 220.0}, Case{72, 523.25}, Case{81, 880.0}}) {
    OfflineSynth synth;
    ASSERT_TRUE(synth.out.Open());
    synth.out.SendShort(0x90, c.note, 100);
    const auto samples = synth.Render(0.5);
    EXPECT_NEAR(StrongestFrequency(LeftChannel(samples, kRate / 10, kRate * 4 / 10), kRate), c.hz,
                c.hz * 0.02)
        << int(c.note);
  }
}

TEST_F(SynthesizerTest, NoteOffAndAllSoundOffLeadToSilence) {
  OfflineSynth synth;
  ASSERT_TRUE(synth.out.Open());
  synth.out.SendShort(0x90, 69, 100);
  synth.out.SendShort(0x91, 52, 100);  // a second note that only All Sound Off ends
  synth.out.SendShort(0xB1, 64, 127);  // held by the sustain pedal
  synth.Render(0.3);
  synth.out.SendShort(0x80, 69, 0);
  synth.out.AllSoundOff();
  synth.Render(0.01);
  EXPECT_EQ(synth.service->Engine()->ActiveVoices(), 0);
  // The reverb's tail fades; after it nothing sounds.
  synth.Render(2.0);
  const auto after = synth.Render(0.2);
  EXPECT_LT(Rms(LeftChannel(after, 0, after.size() / 2)), 1e-4);
}

TEST_F(SynthesizerTest, AGeneralMidiResetCompletesOnTheGuiThreadAndFiresOnce) {
  TestApp();
  auto poster = std::make_shared<TQtMainThreadPoster>();
  OfflineSynth synth(poster);
  int fired = 0;
  synth.out.Onmidioutput = [&](TMidiOutput*) { ++fired; };
  ASSERT_TRUE(synth.out.Open());
  synth.out.SendShort(0xC0, 40, 0);  // a violin, which the reset takes back to the piano
  TMidiEvent reset;
  const uint8_t gmOn[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
  reset.SetSysex(gmOn, sizeof gmOn);
  synth.out.SendEvent(reset);
  EXPECT_EQ(fired, 0) << "the notice waits for the event loop";
  EXPECT_EQ(synth.out.LongMessagesInFlight(), 1);
  QCoreApplication::processEvents();
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(synth.out.LongMessagesInFlight(), 0);
  QCoreApplication::processEvents();
  EXPECT_EQ(fired, 1);
  // After the reset the note sounds with the piano's pitch again.
  synth.out.SendShort(0x90, 69, 100);
  const auto samples = synth.Render(0.5);
  EXPECT_NEAR(StrongestFrequency(LeftChannel(samples, kRate / 10, kRate * 4 / 10), kRate), 440.0, 8.8);
}

TEST_F(SynthesizerTest, MessagesThatCannotTravelAreDroppedWithoutHarm) {
  OfflineSynth synth;
  ASSERT_TRUE(synth.out.Open());
  synth.out.SendShort(0x90, 200, 100);  // a note wrapped past the keyboard
  synth.out.SendShort(0xF0, 0, 0);      // a block's status alone
  synth.out.SendShort(0x00, 60, 100);   // no status
  EXPECT_EQ(synth.service->Engine()->ActiveVoices(), 0);
  const uint8_t unterminated[] = {0xF0, 0x7E, 0x7F, 0x09};
  EXPECT_NO_THROW(synth.out.SendLong(unterminated, sizeof unterminated));
}

TEST_F(SynthesizerTest, TheDeviceOpensOnceAndReopensAfterClose) {
  OfflineSynth synth;
  ASSERT_TRUE(synth.out.Open());
  TMidiOutput second(synth.service, std::make_shared<TImmediatePoster>());
  EXPECT_FALSE(second.Open());
  EXPECT_EQ(second.LastError(), uint16_t(TMidiOutErrc::Allocated));
  synth.out.SendShort(0xC0, 40, 0);
  EXPECT_TRUE(synth.out.Close());
  EXPECT_EQ(synth.service->Engine(), nullptr);
  EXPECT_TRUE(second.Open());
  // A device opened again starts clean: the program change is gone.
  second.SendShort(0x90, 69, 100);
  const auto samples = synth.Render(0.5);
  EXPECT_NEAR(StrongestFrequency(LeftChannel(samples, kRate / 10, kRate * 4 / 10), kRate), 440.0, 8.8);
}

TEST(SynthesizerSetup, WithoutASoundFontOpenFailsWithAClearText) {
  auto service = std::make_shared<TFluidSynthOutService>(TFluidSynthOutService::Mode::Offline,
                                                         "/nonexistent/none.sf2");
  TMidiOutput out(service, std::make_shared<TImmediatePoster>());
  EXPECT_FALSE(out.Open());
  EXPECT_EQ(out.LastError(), uint16_t(TMidiOutErrc::SoundFontLoad));
  EXPECT_EQ(out.ErrorText(out.LastError()), Mes(MesId::SMidiOutErrSoundFontLoad));
}

TEST(SynthesizerSetup, LiveOpenEitherPlaysOrReportsTheMissingAudioOutput) {
  auto service = std::make_shared<TFluidSynthOutService>(TFluidSynthOutService::Mode::Live);
  TMidiOutput out(service, std::make_shared<TImmediatePoster>());
  out.SetDeviceID(0);
  EXPECT_EQ(out.ProductName(), Mes(MesId::SBuiltinSynthName));
  EXPECT_EQ(out.System(), "FluidSynth");
  bool opened = false;
  EXPECT_NO_THROW(opened = out.Open());
  if (opened) {
    std::printf("[ note ] live audio through %s\n", service->Engine()->AudioDriverName().c_str());
    EXPECT_NO_THROW(out.AllSoundOff());
    EXPECT_TRUE(out.Close());
  } else {
    std::printf("[ note ] no live audio output here: %s\n", out.ErrorText(out.LastError()).c_str());
    EXPECT_TRUE(out.LastError() == uint16_t(TMidiOutErrc::NoAudio) ||
                out.LastError() == uint16_t(TMidiOutErrc::NoSoundFont))
        << out.LastError();
    try {
      out.SendEvent(TMidiEvent(0x90, 60, 100));
      ADD_FAILURE() << "a closed device takes no notes";
    } catch (const EmidioutputError& e) {
      EXPECT_EQ(std::string(e.what()), Mes(MesId::SMidiOutNotOpen));
    }
  }
}
