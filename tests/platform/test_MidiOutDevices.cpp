#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <cstdlib>
#include <memory>
#include <thread>

#include "base/untMesConst.h"
#include "midi/MidiOut.h"
#include "midi/MidiOutRecorder.h"
#include "platform/AlsaMidiOut.h"
#include "platform/QtMainThreadPoster.h"
#include "platform/SoundFontFinder.h"
#include "platform/SystemMidiOut.h"
#include "tests/platform/AudioProbe.h"

TEST(AlsaPorts, ProductNamesLeaveOutTheSequencerNumbers) {
  struct Case {
    const char* port;
    const char* product;
  };
  for (Case c : {Case{"Midi Through:Midi Through Port-0 14:0", "Midi Through:Midi Through Port-0"},
                 Case{"FLUID Synth (4242):Synth input port (4242:0) 128:0",
                      "FLUID Synth (4242):Synth input port (4242:0)"},
                 Case{"USB Keys:USB Keys MIDI 1 20:0", "USB Keys:USB Keys MIDI 1"},
                 Case{"Plain name", "Plain name"}})
    EXPECT_EQ(TAlsaMidiOutService::ProductNameOf(c.port), c.product);
}

TEST(AlsaPorts, TheSequencerPortsAreDevicesOrThereAreNoneWithoutError) {
  TAlsaMidiOutService alsa;
  if (!alsa.Available()) {
    EXPECT_TRUE(alsa.Devices().empty());
    const auto opened = alsa.Open(0);
    ASSERT_FALSE(opened.Ok());
    EXPECT_EQ(opened.Error().Code, TMidiOutErrc::NoSequencer);
    GTEST_SKIP() << "no ALSA sequencer on this machine (/dev/snd/seq is missing): "
                    "the service lists zero ports and reports no error";
  }
  const auto n = static_cast<uint32_t>(alsa.Devices().size());
  std::printf("[ note ] %u ALSA output port(s)\n", n);
  if (n == 0) GTEST_SKIP() << "the ALSA sequencer has no output port to write to";
  auto shared = std::shared_ptr<TAlsaMidiOutService>(&alsa, [](auto*) {});
  TMidiOutput out(shared, std::make_shared<TImmediatePoster>());
  for (uint32_t i = 0; i < n; ++i) {
    out.SetDeviceID(i);
    EXPECT_FALSE(out.ProductName().empty());
  }
  out.SetDeviceID(0);
  ASSERT_TRUE(out.Open()) << out.ErrorText(out.LastError());
  EXPECT_NO_THROW(out.SendShort(0x90, 60, 1));
  EXPECT_NO_THROW(out.SendShort(0x80, 60, 0));
  int fired = 0;
  out.Onmidioutput = [&](TMidiOutput*) { ++fired; };
  const uint8_t gmOn[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
  EXPECT_NO_THROW(out.SendLong(gmOn, sizeof gmOn));
  EXPECT_EQ(fired, 1);
  EXPECT_TRUE(out.Close());
}

TEST(CombinedDevices, PartsFollowOneAnotherAndTheMapperTakesTheFirstThatOpens) {
  auto first = std::make_shared<TMidiOutRecorder>(std::vector<std::string>{"Synth"});
  auto second = std::make_shared<TMidiOutRecorder>(std::vector<std::string>{"Port 1", "Port 2"});
  auto combined = std::make_shared<TCombinedMidiOutService>(
      std::vector<std::shared_ptr<TMidiOutService>>{first, nullptr, second});
  ASSERT_EQ(combined->Devices().size(), 3u);
  EXPECT_EQ(combined->Devices()[2].Id, 2u);

  const auto devices = ListMidiOutDevices(combined);
  ASSERT_EQ(devices.size(), 3u);
  EXPECT_EQ(FormatMidiOutDeviceList(devices),
            "0: Synth [Recorder]\n1: Port 1 [Recorder]\n2: Port 2 [Recorder]\n");

  TMidiOutput out(combined, std::make_shared<TImmediatePoster>());
  out.SetProductName("Port 2");
  EXPECT_EQ(out.DeviceID(), 2u);
  ASSERT_TRUE(out.Open());
  out.SendShort(0x90, 60, 100);
  ASSERT_EQ(second->Messages().size(), 1u);
  EXPECT_EQ(second->Messages()[0].Device, 1u);
  EXPECT_TRUE(out.Close());

  first->FailOpen(0, TMidiOutErrc::NoAudio);
  out.SetDeviceID(MIDI_MAPPER);
  ASSERT_TRUE(out.Open());
  out.SendShort(0x90, 61, 100);
  EXPECT_EQ(second->Messages().back().Device, 0u);
  EXPECT_TRUE(first->Messages().empty());
  EXPECT_TRUE(out.Close());
  EXPECT_EQ(second->OpenHandles(), 0);
}

TEST(CombinedDevices, DueTimesReachThePartThatOwnsTheDevice) {
  auto first = std::make_shared<TMidiOutRecorder>(std::vector<std::string>{"Synth"});
  auto second = std::make_shared<TMidiOutRecorder>(std::vector<std::string>{"Port"});
  second->SetHonoursDueTimes(true);
  auto combined = std::make_shared<TCombinedMidiOutService>(std::vector<std::shared_ptr<TMidiOutService>>{first, second});
  TMidiOutput out(combined, std::make_shared<TImmediatePoster>());
  out.SetDeviceID(0);
  ASSERT_TRUE(out.Open());
  EXPECT_FALSE(out.HonoursDueTimes());
  out.Close();
  out.SetDeviceID(1);
  ASSERT_TRUE(out.Open());
  EXPECT_TRUE(out.HonoursDueTimes());
  EXPECT_EQ(out.DueTimeHoldUs(), second->HoldUs);
  out.SendEventAt(TMidiEvent(0x90, 60, 100), 4242);
  ASSERT_EQ(second->Messages().size(), 1u);
  EXPECT_EQ(second->Messages()[0].DueUs, 4242);
  EXPECT_TRUE(out.Close());
}

TEST(CombinedDevices, WithNoPartsThereAreNoDevicesAndNothingBreaks) {
  auto empty = std::make_shared<TCombinedMidiOutService>(std::vector<std::shared_ptr<TMidiOutService>>{});
  EXPECT_TRUE(ListMidiOutDevices(empty).empty());
  EXPECT_EQ(FormatMidiOutDeviceList({}), "");
  // A system the name already carries is not said twice.
  EXPECT_EQ(FormatMidiOutDeviceList({{0, "Built-in synthesizer (FluidSynth)", "FluidSynth"}, {1, "keys:in", "JACK"}}),
            "0: Built-in synthesizer (FluidSynth)\n1: keys:in [JACK]\n");
  TMidiOutput out(empty, std::make_shared<TImmediatePoster>());
  EXPECT_FALSE(out.Open());
  EXPECT_NO_THROW(out.AllSoundOff());
}

TEST(CombinedDevices, ACommandLineNamesADeviceByNumberOrByAPartOfItsName) {
  const std::vector<TMidiOutDeviceInfo> devices = {
      {0, "Встроенный синтезатор (FluidSynth)", "FluidSynth"},
      {1, "keys:midi_in", "JACK"},
      {2, "Midi Through:Midi Through Port-0", "ALSA"}};
  struct Case {
    std::string text;
    std::optional<uint32_t> found;
  };
  const Case cases[] = {{"0", 0u}, {"2", 2u}, {"3", std::nullopt},      {"99999999999", std::nullopt},
                        {"KEYS", 1u}, {"through", 2u}, {"СИНТЕЗАТОР", 0u}, {"midi", 1u},
                        {"nothing", std::nullopt}, {"", std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(FindMidiOutDevice(devices, c.text), c.found) << c.text;
}

TEST(SystemDevices, TheBuiltInSynthesizerIsDeviceZero) {
  const auto devices = ListMidiOutDevices();
  ASSERT_FALSE(devices.empty());
  EXPECT_EQ(devices[0].ProductName, Mes(MesId::SBuiltinSynthName));
  std::printf("[ note ] output devices:\n%s", FormatMidiOutDeviceList(devices).c_str());

  // What the window does at start-up: select device 0 and open it; where no audio output
  // exists the open fails quietly and the program goes on with the output closed.
  TMidiOutput out(CreateSystemMidiOutService(), std::make_shared<TImmediatePoster>());
  out.SetDeviceID(0);
  bool opened = false;
  EXPECT_NO_THROW(opened = out.Open());
  if (!opened) {
    EXPECT_NE(out.ErrorText(out.LastError()), Mes(MesId::SMidiOutErrorOutOfRange));
  }
  EXPECT_NO_THROW(out.AllSoundOff());
}

TEST(SoundFonts, TheBestKnownNameWinsThenAnyFontInNameOrder) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const QString a = tmp.filePath("a"), b = tmp.filePath("b");
  QDir().mkpath(a);
  QDir().mkpath(b);
  auto touch = [](const QString& path, bool empty = false) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    if (!empty) f.write("RIFF");
  };
  const std::vector<std::string> folders = {a.toStdString(), b.toStdString()};
  EXPECT_EQ(FindSoundFontIn(folders), "");
  touch(a + "/zeta.sf2");
  touch(b + "/alpha.sf3");
  touch(a + "/notes.txt");
  EXPECT_EQ(FindSoundFontIn(folders), (a + "/zeta.sf2").toStdString());  // folder order first
  touch(b + "/TimGM6mb.sf2");
  EXPECT_EQ(FindSoundFontIn(folders), (b + "/TimGM6mb.sf2").toStdString());
  touch(a + "/FluidR3_GM.sf2", true);  // an empty file is no SoundFont
  EXPECT_EQ(FindSoundFontIn(folders), (b + "/TimGM6mb.sf2").toStdString());
  touch(b + "/default-GM.sf2");
  EXPECT_EQ(FindSoundFontIn(folders), (b + "/default-GM.sf2").toStdString());
}

TEST(SoundFonts, TheEnvironmentNamesAFontFirstAndTheStandardFoldersAreSearched) {
  QTemporaryDir tmp;
  const QString path = tmp.filePath("mine.sf2");
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("RIFF");
  f.close();
  setenv("CANTARO_SOUNDFONT", path.toLocal8Bit().constData(), 1);
  EXPECT_EQ(FindGeneralMidiSoundFont(), path.toStdString());
  setenv("CANTARO_SOUNDFONT", "/nonexistent.sf2", 1);
  const std::string found = FindGeneralMidiSoundFont();
  unsetenv("CANTARO_SOUNDFONT");
  EXPECT_NE(found, "/nonexistent.sf2");
  const auto folders = SoundFontFolders();
  EXPECT_NE(std::find(folders.begin(), folders.end(), "/usr/share/sounds/sf2"), folders.end());
}

TEST(QtPosting, WorkPostedFromAnotherThreadRunsOnTheGuiThreadInTheEventLoop) {
  TestApp();
  TQtMainThreadPoster poster;
  std::vector<std::string> reports;
  poster.SetErrorReport([&](const std::string& text) { reports.push_back(text); });
  QThread* gui = QThread::currentThread();
  QThread* ranOn = nullptr;
  int runs = 0;
  std::thread worker([&] {
    poster.Post([&] {
      ranOn = QThread::currentThread();
      ++runs;
    });
    poster.Post([] { throw EmidioutputError("boom"); });
  });
  worker.join();
  EXPECT_EQ(runs, 0);
  QCoreApplication::processEvents();
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(ranOn, gui);
  EXPECT_EQ(reports, std::vector<std::string>{"boom"});
}

TEST(QtPosting, CompletionsFromAServiceThreadReachTheComponentOnce) {
  TestApp();
  auto recorder = std::make_shared<TMidiOutRecorder>();
  recorder->SetCompletion(TMidiOutRecorder::Completion::Thread);
  auto poster = std::make_shared<TQtMainThreadPoster>();
  auto out = std::make_unique<TMidiOutput>(recorder, poster);
  int fired = 0;
  out->Onmidioutput = [&](TMidiOutput*) { ++fired; };
  ASSERT_TRUE(out->Open());
  const uint8_t block[] = {0xF0, 0x41, 0x10, 0xF7};
  for (int i = 0; i < 5; ++i) out->SendLong(block, sizeof block);
  out->Close();  // the recorder's threads are done once it returns
  QCoreApplication::processEvents();
  EXPECT_EQ(fired, 5);
  EXPECT_EQ(out->LongMessagesInFlight(), 0);

  // Notices still queued when the component goes are dropped.
  ASSERT_TRUE(out->Open());
  out->SendLong(block, sizeof block);
  out->Close();
  out.reset();
  QCoreApplication::processEvents();
  EXPECT_EQ(fired, 5);
}
