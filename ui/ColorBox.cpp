#include "ui/ColorBox.h"

#include <QApplication>
#include <QColorDialog>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

#include "ui/untColors.h"

namespace {

QColor SystemColor(int index) {
  QPalette p = QApplication::palette();
  switch (index) {
    case 1: return p.color(QPalette::Dark);              // desktop
    case 2: case 13: case 29: return p.color(QPalette::Highlight);
    case 27: return p.color(QPalette::Highlight).lighter(130);
    case 3: case 12: case 28: return p.color(QPalette::Mid);
    case 4: case 30: return p.color(QPalette::Window);
    case 5: return p.color(QPalette::Base);
    case 6: case 21: return p.color(QPalette::Shadow);
    case 7: return p.color(QPalette::WindowText);
    case 8: return p.color(QPalette::Text);
    case 9: case 14: return p.color(QPalette::HighlightedText);
    case 16: return p.color(QPalette::Dark);
    case 17: return p.color(QPalette::Disabled, QPalette::Text);
    case 18: return p.color(QPalette::ButtonText);
    case 19: return p.color(QPalette::Disabled, QPalette::WindowText);
    case 20: return p.color(QPalette::Light);
    case 22: return p.color(QPalette::Midlight);
    case 23: return p.color(QPalette::ToolTipText);
    case 24: return p.color(QPalette::ToolTipBase);
    case 26: return p.color(QPalette::Link);
    default: return p.color(QPalette::Button);           // scroll bar, borders, button face
  }
}

QIcon Swatch(const QColor& color) {
  QPixmap pm(24, 14);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.fillRect(QRect(0, 0, 23, 13), color);
  p.setPen(Qt::black);
  p.drawRect(QRect(0, 0, 23, 13));
  return QIcon(pm);
}

}  // namespace

QColor ColorToQColor(TColor color) {
  if (color == clDefault) return QApplication::palette().color(QPalette::Base);
  if (IsSystemColor(color)) return SystemColor(static_cast<uint32_t>(color) & 0xFF);
  TRgb rgb = ExplicitColorRgb(color);
  return QColor(rgb.R, rgb.G, rgb.B);
}

TColorBox::TColorBox(QWidget* parent) : QComboBox(parent) {
  setIconSize(QSize(24, 14));
  setMaxVisibleItems(16);
  for (const auto& e : ColorBoxEntries())
    addItem(Swatch(ColorToQColor(e.Color)), QString::fromStdString(Mes(e.Name)),
            QVariant::fromValue<qint64>(e.Color));
  customIndex_ = count();
  addItem(Swatch(Qt::white), QString::fromStdString(Mes(MesId::SColorCustom)),
          QVariant::fromValue<qint64>(0xFFFFFF));
  custom_ = 0xFFFFFF;
  connect(this, &QComboBox::activated, this, &TColorBox::Activated);
}

TColor TColorBox::Selected() const {
  int i = currentIndex();
  if (i < 0) return clDefault;
  return static_cast<TColor>(itemData(i).toLongLong());
}

void TColorBox::SetSelected(TColor color) {
  int i = ColorBoxIndexOf(color);
  if (i < 0) {
    SetCustom(color);
    i = customIndex_;
  }
  setCurrentIndex(i);
  lastIndex_ = i;
}

void TColorBox::SetCustom(TColor color) {
  custom_ = color;
  setItemData(customIndex_, QVariant::fromValue<qint64>(color));
  setItemIcon(customIndex_, Swatch(ColorToQColor(color)));
}

void TColorBox::Activated(int index) {
  if (index != customIndex_) {
    lastIndex_ = index;
    return;
  }
  QColor c = QColorDialog::getColor(ColorToQColor(custom_), this);
  if (!c.isValid()) {
    // The colour dialog was cancelled: the box keeps the colour it had.
    setCurrentIndex(lastIndex_);
    return;
  }
  SetSelected(RgbToColor({static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
                          static_cast<uint8_t>(c.blue())}));
}
