#pragma once
// The services that playback borrows from its surroundings: a millisecond tick count, a
// periodic timer that wakes the thread owning the MIDI file, and a way to keep processing
// that thread's messages while a caller waits for playback (single-beat play). The program
// passes the Qt implementations (platform/QtPlayback.h); tests pass a manual clock
// (midi/ManualClock.h) so that playback runs deterministically.

#include <cstdint>
#include <functional>
#include <memory>

// A monotonic millisecond count that wraps around at 2^32 like the system tick count.
class IMidiClock {
 public:
  virtual ~IMidiClock() = default;
  virtual uint32_t NowMs() = 0;
  // The same clock in microseconds, for playback that sends ahead with due times; by default
  // the milliseconds scaled.
  virtual int64_t NowUs() { return int64_t{NowMs()} * 1000; }
};

// A running periodic timer. Destroying the object stops it; that must also be safe from
// inside the timer's own tick (a handler may stop playback).
class IMidiTimer {
 public:
  virtual ~IMidiTimer() = default;
};

class IMidiTimerFactory {
 public:
  virtual ~IMidiTimerFactory() = default;
  // The periods the service can keep, in milliseconds; a requested period is clamped to them.
  virtual int32_t MinPeriodMs() const { return 1; }
  virtual int32_t MaxPeriodMs() const { return 1000; }
  // Starts a timer that calls tick every periodMs on the thread that owns the MIDI file.
  // Returns null when no timer can be created.
  virtual std::unique_ptr<IMidiTimer> StartTimer(int32_t periodMs, std::function<void()> tick) = 0;
};

class IMessagePump {
 public:
  virtual ~IMessagePump() = default;
  // Handles the pending messages of the owning thread (timer ticks included), waiting at
  // most maxWaitMs for one to arrive.
  virtual void ProcessMessages(int32_t maxWaitMs) = 0;
};

// The three services together; none is owned, each must outlive the files that use it. A
// missing clock means the process's steady clock; a missing timer factory means that
// playback cannot start (Play returns false); a missing pump means that PlayUntil cannot wait.
struct TPlaybackServices {
  IMidiClock* Clock = nullptr;
  IMidiTimerFactory* Timers = nullptr;
  IMessagePump* Pump = nullptr;
};

// The process's steady clock in milliseconds (the default clock).
uint32_t SteadyClockMs();
// The process's steady clock in microseconds (std::chrono::steady_clock), without wrapping.
int64_t SteadyClockUs();
