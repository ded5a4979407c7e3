#pragma once
// TColorBox: a drop-down list of colours with a swatch and a readable name each: the standard,
// extended and system colours, the default colour (the window colour) and a custom colour,
// which opens the colour dialog when chosen.

#include <QColor>
#include <QComboBox>

#include "settings/untVars.h"

// The screen colour of a settings colour; system colours and the default colour come from the
// application's palette.
QColor ColorToQColor(TColor color);

class TColorBox : public QComboBox {
  Q_OBJECT

 public:
  explicit TColorBox(QWidget* parent = nullptr);

  TColor Selected() const;
  // Selects the colour's entry, or puts it into the custom entry when it is not listed.
  void SetSelected(TColor color);

 private:
  void Activated(int index);
  void SetCustom(TColor color);

  int customIndex_ = -1;
  TColor custom_ = 0;
  int lastIndex_ = 0;
};
