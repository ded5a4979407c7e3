#pragma once
// A MIDI output service that plays nothing and keeps every message it is given, with the time
// it came, for tests of every layer that sends MIDI. Its devices, failures and completion
// timing are set up by the test.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "midi/MidiOutService.h"

struct TRecordedMidiMessage {
  int64_t TimeUs = 0;          // by the recorder's clock
  uint32_t Device = 0;         // device number the handle was opened on
  bool Long = false;           // sent with a completion (a long message)
  uint32_t Word = 0;           // a short message packed: status | data1 << 8 | data2 << 16
  std::vector<uint8_t> Bytes;  // the bytes as sent
  int64_t DueUs = 0;           // the due time it was sent with, when the recorder honours them
};

class TMidiOutRecorder : public TMidiOutService {
 public:
  // How a long message completes.
  enum class Completion {
    Immediate,  // the callback runs inside LongMsg, on the caller's thread
    Deferred,   // held until CompleteLongMessages()
    Thread,     // the callback runs on a thread of the recorder, as real services do
  };

  explicit TMidiOutRecorder(std::vector<std::string> deviceNames = {"Recorder"});
  ~TMidiOutRecorder() override;

  // Setup.
  void SetDevices(std::vector<std::string> deviceNames);
  void SetCompletion(Completion mode) { completion_ = mode; }
  // Whether it takes due times as a device that plays at them does (it keeps them); by default
  // it ignores them, as most devices do.
  void SetHonoursDueTimes(bool honours) { honoursDueTimes_ = honours; }
  // Microseconds; by default a steady clock from the recorder's creation.
  void SetClock(std::function<int64_t()> clock) { clock_ = std::move(clock); }
  // Open of that device fails with the reason (nothing lets it open again).
  void FailOpen(uint32_t device, std::optional<TMidiOutErrc> reason);
  // That device is listed without a name, as a port whose name could not be read.
  void HideName(uint32_t device);
  // Sends to that device fail from now on, as when its port has gone away.
  void Disconnect(uint32_t device);
  // Hands every deferred long message back through its callback; returns how many.
  int CompleteLongMessages();

  // What was sent.
  std::vector<TRecordedMidiMessage> Messages() const;
  std::vector<uint32_t> ShortWords() const;
  void ClearMessages();
  int OpenCount() const { return openCount_; }
  int CloseCount() const { return closeCount_; }
  int OpenHandles() const;

  std::vector<TMidiOutDevice> Devices() override;
  TMidiOutResult<TMidiOutHandle> Open(uint32_t id) override;
  TMidiOutStatus Send(TMidiOutHandle handle, std::span<const uint8_t> bytes, TMidiOutDone done = {}) override;
  TMidiOutStatus SendAt(TMidiOutHandle handle, std::span<const uint8_t> bytes, int64_t dueUs,
                        TMidiOutDone done = {}) override;
  bool HonoursDueTimes(TMidiOutHandle handle) const override { return honoursDueTimes_ && open_.count(handle) > 0; }
  int64_t DueTimeHoldUs(TMidiOutHandle handle) const override { return HonoursDueTimes(handle) ? HoldUs : 0; }
  // The hold it reports while it honours due times.
  int64_t HoldUs = 2000;
  TMidiOutStatus Close(TMidiOutHandle handle) override;

 private:
  struct Pending {
    TMidiOutHandle handle;
    TMidiOutDone done;
  };

  void JoinThreads();
  TMidiOutStatus Record(TMidiOutHandle handle, std::span<const uint8_t> bytes, int64_t dueUs, TMidiOutDone done);

  std::vector<std::string> names_;
  Completion completion_ = Completion::Immediate;
  bool honoursDueTimes_ = false;
  std::function<int64_t()> clock_;
  std::map<uint32_t, TMidiOutErrc> openFailures_;
  std::vector<bool> disconnected_, unnamed_;
  std::map<TMidiOutHandle, uint32_t> open_;  // handle -> device
  std::vector<Pending> deferred_;
  std::vector<std::thread> threads_;
  mutable std::mutex mutex_;  // guards messages_ against completion threads reading nothing else
  std::vector<TRecordedMidiMessage> messages_;
  int openCount_ = 0;
  int closeCount_ = 0;
};
