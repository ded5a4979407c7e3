#pragma once
// The hand-over of incoming MIDI messages from a backend's thread (JACK's process thread,
// RtMidi's reader) to the thread that reads them: a fixed ring that one thread fills and one
// empties without locks or allocation, and an eventfd that is readable while messages wait,
// so that a socket notifier wakes the reader at once instead of a timer polling.
//
// The backends' ports derive from it: they push from their thread, call Notify once per
// batch, and mark the port lost when their device or server goes away.

#include <array>
#include <atomic>
#include <cstdint>
#include <string>

#include "midi/MidiInService.h"

class TMidiInQueue : public TMidiInPort {
 public:
  static constexpr std::size_t Capacity = 4096;  // messages; a power of two

  explicit TMidiInQueue(std::string name);
  ~TMidiInQueue() override;
  TMidiInQueue(const TMidiInQueue&) = delete;
  TMidiInQueue& operator=(const TMidiInQueue&) = delete;

  const std::string& Name() const override { return name_; }
  int NotifyDescriptor() const override { return eventFd_; }
  std::size_t Drain(const std::function<void(const TMidiInMessage&)>& reader) override;
  uint64_t Dropped() const override { return dropped_.load(std::memory_order_relaxed); }
  std::optional<TMidiOutError> Lost() const override;

  // The backend's side (one thread): never blocks, never allocates. A full ring drops the
  // message and counts it.
  bool Push(const TMidiInMessage& message);
  // Wakes the reader (a write to the eventfd); once per batch of pushes is enough.
  void Notify();
  // The device or its server went away: told once to the reader through Lost().
  void MarkLost(TMidiOutErrc code);

 private:
  std::string name_;
  int eventFd_ = -1;
  std::array<TMidiInMessage, Capacity> ring_{};
  alignas(64) std::atomic<std::size_t> head_{0};  // next to write (backend)
  alignas(64) std::atomic<std::size_t> tail_{0};  // next to read (reader)
  std::atomic<uint64_t> dropped_{0};
  std::atomic<int> lost_{0};
};

// Microseconds of the steady clock, as TMidiInMessage::ArrivedUs counts them.
uint64_t MidiInNowUs();
