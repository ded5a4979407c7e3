#pragma once
// A clock, timer service and message pump in one that move only when told to: tests of
// playback set the time, advance it, and see exactly the timer ticks that fall due. The
// pump advances the clock by one timer period per call, so a PlayUntil under test runs to
// its end without real waiting.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include "midi/MidiClock.h"

class TManualClock : public IMidiClock, public IMidiTimerFactory, public IMessagePump {
 public:
  TManualClock();
  ~TManualClock() override;

  TPlaybackServices Services() { return {this, this, this}; }

  uint32_t NowMs() override { return now_; }
  void SetNow(uint32_t ms) { now_ = ms; }
  // Moves the time forward, firing each running timer once for every period that ends within
  // the interval (in time order, so a tick sees the time at which it fell due).
  void Advance(uint32_t ms);

  std::unique_ptr<IMidiTimer> StartTimer(int32_t periodMs, std::function<void()> tick) override;
  int32_t MinPeriodMs() const override { return MinPeriod; }
  int32_t MaxPeriodMs() const override { return MaxPeriod; }
  // Advances by the shortest running period, or by maxWaitMs when no timer runs.
  void ProcessMessages(int32_t maxWaitMs) override;

  int32_t RunningTimers() const { return static_cast<int32_t>(timers_.size()); }
  int32_t TimersStarted() const { return timersStarted_; }
  int32_t LastPeriod() const { return lastPeriod_; }
  int32_t PumpCalls() const { return pumpCalls_; }

  // Test knobs: refuse to create timers; limits of the period; something to run at each pump.
  bool FailTimers = false;
  int32_t MinPeriod = 1;
  int32_t MaxPeriod = 1000;
  std::function<void()> OnPump;

 private:
  struct Timer {
    int32_t period;
    uint32_t nextDue;
    std::function<void()> tick;
  };
  class Handle;
  void Remove(int id);

  uint32_t now_ = 0;
  std::map<int, Timer> timers_;
  int nextId_ = 1;
  int32_t timersStarted_ = 0;
  int32_t lastPeriod_ = 0;
  int32_t pumpCalls_ = 0;
  std::shared_ptr<TManualClock*> alive_;  // lets handles outliving the clock do nothing
};
