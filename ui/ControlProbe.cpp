#include "ui/ControlProbe.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextStream>
#include <QToolButton>
#include <QWidget>

namespace {

bool IsControl(const QWidget* w) {
  return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLabel*>(w) ||
         qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
         qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
         w->inherits("TMidiPiano") || w->inherits("TChordSheetView");
}

// Inside another control (a combo box's field, a grid's corner button): part of that control.
bool InsideControl(const QWidget* w, const QWidget* window) {
  for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
    if (IsControl(p) && !qobject_cast<const QLabel*>(p)) return true;
  return false;
}

}  // namespace

bool ControlTextCut(const QWidget* control) {
  const QFontMetrics fm = control->fontMetrics();
  if (auto* label = qobject_cast<const QLabel*>(control)) {
    if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText) return false;
    int widest = 0;
    for (const QString& line : label->text().split(QLatin1Char('\n'))) widest = std::max(widest, fm.horizontalAdvance(line));
    return widest > label->contentsRect().width();
  }
  if (auto* tool = qobject_cast<const QToolButton*>(control)) {
    if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly) return false;
  }
  if (auto* button = qobject_cast<const QAbstractButton*>(control)) {
    QString text = button->text();
    text.remove(QLatin1Char('&'));
    if (text.isEmpty()) return false;
    return fm.horizontalAdvance(text) + 4 > button->width();
  }
  if (auto* line = qobject_cast<const QLineEdit*>(control)) {
    if (line->text().isEmpty()) return false;
    return fm.horizontalAdvance(line->text()) + 4 > line->contentsRect().width();
  }
  if (auto* combo = qobject_cast<const QComboBox*>(control)) {
    if (combo->currentText().isEmpty()) return false;
    const int arrow = combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, combo);
    return fm.horizontalAdvance(combo->currentText()) + arrow > combo->width();
  }
  return false;
}

std::vector<TControlRect> VisibleControls(const QWidget* window) {
  std::vector<TControlRect> out;
  for (const QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisible() || w->window() != window || !IsControl(w) || InsideControl(w, window)) continue;
    if (w->width() <= 0 || w->height() <= 0) continue;
    TControlRect r;
    r.Kind = QString::fromLatin1(w->metaObject()->className());
    r.Name = w->objectName().isEmpty() ? r.Kind : w->objectName();
    r.Global = QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    r.TextCut = ControlTextCut(w);
    out.push_back(r);
  }
  return out;
}

bool WriteControlDump(const QWidget* window, const QString& path) {
  QFile file(path + QStringLiteral(".part"));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  QTextStream out(&file);
  auto line = [&out](const QString& name, const QString& kind, const QRect& r, bool cut) {
    out << name << '\t' << kind << '\t' << r.x() << '\t' << r.y() << '\t' << r.width() << '\t' << r.height() << '\t'
        << (cut ? 1 : 0) << '\n';
  };
  line(QStringLiteral("frame"), QStringLiteral("window"), window->frameGeometry(), false);
  line(QStringLiteral("client"), QStringLiteral("window"), window->geometry(), false);
  const QScreen* screen = window->screen();
  line(QStringLiteral("available"), QStringLiteral("screen"), screen ? screen->availableGeometry() : QRect(), false);
  // The device pixels per pixel, in thousandths, for tests that sample a picture of the screen.
  line(QStringLiteral("ratio"), QStringLiteral("screen"), QRect(static_cast<int>(window->devicePixelRatioF() * 1000 + 0.5), 0, 0, 0),
       false);
  for (const TControlRect& r : VisibleControls(window)) line(r.Name, r.Kind, r.Global, r.TextCut);
  out.flush();
  file.close();
  QFile::remove(path);
  return file.rename(path);
}
