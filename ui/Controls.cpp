#include "ui/Controls.h"

#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>

void TDropDownCombo::showPopup() {
  if (OnDropDown) OnDropDown();
  QComboBox::showPopup();
}

void TDropDownCombo::hidePopup() {
  QComboBox::hidePopup();
  if (OnCloseUp) OnCloseUp();
}

bool TGridView::CellTextCut(const QModelIndex& index) const {
  if (!index.isValid()) return false;
  const QString text = index.data().toString();
  // The cell's own margins and grid line take a few pixels of its width.
  return !text.isEmpty() && fontMetrics().horizontalAdvance(text) + 8 > visualRect(index).width();
}

bool TGridView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    if (CellTextCut(index)) {
      QToolTip::showText(help->globalPos(), index.data().toString(), viewport(), visualRect(index));
      return true;
    }
  }
  return QTableView::viewportEvent(event);
}

void TTrackListView::scrollTo(const QModelIndex& index, ScrollHint hint) {
  const int sideways = horizontalScrollBar()->value();
  QTreeView::scrollTo(index, hint);
  horizontalScrollBar()->setValue(sideways);
}
