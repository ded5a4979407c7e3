#include "platform/QtPlayback.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace {

class QtTimer : public IMidiTimer {
 public:
  QtTimer(int32_t periodMs, std::function<void()> tick) : timer_(new QTimer), tick_(std::move(tick)) {
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(periodMs);
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] {
      inTick_ = true;
      // The tick may destroy this object (a handler stops playback); keep what is needed.
      auto alive = alive_;
      auto tick = tick_;
      tick();
      if (*alive) inTick_ = false;
    });
    timer_->start();
  }

  ~QtTimer() override {
    *alive_ = false;
    timer_->stop();
    QObject::disconnect(timer_, nullptr, nullptr, nullptr);
    // Deleting a QTimer inside its own timeout signal is not allowed; let the loop do it.
    if (inTick_)
      timer_->deleteLater();
    else
      delete timer_;
  }

 private:
  QTimer* timer_;
  std::function<void()> tick_;
  bool inTick_ = false;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace

uint32_t TQtPlayback::NowMs() { return SteadyClockMs(); }

int64_t TQtPlayback::NowUs() { return SteadyClockUs(); }

std::unique_ptr<IMidiTimer> TQtPlayback::StartTimer(int32_t periodMs, std::function<void()> tick) {
  if (!QCoreApplication::instance() || periodMs <= 0) return nullptr;
  return std::make_unique<QtTimer>(periodMs, std::move(tick));
}

void TQtPlayback::ProcessMessages(int32_t maxWaitMs) {
  if (!QCoreApplication::instance()) return;
  // A single-shot wake-up bounds the wait when nothing else arrives.
  QTimer wake;
  wake.setSingleShot(true);
  wake.start(maxWaitMs > 0 ? maxWaitMs : 1);
  QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}
