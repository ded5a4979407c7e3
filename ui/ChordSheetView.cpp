#include "ui/ChordSheetView.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

#include "ui/Contrast.h"

namespace {

// The mark `t` of the way from the paper to its own colour.
QColor Blend(const QColor& paper, const QColor& mark, double t) {
  return QColor::fromRgbF(paper.redF() + (mark.redF() - paper.redF()) * t,
                          paper.greenF() + (mark.greenF() - paper.greenF()) * t,
                          paper.blueF() + (mark.blueF() - paper.blueF()) * t);
}

// A mark behind text: its own colour while both inks read on it, else paler (nearer the paper)
// until they do.
QColor LegibleMark(const QColor& mark, const QColor& paper, const QColor& ink, const QColor& chordInk) {
  if (mark.alpha() == 0) return mark;
  for (int step = 10; step > 0; --step) {
    const QColor c = Blend(paper, mark, step / 10.0);
    if (ContrastRatio(ink, c) >= LegibleContrast && ContrastRatio(chordInk, c) >= LegibleContrast) return c;
  }
  return paper;
}

}  // namespace

TSheetLook LegibleLook(TSheetLook look) {
  look.chordInk = Legible(look.chordInk, look.paper);
  look.dim = Legible(look.dim, look.paper);
  look.lineMark = LegibleMark(look.lineMark, look.paper, look.ink, look.chordInk);
  look.chordMark = LegibleMark(look.chordMark, look.paper, look.ink, look.chordInk);
  return look;
}

TChordSheetView::TChordSheetView(QWidget* parent) : QAbstractScrollArea(parent) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  viewport()->setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::StrongFocus);
}

void TChordSheetView::SetSheet(TChordSheet sheet, const QString& placeholder) {
  sheet_ = std::move(sheet);
  placeholder_ = placeholder;
  line_ = -1;
  chord_.reset();
  Relayout();
  if (tick_ >= 0) SetPosition(tick_, false);
  viewport()->update();
}

void TChordSheetView::SetStage(bool stage) {
  if (stage_ == stage) return;
  stage_ = stage;
  Relayout();
  KeepLineInView();
  viewport()->update();
}

// The stage's type grows with the screen: about fourteen rows of text fill its height.
void TChordSheetView::Relayout() {
  TSheetLook look;
  if (stage_) {
    const double rows = 14.0;
    const double pixels = std::max(24.0, viewport()->height() / rows / 2.2);
    const double points = pixels * 72.0 / std::max(1, logicalDpiY());
    look = StageLook(font(), std::max(points, 18.0));
  } else {
    look = PaneLook(font());
    look.paper = palette().color(QPalette::Base);
    look.ink = palette().color(QPalette::Text);
  }
  look = LegibleLook(look);
  painter_.Lay(sheet_, look, viewport()->width(), viewport());
  const int total = static_cast<int>(std::ceil(painter_.Height()));
  // On stage the last line may still stand high up on the screen.
  const int tail = stage_ ? viewport()->height() * 2 / 3 : 0;
  verticalScrollBar()->setRange(0, std::max(0, total + tail - viewport()->height()));
  verticalScrollBar()->setPageStep(viewport()->height());
  verticalScrollBar()->setSingleStep(std::max(1, fontMetrics().height()));
}

void TChordSheetView::SetPosition(int32_t tick, bool follow) {
  tick_ = tick;
  const int line = sheet_.LineAt(tick);
  const std::optional<TSheetChordRef> chord = sheet_.ChordAt(tick);
  if (line == line_ && chord == chord_) return;
  const bool lineMoved = line != line_;
  line_ = line;
  chord_ = chord;
  if (follow && lineMoved) KeepLineInView();
  viewport()->update();
}

// The line being sung stays in sight; on stage it stands a third down with the next line below.
void TChordSheetView::KeepLineInView() {
  if (line_ < 0) return;
  QRectF area = painter_.LineRect(line_);
  const int next = sheet_.NextLine(line_);
  if (next >= 0) area = area.united(painter_.LineRect(next));
  QScrollBar* bar = verticalScrollBar();
  const int top = bar->value();
  const int height = viewport()->height();
  if (stage_) {
    bar->setValue(static_cast<int>(painter_.LineRect(line_).top() - height / 3.0));
    return;
  }
  if (area.top() < top || area.bottom() > top + height)
    bar->setValue(static_cast<int>(area.top() - height / 4.0));
}

void TChordSheetView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const TSheetLook& look = painter_.Look();
  painter.fillRect(viewport()->rect(), look.paper);
  if (sheet_.Empty()) {
    painter.setPen(stage_ ? look.ink : palette().color(QPalette::PlaceholderText));
    painter.setFont(stage_ ? look.text : font());
    painter.drawText(viewport()->rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, placeholder_);
    return;
  }
  const double scroll = verticalScrollBar()->value();
  if (scroll < painter_.HeaderHeight()) painter_.PaintHeader(painter, -scroll);
  const int next = sheet_.NextLine(line_);
  for (const TChordSheetPainter::TBox& box : painter_.Boxes()) {
    if (box.y + box.height < scroll) continue;
    if (box.y > scroll + viewport()->height()) break;
    painter_.PaintRow(painter, box, scroll, line_, chord_, next);
  }
}

void TChordSheetView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  Relayout();
  KeepLineInView();
}

void TChordSheetView::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) Relayout();
}

void TChordSheetView::scrollContentsBy(int, int) { viewport()->update(); }

std::optional<int> TChordSheetView::BeatAtViewport(const QPoint& pos) const {
  return painter_.BeatAt(pos.x(), pos.y() + verticalScrollBar()->value());
}

void TChordSheetView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    if (const std::optional<int> beat = BeatAtViewport(event->position().toPoint())) emit chordClicked(*beat);
  QAbstractScrollArea::mousePressEvent(event);
}

void TChordSheetView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    if (const std::optional<int> beat = BeatAtViewport(event->position().toPoint())) emit chordDoubleClicked(*beat);
}

QRect TChordSheetView::ChordRect(int beat) const {
  return painter_.ChordArea(beat).translated(0, -verticalScrollBar()->value()).toAlignedRect();
}

QRect TChordSheetView::LineViewRect(int line) const {
  return painter_.LineRect(line).translated(0, -verticalScrollBar()->value()).toAlignedRect();
}
