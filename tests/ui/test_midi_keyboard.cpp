// A MIDI keyboard played into the window: its keys light the piano, the held chord becomes
// the marked keys and its variants while "Автопоиск" is down, MIDI thru passes it to the
// output, and a keyboard that goes away is told in the status bar. The song never changes.
#include <QCoreApplication>
#include <QListView>
#include <QPushButton>

#include <memory>

#include "platform/JackMidiIn.h"
#include "platform/JackMidiOut.h"
#include "platform/MidiInputLink.h"
#include "platform/MidiInQueue.h"
#include "tests/platform/JackServer.h"
#include "tests/ui/MainWindowFixture.h"

namespace {

// Input devices whose ports the test fills by hand.
class TestInputs : public TMidiInService {
 public:
  explicit TestInputs(std::vector<std::string> names) : names_(std::move(names)) {}
  std::vector<TMidiInDevice> Devices() override {
    std::vector<TMidiInDevice> list;
    for (uint32_t i = 0; i < names_.size(); ++i) list.push_back({i, names_[i], "TEST"});
    return list;
  }
  TMidiOutResult<std::shared_ptr<TMidiInPort>> Open(uint32_t id) override {
    if (id >= names_.size()) return TMidiOutError{TMidiOutErrc::BadDevice};
    if (refuse) return TMidiOutError{TMidiOutErrc::Allocated, names_[id]};
    port = std::make_shared<TMidiInQueue>(names_[id]);
    ++opened;
    return std::shared_ptr<TMidiInPort>(port);
  }
  void Play(uint8_t status, uint8_t d1, uint8_t d2) {
    TMidiInMessage m;
    m.Bytes[0] = status;
    m.Bytes[1] = d1;
    m.Bytes[2] = d2;
    m.Size = 3;
    port->Push(m);
    port->Notify();
  }

  std::shared_ptr<TMidiInQueue> port;
  int opened = 0;
  bool refuse = false;
  std::vector<std::string> names_;
};

class MidiKeyboardTest : public MainWindowTest {
 protected:
  MidiKeyboardTest() {
    inputs = std::make_shared<TestInputs>(std::vector<std::string>{"keys:out", "pads:out"});
    midiIn = inputs;
  }
  // Lets the window read what was played.
  void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  }
  QString FirstVariant() { return w().grdVariants->model()->index(0, 1).data().toString(); }

  std::shared_ptr<TestInputs> inputs;
};

}  // namespace

TEST_F(MidiKeyboardTest, TheHeldChordIsNamedWhileHeldAndStaysAfterRelease) {
  S().MidiInName = "keys:out";
  Open({uitest::Example("korobeiniki.kar")});
  ASSERT_EQ(inputs->opened, 1);
  ASSERT_TRUE(w().btnAutoSearchMarked->isChecked());
  const auto beats = w().grdSong->model()->rowCount();
  recorder->ClearMessages();
  for (uint8_t note : {60, 64, 67}) inputs->Play(0x90, note, 90);
  Settle();
  for (int note : {60, 64, 67}) EXPECT_TRUE(w().MidiPiano().IsSounding(note)) << note;
  EXPECT_EQ(FirstVariant(), "C");
  EXPECT_EQ(w().mmMarked->model()->rowCount(), 3);
  for (uint8_t note : {64, 67, 60}) inputs->Play(0x80, note, 0);
  Settle();
  EXPECT_FALSE(w().MidiPiano().IsSounding(60));
  EXPECT_EQ(FirstVariant(), "C");
  EXPECT_TRUE(w().MidiPiano().IsMarked(64));
  // The next press starts a new chord.
  for (uint8_t note : {57, 60, 64}) inputs->Play(0x90, note, 90);
  Settle();
  EXPECT_EQ(FirstVariant(), "Am");
  EXPECT_FALSE(w().MidiPiano().IsMarked(67));
  // Thru is off: nothing reached the output; the song's beats are as they were.
  EXPECT_TRUE(recorder->ShortWords().empty());
  EXPECT_EQ(w().grdSong->model()->rowCount(), beats);
}

TEST_F(MidiKeyboardTest, WithAutoSearchUpTheKeysOnlyLightAndThruSoundsThem) {
  S().MidiInName = "keys:out";
  S().MidiThru = true;
  Open();
  QTest::mouseClick(w().btnAutoSearchMarked, Qt::LeftButton);
  ASSERT_FALSE(w().btnAutoSearchMarked->isChecked());
  recorder->ClearMessages();
  inputs->Play(0x91, 62, 80);
  inputs->Play(0xB1, 64, 127);
  inputs->Play(0x81, 62, 0);
  Settle();
  EXPECT_FALSE(w().MidiPiano().IsMarked(62));
  EXPECT_EQ(w().mmMarked->model()->rowCount(), 0);
  EXPECT_TRUE(w().MidiPiano().IsSounding(62));  // the pedal holds it
  EXPECT_EQ(recorder->ShortWords(), (std::vector<uint32_t>{uitest::Word(0x91, 62, 80), uitest::Word(0xB1, 64, 127),
                                                           uitest::Word(0x81, 62, 0)}));
  inputs->Play(0xB1, 64, 0);
  Settle();
  EXPECT_FALSE(w().MidiPiano().IsSounding(62));
}

TEST_F(MidiKeyboardTest, TheOptionsChoiceOpensTheKeyboardAndProblemsNameTheDevice) {
  Open();
  EXPECT_EQ(inputs->opened, 0);  // none chosen: nothing opened
  S().MidiInName = "pads:out";
  w().ApplySettings();
  EXPECT_EQ(w().MidiIn().DeviceName(), "pads:out");
  w().ApplySettings();  // the same device stays open, held keys and all
  EXPECT_EQ(inputs->opened, 1);

  inputs->Play(0x90, 48, 100);
  Settle();
  ASSERT_TRUE(w().MidiPiano().IsSounding(48));
  inputs->port->MarkLost(TMidiOutErrc::DeviceGone);
  Settle();
  EXPECT_FALSE(w().MidiIn().IsOpen());
  EXPECT_FALSE(w().MidiPiano().IsSounding(48));
  EXPECT_NE(w().StatusText().toStdString().find("pads:out"), std::string::npos) << w().StatusText().toStdString();
  EXPECT_TRUE(prompter.Calls().empty());  // no message box for a keyboard

  S().MidiInName = "gone:out";
  w().ApplySettings();
  EXPECT_NE(w().StatusText().toStdString().find("gone:out"), std::string::npos);
  inputs->refuse = true;
  S().MidiInName = "keys:out";
  w().ApplySettings();
  EXPECT_FALSE(w().MidiIn().IsOpen());
  EXPECT_NE(w().StatusText().toStdString().find("keys:out"), std::string::npos);
}

TEST_F(MidiKeyboardTest, AKeyboardPluggedInAfterTheStartIsHeardAndSaidSo) {
  S().MidiInName = "late:out";
  Open();
  EXPECT_FALSE(w().MidiIn().IsOpen());
  inputs->names_.push_back("late:out");
  w().MidiIn().CheckPresent();  // what the link's timer does every second
  ASSERT_TRUE(w().MidiIn().IsOpen());
  EXPECT_EQ(w().StatusText().toStdString(), MesFormat(MesId::SMidiInFound, "late:out"));
  inputs->Play(0x90, 60, 90);
  Settle();
  EXPECT_TRUE(w().MidiPiano().IsSounding(60));
}

// The same through a real JACK server of the test's own: a keyboard client plays C4 E4 G4
// into the chosen input; the output is a JACK port whose receiving client belongs to the test.
TEST_F(MidiKeyboardTest, AKeyboardOnAJackServerNamesItsChordAndThruReachesTheOutputPort) {
  TestJackServer server;
  if (!server.Running()) {
    if (!JackdInstalled()) GTEST_SKIP() << server.Problem();
    FAIL() << server.Problem();
  }
  TestMidiPlayer keys(server.Name(), "keys");
  TestMidiReceiver synth(server.Name(), "synth");
  ASSERT_TRUE(keys.Ok() && synth.Ok());
  midiIn = std::make_shared<TJackMidiInService>("Cantaro in", server.Name());
  auto output = std::make_shared<TJackMidiOutService>("Cantaro", server.Name());
  ASSERT_TRUE(WaitFor([&] {
    for (const auto& d : output->Devices())
      if (d.Name == synth.PortName()) return true;
    return false;
  }));
  S().MidiInName = keys.PortName();
  S().MidiOutName = synth.PortName();
  S().MidiThru = true;
  OpenWithOutput(output);
  ASSERT_TRUE(w().MidiIn().IsOpen()) << w().StatusText().toStdString();
  ASSERT_TRUE(w().MidiOut().IsOpen());

  for (uint8_t note : {60, 64, 67}) keys.Play({0x90, note, 100});
  ASSERT_TRUE(WaitFor([&] {
    QCoreApplication::processEvents();
    return w().MidiPiano().IsSounding(67);
  }, std::chrono::seconds(20)));
  Settle();
  EXPECT_EQ(FirstVariant(), "C");
  for (uint8_t note : {60, 64, 67}) keys.Play({0x80, note, 0});
  ASSERT_TRUE(WaitFor([&] {
    QCoreApplication::processEvents();
    return !w().MidiPiano().IsSounding(60) && !w().MidiPiano().IsSounding(64) && !w().MidiPiano().IsSounding(67);
  }, std::chrono::seconds(20)));
  EXPECT_EQ(FirstVariant(), "C");
  // Thru: the six messages reached the synth, in order.
  ASSERT_TRUE(WaitFor([&] {
    QCoreApplication::processEvents();
    return synth.Count() >= 6;
  }, std::chrono::seconds(20)));
  std::vector<std::vector<uint8_t>> notes;
  for (const auto& m : synth.Messages())
    if (!m.empty() && (m[0] & 0xE0) == 0x80) notes.push_back(m);
  EXPECT_EQ(notes, (std::vector<std::vector<uint8_t>>{{0x90, 60, 100}, {0x90, 64, 100}, {0x90, 67, 100},
                                                      {0x80, 60, 0}, {0x80, 64, 0}, {0x80, 67, 0}}));
}
