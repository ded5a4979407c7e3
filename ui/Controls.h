#pragma once
// Small variations of Qt's controls that the main window needs.

#include <QComboBox>
#include <QTableView>
#include <QTreeView>

#include <functional>

// A drop-down list that says when its list opens and closes (the transposition list shows
// the keys only while it is open).
class TDropDownCombo final : public QComboBox {
  Q_OBJECT
 public:
  using QComboBox::QComboBox;
  std::function<void()> OnDropDown;
  std::function<void()> OnCloseUp;
  void showPopup() override;
  void hidePopup() override;
};

// A text grid without type-to-find: letters typed while it has the focus play notes (the
// computer keyboard as a piano) and must not move its cursor.
class TGridView final : public QTableView {
  Q_OBJECT
 public:
  using QTableView::QTableView;
  void keyboardSearch(const QString&) override {}
  // Whether the cell's text is wider than the cell, so that the grid cuts it short.
  bool CellTextCut(const QModelIndex& index) const;

 protected:
  // A cell whose text is cut short shows it whole as its tooltip.
  bool viewportEvent(QEvent* event) override;
};

// The track list: selecting a track keeps the list's sideways position, so the check boxes
// at its left stay in sight.
class TTrackListView final : public QTreeView {
  Q_OBJECT
 public:
  using QTreeView::QTreeView;
  void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
};
