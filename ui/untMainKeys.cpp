// The computer keyboard as a piano: the window sees every key before its controls and plays
// the keys of the two upper rows, leaving them to the focused control as well. A text field
// being edited keeps its keys: they type and do not play. After a choice in a list of the
// tool bar and after a question the keys go back to the beat grid, where Space plays a beat.
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTextEdit>
#include <QTimer>

#include "ui/Controls.h"

#include "settings/untVars.h"
#include "ui/untMain.h"

namespace {
bool ModifierDown(const QKeyEvent* event) {
  return (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) != 0;
}

// A control in which the keys write text.
bool EditsText(const QWidget* w) {
  if (!w) return false;
  if (auto* line = qobject_cast<const QLineEdit*>(w)) return !line->isReadOnly();
  if (auto* plain = qobject_cast<const QPlainTextEdit*>(w)) return !plain->isReadOnly();
  if (auto* rich = qobject_cast<const QTextEdit*>(w)) return !rich->isReadOnly();
  if (auto* spin = qobject_cast<const QAbstractSpinBox*>(w)) return !spin->isReadOnly();
  if (auto* combo = qobject_cast<const QComboBox*>(w)) return combo->isEditable();
  return false;
}
}  // namespace

bool TfrmMain::FormKeyDown(QKeyEvent* event) {
  if (!settings_.PlayKeys || ModifierDown(event) || EditsText(QApplication::focusWidget())) return false;
  int code = KeyCodeOf(*event);
  if (TKeyboardPlayer::IsPlayable(code)) keyboard_.PlayFromKey(code, 127);
  return false;
}

bool TfrmMain::FormKeyUp(QKeyEvent* event) {
  // A held key repeats as releases and presses; only the real release ends the note.
  if (!settings_.PlayKeys || ModifierDown(event) || event->isAutoRepeat()) return false;
  keyboard_.PlayFromKey(KeyCodeOf(*event), 0);
  return false;
}

void TfrmMain::ReturnFocusToGrid() {
  // After the list has closed and handed the focus back to itself.
  QTimer::singleShot(0, this, [this] {
    if (isVisible()) grdSong->setFocus(Qt::OtherFocusReason);
  });
}

void TfrmMain::ConnectFocus() {
  for (QComboBox* box : {cbBpm, cbRootOrig, static_cast<QComboBox*>(cbTranspos)})
    connect(box, &QComboBox::activated, this, [this] { ReturnFocusToGrid(); });
  // The grids leave Tab to the window, which moves between the controls.
  for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(grdSong), static_cast<QAbstractItemView*>(grdVariants),
                                  static_cast<QAbstractItemView*>(grdTrack)})
    view->setTabKeyNavigation(false);
}
