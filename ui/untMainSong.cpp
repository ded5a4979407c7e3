// The song's commands and controls: opening, chord search, key, transposition, speed, beat
// length, the beat grid with its cursor, the chord variants and the marked notes. Each
// handler makes its call into the session and shows the result.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTableView>

#include <algorithm>
#include <exception>
#include <functional>

#include "base/untMesConst.h"
#include "export/ChordText.h"
#include "export/CodePage.h"
#include "export/OptionsOfSettings.h"
#include "export/WriteText.h"
#include "settings/untVars.h"
#include "ui/Controls.h"
#include "ui/ExportDialog.h"
#include "ui/GridModels.h"
#include "ui/ToolkitLanguage.h"
#include "ui/untMain.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// "Описание|*.a;*.b|..." as a file dialog's filter list "Описание (*.a *.b);;...".
QString DialogFilter(const std::string& filter) {
  QStringList parts = Q(filter).split(QLatin1Char('|'));
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    QString name = parts[i].trimmed();
    out << (name.endsWith(QLatin1Char(')')) ? name : name + QStringLiteral(" (") + patterns + QLatin1Char(')'));
  }
  return out.join(QStringLiteral(";;"));
}

}  // namespace

void TfrmMain::ConnectSongControls() {
  TSongPresenter& s = *presenter_;
  songModel_ = new TStringGridModel([&s]() -> const TStringGrid& { return s.grdSong(); }, {}, this);
  grdSong->setModel(songModel_);
  variantsModel_ = new TStringGridModel(
      [&s]() -> const TStringGrid& { return s.grdVariants(); },
      {Q(Mes(MesId::SVariantsColNumber)), Q(Mes(MesId::SVariantsColName)), Q(Mes(MesId::SVariantsColTones))},
      this);
  grdVariants->setModel(variantsModel_);
  markedModel_ = new TTextListModel([&s]() -> const std::vector<std::string>& { return s.mmMarked(); }, this);
  mmMarked->setModel(markedModel_);

  connect(btnSimplify, &QPushButton::clicked, this, [this] {
    presenter_->btnSimplifyClick();
    RefreshFromSession();
  });
  btnSetSelectedChord->setText(actSetSelectedChord->text());
  btnSetSelectedChord->setToolTip(actSetSelectedChord->toolTip());
  btnSetSelectedChord->setStatusTip(actSetSelectedChord->statusTip());
  connect(btnSetSelectedChord, &QPushButton::clicked, actSetSelectedChord, &QAction::trigger);

  // The beat grid.
  connect(grdSong->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (!current.isValid() || current.column() < 1) return;
            presenter_->SetSongCell(current.column(), current.row() + 1);
            grdSongSelectCell(current.column(), current.row() + 1);
          });
  connect(grdSong, &QAbstractItemView::doubleClicked, actEditBit, &QAction::trigger);

  // The variants: a click plays the variant, moving through them with the keys too.
  connect(grdVariants->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (refreshing_ || !current.isValid()) return;
            presenter_->SelectVariantRow(current.row() + 1);
            if (QApplication::mouseButtons() == Qt::NoButton) {
              presenter_->grdVariantsClick();
              RefreshFromSession();
            }
          });
  connect(grdVariants, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
    presenter_->SelectVariantRow(index.row() + 1);
    presenter_->grdVariantsClick();
    RefreshFromSession();
  });

  // The marked notes.
  connect(mmMarked->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (!refreshing_) presenter_->SelectMarked(current.isValid() ? current.row() : -1);
          });
  connect(mmMarked, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
    presenter_->SelectMarked(index.row());
    presenter_->RemoveSelectedMarked();
    RefreshFromSession();
  });
  connect(btnAutoSearchMarked, &QPushButton::pressed, this, [this] {
    presenter_->btnAutoSearchMarkedMouseDown();
    RefreshFromSession();
  });
  // The button shows the session's state, not its own toggling.
  connect(btnAutoSearchMarked, &QPushButton::clicked, this,
          [this] { btnAutoSearchMarked->setChecked(presenter_->btnAutoSearchMarked()); });

  // Key, transposition, speed.
  connect(cbRootOrig, &QComboBox::activated, this, [this](int index) {
    presenter_->cbRootOrigSelect(index);
    RefreshFromSession();
  });
  cbTranspos->OnDropDown = [this] {
    presenter_->FillTransposeList(true);
    FillComboItems(cbTranspos, presenter_->cbTransposItems(), presenter_->cbTransposIndex());
  };
  cbTranspos->OnCloseUp = [this] {
    presenter_->FillTransposeList(false);
    FillComboItems(cbTranspos, presenter_->cbTransposItems(), cbTranspos->currentIndex());
  };
  connect(cbTranspos, &QComboBox::activated, this, [this](int entry) {
    presenter_->cbTransposSelect(entry);
    RefreshFromSession();
  });
  {
    QSignalBlocker block(cbBpm);
    for (const std::string& item : TSongPresenter::cbBpmItems()) cbBpm->addItem(Q(item));
    cbBpm->setCurrentIndex(-1);
  }
  connect(cbBpm, &QComboBox::activated, this, [this](int entry) {
    presenter_->edtBpmSelect(entry);
    cbBpm->setEditText(Q(presenter_->cbBpmText()));
  });
}

void TfrmMain::actLoadExecute() {
  QString file = QFileDialog::getOpenFileName(this, QString(), Q(settings_.LoadDir), DialogFilter(Mes(MesId::SSongLoadFilter)),
                                              nullptr, FileDialogOptions());
  if (!file.isEmpty()) LoadSong(file.toStdString());
}

void TfrmMain::RunSongCommand(const std::function<void()>& command) {
  try {
    command();
  } catch (const std::exception& e) {
    ShowError(e.what());
  }
  RefreshFromSession();
}

void TfrmMain::actSearchSongChordsExecute() {
  RunSongCommand([this] { presenter_->actSearchSongChordsExecute(); });
}

void TfrmMain::actFindRootExecute() {
  RunSongCommand([this] { presenter_->actFindRootExecute(); });
}

void TfrmMain::actWriteTextExecute() {
  RunSongCommand([this] {
    TExportOptions options = ExportOptionsOf(settings_);
    ::actWriteTextExecute(*session_, *prompter_, *status_, *services_.tabulist, options);
    settings_.PathTabulist = options.pathTabulist;
    presenter_->SetSongCell(1, 1);
  });
}

void TfrmMain::actExportExecute() {
  if (session_->MidiFile.NumberOfTracks() == 0) return;
  TExportDialog dialog(this, session_->MidiFile.Filename(), QString::fromStdString(settings_.ExportDir));
  std::vector<std::string> tracks;
  const TCodePage codePage = CodePageFromNumber(settings_.TextCodepage);
  for (int32_t t = 0; t < session_->MidiFile.NumberOfTracks(); ++t)
    tracks.push_back(DecodeMidiText(session_->MidiFile.TrackAt(t).Name(), codePage));
  dialog.SetTracks(tracks);
  if (dialog.exec() != QDialog::Accepted) return;
  const std::string file = dialog.FileName().toStdString();
  RunSongCommand([&] {
    TAnalysisRequest request;
    request.song = session_->Options();
    request.text = ExportOptions();
    request.melodyTrack = dialog.MelodyTrack();
    if (ExportOpenSong(*session_, *prompter_, dialog.Format(), file, request)) {
      ShowStatusHint(MesFormat(MesId::SExportSaved, file));
      settings_.ExportDir = QFileInfo(dialog.FileName()).absolutePath().toStdString();
    }
  });
}

// The event view follows the beat grid: it shows the first event of the selected beat, or
// the last one before it.
void TfrmMain::grdSongSelectCell(int gridCol, int gridRow) {
  if (session_->beats().empty() || eventsModel_->rowCount() == 0) return;
  const int64_t start = static_cast<int64_t>(TSongPresenter::CellBeat(gridCol, gridRow)) * session_->beatLength();
  // The events of a track are in time order: find the last one at or before the start, then
  // the first of the events at that same tick.
  int lo = 0, hi = eventsModel_->rowCount();
  while (lo < hi) {
    int mid = (lo + hi) / 2;
    if (eventsModel_->RowTick(mid) <= start)
      lo = mid + 1;
    else
      hi = mid;
  }
  int row = 0;
  if (lo > 0) {
    row = lo - 1;
    const int32_t tick = eventsModel_->RowTick(row);
    while (row > 0 && eventsModel_->RowTick(row - 1) == tick) --row;
  }
  QModelIndex index = eventsModel_->index(row, 0);
  // Only this row is selected, also while Ctrl is held for a jump in the beat grid (the event
  // grid's own selection would add the row to the ones selected before).
  grdTrack->selectionModel()->setCurrentIndex(
      index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  grdTrack->scrollTo(index);
}

// Arrows wrap at the row ends: right from the fourth beat goes to the first of the next row,
// left from the first goes to the fourth of the row above.
bool TfrmMain::grdSongKeyDown(int key) {
  QModelIndex at = grdSong->currentIndex();
  if (!at.isValid()) return false;
  if (key == Qt::Key_Right && at.column() == BeatsPerRow && at.row() < songModel_->rowCount() - 1) {
    grdSong->setCurrentIndex(songModel_->index(at.row() + 1, 1));
    return true;
  }
  if (key == Qt::Key_Left && at.column() == 1 && at.row() > 0) {
    grdSong->setCurrentIndex(songModel_->index(at.row() - 1, BeatsPerRow));
    return true;
  }
  return false;
}

// A right click makes the clicked beat current, so the grid's menu acts on it: the column
// when it is a beat column, the row when it is a data row, each on its own.
void TfrmMain::grdSongMouseDown(Qt::MouseButton button, int gridCol, int gridRow) {
  if (button != Qt::RightButton) return;
  const TStringGrid& g = presenter_->grdSong();
  int col = g.Col, row = g.Row;
  if (gridCol >= 1 && gridCol < g.ColCount()) col = gridCol;
  if (gridRow >= 1 && gridRow < g.RowCount()) row = gridRow;
  if (col == g.Col && row == g.Row) return;
  presenter_->SetSongCell(col, row);
  SyncSongCursor();
}

void TfrmMain::RunPresenterCommand(void (TSongPresenter::*op)()) {
  ((*presenter_).*op)();
  RefreshFromSession();
}

void TfrmMain::actIncBeatExecute() { RunPresenterCommand(&TSongPresenter::actIncBeatExecute); }
void TfrmMain::actDefBeatExecute() { RunPresenterCommand(&TSongPresenter::actDefBeatExecute); }
void TfrmMain::actDecBeatExecute() { RunPresenterCommand(&TSongPresenter::actDecBeatExecute); }
void TfrmMain::actSetSelectedChordExecute() { RunPresenterCommand(&TSongPresenter::actSetSelectedChordExecute); }
void TfrmMain::actPlaySelectedChordExecute() { RunPresenterCommand(&TSongPresenter::actPlaySelectedChordExecute); }

void TfrmMain::actClearMarksExecute() {
  MidiPiano().ClearMarks();
  RefreshFromSession();
}
