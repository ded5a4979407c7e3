#include "ui/untApplySettings.h"

#include "base/untMesConst.h"
#include "settings/untVars.h"

namespace {

// Selects the device of the settings. False when the named device cannot be selected; device
// 0 is then selected instead, so that playback still sounds.
void SelectOutputDevice(const std::string& name, TMidiOutput& out, Prompter& prompter) {
  if (!name.empty()) {
    try {
      out.SetProductName(name);
      return;
    } catch (const EmidioutputError& e) {
      prompter.Warning(Mes(MesId::SCaptionWarning),
                       MesFormat(MesId::SOptDeviceNotSelected, name, e.what()));
    }
  }
  // Without any device there is nothing to select; opening then fails with the window's
  // warning and playback stays silent.
  if (out.DeviceCount() == 0) return;
  try {
    out.SetDeviceID(0);
  } catch (const EmidioutputError& e) {
    prompter.Error(Mes(MesId::SCaptionError), e.what());
  }
}

}  // namespace

void ApplySettings(TSettings& settings, TApplySettingsTarget& target, Prompter& prompter) {
  target.UseSongOptions();
  target.CloseOutput();
  SelectOutputDevice(settings.MidiOutName, target.MidiOut(), prompter);
  target.OpenOutput();
  target.SetFormOpened(settings.FormOpened);
  target.SetShowHints(settings.ShowHints);
  target.SetPianoOctaves(settings.OctaveCnt);
  target.OpenInput();
  target.FillKeyList();
  target.SetTimerResol(settings.TimerResol);
  if (settings.NoteSetChanged && target.ChordsSearched()) {
    TPromptAnswer a = prompter.Question(Mes(MesId::SCaptionConfirm), Mes(MesId::SOptNoteSetQuestion),
                                        TPromptButtons::YesNoCancel, TPromptIcon::Question);
    if (a == TPromptAnswer::Yes) {
      settings.NoteSetChanged = false;
      target.SearchSongChords();
    }
  }
}

std::vector<std::string> ListOutputDevices(TApplySettingsTarget& target, std::vector<std::string>* systems) {
  std::vector<std::string> names;
  if (systems) systems->clear();
  TMidiOutput& out = target.MidiOut();
  target.CloseOutput();
  uint32_t selected = out.DeviceID();
  for (uint32_t i = 0; i < out.DeviceCount(); ++i) {
    try {
      out.SetDeviceID(i);
      names.push_back(out.ProductName());
      if (systems) systems->push_back(out.System());
    } catch (const EmidioutputError&) {
      // A device that went away between counting and reading keeps its position.
      names.resize(i + 1);
      if (systems) systems->resize(i + 1);
    }
  }
  try {
    if (out.DeviceCount() > 0) out.SetDeviceID(selected < out.DeviceCount() ? selected : 0);
  } catch (const EmidioutputError&) {
  }
  target.OpenOutput();
  return names;
}

TFormLayout FormLayoutFor(bool formOpened, int formHeightAtCreate, int songGridHeightAtCreate,
                          int trackGridHeight, int variantsGridHeight) {
  if (formOpened) return {formHeightAtCreate, songGridHeightAtCreate, true};
  return {formHeightAtCreate - trackGridHeight - 5, variantsGridHeight, false};
}
