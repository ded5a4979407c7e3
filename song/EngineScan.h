#pragma once
// Silent scans of the song (chord search, key detection, the text builder) borrow the
// engine's two handlers: their own collector receives the dispatched events and no update
// notice goes out. The borrowed handlers are given back when the scan ends, also when it is
// left by an exception.

#include <utility>

#include "midi/MidiFile.h"

class TEngineHandlersGuard {
 public:
  TEngineHandlersGuard(TMidiFile& file, TOnMidiEvent collector)
      : file_(file), midiEvent_(file.OnMidiEvent()), updateEvent_(file.OnUpdateEvent()) {
    file_.SetOnMidiEvent(std::move(collector));
    file_.SetOnUpdateEvent(nullptr);
  }
  ~TEngineHandlersGuard() {
    file_.SetOnMidiEvent(std::move(midiEvent_));
    file_.SetOnUpdateEvent(std::move(updateEvent_));
  }
  TEngineHandlersGuard(const TEngineHandlersGuard&) = delete;
  TEngineHandlersGuard& operator=(const TEngineHandlersGuard&) = delete;

 private:
  TMidiFile& file_;
  TOnMidiEvent midiEvent_;
  TNotifyEvent updateEvent_;
};

// Runs a final step when the scope ends, however it ends.
template <typename F>
class TFinally {
 public:
  explicit TFinally(F f) : f_(std::move(f)) {}
  ~TFinally() { f_(); }
  TFinally(const TFinally&) = delete;
  TFinally& operator=(const TFinally&) = delete;

 private:
  F f_;
};
