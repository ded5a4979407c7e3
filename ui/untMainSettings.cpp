// The window's side of the settings: putting them into effect, the options dialog, the
// language menu and the help commands.
#include <QAction>
#include <QActionGroup>

#include "export/OptionsOfSettings.h"
#include "base/untMesConst.h"
#include "settings/ChordModelStore.h"
#include "settings/untVars.h"
#include "ui/MidiPiano.h"
#include "ui/untAbout.h"
#include "ui/untLanguage.h"
#include "ui/untMain.h"
#include "ui/untOptions.h"

void TfrmMain::ApplySettings() {
  // Before the settings take effect: a changed notation may search the chords again.
  ::ApplySettings(settings_, *this, *prompter_);
  RefreshFromSession();
}

void TfrmMain::UseSongOptions() {
  TSongOptions options = SongOptionsOf(settings_);
  // Only the window remembers answers: the command line's flags say what to do.
  options.keysenseKeyAnswer = settings_.KeysenseKeyAnswer;
  if (settings_.LearnedChords) {
    // Read once a run; without a usable model the table chooses the chords, and the user
    // learns why, once.
    if (!chordModel_.Model && chordModel_.Problem.empty()) chordModel_ = LoadChordModel(ChordModelFolders());
    if (chordModel_.Model) {
      options.chordModel = chordModel_.Model;
    } else if (!chordModelProblemShown_) {
      chordModelProblemShown_ = true;
      prompter_->Warning(Mes(MesId::SCaptionWarning), chordModel_.Problem);
    }
  }
  session_->SetOptions(std::move(options));
}

void TfrmMain::SetTimerResol(int32_t ms) { session_->MidiFile.SetTimerResol(ms); }

void TfrmMain::SetShowHints(bool show) { hintsShown_ = show; }

void TfrmMain::SetPianoOctaves(int count) {
  // The settings' octaves are the fewest; a wider keyboard shows more.
  MidiPianoView->SetMinimumOctaves(count);
  MidiPianoView->update();
}

void TfrmMain::FillKeyList() {
  presenter_->FillKeyList();
  FillComboItems(cbRootOrig, presenter_->cbRootOrigItems(), presenter_->cbRootOrigIndex());
  FitToolBar();
}

bool TfrmMain::ChordsSearched() { return !session_->beats().empty(); }

void TfrmMain::SearchSongChords() { actSearchSongChordsExecute(); }

void TfrmMain::ConnectDialogs() {
  // The web and mail commands only when the build was configured with those addresses; the
  // manual stands for the web page otherwise.
  actHomePage->setVisible(!ProjectAddresses().HomePage.empty());
  actEmail->setVisible(!ProjectAddresses().Email.empty());

  // The language stored for the next start is shown checked.
  auto* group = new QActionGroup(this);
  const std::vector<TLanguageMenuItem> items = LanguageMenu(ProgramFilePath());
  for (const TLanguageMenuItem& item : items) {
    QAction* action = findChild<QAction*>(QString::fromStdString(item.Name));
    if (!action) continue;
    action->setCheckable(true);
    action->setChecked(item.Checked);
    group->addAction(action);
  }
}

void TfrmMain::actOptionsExecute() {
  ShowOptions(this, settings_, *this, *prompter_);
  RefreshFromSession();
}

void TfrmMain::actAboutExecute() { ::actAboutExecute(this); }
void TfrmMain::actHomePageExecute() { ::actHomePageExecute(); }
void TfrmMain::actEmailExecute() { ::actEmailExecute(); }
void TfrmMain::actManualExecute() { ::actManualExecute(this); }

// The language of the next start; on Yes the window closes as "Выйти" does.
void TfrmMain::SwitchLanguageTo(const std::string& code) {
  if (SwitchLanguage(code, *prompter_)) close();
}
void TfrmMain::actLangBelExecute() { SwitchLanguageTo("BEL"); }
void TfrmMain::actLangEngExecute() { SwitchLanguageTo("ENU"); }
void TfrmMain::actLangItaExecute() { SwitchLanguageTo("ITA"); }
void TfrmMain::actLangRusExecute() { SwitchLanguageTo(""); }
