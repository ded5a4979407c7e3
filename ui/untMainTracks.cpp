// The track list with its check boxes (an unticked track is muted and left out of the
// analysis) and the event view of the selected track.
#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>
#include <QTableView>
#include <QTreeView>

#include "base/untMesConst.h"
#include "ui/GridModels.h"
#include "ui/untMain.h"

namespace {
QString M(MesId id) { return QString::fromStdString(Mes(id)); }
}  // namespace

void TfrmMain::ConnectTrackControls() {
  TSongPresenter& s = *presenter_;
  tracksModel_ = new TTrackListModel(
      [&s]() -> const std::vector<TTrackRow>& { return s.lvTracks(); },
      {M(MesId::STrackColNumber), M(MesId::STrackColName), M(MesId::STrackColInstrument)},
      [this](int row, bool checked) { lvTracksChange(row, checked); }, settings_, this);
  lvTracks->setModel(tracksModel_);
  FitTrackColumns();
  connect(tracksModel_, &QAbstractItemModel::modelReset, this, [this] { FitTrackColumns(); });
  connect(lvTracks->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (!current.isValid()) return;  // deselection shows nothing new
            presenter_->SelectTrack(current.row());
            ShowTrackEvents(current.row());
          });

  eventsModel_ = new TEventGridModel(
      s.Session().MidiFile,
      {M(MesId::SEventColIndex), M(MesId::SEventColTime), M(MesId::SEventColEvent), M(MesId::SEventColData),
       M(MesId::SEventColInfo)},
      settings_, this);
  grdTrack->setModel(eventsModel_);
  grdTrack->horizontalHeader()->setStretchLastSection(false);

}

// Each column as wide as its longest entry or its title; the list itself widens (up to twice
// the design's width) so that the numbers and names show without scrolling sideways.
void TfrmMain::FitTrackColumns() {
  QHeaderView* header = lvTracks->header();
  for (int c = 0; c < tracksModel_->columnCount(); ++c) {
    lvTracks->resizeColumnToContents(c);
    const int title = header->fontMetrics().horizontalAdvance(tracksModel_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
    lvTracks->setColumnWidth(c, std::max(lvTracks->columnWidth(c), title + 16));
  }
  const int design = lvTracksDesignWidth_ > 0 ? lvTracksDesignWidth_ : lvTracks->width();
  if (lvTracksDesignWidth_ <= 0) lvTracksDesignWidth_ = design;
  const int frame = 2 * lvTracks->frameWidth() + lvTracks->verticalScrollBar()->sizeHint().width();
  const int wanted = lvTracks->columnWidth(0) + (tracksModel_->columnCount() > 1 ? lvTracks->columnWidth(1) : 0) + frame;
  // Only with room on the screen: the panels beside the list keep their minimum widths.
  int room = 2 * design;
  if (QScreen* s = screen(); s && isVisible())
    room = std::clamp(lvTracks->width() + s->availableGeometry().width() - 8 - minimumSizeHint().width(), design, room);
  else if (s)
    room = std::min(room, std::max(design, design + s->availableGeometry().width() / 2 - 560));
  lvTracks->setFixedWidth(std::clamp(wanted, design, room));
}

void TfrmMain::lvTracksChange(int row, bool checked) { presenter_->SetTrackChecked(row, checked); }

void TfrmMain::actTracksMuteExecute() {
  for (int i = 0; i < static_cast<int>(presenter_->lvTracks().size()); ++i) lvTracksChange(i, false);
  tracksModel_->RefreshChecks();
}

void TfrmMain::actTracksTurnOnExecute() {
  for (int i = 0; i < static_cast<int>(presenter_->lvTracks().size()); ++i) lvTracksChange(i, true);
  tracksModel_->RefreshChecks();
}

void TfrmMain::ShowTrackEvents(int track) {
  eventsModel_->ShowTrack(track);
  grdTrack->scrollToTop();
}
