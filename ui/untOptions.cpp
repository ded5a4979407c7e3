#include "ui/untOptions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/untMesConst.h"
#include "ui/MesText.h"
#include "chords/untChords.h"
#include "ui/ColorBox.h"

namespace {

QCheckBox* CheckBox(MesId text, MesId hint, QWidget* parent) {
  auto* c = new QCheckBox(MesText(text), parent);
  c->setToolTip(MesText(hint));
  return c;
}

QLabel* WrappedLabel(MesId text, QWidget* parent) {
  auto* l = new QLabel(MesText(text), parent);
  l->setWordWrap(true);
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return l;
}

std::string WithSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

TOptionsValues ReadOptions(const TSettings& s) {
  TOptionsValues v;
  v.PathTabulist = s.PathTabulist;
  v.FormOpened = s.FormOpened;
  v.ShowHints = s.ShowHints;
  v.NoteSet = static_cast<int>(s.NoteSet);
  v.MidiOutNo = s.MidiOutNo;
  v.MidiOutName = s.MidiOutName;
  v.MidiOutNoTranspose = s.MidiOutNoTranspose;
  v.OctaveCnt = s.OctaveCnt;
  v.PlayKeys = s.PlayKeys;
  v.CommExport = s.CommExport;
  v.Keysense = s.Keysense;
  v.KeysenseContinuity = s.KeysenseContinuity;
  v.LearnedChords = s.LearnedChords;
  v.KeysenseKeyAnswer = s.KeysenseKeyAnswer;
  v.WhiteKey = s.WhiteKey;
  v.BlackKey = s.BlackKey;
  v.Border = s.Border;
  v.SelectedKey = s.SelectedKey;
  v.MarkedKey = s.MarkedKey;
  v.TimerResol = s.TimerResol;
  v.MidiInName = s.MidiInName;
  v.MidiThru = s.MidiThru;
  return v;
}

void WriteOptions(TSettings& s, const TOptionsValues& v) {
  s.PathTabulist = v.PathTabulist;
  s.FormOpened = v.FormOpened;
  s.ShowHints = v.ShowHints;
  // No choice made (a naming the dialog does not offer) keeps the naming as it is.
  if (v.NoteSet >= 0 && v.NoteSet <= 2) {
    const auto noteSet = static_cast<NoteNotation>(v.NoteSet);
    s.NoteSetChanged = noteSet != s.NoteSet;
    s.NoteSet = noteSet;
  }
  s.MidiOutNo = v.MidiOutNo;
  s.MidiOutName = v.MidiOutNo < 0 ? std::string() : v.MidiOutName;
  s.MidiOutNoTranspose = v.MidiOutNoTranspose;
  s.OctaveCnt = static_cast<int8_t>(std::clamp(v.OctaveCnt, OctaveCntMin, OctaveCntMax));
  s.PlayKeys = v.PlayKeys;
  s.CommExport = v.CommExport;
  s.Keysense = v.Keysense;
  s.KeysenseContinuity = v.KeysenseContinuity;
  s.LearnedChords = v.LearnedChords;
  s.KeysenseKeyAnswer = v.KeysenseKeyAnswer;
  s.WhiteKey = v.WhiteKey;
  s.BlackKey = v.BlackKey;
  s.Border = v.Border;
  s.SelectedKey = v.SelectedKey;
  s.MarkedKey = v.MarkedKey;
  s.TimerResol = std::clamp(v.TimerResol, TimerResolMin, TimerResolMax);
  s.MidiInName = v.MidiInName;
  s.MidiThru = v.MidiThru;
}

TfrmOptions::TfrmOptions(const std::vector<std::string>& devices, QWidget* parent)
    : TfrmOptions(TOptionsDevices{devices, {}, {}, {}}, parent) {}

namespace {
// A device as a list shows it: its name, and the system it belongs to when that is known.
QString DeviceCaption(const std::vector<std::string>& names, const std::vector<std::string>& systems, size_t i) {
  QString text = QString::fromStdString(names[i]);
  // The built-in synthesizer names its system itself.
  if (i < systems.size() && !systems[i].empty() && !text.contains(QString::fromStdString(systems[i])))
    text += QStringLiteral("  [%1]").arg(QString::fromStdString(systems[i]));
  return text;
}
}  // namespace

TfrmOptions::TfrmOptions(TOptionsDevices devices, QWidget* parent)
    : QDialog(parent), devices_(std::move(devices)) {
  setObjectName("frmOptions");
  setWindowTitle(MesText(MesId::SOptCaption));

  Opts = new QTabWidget(this);

  // ---- Вид
  tsView = new QWidget;
  {
    auto* lay = new QVBoxLayout(tsView);
    cbFormOpened = CheckBox(MesId::SOptFormOpened, MesId::SOptFormOpenedHint, tsView);
    cbShowHints = CheckBox(MesId::SOptShowHints, MesId::SOptShowHintsHint, tsView);
    lay->addWidget(cbFormOpened);
    lay->addWidget(cbShowHints);
    gbPianoView = new QGroupBox(MesText(MesId::SOptPianoView), tsView);
    auto* grid = new QGridLayout(gbPianoView);
    TColorBox** boxes[] = {&cbWhiteKey, &cbBlackKey, &cbBorder, &cbSelectedKey, &cbMarkedKey};
    MesId labels[] = {MesId::SOptWhiteKey, MesId::SOptBlackKey, MesId::SOptBorder,
                      MesId::SOptSelectedKey, MesId::SOptMarkedKey};
    for (int i = 0; i < 5; ++i) {
      *boxes[i] = new TColorBox(gbPianoView);
      auto* label = new QLabel(MesText(labels[i]), gbPianoView);
      label->setBuddy(*boxes[i]);
      grid->addWidget(label, i, 0);
      grid->addWidget(*boxes[i], i, 1);
    }
    cbWhiteKey->setObjectName("cbWhiteKey");
    cbBlackKey->setObjectName("cbBlackKey");
    cbBorder->setObjectName("cbBorder");
    cbSelectedKey->setObjectName("cbSelectedKey");
    cbMarkedKey->setObjectName("cbMarkedKey");
    grid->setColumnStretch(1, 1);
    lay->addWidget(gbPianoView);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(MesText(MesId::SOptOctaveCnt), tsView);
    udOctaveCnt = new QSpinBox(tsView);
    udOctaveCnt->setRange(OctaveCntMin, OctaveCntMax);
    udOctaveCnt->setSingleStep(1);
    udOctaveCnt->setToolTip(MesText(MesId::SOptOctaveCntHint));
    label->setToolTip(udOctaveCnt->toolTip());
    label->setBuddy(udOctaveCnt);
    row->addWidget(label);
    row->addWidget(udOctaveCnt);
    row->addStretch(1);
    lay->addLayout(row);
    lay->addStretch(1);
  }
  Opts->addTab(tsView, MesText(MesId::SOptPageView));

  // ---- Аккорды
  tsChords = new QWidget;
  {
    auto* lay = new QVBoxLayout(tsChords);
    rgNoteSet = new QGroupBox(MesText(MesId::SOptNoteSet), tsChords);
    auto* group = new QButtonGroup(rgNoteSet);
    auto* v = new QVBoxLayout(rgNoteSet);
    MesId items[] = {MesId::SOptNoteSetEnglish, MesId::SOptNoteSetGerman, MesId::SOptNoteSetItalian};
    for (int i = 0; i < 3; ++i) {
      rbNoteSet[i] = new QRadioButton(MesText(items[i]), rgNoteSet);
      group->addButton(rbNoteSet[i], i);
      v->addWidget(rbNoteSet[i]);
    }
    lay->addWidget(rgNoteSet);
    rgChordRecognition = new QGroupBox(MesText(MesId::SChordRecognition), tsChords);
    {
      auto* methods = new QButtonGroup(rgChordRecognition);
      auto* r = new QVBoxLayout(rgChordRecognition);
      rbChordTable = new QRadioButton(MesText(MesId::SChordRecognitionTable), rgChordRecognition);
      rbChordLearned = new QRadioButton(MesText(MesId::SChordRecognitionLearned), rgChordRecognition);
      methods->addButton(rbChordTable, 0);
      methods->addButton(rbChordLearned, 1);
      r->addWidget(rbChordTable);
      r->addWidget(rbChordLearned);
      stChordLearnedNote = WrappedLabel(MesId::SChordRecognitionLearnedNote, rgChordRecognition);
      r->addWidget(stChordLearnedNote);
      connect(rbChordLearned, &QRadioButton::toggled, this, [this] { UpdateChordSwitches(); });
    }
    lay->addWidget(rgChordRecognition);
    gbKeysense = new QGroupBox(tsChords);
    auto* k = new QVBoxLayout(gbKeysense);
    cbKeysense = CheckBox(MesId::SOptKeysense, MesId::SOptKeysenseHint, gbKeysense);
    stKeysenseInfo = WrappedLabel(MesId::SOptKeysenseInfo, gbKeysense);
    k->addWidget(cbKeysense);
    k->addWidget(stKeysenseInfo);
    cbKeysenseContinuity = CheckBox(MesId::SOptKeysenseContinuity, MesId::SOptKeysenseContinuityHint, gbKeysense);
    stKeysenseContinuityInfo = WrappedLabel(MesId::SOptKeysenseContinuityInfo, gbKeysense);
    k->addWidget(cbKeysenseContinuity);
    k->addWidget(stKeysenseContinuityInfo);
    connect(cbKeysense, &QCheckBox::toggled, this, [this] { UpdateChordSwitches(); });
    auto* answerRow = new QHBoxLayout;
    stKeysenseAnswer = new QLabel(gbKeysense);
    stKeysenseAnswer->setObjectName(QStringLiteral("stKeysenseAnswer"));
    stKeysenseAnswer->setWordWrap(true);
    btnKeysenseAskAgain = new QPushButton(MesText(MesId::SOptKeysenseAskAgain), gbKeysense);
    btnKeysenseAskAgain->setObjectName(QStringLiteral("btnKeysenseAskAgain"));
    btnKeysenseAskAgain->setToolTip(MesText(MesId::SOptKeysenseAskAgainHint));
    answerRow->addWidget(stKeysenseAnswer, 1);
    answerRow->addWidget(btnKeysenseAskAgain);
    k->addLayout(answerRow);
    connect(btnKeysenseAskAgain, &QPushButton::clicked, this, [this] { ShowKeysenseAnswer(TRememberedAnswer::None); });
    lay->addWidget(gbKeysense);
    lay->addStretch(1);
  }
  Opts->addTab(tsChords, MesText(MesId::SOptPageChords));

  // ---- Звуки и MIDI
  tsMidi = new QWidget;
  {
    auto* lay = new QVBoxLayout(tsMidi);
    auto* label = new QLabel(MesText(MesId::SOptMidiOut), tsMidi);
    cbMidiOut = new QComboBox(tsMidi);
    for (size_t i = 0; i < devices_.Outputs.size(); ++i)
      cbMidiOut->addItem(DeviceCaption(devices_.Outputs, devices_.OutputSystems, i));
    label->setBuddy(cbMidiOut);
    lay->addWidget(label);
    lay->addWidget(cbMidiOut);
    cbMidiOutNoTranspose =
        CheckBox(MesId::SOptMidiOutNoTranspose, MesId::SOptMidiOutNoTransposeHint, tsMidi);
    cbPlayKeys = CheckBox(MesId::SOptPlayKeys, MesId::SOptPlayKeysHint, tsMidi);
    lay->addWidget(cbMidiOutNoTranspose);
    auto* inLabel = new QLabel(MesText(MesId::SOptMidiIn), tsMidi);
    cbMidiIn = new QComboBox(tsMidi);
    cbMidiIn->setToolTip(MesText(MesId::SOptMidiInHint));
    cbMidiIn->addItem(MesText(MesId::SOptMidiInNone), QString());
    for (size_t i = 0; i < devices_.Inputs.size(); ++i)
      cbMidiIn->addItem(DeviceCaption(devices_.Inputs, devices_.InputSystems, i), QString::fromStdString(devices_.Inputs[i]));
    inLabel->setBuddy(cbMidiIn);
    cbMidiThru = CheckBox(MesId::SOptMidiThru, MesId::SOptMidiThruHint, tsMidi);
    lay->addWidget(inLabel);
    lay->addWidget(cbMidiIn);
    lay->addWidget(cbMidiThru);
    lay->addWidget(cbPlayKeys);
    auto* timerLabel = WrappedLabel(MesId::SOptTimerResol, tsMidi);
    udTimerResol = new QSpinBox(tsMidi);
    udTimerResol->setRange(TimerResolMin, TimerResolMax);
    udTimerResol->setSingleStep(TimerResolStep);
    udTimerResol->setToolTip(MesText(MesId::SOptTimerResolHint));
    timerLabel->setToolTip(udTimerResol->toolTip());
    timerLabel->setBuddy(udTimerResol);
    auto* row = new QHBoxLayout;
    row->addWidget(timerLabel, 1);
    row->addWidget(udTimerResol);
    lay->addLayout(row);
    lay->addStretch(1);
  }
  Opts->addTab(tsMidi, MesText(MesId::SOptPageMidi));

  // ---- Экспорт
  tsExport = new QWidget;
  {
    auto* lay = new QVBoxLayout(tsExport);
    auto* label = new QLabel(MesText(MesId::SOptPathTabulist), tsExport);
    edtPathTabulist = new QLineEdit(tsExport);
    edtPathTabulist->setToolTip(MesText(MesId::SOptPathTabulistHint));
    label->setBuddy(edtPathTabulist);
    sbTabulist = new QToolButton(tsExport);
    sbTabulist->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    sbTabulist->setToolTip(MesText(MesId::SOptTabulistBrowseHint));
    connect(sbTabulist, &QToolButton::clicked, this, &TfrmOptions::sbTabulistClick);
    auto* row = new QHBoxLayout;
    row->addWidget(edtPathTabulist, 1);
    row->addWidget(sbTabulist);
    lay->addWidget(label);
    lay->addLayout(row);
    stInfo = WrappedLabel(MesId::SOptTabulistInfo, tsExport);
    lay->addWidget(stInfo);
    cbCommExport = CheckBox(MesId::SOptCommExport, MesId::SOptCommExportHint, tsExport);
    lay->addWidget(cbCommExport);
    lay->addStretch(1);
  }
  Opts->addTab(tsExport, MesText(MesId::SOptPageExport));

  OK = new QPushButton(MesText(MesId::SOptOK), this);
  OK->setToolTip(MesText(MesId::SOptOKHint));
  OK->setDefault(true);
  Cancel = new QPushButton(MesText(MesId::SOptCancel), this);
  Cancel->setToolTip(MesText(MesId::SOptCancelHint));
  Apply = new QPushButton(MesText(MesId::SOptApply), this);
  Apply->setToolTip(MesText(MesId::SOptApplyHint));
  connect(OK, &QPushButton::clicked, this, &QDialog::accept);
  connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(Apply, &QPushButton::clicked, this, [this] { done(OptionsApplyResult); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(OK);
  buttons->addWidget(Cancel);
  buttons->addWidget(Apply);
  auto* main = new QVBoxLayout(this);
  main->addWidget(Opts, 1);
  main->addLayout(buttons);

  // A fixed frame, at least as large as the dialog was designed, larger when the texts need it.
  QSize size = sizeHint().expandedTo(QSize(417, 308));
  setFixedSize(size);
}

void TfrmOptions::LoadControls(const TOptionsValues& v) {
  edtPathTabulist->setText(QString::fromStdString(v.PathTabulist));
  cbFormOpened->setChecked(v.FormOpened);
  cbShowHints->setChecked(v.ShowHints);
  for (int i = 0; i < 3; ++i) rbNoteSet[i]->setChecked(i == v.NoteSet);
  if (v.NoteSet < 0 || v.NoteSet > 2) {
    // An exclusive group cannot uncheck its last button directly.
    auto* group = rbNoteSet[0]->group();
    group->setExclusive(false);
    for (auto* b : rbNoteSet) b->setChecked(false);
    group->setExclusive(true);
  }
  // A position beyond the list selects nothing.
  cbMidiOut->setCurrentIndex(v.MidiOutNo >= 0 && v.MidiOutNo < cbMidiOut->count() ? v.MidiOutNo : -1);
  cbMidiOutNoTranspose->setChecked(v.MidiOutNoTranspose);
  udOctaveCnt->setValue(v.OctaveCnt);
  cbPlayKeys->setChecked(v.PlayKeys);
  cbCommExport->setChecked(v.CommExport);
  cbKeysense->setChecked(v.Keysense);
  cbKeysenseContinuity->setChecked(v.KeysenseContinuity);
  rbChordLearned->setChecked(v.LearnedChords);
  rbChordTable->setChecked(!v.LearnedChords);
  ShowKeysenseAnswer(v.KeysenseKeyAnswer);
  UpdateChordSwitches();
  cbWhiteKey->SetSelected(v.WhiteKey);
  cbBlackKey->SetSelected(v.BlackKey);
  cbBorder->SetSelected(v.Border);
  cbSelectedKey->SetSelected(v.SelectedKey);
  cbMarkedKey->SetSelected(v.MarkedKey);
  udTimerResol->setValue(v.TimerResol);
  // A keyboard that is not plugged in now stays chosen: ports come and go.
  int in = cbMidiIn->findData(QString::fromStdString(v.MidiInName));
  if (in < 0) {
    cbMidiIn->addItem(QString::fromStdString(v.MidiInName), QString::fromStdString(v.MidiInName));
    in = cbMidiIn->count() - 1;
  }
  cbMidiIn->setCurrentIndex(in);
  cbMidiThru->setChecked(v.MidiThru);
}

TOptionsValues TfrmOptions::ControlValues() const {
  TOptionsValues v;
  v.PathTabulist = edtPathTabulist->text().toStdString();
  v.FormOpened = cbFormOpened->isChecked();
  v.ShowHints = cbShowHints->isChecked();
  v.NoteSet = -1;
  for (int i = 0; i < 3; ++i)
    if (rbNoteSet[i]->isChecked()) v.NoteSet = i;
  v.MidiOutNo = cbMidiOut->currentIndex();
  v.MidiOutName = v.MidiOutNo >= 0 && v.MidiOutNo < static_cast<int>(devices_.Outputs.size())
                      ? devices_.Outputs[static_cast<size_t>(v.MidiOutNo)]
                      : std::string();
  v.MidiInName = cbMidiIn->currentData().toString().toStdString();
  v.MidiThru = cbMidiThru->isChecked();
  v.MidiOutNoTranspose = cbMidiOutNoTranspose->isChecked();
  // A number still being typed counts when it is acceptable; otherwise the last value the box
  // held (the boxes only take numbers within their ranges).
  udOctaveCnt->interpretText();
  udTimerResol->interpretText();
  v.OctaveCnt = udOctaveCnt->value();
  v.PlayKeys = cbPlayKeys->isChecked();
  v.CommExport = cbCommExport->isChecked();
  v.Keysense = cbKeysense->isChecked();
  v.KeysenseContinuity = cbKeysenseContinuity->isChecked();
  v.LearnedChords = rbChordLearned->isChecked();
  v.KeysenseKeyAnswer = keysenseKeyAnswer_;
  v.WhiteKey = cbWhiteKey->Selected();
  v.BlackKey = cbBlackKey->Selected();
  v.Border = cbBorder->Selected();
  v.SelectedKey = cbSelectedKey->Selected();
  v.MarkedKey = cbMarkedKey->Selected();
  v.TimerResol = udTimerResol->value();
  return v;
}

std::string TfrmOptions::TabulistFolderOf(const std::string& pickedFile) {
  return WithSlash(QFileInfo(QString::fromStdString(pickedFile)).absolutePath().toStdString());
}

std::string TfrmOptions::TabulistStartFolder(const std::string& typed) {
  return typed.empty() ? ProgramFolder : typed;
}

void TfrmOptions::ShowKeysenseAnswer(TRememberedAnswer answer) {
  keysenseKeyAnswer_ = answer;
  const MesId said = answer == TRememberedAnswer::Yes  ? MesId::SOptKeysenseAnswerYes
                     : answer == TRememberedAnswer::No ? MesId::SOptKeysenseAnswerNo
                                                       : MesId::SOptKeysenseAnswerAsk;
  stKeysenseAnswer->setText(QString::fromStdString(MesFormat(MesId::SOptKeysenseAnswer, Mes(said))));
  btnKeysenseAskAgain->setEnabled(answer != TRememberedAnswer::None);
}

void TfrmOptions::UpdateChordSwitches() {
  const bool learned = rbChordLearned->isChecked();
  cbKeysense->setEnabled(!learned);
  cbKeysenseContinuity->setEnabled(!learned && cbKeysense->isChecked());
  stChordLearnedNote->setEnabled(learned);
}

void TfrmOptions::sbTabulistClick() {
  QString start = QString::fromStdString(TabulistStartFolder(edtPathTabulist->text().toStdString()));
  QString file = QFileDialog::getOpenFileName(this, QString(),
                                              start + QString::fromStdString(Mes(MesId::SOptTabulistFile)),
                                              QString::fromStdString(Mes(MesId::SOptTabulistFilter)));
  if (!file.isEmpty()) edtPathTabulist->setText(QString::fromStdString(TabulistFolderOf(file.toStdString())));
}

int ShowOptions(QWidget* parent, TSettings& settings, TApplySettingsTarget& target, Prompter& prompter) {
  TOptionsDevices devices;
  devices.Outputs = ListOutputDevices(target, &devices.OutputSystems);
  for (const TMidiInDevice& d : target.InputDevices()) {
    devices.Inputs.push_back(d.Name);
    devices.InputSystems.push_back(d.System);
  }
  TfrmOptions dlg(std::move(devices), parent);
  dlg.LoadControls(ReadOptions(settings));
  dlg.Opts->setCurrentIndex(std::clamp(settings.OptionsPage, 0, dlg.Opts->count() - 1));
  int result = QDialog::Rejected;
  for (;;) {
    result = dlg.exec();
    if (result != QDialog::Accepted && result != OptionsApplyResult) break;
    WriteOptions(settings, dlg.ControlValues());
    ApplySettings(settings, target, prompter);
    if (result == QDialog::Accepted) break;
    // "Применить": shown again as the user left it, on the same page.
  }
  settings.OptionsPage = dlg.Opts->currentIndex();
  return result;
}
