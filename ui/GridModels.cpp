#include "ui/GridModels.h"

#include <QApplication>
#include <QPalette>

#include "export/ChordText.h"
#include "export/EventText.h"
#include "midi/MidiFile.h"
#include "settings/untVars.h"

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

// ---- TStringGridModel ----------------------------------------------------------------

TStringGridModel::TStringGridModel(std::function<const TStringGrid&()> grid, QStringList headers,
                                   QObject* parent)
    : QAbstractTableModel(parent), grid_(std::move(grid)), headers_(std::move(headers)) {
  rows_ = grid_().RowCount() - 1;
  cols_ = grid_().ColCount();
}

int TStringGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }
int TStringGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_; }

QVariant TStringGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole) return Q(grid_().Cell(index.column(), GridRow(index)));
  // Column 0 is the grid's fixed column: it labels the rows.
  if (index.column() == 0) {
    if (role == Qt::BackgroundRole) return QApplication::palette().button();
    if (role == Qt::ForegroundRole) return QApplication::palette().buttonText();
  }
  return {};
}

QVariant TStringGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) {
    if (section < headers_.size()) return headers_[section];
    return Q(grid_().Cell(section, 0));
  }
  return section + 1;
}

Qt::ItemFlags TStringGridModel::flags(const QModelIndex& index) const {
  // The fixed column cannot take the cursor.
  if (!index.isValid() || index.column() == 0) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void TStringGridModel::Refresh() {
  const TStringGrid& g = grid_();
  if (g.RowCount() - 1 != rows_ || g.ColCount() != cols_) {
    beginResetModel();
    rows_ = g.RowCount() - 1;
    cols_ = g.ColCount();
    endResetModel();
  } else if (rows_ > 0) {
    emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
  }
  emit headerDataChanged(Qt::Horizontal, 0, cols_ - 1);
}

// ---- TTextListModel --------------------------------------------------------------------

TTextListModel::TTextListModel(std::function<const std::vector<std::string>&()> lines, QObject* parent)
    : QAbstractListModel(parent), lines_(std::move(lines)) {
  rows_ = static_cast<int>(lines_().size());
}

int TTextListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

QVariant TTextListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || role != Qt::DisplayRole) return {};
  const auto& lines = lines_();
  if (index.row() >= static_cast<int>(lines.size())) return {};
  return Q(lines[static_cast<size_t>(index.row())]);
}

void TTextListModel::Refresh() {
  beginResetModel();
  rows_ = static_cast<int>(lines_().size());
  endResetModel();
}

// ---- TTrackListModel -------------------------------------------------------------------

TTrackListModel::TTrackListModel(std::function<const std::vector<TTrackRow>&()> rows, QStringList headers,
                                 std::function<void(int, bool)> onCheck, const TSettings& settings,
                                 QObject* parent)
    : QAbstractTableModel(parent), rows_(std::move(rows)), headers_(std::move(headers)), settings_(settings),
      onCheck_(std::move(onCheck)) {
  count_ = static_cast<int>(rows_().size());
}

int TTrackListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count_; }
int TTrackListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

QVariant TTrackListModel::data(const QModelIndex& index, int role) const {
  const auto& rows = rows_();
  if (!index.isValid() || index.row() >= static_cast<int>(rows.size())) return {};
  const TTrackRow& r = rows[static_cast<size_t>(index.row())];
  if (role == Qt::DisplayRole) {
    switch (index.column()) {
      case 0: return Q(r.Caption);
      case 1: return Q(DecodeMidiText(r.Name, CodePageFromNumber(settings_.TextCodepage)));
      case 2: return Q(DecodeMidiText(r.Instrument, CodePageFromNumber(settings_.TextCodepage)));
      default: return {};
    }
  }
  if (role == Qt::CheckStateRole && index.column() == 0) return r.Checked ? Qt::Checked : Qt::Unchecked;
  return {};
}

bool TTrackListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || index.column() != 0 || role != Qt::CheckStateRole) return false;
  bool checked = value.toInt() == Qt::Checked;
  if (onCheck_) onCheck_(index.row(), checked);
  emit dataChanged(index, index, {Qt::CheckStateRole});
  return true;
}

QVariant TTrackListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section >= headers_.size()) return {};
  return headers_[section];
}

Qt::ItemFlags TTrackListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (index.column() == 0) f |= Qt::ItemIsUserCheckable;
  return f;
}

void TTrackListModel::Refresh() {
  beginResetModel();
  count_ = static_cast<int>(rows_().size());
  endResetModel();
}

void TTrackListModel::RefreshChecks() {
  if (count_ > 0) emit dataChanged(index(0, 0), index(count_ - 1, 0), {Qt::CheckStateRole});
}

// ---- TEventGridModel -------------------------------------------------------------------

TEventGridModel::TEventGridModel(const TMidiFile& file, QStringList headers, const TSettings& settings,
                                 QObject* parent)
    : QAbstractTableModel(parent), file_(file), settings_(settings), headers_(std::move(headers)) {}

int TEventGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }
int TEventGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 5; }

QVariant TEventGridModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || track_ < 0 || track_ >= file_.NumberOfTracks()) return {};
  const TMidiEventEx* e = file_.TrackAt(track_).EventAt(index.row());
  if (!e) return {};
  TEventRow row = EventRow(file_, index.row(), *e, CodePageFromNumber(settings_.TextCodepage), settings_.NoteSet);
  switch (index.column()) {
    case 0: return Q(row.index);
    case 1: return Q(row.time);
    case 2: return Q(row.event);
    case 3: return Q(row.data);
    case 4: return Q(row.info);
    default: return {};
  }
}

QVariant TEventGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section >= headers_.size()) return {};
  return headers_[section];
}

void TEventGridModel::ShowTrack(int track) {
  beginResetModel();
  track_ = track >= 0 && track < file_.NumberOfTracks() ? track : -1;
  rows_ = track_ < 0 ? 0 : file_.TrackAt(track_).EventCount();
  endResetModel();
}

int32_t TEventGridModel::RowTick(int row) const {
  if (track_ < 0 || track_ >= file_.NumberOfTracks()) return 0;
  const TMidiEventEx* e = file_.TrackAt(track_).EventAt(row);
  return e ? e->Time : 0;
}

void TEventGridModel::RefreshRows() {
  if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, 4));
}
