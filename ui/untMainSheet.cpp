// The chord sheet in the window: its pane beside the beat grid, the performing view (F11),
// printing and the PDF. The sheet is made anew when the song's chords, key, transposition,
// beat length or tempo change, and follows the playback position.
#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

#include "base/untMesConst.h"
#include "export/ChordSheetOfSession.h"
#include "export/OptionsOfSettings.h"
#include "settings/untVars.h"
#include "ui/ChordSheetView.h"
#include "ui/sheet/ChordSheetPrint.h"
#include "ui/untMain.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The performing view: the sheet on the whole screen; Esc (or F11 again) leaves it.
class TStageWindow : public QWidget {
 public:
  TStageWindow(TChordSheetView* view, QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("frmStage"));
    setWindowTitle(Q(Mes(MesId::SActStage)).remove(QLatin1Char('&')));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(view, 1);
    auto* leave = new QLabel(Q(Mes(MesId::SSheetStageLeave)), this);
    leave->setObjectName(QStringLiteral("stStageLeave"));
    leave->setAlignment(Qt::AlignRight);
    leave->setStyleSheet(QStringLiteral("QLabel { background: #101014; color: #808088; padding: 2px 8px; }"));
    layout->addWidget(leave);
    // The window's commands (play, rewind, ...) keep their keys here.
    addActions(owner->actions());
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Escape) {
      close();
      return;
    }
    QWidget::keyPressEvent(event);
  }
};

bool IsSheetChange(TSongChange what) {
  switch (what) {
    case TSongChange::Song:
    case TSongChange::Chords:
    case TSongChange::ChordsSimplified:
    case TSongChange::BeatChord:
    case TSongChange::Key:
    case TSongChange::Transposition:
    case TSongChange::BeatLength:
    case TSongChange::Speed:
      return true;
    default:
      return false;
  }
}

}  // namespace

void TfrmMain::CreateSheet() {
  sheetView_ = new TChordSheetView;
  sheetView_->setObjectName(QStringLiteral("pnlSheet"));
  sheetView_->setStatusTip(Q(Mes(MesId::SSheetHint)).mid(1));
  dckSheet = new QDockWidget(Q(Mes(MesId::SSheetCaption)), this);
  dckSheet->setObjectName(QStringLiteral("dckSheet"));
  dckSheet->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                        QDockWidget::DockWidgetFloatable);
  dckSheet->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
  dckSheet->setWidget(sheetView_);
  sheetView_->setMinimumWidth(std::max(120, logicalDpiX() * 120 / 96));
  addDockWidget(Qt::RightDockWidgetArea, dckSheet);
  FitSheetBeside();
  resize(DefaultSize());
  actSheet->setCheckable(true);
  actSheet->setChecked(true);
  connect(dckSheet, &QDockWidget::visibilityChanged, this, [this](bool) {
    if (!isMinimized() && isVisible()) actSheet->setChecked(!dckSheet->isHidden());
  });

  stageView_ = new TChordSheetView;
  stageView_->setObjectName(QStringLiteral("pnlStage"));
  stageView_->SetStage(true);
  stageWindow_ = new TStageWindow(stageView_, this);

  for (TChordSheetView* view : {sheetView_, stageView_}) {
    connect(view, &TChordSheetView::chordClicked, this, [this](int beat) { SheetChordClicked(beat); });
    connect(view, &TChordSheetView::chordDoubleClicked, this, [this](int beat) {
      SheetChordClicked(beat);
      actEditBitExecute();
    });
  }
  // The Export dialog's PDF format paints through the same painter.
  UseQtSheetPdfWriter();
  sheetObserver_ = session_->Observers().Add([this](const TSongNotice& notice) {
    if (IsSheetChange(notice.what)) sheetDirty_ = true;
  });
  sheetDirty_ = true;
}

// On a narrow screen (large fonts on a small one) the sheet finds room beside the beat grid
// when the long captions over the variants and the beat grid take two lines.
void TfrmMain::FitSheetBeside() {
  QScreen* s = screen();
  if (!s) return;
  centralWidget()->layout()->activate();
  const int needed = centralWidget()->minimumSizeHint().width() + dckSheet->minimumSizeHint().width() + 16;
  if (needed <= s->availableGeometry().width()) return;
  for (QLabel* label : {stVariants, Label1}) {
    label->setWordWrap(true);
    label->setMinimumWidth(std::max(60, label->fontMetrics().horizontalAdvance(QStringLiteral("Всего найдено"))));
  }
  centralWidget()->layout()->invalidate();
  centralWidget()->layout()->activate();
  // Still too wide: the variants and the beat grid give up the rest of their minimum widths,
  // down to what their buttons above them need, rather than squeezing those buttons.
  int over = centralWidget()->minimumSizeHint().width() + dckSheet->minimumSizeHint().width() + 16 -
             s->availableGeometry().width();
  const std::pair<QWidget*, QWidget*> columns[] = {
      {static_cast<QWidget*>(grdVariants), static_cast<QWidget*>(btnSetSelectedChord)},
      {static_cast<QWidget*>(grdSong), static_cast<QWidget*>(btnSimplify)}};
  for (const auto& [grid, button] : columns) {
    if (over <= 0) break;
    const int floor = button->sizeHint().width() + stVariants->minimumWidth() + 8;
    const int give = std::min(over, std::max(0, grid->minimumWidth() - floor));
    grid->setMinimumWidth(grid->minimumWidth() - give);
    over -= give;
  }
  centralWidget()->layout()->invalidate();
}

// The sheet of the song as it stands, in the notation in force; the placeholder says what is
// missing while there is no sheet.
void TfrmMain::RefreshSheet() {
  if (!sheetView_) return;
  const NoteNotation notation = settings_.NoteSet;
  if (!sheetDirty_ && notation == sheetNotation_) return;
  sheetDirty_ = false;
  sheetNotation_ = notation;
  TChordSheet sheet;
  if (!session_->beats().empty()) {
    TExportOptions options = ExportOptionsOf(settings_);
    options.commExport = false;
    options.notation = notation;
    sheet = ChordSheetOfSession(*session_, options);
  }
  const QString placeholder =
      Q(Mes(session_->MidiFile.NumberOfTracks() == 0 ? MesId::SSheetNoSong : MesId::SSheetNoChords));
  stageView_->SetSheet(sheet, placeholder);
  sheetView_->SetSheet(std::move(sheet), placeholder);
  FollowSheet(session_->MidiFile.PositionTicks());
  ScheduleControlDump();
}

void TfrmMain::FollowSheet(int32_t tick) {
  if (!sheetView_) return;
  sheetView_->SetPosition(tick, true);
  stageView_->SetPosition(tick, true);
}

// As a click on the beat in the grid: the beat becomes the grid's current cell (the event view
// follows), and its variants show.
void TfrmMain::SheetChordClicked(int beat) {
  if (beat < 0 || beat >= static_cast<int>(session_->beats().size())) return;
  int col = 0, row = 0;
  TSongPresenter::BeatCell(beat, col, row);
  presenter_->SetSongCell(col, row);
  SyncSongCursor();
  grdSongSelectCell(col, row);
  session_->TakeBeatVariants(beat);
  RefreshFromSession();
}

void TfrmMain::actSheetExecute() { dckSheet->setVisible(actSheet->isChecked()); }

void TfrmMain::actStageExecute() {
  if (stageWindow_->isVisible()) {
    stageWindow_->close();
    return;
  }
  RefreshSheet();
  if (QScreen* s = screen()) stageWindow_->setGeometry(s->geometry());
  stageWindow_->showFullScreen();
  stageWindow_->raise();
  stageWindow_->activateWindow();
  stageView_->setFocus();
}

bool TfrmMain::StageShown() const { return stageWindow_ && stageWindow_->isVisible(); }

void TfrmMain::actPrintExecute() {
  RefreshSheet();
  if (sheetView_->Sheet().Empty()) {
    ShowStatusHint(Mes(MesId::SSheetNoChords));
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(LocalePageSize()));
  printer.setDocName(Q(sheetView_->Sheet().title));
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  PaintChordSheetPages(sheetView_->Sheet(), printer);
}

void TfrmMain::actExportPdfExecute() {
  RefreshSheet();
  if (sheetView_->Sheet().Empty()) {
    ShowStatusHint(Mes(MesId::SSheetNoChords));
    return;
  }
  const QFileInfo song(Q(session_->MidiFile.Filename()));
  const QString suggested = song.absolutePath() + QLatin1Char('/') + song.completeBaseName() + QStringLiteral(".pdf");
  QString file = QFileDialog::getSaveFileName(this, Q(Mes(MesId::SActExportPdf)).remove(QStringLiteral("...")),
                                              suggested, Q(Mes(MesId::SSheetPdfFilter)));
  if (file.isEmpty()) return;
  ExportSheetPdf(file.toStdString());
}

bool TfrmMain::ExportSheetPdf(const std::string& file) {
  RefreshSheet();
  const std::string bytes = ChordSheetPdf(sheetView_->Sheet());
  QSaveFile out(Q(file));
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
                                             static_cast<qint64>(bytes.size()) || !out.commit()) {
    prompter_->Error(Mes(MesId::SCaptionError), MesFormat(MesId::SSheetPdfFailed, file));
    return false;
  }
  ShowStatusHint(MesFormat(MesId::SExportSaved, file));
  return true;
}
