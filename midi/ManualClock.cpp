#include "midi/ManualClock.h"

#include <algorithm>

class TManualClock::Handle : public IMidiTimer {
 public:
  Handle(std::weak_ptr<TManualClock*> owner, int id) : owner_(std::move(owner)), id_(id) {}
  ~Handle() override {
    if (auto owner = owner_.lock()) (*owner)->Remove(id_);
  }

 private:
  std::weak_ptr<TManualClock*> owner_;
  int id_;
};

TManualClock::TManualClock() : alive_(std::make_shared<TManualClock*>(this)) {}
TManualClock::~TManualClock() = default;

std::unique_ptr<IMidiTimer> TManualClock::StartTimer(int32_t periodMs, std::function<void()> tick) {
  if (FailTimers || periodMs <= 0) return nullptr;
  int id = nextId_++;
  timers_[id] = Timer{periodMs, now_ + static_cast<uint32_t>(periodMs), std::move(tick)};
  ++timersStarted_;
  lastPeriod_ = periodMs;
  return std::make_unique<Handle>(alive_, id);
}

void TManualClock::Remove(int id) { timers_.erase(id); }

void TManualClock::Advance(uint32_t ms) {
  const uint32_t end = now_ + ms;
  for (;;) {
    // The earliest due timer within the interval; a tick may start or stop timers.
    int dueId = 0;
    uint32_t dueAt = 0;
    for (const auto& [id, t] : timers_) {
      uint32_t offset = t.nextDue - now_;
      if (offset <= end - now_ && (dueId == 0 || offset < dueAt - now_)) {
        dueId = id;
        dueAt = t.nextDue;
      }
    }
    if (dueId == 0) break;
    now_ = dueAt;
    Timer& t = timers_[dueId];
    t.nextDue += static_cast<uint32_t>(t.period);
    auto tick = t.tick;  // the tick may destroy its own timer
    tick();
  }
  now_ = end;
}

void TManualClock::ProcessMessages(int32_t maxWaitMs) {
  ++pumpCalls_;
  if (OnPump) OnPump();
  int32_t step = maxWaitMs;
  for (const auto& [id, t] : timers_) step = std::min(step, t.period);
  Advance(static_cast<uint32_t>(std::max(step, 1)));
}
