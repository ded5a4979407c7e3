#pragma once
// What a user sees of a window: each visible control with its place on the screen and
// whether its text is cut short. Window tests check that every control lies on the screen
// and that no caption is cut, at any font size and scale; the program writes the same list
// to a file for tests under a real display (CANTARO_DUMP_CONTROLS, see WriteControlDump).

#include <QRect>
#include <QString>

#include <vector>

class QWidget;

struct TControlRect {
  QString Name;   // the object name, or the class name for controls without one
  QString Kind;   // the class name
  QRect Global;   // on the screen
  bool TextCut = false;
};

// The visible controls of the window (buttons, labels, fields, lists, grids, the piano), not
// their inner parts (viewports, scroll bars).
std::vector<TControlRect> VisibleControls(const QWidget* window);

// Whether the control's own text (a label's, a button's, a field's) is wider than the room it has.
bool ControlTextCut(const QWidget* control);

// One line per control: name, kind, x, y, width, height, 1 when its text is cut; the first
// line is the window's frame and the second its client area, the third the available area
// of its screen, the fourth ("ratio") the device pixel ratio in thousandths as its x. Returns false when the file cannot be written.
bool WriteControlDump(const QWidget* window, const QString& path);
