#include "ui/HintTimes.h"

#include <QApplication>
#include <QProxyStyle>
#include <QWidget>

namespace {

class THintTimesStyle final : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ToolTip_WakeUpDelay) return HintWakeUpMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

void InstallHintTimes(QWidget* window) {
  if (!dynamic_cast<THintTimesStyle*>(QApplication::style()))
    QApplication::setStyle(new THintTimesStyle(QApplication::style()->name()));
  window->setToolTipDuration(HintShowMs);
  for (QWidget* w : window->findChildren<QWidget*>()) w->setToolTipDuration(HintShowMs);
}
