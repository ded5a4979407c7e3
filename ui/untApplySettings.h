#pragma once
// Putting the settings into effect: the main window's output device, layout, tooltips, piano
// and key list follow the window's settings. It runs after the settings file is read at
// start-up and after every confirmation of the options dialog.
//
// The window hands in its parts through TApplySettingsTarget, so the steps and their order are
// the same for the window and for the tests.

#include <string>
#include <vector>

#include "midi/MidiInService.h"
#include "midi/MidiOut.h"
#include "settings/untVars.h"
#include "song/Prompter.h"

class TApplySettingsTarget {
 public:
  virtual ~TApplySettingsTarget() = default;

  virtual TMidiOutput& MidiOut() = 0;
  // Hands the settings the song's analysis uses (the key-aware choice, its table, the notation)
  // to the session, so that the next search follows them.
  virtual void UseSongOptions() {}
  // Silences the output, releases the piano keys and closes the device.
  virtual void CloseOutput() = 0;
  // Opens the selected device; a failure gives the window's once-per-run warning.
  virtual void OpenOutput() = 0;
  // Expanded (event grid and lyrics shown) or compact layout.
  virtual void SetFormOpened(bool opened) = 0;
  virtual void SetShowHints(bool show) = 0;
  // The piano's number of octaves; the piano is repainted, so new colours show at once.
  virtual void SetPianoOctaves(int count) = 0;
  // Rebuilds the key list in the current note naming, keeping its selection, and the
  // current-key display (the session's FillKeyList).
  virtual void FillKeyList() = 0;
  // Chords have been searched for the loaded song (its beat list is not empty).
  virtual bool ChordsSearched() = 0;
  // Runs the chord search command.
  virtual void SearchSongChords() = 0;
  // The MIDI input devices, listed anew; and opening the one named MidiInName (closing the
  // open one when the name is empty or another). Without a MIDI input, nothing.
  virtual std::vector<TMidiInDevice> InputDevices() { return {}; }
  virtual void OpenInput() {}
  // The playback timer's interval in milliseconds.
  virtual void SetTimerResol(int32_t /*ms*/) {}
};

// The steps, in this order: the song's options from the settings; close the output; select the device named MidiOutName (device 0
// when the name is empty); open it; layout per FormOpened; tooltips per ShowHints; piano
// octaves per OctaveCnt; the MIDI input named MidiInName; key list; the playback timer's interval from TimerResol; and when the
// note naming was changed (NoteSetChanged) while the song has searched chords, the question
// whether to search again now (Yes clears NoteSetChanged and searches).
//
// A device that cannot be selected (its name no longer among the devices) is reported through
// the prompter and device 0 is used instead; the remaining steps still run. With no output
// device at all nothing is selected and the open attempt gives the window's warning.
void ApplySettings(TSettings& settings, TApplySettingsTarget& target, Prompter& prompter);

// The names of the output devices as the options dialog lists them, the position being the
// device number: the output is closed while the devices are read, the selected device is
// restored and the output opened again. A device whose name cannot be read is listed empty.
// With `systems`, the system of each device goes there.
std::vector<std::string> ListOutputDevices(TApplySettingsTarget& target, std::vector<std::string>* systems = nullptr);

// Heights of the main window and of its beat grid for the expanded or compact layout, from
// the heights they had when the window was created.
struct TFormLayout {
  int FormHeight = 0;
  int SongGridHeight = 0;
  bool TrackGridVisible = false;  // also the lyrics panel
};
TFormLayout FormLayoutFor(bool formOpened, int formHeightAtCreate, int songGridHeightAtCreate,
                          int trackGridHeight, int variantsGridHeight);
