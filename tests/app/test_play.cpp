// cantaro --play as a user runs it, into a JACK MIDI port of the test's own server and client.
// Order, counts and pitches are checked, never times.
#include <gtest/gtest.h>

#include <QProcess>
#include <csignal>
#include <sys/types.h>
#include <QProcessEnvironment>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/PlayCommand.h"
#include "base/untMesConst.h"
#include "midi/MidiConstants.h"
#include "midi/MidiFile.h"
#include "platform/SystemMidiOut.h"
#include "tests/midi/MidiBytes.h"
#include "tests/platform/JackServer.h"

namespace {

const std::string kExamples = std::string(CANTARO_SOURCE_DIR) + "/examples/";
const std::string kCantaro = std::string(CANTARO_BINARY_DIR) + "/bin/cantaro";

using Note = std::vector<uint8_t>;  // the three bytes of a note-on or note-off

// The notes of each channel, in the order the song plays them, shifted by transpose (drums
// stay where they are).
std::map<int, std::vector<Note>> SongNotes(const std::string& path, int transpose) {
  TMidiFile file;
  file.SetFilename(path);
  file.LoadFile();
  std::map<int, std::vector<Note>> notes;
  for (int32_t t = 0; t < file.NumberOfTracks(); ++t) {
    for (const TMidiEventEx& e : file.TrackAt(t).Events()) {
      const uint8_t kind = MidiKind(e.Status);
      if (!IsMidiChannelMessage(e.Status) || (kind != MidiStatus::NoteOn && kind != MidiStatus::NoteOff)) continue;
      const int shift = MidiChannel(e.Status) == MidiPercussionChannel ? 0 : transpose;
      notes[MidiChannel(e.Status)].push_back({e.Status, static_cast<uint8_t>(e.Data1 + shift), e.Data2});
    }
  }
  return notes;
}

std::map<int, std::vector<Note>> ReceivedNotes(const std::vector<std::vector<uint8_t>>& messages) {
  std::map<int, std::vector<Note>> notes;
  for (const auto& m : messages) {
    if (m.size() != 3) continue;
    const uint8_t kind = MidiKind(m[0]);
    if (kind == MidiStatus::NoteOn || kind == MidiStatus::NoteOff) notes[MidiChannel(m[0])].push_back(m);
  }
  return notes;
}

class PlayTest : public testing::Test {
 protected:
  void SetUp() override {
    server_ = std::make_unique<TestJackServer>();
    if (!server_->Running()) {
      if (!JackdInstalled()) GTEST_SKIP() << server_->Problem();
      FAIL() << server_->Problem();
    }
  }
  void TearDown() override { server_.reset(); }

  // Starts cantaro with the test's server as the default one.
  void Start(QProcess& process, const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("JACK_DEFAULT_SERVER", QString::fromStdString(server_->Name()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    // The messages compared below are the built-in Russian ones.
    env.remove("LC_MESSAGES");
    env.remove("LANG");
    env.insert("LC_ALL", "ru_RU.UTF-8");
    process.setProcessEnvironment(env);
    process.start(QString::fromStdString(kCantaro), args);
    ASSERT_TRUE(process.waitForStarted());
  }
  std::unique_ptr<TestJackServer> server_;
};

}  // namespace

TEST_F(PlayTest, EveryNoteOfTheSongArrivesInOrderTransposedWhenAsked) {
  TestMidiReceiver keys(server_->Name(), "keys");
  ASSERT_TRUE(keys.Ok());
  const std::string song = kExamples + "korobeiniki.kar";
  QProcess play;
  Start(play, {"--play", QString::fromStdString(song), "--device", "KEYS:in", "--transpose", "2", "--speed", "*3"});
  ASSERT_TRUE(play.waitForFinished(180000));
  const std::string err = play.readAllStandardError().toStdString();
  EXPECT_EQ(play.exitCode(), 0) << err;
  EXPECT_EQ(err, "");

  const auto expected = SongNotes(song, 2);
  const auto received = ReceivedNotes(keys.Messages());
  ASSERT_EQ(received.size(), expected.size());
  for (const auto& [channel, notes] : expected) {
    ASSERT_TRUE(received.count(channel)) << channel;
    const auto& got = received.at(channel);
    EXPECT_EQ(got.size(), notes.size()) << "channel " << channel;
    const size_t n = std::min(got.size(), notes.size());
    size_t first = 0;
    while (first < n && got[first] == notes[first]) ++first;
    EXPECT_EQ(first, n) << "channel " << channel << ": the first difference is note message " << first;
  }
  // Stopping silences every channel.
  int allSoundOff = 0;
  for (const auto& m : keys.Messages()) allSoundOff += m.size() == 3 && MidiKind(m[0]) == MidiStatus::ControlChange && m[1] == MidiController::AllSoundOff;
  EXPECT_EQ(allSoundOff, 16);
}

TEST_F(PlayTest, AReceiverThatQuitsMidSongIsReportedOnceAndPlaybackStops) {
  auto keys = std::make_unique<TestMidiReceiver>(server_->Name(), "keys");
  ASSERT_TRUE(keys->Ok());
  QProcess play;
  Start(play, {"--play", QString::fromStdString(kExamples + "korobeiniki.kar"), "--device", "keys"});
  ASSERT_TRUE(WaitFor([&] { return keys->Count() >= 10; }, std::chrono::seconds(60)));
  keys->Close();
  // The song has most of a minute left: finishing soon means it stopped.
  ASSERT_TRUE(play.waitForFinished(20000));
  const std::string err = play.readAllStandardError().toStdString();
  EXPECT_EQ(play.exitStatus(), QProcess::NormalExit) << "no crash";
  EXPECT_EQ(play.exitCode(), 1);
  const std::string gone = Mes(MesId::SMidiOutErrDeviceGone);
  ASSERT_NE(err.find(gone), std::string::npos) << err;
  EXPECT_EQ(err.find(gone, err.find(gone) + 1), std::string::npos) << "told once: " << err;
}

// Ctrl+C stops the song with its notes silenced and ends with 130, as the batch export does.
TEST_F(PlayTest, CtrlCStopsThePlayingAndExitsWith130) {
  TestMidiReceiver keys(server_->Name(), "keys");
  ASSERT_TRUE(keys.Ok());
  QProcess play;
  Start(play, {"--play", QString::fromStdString(kExamples + "korobeiniki.kar"), "--device", "keys"});
  ASSERT_TRUE(WaitFor([&] { return keys.Count() >= 10; }, std::chrono::seconds(60)));
  ASSERT_EQ(::kill(static_cast<pid_t>(play.processId()), SIGINT), 0);
  ASSERT_TRUE(play.waitForFinished(20000));
  EXPECT_EQ(play.exitStatus(), QProcess::NormalExit) << "the signal is handled, not fatal";
  EXPECT_EQ(play.exitCode(), 130) << play.readAllStandardError().toStdString();
  auto allSoundOff = [&keys] {
    int n = 0;
    for (const auto& m : keys.Messages())
      n += m.size() == 3 && MidiKind(m[0]) == MidiStatus::ControlChange && m[1] == MidiController::AllSoundOff;
    return n;
  };
  WaitFor([&] { return allSoundOff() >= 16; }, std::chrono::seconds(5));
  EXPECT_EQ(allSoundOff(), 16);
}

TEST_F(PlayTest, ADeviceThatCannotBeFoundOrOpenedEndsWithAClearMessage) {
  QProcess play;
  Start(play, {"--play", QString::fromStdString(kExamples + "korobeiniki.kar"), "--device", "no such port"});
  ASSERT_TRUE(play.waitForFinished(60000));
  EXPECT_EQ(play.exitCode(), 1);
  EXPECT_NE(play.readAllStandardError().toStdString().find(MesFormat(MesId::SCliNoDevice, "no such port")),
            std::string::npos);

  QProcess bad;
  Start(bad, {"--play", QString::fromStdString(kExamples + "korobeiniki.kar"), "--speed", "*4"});
  ASSERT_TRUE(bad.waitForFinished(60000));
  EXPECT_EQ(bad.exitCode(), 2);
}

TEST(PlayDevice, TheNamedDeviceElseTheWindowsWhileItIsInTheListElseTheFirst) {
  const std::vector<TMidiOutDeviceInfo> three = {{0, "Synth", "FluidSynth"}, {1, "keys:in", "JACK"},
                                                 {2, "Port 2", "ALSA"}};
  const struct {
    std::string device;
    int32_t defaultDevice;
    std::optional<uint32_t> chosen;
  } cases[] = {
      {"", 0, 0u},         {"", 2, 2u},          // the window's device
      {"", 3, 0u},         {"", 40, 0u},         // one past the list, or far beyond: gone
      {"", -1, 0u},                              // a stored number that never was one
      {"1", 2, 1u},        {"KEYS", 2, 1u},      // named, by number or by name
      {"3", 0, std::nullopt}, {"drums", 0, std::nullopt},  // named but not there
  };
  for (const auto& c : cases)
    EXPECT_EQ(ChoosePlayDevice(three, c.device, c.defaultDevice), c.chosen)
        << "device \"" << c.device << "\", window's device " << c.defaultDevice;
  EXPECT_EQ(ChoosePlayDevice({}, "", 0), std::nullopt) << "no device at all";
}

TEST(PlaySpeed, TheTempoListEntriesAndNothingElse) {
  struct Case {
    const char* text;
    int numerator, denominator;
  };
  for (Case c : {Case{"*3", 3, 1}, Case{"* 2", 2, 1}, Case{"*1.5", 3, 2}, Case{"1:1", 1, 1}, Case{"/ 1.5", 2, 3},
                 Case{"/2", 1, 2}, Case{"/3", 1, 3}}) {
    const auto ratio = ParseSpeedEntry(c.text);
    ASSERT_TRUE(ratio) << c.text;
    EXPECT_EQ(ratio->numerator, c.numerator) << c.text;
    EXPECT_EQ(ratio->denominator, c.denominator) << c.text;
  }
  for (const char* bad : {"*4", "2", "x", "/0"}) EXPECT_FALSE(ParseSpeedEntry(bad)) << bad;
}

TEST_F(PlayTest, WithoutADeviceNamedTheSongPlaysOnTheDeviceTheWindowUses) {
  // Two receivers: the window's choice is the second JACK port, never simply the first device.
  TestMidiReceiver first(server_->Name(), "first");
  TestMidiReceiver chosen(server_->Name(), "chosen");
  ASSERT_TRUE(first.Ok() && chosen.Ok());
  const std::string song = (std::filesystem::path(testing::TempDir()) /
                            ("cantaro-play-" + std::to_string(::getpid()) + ".mid")).string();
  {
    // Two quarter notes at 480 ticks per quarter.
    std::ofstream f(song, std::ios::binary);
    f << std::string(MidiBytes().Header(0, 1, 480).Track({0x00, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0,
                                                           0x00, 0x90, 64, 100, 0x83, 0x60, 0x80, 64, 0,
                                                           0x00, 0xFF, 0x2F, 0x00}));
  }
  std::vector<TMidiOutDeviceInfo> devices;
  ASSERT_TRUE(WaitFor([&] {
    devices = ListMidiOutDevices(CreateSystemMidiOutService(server_->Name()));
    return FindMidiOutDevice(devices, "chosen:in").has_value();
  }));
  TPlayOptions options;
  options.file = song;
  options.jackServer = server_->Name();
  options.defaultDevice = static_cast<int32_t>(*FindMidiOutDevice(devices, "chosen:in"));
  std::ostringstream out, err;
  EXPECT_EQ(RunPlay(options, TSongOptions{}, out, err), 0) << err.str();
  ASSERT_TRUE(WaitFor([&] { return ReceivedNotes(chosen.Messages())[0].size() >= 4; }));
  EXPECT_EQ(ReceivedNotes(chosen.Messages())[0],
            (std::vector<Note>{{0x90, 60, 100}, {0x80, 60, 0}, {0x90, 64, 100}, {0x80, 64, 0}}));
  EXPECT_EQ(first.Count(), 0u);
  std::filesystem::remove(song);
}
