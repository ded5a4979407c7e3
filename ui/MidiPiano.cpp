#include "ui/MidiPiano.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QResizeEvent>

#include <cmath>

#include "chords/untChords.h"
#include "settings/untVars.h"
#include "ui/ColorBox.h"

namespace {

QRect ToQRect(const TPianoRect& r) { return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top); }

// A line one device pixel wide whatever the scale (the painter works in device pixels).
QPen DevicePen(const QColor& color) {
  QPen pen(color);
  pen.setCosmetic(true);
  pen.setWidth(1);
  return pen;
}

// The rectangle filled in one colour and framed with a one-pixel line in another, the frame
// inside the rectangle as the fill is.
void FramedRect(QPainter& p, const TPianoRect& r, const QColor& fill, const QColor& outline) {
  if (r.Empty()) return;
  QRect q = ToQRect(r);
  p.fillRect(q, fill);
  p.setPen(DevicePen(outline));
  p.setBrush(Qt::NoBrush);
  p.drawRect(q.adjusted(0, 0, -1, -1));
}

QColor Complement(const QColor& c) { return QColor(255 - c.red(), 255 - c.green(), 255 - c.blue()); }

}  // namespace

TMidiPiano::TMidiPiano(TMidiPianoModel& model, const TSettings& settings, QWidget* parent)
    : QWidget(parent), model_(model), settings_(settings) {
  setMouseTracking(true);
  resize(sizeHint());
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

  // The handlers outlive neither the widget nor its use: once the widget is gone they only
  // pass the call on to whatever was installed before.
  QPointer<TMidiPiano> self(this);
  auto keyChanged = model_.OnKeyChanged;
  model_.OnKeyChanged = [self, keyChanged](int note) {
    if (keyChanged) keyChanged(note);
    if (!self) return;
    TPianoKeyShape k = PianoKeyShape(self->DeviceGeometry(), note - self->model_.FirstShownNote());
    if (k.Bounds.Empty()) return;
    // Only this key's own rectangles, so the neighbours are left alone.
    QRegion r(self->WidgetRect(k.Upper));
    if (!k.Lower.Empty()) r += self->WidgetRect(k.Lower);
    r += self->WidgetRect(k.Mark);
    self->update(r);
  };
  auto repaint = model_.OnRepaint;
  model_.OnRepaint = [self, repaint] {
    if (repaint) repaint();
    if (self) self->update();
  };
  auto shifted = model_.OnShiftOctaves;
  model_.OnShiftOctaves = [self, shifted](int8_t start) {
    if (shifted) shifted(start);
    if (self) emit self->OnShiftOctaves(start);
  };
}

TPianoGeometry TMidiPiano::Geometry() const {
  return TPianoGeometry(width(), height(), model_.OctaveCount());
}

TPianoGeometry TMidiPiano::DeviceGeometry() const {
  const qreal ratio = devicePixelRatioF();
  return TPianoGeometry(static_cast<int>(std::lround(width() * ratio)), static_cast<int>(std::lround(height() * ratio)),
                        model_.OctaveCount(), ratio);
}

QRect TMidiPiano::WidgetRect(const TPianoRect& r) const {
  const qreal ratio = devicePixelRatioF();
  const QRectF device(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
  return QRectF(device.topLeft() / ratio, device.size() / ratio).toAlignedRect();
}

int TMidiPiano::KeyAtPoint(int x, int y) const {
  // Where the keys are painted: in device pixels.
  const qreal ratio = devicePixelRatioF();
  const int r = PianoKeyAt(DeviceGeometry(), static_cast<int>(x * ratio), static_cast<int>(y * ratio));
  return r < 0 ? -1 : r + model_.FirstShownNote();
}

QRect TMidiPiano::KeyRect(int note) const {
  TPianoKeyShape k = PianoKeyShape(DeviceGeometry(), note - model_.FirstShownNote());
  return k.Bounds.Empty() ? QRect() : WidgetRect(k.Bounds);
}

void TMidiPiano::SetMinimumOctaves(int count) {
  minimumOctaves_ = count;
  FitOctaves();
}

void TMidiPiano::FitOctaves() {
  if (minimumOctaves_ > 0) model_.SetOctaveCount(PianoOctavesToFit(width(), height(), minimumOctaves_));
}

void TMidiPiano::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FitOctaves();
}

void TMidiPiano::paintEvent(QPaintEvent* event) {
  TPianoGeometry g = DeviceGeometry();
  if (!g.Valid()) return;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, false);
  // One unit of the painter is one device pixel: at a ratio of 1.25, 1.5 or 2 the keys stand on
  // whole pixels and their outlines stay one pixel wide, not smeared over two.
  p.scale(1 / devicePixelRatioF(), 1 / devicePixelRatioF());
  // Read at every paint, so a colour confirmed in the options shows at the next repaint.
  QColor white = ColorToQColor(settings_.WhiteKey), black = ColorToQColor(settings_.BlackKey);
  QColor selected = ColorToQColor(settings_.SelectedKey), border = ColorToQColor(settings_.Border);
  QColor marked = ColorToQColor(settings_.MarkedKey);
  const QRegion& region = event->region();
  int first = model_.FirstShownNote();
  for (int r = 0; r < g.KeyCount(); ++r) {
    TPianoKeyShape k = PianoKeyShape(g, r);
    if (!region.intersects(WidgetRect(k.Bounds))) continue;
    int note = first + r;
    bool isMarked = model_.IsMarked(note);
    QColor fill = model_.IsSounding(note) ? selected : (k.Black ? black : white);
    QColor outline = isMarked ? marked : border;
    FramedRect(p, k.Upper, fill, outline);
    if (!k.Black) {
      FramedRect(p, k.Lower, fill, outline);
      // One shape: the frame between the upper and the lower part is painted over.
      if (k.JoinRight >= k.JoinLeft) {
        p.setPen(DevicePen(fill));
        p.drawLine(k.JoinLeft, k.JoinY, k.JoinRight, k.JoinY);
      }
    }
    if (isMarked) {
      p.setPen(DevicePen(Complement(fill)));
      p.setBrush(marked);
      p.drawEllipse(ToQRect(k.Mark).adjusted(0, 0, -1, -1));
    }
  }
}

void TMidiPiano::PlayHeld(int note) {
  if (heldNote_ >= 0) emit OnPlayNote(heldNote_, 0);
  emit OnPlayNote(note, 127);
  heldNote_ = note;
}

void TMidiPiano::ReleaseHeldNote() {
  if (heldNote_ < 0) return;
  int note = heldNote_;
  heldNote_ = -1;
  emit OnPlayNote(note, 0);
}

void TMidiPiano::mousePressEvent(QMouseEvent* event) {
  QPoint pos = event->position().toPoint();
  int note = KeyAtPoint(pos.x(), pos.y());
  if (note < 0) return;
  if (event->button() == Qt::LeftButton) {
    PlayHeld(note);
  } else {
    emit OnMarkByMouse(note);
    model_.SetMarked(note, !model_.IsMarked(note));
  }
}

void TMidiPiano::mouseMoveEvent(QMouseEvent* event) {
  QPoint pos = event->position().toPoint();
  int note = KeyAtPoint(pos.x(), pos.y());
  if (note < 0) return;
  emit OnHoverNote(note, QString::fromStdString(
                             PitchName(static_cast<int8_t>(note), AccidentalSpelling::Sharps, settings_.NoteSet)));
  // Sliding with the button held plays each key in turn, ending the one before.
  if ((event->buttons() & Qt::LeftButton) && note != heldNote_) PlayHeld(note);
}

void TMidiPiano::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) ReleaseHeldNote();
}

void TMidiPiano::hideEvent(QHideEvent* event) {
  ReleaseHeldNote();
  QWidget::hideEvent(event);
}

void TMidiPiano::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) ReleaseHeldNote();
  QWidget::changeEvent(event);
}
