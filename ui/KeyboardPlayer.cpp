#include "ui/KeyboardPlayer.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <array>

namespace {

constexpr std::array<TKeyNote, 24> KeyNoteMap = {{
    {81, -3}, {87, -1}, {69, 0}, {82, 2}, {84, 4}, {89, 5}, {85, 7}, {73, 9}, {79, 11}, {80, 12},
    {219, 14}, {221, 16},
    {49, -4}, {50, -2}, {52, 1}, {53, 3}, {55, 6}, {56, 8}, {57, 10}, {189, 13}, {187, 15},
    {192, TKeyboardPlayer::OctaveDown}, {220, TKeyboardPlayer::OctaveUp}, {8, TKeyboardPlayer::OctaveUp},
}};

const TKeyNote* Find(int keyCode) {
  for (const TKeyNote& k : KeyNoteMap)
    if (k.KeyCode == keyCode) return &k;
  return nullptr;
}

// X11 and Wayland key codes (the kernel's key numbers plus 8) of the keys in the table.
int KeyCodeOfScanCode(quint32 scanCode) {
  switch (scanCode) {
    case 10: return '1';
    case 11: return '2';
    case 12: return '3';
    case 13: return '4';
    case 14: return '5';
    case 15: return '6';
    case 16: return '7';
    case 17: return '8';
    case 18: return '9';
    case 19: return '0';
    case 20: return 189;
    case 21: return 187;
    case 22: return 8;
    case 24: return 'Q';
    case 25: return 'W';
    case 26: return 'E';
    case 27: return 'R';
    case 28: return 'T';
    case 29: return 'Y';
    case 30: return 'U';
    case 31: return 'I';
    case 32: return 'O';
    case 33: return 'P';
    case 34: return 219;
    case 35: return 221;
    case 49: return 192;
    case 51: return 220;
    default: return 0;
  }
}

int KeyCodeOfKey(int key) {
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return key;
  switch (key) {
    case Qt::Key_BracketLeft: return 219;
    case Qt::Key_BracketRight: return 221;
    case Qt::Key_Minus: return 189;
    case Qt::Key_Equal: return 187;
    case Qt::Key_QuoteLeft: return 192;
    case Qt::Key_Backslash: return 220;
    case Qt::Key_Backspace: return 8;
    default: return 0;
  }
}

}  // namespace

bool TKeyboardPlayer::IsPlayable(int keyCode) { return Find(keyCode) != nullptr; }

void TKeyboardPlayer::PlayFromKey(int keyCode, int velocity) {
  const TKeyNote* k = Find(keyCode);
  if (!k) return;
  if (k->Offset == OctaveDown || k->Offset == OctaveUp) {
    if (velocity > 0 && ShiftOctaves) ShiftOctaves(k->Offset == OctaveDown ? -1 : 1);
    return;
  }
  int note = k->Offset + (BaseC ? BaseC() : 60);
  if (note < 0 || note > 127) return;
  if (velocity > 0) {
    if (!held_.insert(note).second) return;  // the key repeats while held
  } else if (held_.erase(note) == 0) {
    return;
  }
  if (PlayNote) PlayNote(note, velocity);
}

void TKeyboardPlayer::EndHeldNotes() {
  std::set<int> held;
  held.swap(held_);
  for (int note : held)
    if (PlayNote) PlayNote(note, 0);
}

int KeyCodeOf(const QKeyEvent& event) {
  const QString platform = QGuiApplication::platformName();
  if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"))) {
    if (int code = KeyCodeOfScanCode(event.nativeScanCode())) return code;
  }
  return KeyCodeOfKey(event.key());
}
