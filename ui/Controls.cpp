#include "ui/Controls.h"

void TDropDownCombo::showPopup() {
  if (OnDropDown) OnDropDown();
  QComboBox::showPopup();
}

void TDropDownCombo::hidePopup() {
  QComboBox::hidePopup();
  if (OnCloseUp) OnCloseUp();
}
