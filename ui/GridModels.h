#pragma once
// Item models over the session's grids and lists, so the views show the session's own data
// instead of copies: a string grid (its row 0 as the header, its column 0 as a fixed
// column), a list of texts, the track list with its check boxes, and the events of one
// track decoded for reading. After the session changes, Refresh tells the views.

#include <QAbstractListModel>
#include <QAbstractTableModel>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

#include "settings/untVars.h"
#include "ui/presenter/StringGrid.h"

class TMidiFile;

class TStringGridModel final : public QAbstractTableModel {
  Q_OBJECT
 public:
  // headers: texts of the header row; empty: the grid's row 0.
  TStringGridModel(std::function<const TStringGrid&()> grid, QStringList headers, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // Grid cell (column, row) of a model index and back: data rows start at grid row 1.
  static int GridRow(const QModelIndex& index) { return index.row() + 1; }
  QModelIndex IndexOf(int gridCol, int gridRow) const { return index(gridRow - 1, gridCol); }

  void Refresh();

 private:
  std::function<const TStringGrid&()> grid_;
  QStringList headers_;
  int rows_ = 0;
  int cols_ = 0;
};

class TTextListModel final : public QAbstractListModel {
  Q_OBJECT
 public:
  TTextListModel(std::function<const std::vector<std::string>&()> lines, QObject* parent);
  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  void Refresh();

 private:
  std::function<const std::vector<std::string>&()> lines_;
  int rows_ = 0;
};

// Columns "№", "Имя трэка", "Инструмент"; the first carries the check box of the track.
class TTrackListModel final : public QAbstractTableModel {
  Q_OBJECT
 public:
  TTrackListModel(std::function<const std::vector<TTrackRow>&()> rows, QStringList headers,
                  std::function<void(int row, bool checked)> onCheck, const TSettings& settings, QObject* parent);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  void Refresh();
  // The check boxes only (the track list itself stays).
  void RefreshChecks();

 private:
  std::function<const std::vector<TTrackRow>&()> rows_;
  QStringList headers_;
  const TSettings& settings_;  // the code page of the names
  std::function<void(int, bool)> onCheck_;
  int count_ = 0;
};

// The events of one track of the engine: "#", "Time", "Event", "Data", "Info", one row per
// event, decoded when a row is shown (a long track costs nothing until it is scrolled to).
class TEventGridModel final : public QAbstractTableModel {
  Q_OBJECT
 public:
  TEventGridModel(const TMidiFile& file, QStringList headers, const TSettings& settings, QObject* parent);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Shows a track (-1: none). The engine's tracks must not change while one is shown
  // without a new call; a new file is shown by calling it again.
  void ShowTrack(int track);
  int Track() const { return track_; }
  // The absolute tick of a row's event.
  int32_t RowTick(int row) const;
  // The note names and bytes of the shown events changed in place (a transposition).
  void RefreshRows();

 private:
  const TMidiFile& file_;
  const TSettings& settings_;  // the code page of the texts and the notation of the notes
  QStringList headers_;
  int track_ = -1;
  int rows_ = 0;
};
