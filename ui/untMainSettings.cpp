// Putting the settings into effect in the window (after they are read at start-up, and after
// the options are confirmed).
#include <exception>

#include "midi/MidiOut.h"
#include "settings/untVars.h"
#include "ui/untMain.h"

void TfrmMain::ApplySettings() {
  CloseOutput();
  try {
    if (!MidiOutName.empty())
      MidiOut_->SetProductName(MidiOutName);
    else if (MidiOut_->DeviceCount() > 0)
      MidiOut_->SetDeviceID(0);
  } catch (const std::exception& e) {
    // The chosen device is gone: the program goes on with the device it had.
    ShowError(e.what());
  }
  OpenOutput();
  SetLayoutExpanded(FormOpened);
  MidiPiano().SetOctaveCount(OctaveCnt);
  MidiPianoView->update();
  MidiTimerResol = TimerResol;
  session_->FillKeyList();
  RefreshFromSession();
}
