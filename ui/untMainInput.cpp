// The MIDI keyboard: what is played on the chosen input lights the piano as playback does,
// becomes the marked keys while "Автопоиск" is down (so the held chord's variants show while
// it is held, and stay when it is let go), and sounds through the output with MIDI thru.
// Nothing played reaches the song.

#include "base/untMesConst.h"
#include "midi/MidiOut.h"
#include "platform/MidiInputLink.h"
#include "settings/untVars.h"
#include "ui/untMain.h"

namespace {

// Why an input could not be opened or went away, in the user's words.
std::string InputProblem(const TMidiOutError& error) {
  switch (error.Code) {
    case TMidiOutErrc::DeviceGone:
    case TMidiOutErrc::BadDevice:
      return Mes(MesId::SMidiInErrGone);
    case TMidiOutErrc::ServerGone:
      return Mes(MesId::SMidiInErrServer);
    default:
      return Mes(MesId::SMidiInErrBusy);
  }
}

}  // namespace

void TfrmMain::ConnectMidiInput() {
  TLiveKeyboard& keys = MidiIn_->Keyboard;
  keys.OnSounding = [this](int note, bool sounding) { MidiPiano().SoundByHand(note, sounding); };
  keys.OnChord = [this](const std::vector<int>& notes) { presenter_->KeyboardChord(notes); };
  MidiIn_->OnMessage = [this](const TMidiInMessage& message) { MidiInputThru(message); };
  MidiIn_->OnLost = [this](const TMidiOutError& error) {
    ShowStatusHint(MesFormat(MesId::SMidiInLost, error.Device, InputProblem(error)));
  };
  // The keyboard is plugged in (again): it is heard from now on.
  MidiIn_->OnFound = [this](const std::string& name) {
    thruWarned_ = false;
    ShowStatusHint(MesFormat(MesId::SMidiInFound, name));
  };
}

std::vector<TMidiInDevice> TfrmMain::InputDevices() { return MidiIn_->Devices(); }

void TfrmMain::OpenInput() {
  if (MidiIn_->IsOpen() && MidiIn_->DeviceName() == settings_.MidiInName) return;
  thruWarned_ = false;
  const TMidiOutStatus opened = MidiIn_->Open(settings_.MidiInName);
  if (!opened) ShowStatusHint(MesFormat(MesId::SMidiInOpenFailed, settings_.MidiInName, InputProblem(opened.Error())));
}

void TfrmMain::MidiInputThru(const TMidiInMessage& message) {
  if (!settings_.MidiThru || !MidiOut_->IsOpen()) return;
  try {
    MidiOut_->SendEventLive(TMidiEvent(message.Bytes[0], message.Bytes[1], message.Size > 2 ? message.Bytes[2] : 0));
  } catch (const EmidioutputError& e) {
    // One line in the status bar, not a box for every note played.
    if (!thruWarned_) ShowStatusHint(e.what());
    thruWarned_ = true;
  }
}
