#pragma once
// Playback services on Qt: a precise QTimer on the thread that owns the MIDI file (the GUI
// thread), a monotonic millisecond clock, and the thread's event loop as the message pump
// for single-beat play.

#include <memory>

#include "midi/MidiClock.h"

class TQtPlayback : public IMidiClock, public IMidiTimerFactory, public IMessagePump {
 public:
  TPlaybackServices Services() { return {this, this, this}; }

  uint32_t NowMs() override;
  int64_t NowUs() override;
  int32_t MinPeriodMs() const override { return 1; }
  int32_t MaxPeriodMs() const override { return 1000; }
  // A periodic precise timer; returns null without a Qt application object.
  std::unique_ptr<IMidiTimer> StartTimer(int32_t periodMs, std::function<void()> tick) override;
  // Handles the events that are waiting, or waits for the next one at most maxWaitMs.
  void ProcessMessages(int32_t maxWaitMs) override;
};
