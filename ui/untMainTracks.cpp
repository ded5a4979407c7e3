// The track list with its check boxes (an unticked track is muted and left out of the
// analysis) and the event view of the selected track.
#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
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
  lvTracks->setColumnWidth(0, 40);
  lvTracks->setColumnWidth(1, 150);
  lvTracks->setColumnWidth(2, 150);
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
