// Where the main window stands: it opens where it was closed, with the size it had, and its
// title bar always on a screen so that it can be moved. The settings keep the client area
// (the window without the frame the window manager adds): the same rectangle is saved and
// restored, so the window does not creep by the height of its title bar from run to run.
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWindow>

#include <algorithm>

#include "base/untMesConst.h"
#include "midi/MidiOutService.h"
#include "song/Prompter.h"
#include "ui/ControlProbe.h"
#include "ui/NoticeBar.h"
#include "ui/untMain.h"
#include "ui/untOptions.h"

namespace {

// The screen whose available area holds the point, or the one nearest to it.
QScreen* ScreenNear(const QPoint& at) {
  QScreen* best = QGuiApplication::primaryScreen();
  int bestDistance = -1;
  for (QScreen* s : QGuiApplication::screens()) {
    const QRect r = s->availableGeometry();
    if (r.contains(at)) return s;
    const int dx = std::max({r.left() - at.x(), 0, at.x() - r.right()});
    const int dy = std::max({r.top() - at.y(), 0, at.y() - r.bottom()});
    if (bestDistance < 0 || dx + dy < bestDistance) {
      bestDistance = dx + dy;
      best = s;
    }
  }
  return best;
}

}  // namespace

// The client rectangle for a window of this size, with a title bar of `title` pixels above
// it: the title bar stays inside the available area (wholly in height, and enough of it in
// width to take it with the mouse), and the window is never larger than that area. A window
// partly beyond the right or bottom edge stays where the user put it.
QRect WindowPlaceOnScreen(const QRect& client, const QRect& available, int title) {
  constexpr int kGrip = 120;  // of the title bar's width, at least this much on the screen
  QRect r = client;
  r.setWidth(std::min(r.width(), available.width()));
  r.setHeight(std::min(r.height(), std::max(1, available.height() - title)));
  const int grip = std::min(kGrip, r.width());
  if (r.left() > available.right() - grip) r.moveLeft(available.right() - grip + 1);
  if (r.right() < available.left() + grip) r.moveRight(available.left() + grip - 1);
  if (r.top() - title < available.top()) r.moveTop(available.top() + title);
  if (r.top() > available.bottom()) r.moveTop(std::max(available.top() + title, available.bottom() - r.height() + 1));
  return r;
}

void TfrmMain::RestoreGeometry(const TWindowPos& pos) {
  const bool placed = pos.Width > 0 || pos.Left != 0 || pos.Top != 0;
  if (!placed) return;  // the first start: the window manager places the window
  QSize size = pos.Width > 0 && pos.Height > 0 ? QSize(pos.Width, pos.Height) : this->size();
  size = size.expandedTo(minimumSizeHint());
  QScreen* screen = ScreenNear(QPoint(pos.Left, pos.Top));
  if (!screen) return;
  const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight);
  setGeometry(WindowPlaceOnScreen(QRect(QPoint(pos.Left, pos.Top), size), screen->availableGeometry(), title));
}

TWindowPos TfrmMain::SavedGeometry() const {
  const QRect r = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
  return TWindowPos{r.x(), r.y(), r.width(), r.height()};
}

// Once the window manager has framed the window, the real title bar is known: a frame that
// starts above the available area is moved down into it.
void TfrmMain::KeepTitleBarOnScreen() {
  const QRect frame = frameGeometry();
  QScreen* screen = ScreenNear(frame.topLeft());
  if (!screen) return;
  const QRect available = screen->availableGeometry();
  QPoint to = frame.topLeft();
  if (frame.top() < available.top()) to.setY(available.top());
  if (frame.right() < available.left() + 120) to.setX(available.left());
  if (frame.left() > available.right() - 120) to.setX(std::max(available.left(), available.right() - frame.width() + 1));
  if (to != frame.topLeft()) move(to);
}

// The output device did not open: a bar above the panels says so, naming the device (a
// synthesizer without an audio output as such), with a button to the page of the options
// where another one is chosen. It stops nobody: playing goes on showing the notes.
void TfrmMain::WarnOutputClosed() {
  const bool noAudio = MidiOut().LastError() == static_cast<uint16_t>(TMidiOutErrc::NoAudio);
  std::string device = MidiOut().ProductName();
  if (device.empty()) device = settings_.MidiOutName;
  pnlNoticeBar->ShowNotice(QString::fromStdString(MesFormat(noAudio ? MesId::SOutputBarNoAudio : MesId::SOutputBarPort, device)),
                           QString::fromStdString(Mes(MesId::SOutputBarOptions)),
                           QString::fromStdString(Mes(MesId::SOutputBarOptionsHint)), [this] {
                             settings_.OptionsPage = OptionsPageMidi;
                             actOptionsExecute();
                           });
}

// For tests under a real display: with CANTARO_DUMP_CONTROLS naming a file, the window writes
// its controls' places there once it has started and again after every move or resize.
void TfrmMain::ScheduleControlDump() {
  static const QString path = qEnvironmentVariable("CANTARO_DUMP_CONTROLS");
  if (path.isEmpty() || !shown_) return;
  if (!dumpTimer_) {
    dumpTimer_ = new QTimer(this);
    dumpTimer_->setSingleShot(true);
    dumpTimer_->setInterval(400);
    connect(dumpTimer_, &QTimer::timeout, this, [this] { WriteControlDump(this, path); });
  }
  dumpTimer_->start();
}

void TfrmMain::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  ScheduleControlDump();
}

void TfrmMain::OpenFromDesktop(const std::string& fileName) {
  if (QApplication::activeModalWidget() || !shown_ || starting_) {
    QTimer::singleShot(300, this, [this, fileName] { OpenFromDesktop(fileName); });
    return;
  }
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
  LoadSong(fileName);
}
