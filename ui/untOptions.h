#pragma once
// The options dialog "Настройки программы": four pages of controls over the settings
// variables. OK stores them and applies them; "Применить" does the same and shows the dialog
// again as the user left it; Cancel (Esc, the close box) leaves the settings alone. Settings
// stored by an earlier "Применить" stay in force when the dialog is finally cancelled.

#include <QDialog>
#include <string>
#include <vector>

#include "settings/untVars.h"
#include "ui/untApplySettings.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QToolButton;
class TColorBox;

// Everything the dialog edits, as plain values.
struct TOptionsValues {
  std::string PathTabulist;
  bool FormOpened = false;
  bool ShowHints = true;
  int NoteSet = 0;
  int MidiOutNo = 0;          // -1: none selected
  std::string MidiOutName;    // empty when none selected
  bool MidiOutNoTranspose = true;
  int OctaveCnt = 4;          // 2..6
  bool PlayKeys = true;
  bool CommExport = true;
  bool Keysense = true;
  bool KeysenseContinuity = false;
  bool LearnedChords = false;  // the learned chord model chooses the chords, not the table
  // The standing answer to the key question of Keysense; the dialog can only clear it.
  TRememberedAnswer KeysenseKeyAnswer = TRememberedAnswer::None;
  TColor WhiteKey = 0, BlackKey = 0, Border = 0, SelectedKey = 0, MarkedKey = 0;
  int TimerResol = 10;        // 5..50
  std::string MidiInName;     // empty: no MIDI input
  bool MidiThru = false;
  friend bool operator==(const TOptionsValues&, const TOptionsValues&) = default;
};

constexpr int OctaveCntMin = 2, OctaveCntMax = 6;
constexpr int TimerResolMin = 5, TimerResolMax = 50, TimerResolStep = 5;

// The values of the settings the dialog shows.
TOptionsValues ReadOptions(const TSettings& settings);
// Writes the values into the settings, setting NoteSetChanged when the note naming differs
// from the one in force. Octaves and timer interval are kept within the dialog's ranges. Does
// not apply the settings to the window.
void WriteOptions(TSettings& settings, const TOptionsValues& values);

// The devices the page "Звуки и MIDI" offers.
struct TOptionsDevices {
  std::vector<std::string> Outputs;        // names; the position is the device number
  std::vector<std::string> OutputSystems;  // the system of each output; may be shorter
  std::vector<std::string> Inputs;         // the MIDI input devices' names
  std::vector<std::string> InputSystems;
};

// The page "Звуки и MIDI" (the output device), by its index among the dialog's pages.
constexpr int OptionsPageMidi = 2;

// Dialog results besides QDialog::Accepted (OK) and QDialog::Rejected (cancel).
constexpr int OptionsApplyResult = 4;

class TfrmOptions : public QDialog {
  Q_OBJECT

 public:
  // `devices`: the output devices' names, the position being the device number.
  TfrmOptions(const std::vector<std::string>& devices, QWidget* parent = nullptr);
  TfrmOptions(TOptionsDevices devices, QWidget* parent = nullptr);

  void LoadControls(const TOptionsValues& values);
  TOptionsValues ControlValues() const;

  // The pages, in order: tsView, tsChords, tsMidi, tsExport.
  QTabWidget* Opts = nullptr;
  QWidget *tsView = nullptr, *tsChords = nullptr, *tsMidi = nullptr, *tsExport = nullptr;
  QCheckBox* cbFormOpened = nullptr;
  QCheckBox* cbShowHints = nullptr;
  QGroupBox* gbPianoView = nullptr;
  TColorBox *cbWhiteKey = nullptr, *cbBlackKey = nullptr, *cbBorder = nullptr,
            *cbSelectedKey = nullptr, *cbMarkedKey = nullptr;
  QSpinBox* udOctaveCnt = nullptr;
  QGroupBox* rgNoteSet = nullptr;
  QRadioButton* rbNoteSet[3] = {};
  QGroupBox* gbKeysense = nullptr;
  QCheckBox* cbKeysense = nullptr;
  QLabel* stKeysenseInfo = nullptr;
  // Only in effect with Keysense: enabled while cbKeysense is checked.
  QCheckBox* cbKeysenseContinuity = nullptr;
  QLabel* stKeysenseContinuityInfo = nullptr;
  // The answer given with "Do not ask again" to whether the key is to be detected for Keysense,
  // and the button that has the question asked again (enabled while an answer stands).
  QLabel* stKeysenseAnswer = nullptr;
  QPushButton* btnKeysenseAskAgain = nullptr;
  // How the chords are chosen: the Keysense table (with the switches above) or the learned
  // model, with which the switches are disabled and the note says why.
  QGroupBox* rgChordRecognition = nullptr;
  QRadioButton* rbChordTable = nullptr;
  QRadioButton* rbChordLearned = nullptr;
  QLabel* stChordLearnedNote = nullptr;
  QComboBox* cbMidiOut = nullptr;
  QCheckBox* cbMidiOutNoTranspose = nullptr;
  // The MIDI keyboard: "(нет)" first, then the input devices; an item's data is the name
  // stored.
  QComboBox* cbMidiIn = nullptr;
  QCheckBox* cbMidiThru = nullptr;
  QCheckBox* cbPlayKeys = nullptr;
  QSpinBox* udTimerResol = nullptr;
  QLineEdit* edtPathTabulist = nullptr;
  QToolButton* sbTabulist = nullptr;
  QLabel* stInfo = nullptr;
  QCheckBox* cbCommExport = nullptr;
  QPushButton *OK = nullptr, *Cancel = nullptr, *Apply = nullptr;

  // The Keysense switches follow the choice of chord recognition and of Keysense itself.
  void UpdateChordSwitches();
  // The browse button: picks the editor's program file and puts its folder into the text box.
  void sbTabulistClick();
  // The folder, ending in "/", of a file the user picked; the start folder of the file dialog
  // for the text typed (ProgramFolder when empty).
  static std::string TabulistFolderOf(const std::string& pickedFile);
  static std::string TabulistStartFolder(const std::string& typed);

 private:
  void ShowKeysenseAnswer(TRememberedAnswer answer);
  TOptionsDevices devices_;
  TRememberedAnswer keysenseKeyAnswer_ = TRememberedAnswer::None;
};

// The command "Настройки...": lists the output devices, shows the dialog on the page that was
// active last time (OptionsPage) until it is confirmed or cancelled, storing the values into
// `settings` and applying them on OK and on every "Применить". Returns the last result.
int ShowOptions(QWidget* parent, TSettings& settings, TApplySettingsTarget& target, Prompter& prompter);
