#pragma once
// Delivery of work to the GUI thread. Device callbacks run on threads of the MIDI service and
// must not touch the output component there; they post its completion work instead. The
// window program posts into Qt's event loop (platform/QtMainThreadPoster); tests and the
// command line use the two plain implementations below.

#include <deque>
#include <functional>
#include <mutex>

class TMainThreadPoster {
 public:
  virtual ~TMainThreadPoster() = default;
  // Safe to call from any thread; the work runs later on the GUI thread (or at once, for
  // the immediate poster).
  virtual void Post(std::function<void()> work) = 0;
};

// Runs the work at once on the posting thread: for programs without an event loop whose
// services complete on the caller's own thread (the offline synthesizer).
class TImmediatePoster : public TMainThreadPoster {
 public:
  void Post(std::function<void()> work) override;
};

// Keeps the work until the owner runs it: tests decide when "the GUI thread" gets to it.
class TManualPoster : public TMainThreadPoster {
 public:
  void Post(std::function<void()> work) override;
  // Runs everything posted so far, and what that posts in turn; returns how many ran.
  int RunPending();
  int PendingCount() const;

 private:
  mutable std::mutex mutex_;
  std::deque<std::function<void()>> queue_;
};
