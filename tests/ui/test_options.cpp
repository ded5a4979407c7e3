// The options dialog: its controls over the settings, OK, "Применить" and Cancel, the page it
// opens on, and the device list.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "chords/untChords.h"
#include "settings/untVars.h"
#include "song/ScriptedPrompter.h"
#include "tests/ui/RecordingTarget.h"
#include "ui/ColorBox.h"
#include "ui/untColors.h"
#include "ui/untOptions.h"

namespace {

TOptionsValues Changed() {
  TOptionsValues v;
  v.PathTabulist = "/opt/tabulist/";
  v.FormOpened = true;
  v.ShowHints = false;
  v.NoteSet = 2;
  v.MidiOutNo = 1;
  v.MidiOutName = "Port B";
  v.MidiOutNoTranspose = false;
  v.OctaveCnt = 6;
  v.PlayKeys = false;
  v.CommExport = false;
  v.Keysense = false;
  v.KeysenseContinuity = true;
  v.LearnedChords = true;
  v.KeysenseKeyAnswer = TRememberedAnswer::No;
  v.WhiteKey = 0xFFFFFF;
  v.BlackKey = 0x000000;
  v.Border = static_cast<TColor>(0x8000000F);  // button face
  v.SelectedKey = 0x123456;                      // not in the list
  v.MarkedKey = clDefault;
  v.TimerResol = 35;
  v.MidiInName = "keys:out";  // a keyboard that is not plugged in now
  v.MidiThru = true;
  return v;
}

TEST(OptionsValues, WrittenValuesAreReadBack) {
  TSettings s;
  WriteOptions(s, Changed());
  EXPECT_EQ(ReadOptions(s), Changed());
  EXPECT_EQ(s.NoteSet, NoteNotation::Italian);
  EXPECT_TRUE(s.NoteSetChanged);
}

TEST(OptionsValues, NumbersAreKeptWithinTheDialogsRanges) {
  TSettings s;
  TOptionsValues v = ReadOptions(s);
  v.OctaveCnt = 0;
  v.TimerResol = 500;
  WriteOptions(s, v);
  EXPECT_EQ(s.OctaveCnt, 2);
  EXPECT_EQ(s.TimerResol, 50);
}

TEST(OptionsValues, NoteSetChangedOnlyWhenTheNamingDiffers) {
  TSettings s;
  TOptionsValues v = ReadOptions(s);
  WriteOptions(s, v);
  EXPECT_FALSE(s.NoteSetChanged);
  v.NoteSet = 1;
  WriteOptions(s, v);
  EXPECT_TRUE(s.NoteSetChanged);
  EXPECT_EQ(s.NoteSet, NoteNotation::German);
  // No choice in the dialog keeps the naming and the flag as they are.
  v.NoteSet = -1;
  WriteOptions(s, v);
  EXPECT_TRUE(s.NoteSetChanged);
  EXPECT_EQ(s.NoteSet, NoteNotation::German);
}

TEST(OptionsValues, NoDeviceSelectedStoresNoName) {
  TSettings s;
  TOptionsValues v = ReadOptions(s);
  v.MidiOutNo = -1;
  v.MidiOutName = "stale";
  WriteOptions(s, v);
  EXPECT_EQ(s.MidiOutNo, -1);
  EXPECT_EQ(s.MidiOutName, "");
}

const std::vector<std::string> Devices = {"Synth A", "Port B", "Port C"};

TEST(OptionsDialog, ControlsShowAndReturnTheValues) {
  TSettings s;
  TfrmOptions dlg(Devices);
  dlg.LoadControls(Changed());
  EXPECT_TRUE(dlg.rbNoteSet[2]->isChecked());
  EXPECT_EQ(dlg.cbMidiOut->currentText(), "Port B");
  EXPECT_EQ(dlg.udTimerResol->value(), 35);
  EXPECT_EQ(dlg.ControlValues(), Changed());

  TOptionsValues initial = ReadOptions(s);
  initial.MidiOutName = "Synth A";  // position 0 is selected, and its name stored
  dlg.LoadControls(initial);
  EXPECT_EQ(dlg.ControlValues(), initial);
}

TEST(OptionsDialog, DevicesShowTheirSystemAndTheMidiKeyboardIsChosenByName) {
  TSettings s;
  TOptionsDevices devices;
  devices.Outputs = {"Synth A", "system:playback_1"};
  devices.OutputSystems = {"FluidSynth", "JACK"};
  devices.Inputs = {"system:capture_1", "Keystation"};
  devices.InputSystems = {"JACK", "ALSA"};
  TfrmOptions dlg(devices);
  EXPECT_EQ(dlg.cbMidiOut->itemText(1), "system:playback_1  [JACK]");
  ASSERT_EQ(dlg.cbMidiIn->count(), 3);
  EXPECT_EQ(dlg.cbMidiIn->itemText(0), "(нет)");
  EXPECT_EQ(dlg.cbMidiIn->itemText(2), "Keystation  [ALSA]");

  TOptionsValues v = ReadOptions(s);
  v.MidiOutNo = 1;
  v.MidiInName = "Keystation";
  dlg.LoadControls(v);
  EXPECT_EQ(dlg.cbMidiIn->currentIndex(), 2);
  // The names are stored, never the captions.
  EXPECT_EQ(dlg.ControlValues().MidiOutName, "system:playback_1");
  EXPECT_EQ(dlg.ControlValues().MidiInName, "Keystation");
  dlg.cbMidiIn->setCurrentIndex(0);
  EXPECT_EQ(dlg.ControlValues().MidiInName, "");
  dlg.cbMidiIn->setCurrentIndex(1);
  dlg.cbMidiThru->setChecked(true);
  TOptionsValues back = dlg.ControlValues();
  EXPECT_EQ(back.MidiInName, "system:capture_1");
  EXPECT_TRUE(back.MidiThru);
  // Stored by OK and read back.
  WriteOptions(s, back);
  EXPECT_EQ(s.MidiInName, "system:capture_1");
  EXPECT_TRUE(s.MidiThru);
  EXPECT_EQ(ReadOptions(s).MidiInName, "system:capture_1");
}

TEST(OptionsDialog, ANumberStillBeingTypedCounts) {
  TSettings s;
  TfrmOptions dlg(Devices);
  dlg.LoadControls(ReadOptions(s));
  dlg.udTimerResol->selectAll();
  QTest::keyClicks(dlg.udTimerResol, "45");
  dlg.udOctaveCnt->selectAll();
  QTest::keyClicks(dlg.udOctaveCnt, "9");  // not taken: the box offers 2..6
  TOptionsValues v = dlg.ControlValues();
  EXPECT_EQ(v.TimerResol, 45);
  EXPECT_EQ(v.OctaveCnt, 4);
}

TEST(OptionsDialog, ADevicePositionBeyondTheListSelectsNothing) {
  TSettings s;
  TfrmOptions dlg(Devices);
  TOptionsValues v = ReadOptions(s);
  v.MidiOutNo = 5;
  dlg.LoadControls(v);
  EXPECT_EQ(dlg.cbMidiOut->currentIndex(), -1);
  TOptionsValues back = dlg.ControlValues();
  EXPECT_EQ(back.MidiOutNo, -1);
  EXPECT_EQ(back.MidiOutName, "");
}

TEST(OptionsDialog, HasTheDesignedTexts) {
  TfrmOptions dlg(Devices);
  EXPECT_EQ(dlg.windowTitle(), "Настройки программы");
  ASSERT_EQ(dlg.Opts->count(), 4);
  EXPECT_EQ(dlg.Opts->tabText(0), "Вид");
  EXPECT_EQ(dlg.Opts->tabText(1), "Аккорды");
  EXPECT_EQ(dlg.Opts->tabText(2), "Звуки и MIDI");
  EXPECT_EQ(dlg.Opts->tabText(3), "Экспорт");
  EXPECT_EQ(dlg.OK->text(), "Готово");
  EXPECT_EQ(dlg.Cancel->text(), "Отмена");
  EXPECT_EQ(dlg.Apply->text(), "Применить");
  EXPECT_EQ(dlg.rbNoteSet[1]->text(), "\"Немецкая\" нотация (C-D-E-F-G-A-H)");
  // Hints keep their line breaks.
  EXPECT_EQ(dlg.cbShowHints->toolTip(), "Если эту установку снять,\nбольше Вы этой подсказки не увидите :)");
  EXPECT_EQ(dlg.udOctaveCnt->minimum(), 2);
  EXPECT_EQ(dlg.udOctaveCnt->maximum(), 6);
  EXPECT_EQ(dlg.udTimerResol->minimum(), 5);
  EXPECT_EQ(dlg.udTimerResol->maximum(), 50);
  EXPECT_EQ(dlg.udTimerResol->singleStep(), 5);
  EXPECT_GE(dlg.width(), 417);
  EXPECT_GE(dlg.height(), 308);
}

TEST(OptionsDialog, ContinuityIsAChordsPageChoiceThatNeedsKeysense) {
  TSettings s;
  TfrmOptions dlg(Devices);
  ASSERT_NE(dlg.cbKeysenseContinuity, nullptr);
  EXPECT_TRUE(dlg.tsChords->isAncestorOf(dlg.cbKeysenseContinuity));
  EXPECT_TRUE(dlg.tsChords->isAncestorOf(dlg.stKeysenseContinuityInfo));
  EXPECT_EQ(dlg.cbKeysenseContinuity->text(), "Связные аккорды: выбирать аккорды всей композиции сразу");
  EXPECT_EQ(dlg.cbKeysenseContinuity->toolTip(),
            "Аккорд бита выбирается вместе с соседними битами:\nпроходящая нота мелодии не меняет аккорд.\n"
            "Действует вместе с технологией Keysense.");
  EXPECT_FALSE(dlg.stKeysenseContinuityInfo->text().contains('\n'));
  // Off by default; enabled only while s.Keysense is checked, and kept when s.Keysense goes off.
  TOptionsValues v = ReadOptions(s);
  EXPECT_FALSE(v.KeysenseContinuity);
  v.KeysenseContinuity = true;
  dlg.LoadControls(v);
  EXPECT_TRUE(dlg.cbKeysenseContinuity->isEnabled());
  dlg.cbKeysense->setChecked(false);
  EXPECT_FALSE(dlg.cbKeysenseContinuity->isEnabled());
  EXPECT_TRUE(dlg.ControlValues().KeysenseContinuity);
  dlg.cbKeysense->setChecked(true);
  EXPECT_TRUE(dlg.cbKeysenseContinuity->isEnabled());
  v.Keysense = false;
  dlg.LoadControls(v);
  EXPECT_FALSE(dlg.cbKeysenseContinuity->isEnabled());
  WriteOptions(s, dlg.ControlValues());
  EXPECT_TRUE(s.KeysenseContinuity);
}

TEST(OptionsDialog, TheLearnedModelDisablesTheKeysenseSwitchesAndSaysWhy) {
  TfrmOptions dlg(Devices);
  EXPECT_TRUE(dlg.tsChords->isAncestorOf(dlg.rbChordLearned));
  EXPECT_EQ(dlg.rgChordRecognition->title(), "Распознавание аккордов");
  EXPECT_EQ(dlg.rbChordTable->text(), "Таблица Keysense");
  EXPECT_EQ(dlg.rbChordLearned->text(), "Обученная модель");
  TSettings s;
  TOptionsValues v = ReadOptions(s);
  EXPECT_FALSE(v.LearnedChords) << "the table is the default";
  v.Keysense = true;
  dlg.LoadControls(v);
  EXPECT_TRUE(dlg.rbChordTable->isChecked());
  EXPECT_TRUE(dlg.cbKeysense->isEnabled());
  EXPECT_FALSE(dlg.stChordLearnedNote->isEnabled());
  // The switches keep their state while the model chooses, for a return to the table.
  dlg.rbChordLearned->setChecked(true);
  EXPECT_FALSE(dlg.cbKeysense->isEnabled());
  EXPECT_FALSE(dlg.cbKeysenseContinuity->isEnabled());
  EXPECT_TRUE(dlg.stChordLearnedNote->isEnabled());
  EXPECT_TRUE(dlg.ControlValues().LearnedChords);
  EXPECT_TRUE(dlg.ControlValues().Keysense);
  dlg.rbChordTable->setChecked(true);
  EXPECT_TRUE(dlg.cbKeysense->isEnabled());
  EXPECT_TRUE(dlg.cbKeysenseContinuity->isEnabled());
  v.LearnedChords = true;
  dlg.LoadControls(v);
  EXPECT_FALSE(dlg.cbKeysense->isEnabled());
  WriteOptions(s, dlg.ControlValues());
  EXPECT_TRUE(s.LearnedChords);
}

TEST(OptionsDialog, TheChordsPageShowsAStandingAnswerAndAsksAgainOnRequest) {
  TfrmOptions dlg(Devices);
  EXPECT_TRUE(dlg.tsChords->isAncestorOf(dlg.btnKeysenseAskAgain));
  const std::pair<TRememberedAnswer, const char*> shown[] = {
      {TRememberedAnswer::None, "спрашивать"}, {TRememberedAnswer::Yes, "всегда определять"},
      {TRememberedAnswer::No, "не определять"}};
  TSettings s;
  for (const auto& [answer, text] : shown) {
    TOptionsValues v = ReadOptions(s);
    v.KeysenseKeyAnswer = answer;
    dlg.LoadControls(v);
    EXPECT_EQ(dlg.stKeysenseAnswer->text().toStdString(),
              std::string("Ответ на вопрос об определении тональности для Keysense: ") + text);
    EXPECT_EQ(dlg.btnKeysenseAskAgain->isEnabled(), answer != TRememberedAnswer::None);
    EXPECT_EQ(dlg.ControlValues().KeysenseKeyAnswer, answer);
  }
  // The button clears the answer; OK stores that.
  s.KeysenseKeyAnswer = TRememberedAnswer::No;
  dlg.LoadControls(ReadOptions(s));
  dlg.btnKeysenseAskAgain->click();
  EXPECT_FALSE(dlg.btnKeysenseAskAgain->isEnabled());
  WriteOptions(s, dlg.ControlValues());
  EXPECT_EQ(s.KeysenseKeyAnswer, TRememberedAnswer::None);
}

TEST(OptionsDialog, TheBrowseButtonTakesTheFolderOfThePickedFile) {
  EXPECT_EQ(TfrmOptions::TabulistFolderOf("/opt/tab/tabulist"), "/opt/tab/");
  const std::string saved = ProgramFolder;
  SetProgramFolder("/usr/lib/cantaro");
  EXPECT_EQ(TfrmOptions::TabulistStartFolder(""), "/usr/lib/cantaro/");
  EXPECT_EQ(TfrmOptions::TabulistStartFolder("/home/me/"), "/home/me/");
  SetProgramFolder(saved);
}

TEST(ColorBox, ListedColoursAreSelectedAndOthersGoIntoTheCustomEntry) {
  TSettings s;
  TColorBox box;
  box.SetSelected(0x0000FF);
  EXPECT_EQ(box.currentText(), "Красный");
  EXPECT_EQ(box.Selected(), 0x0000FF);
  box.SetSelected(static_cast<TColor>(0x80000005));
  EXPECT_EQ(box.currentText(), "Окно");
  box.SetSelected(0x123456);
  EXPECT_EQ(box.currentText(), "Другой...");
  EXPECT_EQ(box.Selected(), 0x123456);
  EXPECT_EQ(box.count(), static_cast<int>(ColorBoxEntries().size()) + 1);
  // The settings' initial piano colours: cream, navy, blue and fuchsia are listed.
  for (TColor c : {s.WhiteKey, s.BlackKey, s.Border, s.MarkedKey}) EXPECT_GE(ColorBoxIndexOf(c), 0) << c;
  EXPECT_EQ(ColorBoxIndexOf(s.SelectedKey), -1);
  EXPECT_EQ(ColorToQColor(0x00FF8040), QColor(0x40, 0x80, 0xFF));
}

// Runs the steps one after another, each on the next modal options dialog shown.
class DialogScript : public QObject {
 public:
  explicit DialogScript(std::deque<std::function<void(TfrmOptions&)>> steps) : steps_(std::move(steps)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
  }
  bool Done() const { return steps_.empty(); }

 private:
  void Poll() {
    auto* dlg = qobject_cast<TfrmOptions*>(QApplication::activeModalWidget());
    if (!dlg || !dlg->isVisible() || dlg == last_ || steps_.empty()) return;
    last_ = dlg;
    auto step = std::move(steps_.front());
    steps_.pop_front();
    step(*dlg);
    // The same dialog is shown again after "Применить": allow it once it closed.
    QTimer::singleShot(0, this, [this] { last_ = nullptr; });
  }
  std::deque<std::function<void(TfrmOptions&)>> steps_;
  QTimer timer_;
  TfrmOptions* last_ = nullptr;
};

TEST(ShowOptions, OkStoresAndAppliesCancelDoesNot) {
  RecordingTarget target;
  ScriptedPrompter prompter;
  DialogScript script({[](TfrmOptions& d) {
                         d.udOctaveCnt->setValue(5);
                         d.cbKeysense->setChecked(false);
                         d.Cancel->click();
                       },
                       [](TfrmOptions& d) {
                         EXPECT_EQ(d.udOctaveCnt->value(), 4);  // the cancelled change is gone
                         d.udOctaveCnt->setValue(5);
                         d.cbMidiOut->setCurrentIndex(2);
                         d.OK->click();
                       }});
  EXPECT_EQ(ShowOptions(nullptr, target.settings, target, prompter), QDialog::Rejected);
  EXPECT_EQ(target.settings.OctaveCnt, 4);
  EXPECT_TRUE(target.settings.Keysense);
  // Listing the devices closed and reopened the output; nothing was applied.
  EXPECT_EQ(target.calls, (std::vector<std::string>{"close", "open Synth A"}));

  target.calls.clear();
  EXPECT_EQ(ShowOptions(nullptr, target.settings, target, prompter), QDialog::Accepted);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(target.settings.OctaveCnt, 5);
  EXPECT_EQ(target.settings.MidiOutNo, 2);
  EXPECT_EQ(target.settings.MidiOutName, "Port C");
  EXPECT_EQ(target.calls.back(), "timer 10");
  EXPECT_NE(std::find(target.calls.begin(), target.calls.end(), "octaves 5"), target.calls.end());
  EXPECT_EQ(target.out.DeviceID(), 2u);
}

TEST(ShowOptions, ApplyTwiceThenCancelKeepsBothApplications) {
  RecordingTarget target;
  ScriptedPrompter prompter;
  DialogScript script({[](TfrmOptions& d) {
                         d.Opts->setCurrentIndex(2);
                         d.udOctaveCnt->setValue(5);
                         d.Apply->click();
                       },
                       [](TfrmOptions& d) {
                         // Shown again as the user left it.
                         EXPECT_EQ(d.Opts->currentIndex(), 2);
                         EXPECT_EQ(d.udOctaveCnt->value(), 5);
                         d.udOctaveCnt->setValue(3);
                         d.Apply->click();
                       },
                       [](TfrmOptions& d) {
                         d.udOctaveCnt->setValue(6);
                         QTest::keyClick(&d, Qt::Key_Escape);
                       },
                       [](TfrmOptions& d) {
                         EXPECT_EQ(d.Opts->currentIndex(), 2);  // the page of the last closing
                         EXPECT_EQ(d.udOctaveCnt->value(), 3);  // the last applied state
                         d.Cancel->click();
                       }});
  EXPECT_EQ(ShowOptions(nullptr, target.settings, target, prompter), QDialog::Rejected);
  EXPECT_EQ(target.settings.OctaveCnt, 3);
  EXPECT_EQ(target.settings.OptionsPage, 2);
  int applied = static_cast<int>(std::count(target.calls.begin(), target.calls.end(), "key list"));
  EXPECT_EQ(applied, 2);
  ShowOptions(nullptr, target.settings, target, prompter);
  EXPECT_TRUE(script.Done());
}

}  // namespace
