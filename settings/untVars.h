#pragma once
// The program's settings: one typed object whose members are named after their keys in the
// settings file, the folders the program works with, the settings file itself (read once when the main window
// is first shown, written once when it closes) and the list of recently opened files.
//
// The shipped files are found by the layout around the program (settings/DataFolders.h:
// installed "../share/cantaro/", then a build tree, then a portable copy with "INI/" beside the
// program). The settings folder is "INI" beside the program for a build or portable copy when
// that folder can be written. Otherwise it is the user's configuration folder
// ($XDG_CONFIG_HOME, else ~/.config, subfolder "cantaro"), created on the first save without the
// "Keysense" chord table, which is then read from the shipped file until the user writes a
// table of their own (settings/UserSettingsSeed.h).

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/Result.h"
#include "chords/untChords.h"
#include "base/RememberedAnswer.h"
#include "chords/untKeysense.h"

// Colours: 0x00BBGGRR, or with the top bit set a system colour by its index in the low byte.
using TColor = int32_t;

// ---------------------------------------------------------------------------------------
// Folders and fixed files. All folders end in "/".
//
// These are process-wide on purpose: they are found once at start from where the program file
// lies (tests point them at scratch folders before they make any settings), and every window,
// command and settings object of the process works with the same ones.

extern std::string ProgramFolder;   // folder of the running program file
extern std::string SettingsFolder;  // see above
extern std::string LogoFile;        // DataFolder() + "logocto.bmp"

// The folder of the shipped files (settings file, translations, logo), ending in "/".
const std::string& DataFolder();
// The manual (an HTML file; it may be missing in a copy that was not installed).
std::string ManualFile();
// Empty when the shipped settings file was found; otherwise the folder that should hold it, so
// the program can name it while it goes on with its built-in defaults.
const std::string& DataFolderProblem();

// Sets the program folder (a trailing "/" is added) and recomputes the settings folder and the
// logo file. At start-up the folder is that of /proc/self/exe. Tests point it at a scratch
// folder.
void SetProgramFolder(const std::string& folder);
// Sets the user's configuration folder in which "cantaro/" is used when there is no "INI" beside
// the program, and recomputes the settings folder. At start-up it is $XDG_CONFIG_HOME or
// $HOME/.config. Tests point it at a scratch folder, so no test touches the real one.
void SetConfigHome(const std::string& folder);
const std::string& ConfigHomeFolder();

// SettingsFolder + "cantaro.ini".
std::string SettingsFile();
// The settings file shipped with the program ("INI/cantaro.ini" in the data folder), which
// carries the chord table; empty when it is missing.
std::string ShippedSettingsFile();

// The example songs' folder, where the open dialog starts until the user opens a song.
std::string InitialLoadDir();

// ---------------------------------------------------------------------------------------
// The settings: one typed object whose member initialisers are the initial values (also the
// values used when the settings file or the key is missing). The settings file reads and
// writes it through one table of keys (untVars.cpp), so a new setting is a member here and a
// line there. The window and the command line each own one and hand the values the core uses
// down to it (export/OptionsOfSettings.h).

struct TSettings {
  std::string PathTabulist;         // folder of the chord-text editor; empty: ProgramFolder
  bool FormOpened = false;          // false: main window shows the event grid and lyrics panel
  bool ShowHints = true;            // tooltips
  int32_t MidiOutNo = 0;            // position in the Options dialog's device list
  std::string MidiOutName;          // not stored: product name of the chosen device
  bool MidiOutNoTranspose = true;   // transposition changes only the written notes
  int8_t OctaveCnt = 4;             // octaves on the piano keyboard, 2..6 when read
  bool PlayKeys = true;             // the computer keyboard plays notes
  bool CommExport = true;           // the MIDI file's comments go into the exported text
  bool Keysense = true;             // key-aware chord choice
  std::string LoadDir = InitialLoadDir();  // where the open dialog starts
  std::string ExportDir;            // the folder of the last export; empty: none yet
  TColor WhiteKey = 15793151;       // RGB 255,251,240
  TColor BlackKey = 8388608;        // RGB 0,0,128
  TColor Border = 16711680;         // RGB 0,0,255
  TColor SelectedKey = 16744576;    // RGB 128,128,255
  TColor MarkedKey = 16711935;      // RGB 255,0,255
  int32_t TimerResol = 10;          // interval of the playback timer in ms, 1..1000 when read
  // The Windows code page from which texts of a MIDI file that are not valid UTF-8 are
  // decoded (Windows-1251 is that of most Russian karaoke files). Stored as the number; a
  // file edited by hand may also say "windows-1251" or "cp1251".
  int32_t TextCodepage = 1251;
  // With Keysense active, the table's chords are chosen for the whole song at once: a beat
  // keeps its neighbours' chord unless another fits it clearly better (song/ChordContinuity.h).
  bool KeysenseContinuity = false;
  // The answer the user asked to stand ("Do not ask again") to the question whether to detect
  // the key for Keysense; None: asked. Stored as KeysenseKeyAnswer=yes or no (absent: asked).
  TRememberedAnswer KeysenseKeyAnswer = TRememberedAnswer::None;
  // The chords are chosen by the learned chord model (chords/ChordModel.h) instead of the
  // Keysense table; the Keysense switches then do not apply. Stored as ChordRecognition=table
  // or learned.
  bool LearnedChords = false;
  // The MIDI keyboard: the input device's name (empty: none), and whether what is played on
  // it also sounds through the output device.
  std::string MidiInName;
  bool MidiThru = false;
  // "NoteSet": the notation of every note, key and chord name the program shows and writes.
  NoteNotation NoteSet = NoteNotation::English;
  // Section "Keysense": the chords usual in the key of C for the key-aware choice.
  TKeysenseTable KeysenseTable;
  // Keys "MRU1".."MRU10": the recently opened files, full paths, most recent first, at most ten,
  // no two equal without regard to letter case.
  std::vector<std::string> MRUList;
  // Not stored: called after every change of MRUList (by AddToMRU), so the window rebuilds its
  // menu.
  std::function<void()> OnMRUChanged;
  bool NoteSetChanged = false;      // not stored: set by the Options dialog
  int32_t OptionsPage = 0;          // not stored: last page of the Options dialog
};

// ---------------------------------------------------------------------------------------
// The settings file

// The main window's place, which the window holds itself: the position and size of its
// client area (without the frame the window manager adds); a size of 0 means none saved.
struct TWindowPos {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
};

// Reads the settings file into `settings`; a missing file, key or unparsable value leaves the
// current value. Stores the window position into `window` (0, 0 without a file). Loads the
// Keysense table; a bad entry there raises EKeysenseError after the keys that follow it have
// still been read, so that the next save does not replace them with defaults.
void LoadSettings(TSettings& settings, TWindowPos& window);

// Success, or one text naming the file and the reason.
using TSettingsSaveResult = TStatus;

// Writes every stored setting into the settings file, keeping everything else in it. The file is
// replaced atomically: when writing fails, the old file stays as it was and the result says why.
// An existing file that cannot be read is not replaced either (its other keys would be lost).
[[nodiscard]] TSettingsSaveResult SaveSettings(const TSettings& settings, const TWindowPos& window);

// ---------------------------------------------------------------------------------------
// Recently opened files

constexpr int MRUMaxCount = 10;
constexpr int32_t MRUFirstTag = 100;

// Puts the path at the head of the settings' MRUList (removing an entry equal to it without
// regard to letter case, and the oldest beyond ten). An empty path changes nothing. Both cases
// then call OnMRUChanged.
void AddToMRU(TSettings& settings, const std::string& path);

struct TMRUMenuItem {
  std::string Caption;  // the full path
  int32_t Tag;          // MRUFirstTag + position in the list
};
// The items of the recent-files submenu in list order; the submenu is shown when there are any.
std::vector<TMRUMenuItem> MRUMenuItems(const TSettings& settings);
// The entry a menu item with this tag stands for; nothing for a tag outside the list.
std::optional<std::string> MRUFileForTag(const TSettings& settings, int32_t tag);

// Two paths equal without regard to letter case (ASCII, Latin-1 and Cyrillic letters in UTF-8).
bool SameFileName(const std::string& a, const std::string& b);
