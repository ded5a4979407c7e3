// The computer keyboard as a piano: the window sees every key before its controls and plays
// the keys of the two upper rows, leaving them to the focused control as well.
#include <QKeyEvent>

#include "settings/untVars.h"
#include "ui/untMain.h"

namespace {
bool ModifierDown(const QKeyEvent* event) {
  return (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) != 0;
}
}  // namespace

bool TfrmMain::FormKeyDown(QKeyEvent* event) {
  if (!PlayKeys || ModifierDown(event)) return false;
  int code = KeyCodeOf(*event);
  if (TKeyboardPlayer::IsPlayable(code)) keyboard_.PlayFromKey(code, 127);
  return false;
}

bool TfrmMain::FormKeyUp(QKeyEvent* event) {
  // A held key repeats as releases and presses; only the real release ends the note.
  if (!PlayKeys || ModifierDown(event) || event->isAutoRepeat()) return false;
  keyboard_.PlayFromKey(KeyCodeOf(*event), 0);
  return false;
}
