#pragma once
// A MIDI output service that plays nothing and keeps every message it is given, with the time
// it came, for tests of every layer that sends MIDI. Its devices, failures and completion
// timing are set up by the test.

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "midi/MidiOutService.h"

struct TRecordedMidiMessage {
  int64_t TimeUs = 0;          // by the recorder's clock
  uint32_t Device = 0;         // device number the handle was opened on
  bool Long = false;
  uint32_t Word = 0;           // short message as sent
  std::vector<uint8_t> Bytes;  // long message as sent
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
  // Microseconds; by default a steady clock from the recorder's creation.
  void SetClock(std::function<int64_t()> clock) { clock_ = std::move(clock); }
  // Open of that device fails with the code (0 lets it open again).
  void FailOpen(uint32_t device, uint32_t code);
  // Capabilities of that device cannot be read.
  void FailCaps(uint32_t device, uint32_t code);
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

  uint32_t GetNumDevs() override;
  uint32_t ShortMsg(TMidiOutHandle handle, uint32_t message) override;
  uint32_t LongMsg(TMidiOutHandle handle, TMidiOutHeader* header) override;
  uint32_t Close(TMidiOutHandle handle) override;

 protected:
  uint32_t DeviceCaps(uint32_t index, TMidiOutCaps& caps) override;
  uint32_t OpenDevice(uint32_t index, TMidiOutCallback callback, TMidiOutHandle& handle) override;

 private:
  struct Pending {
    TMidiOutHandle handle;
    TMidiOutHeader* header;
  };
  struct OpenDeviceState {
    uint32_t device;
    TMidiOutCallback callback;
  };

  uint32_t Check(TMidiOutHandle handle, OpenDeviceState*& state);
  void Finish(const Pending& pending);
  void JoinThreads();

  std::vector<std::string> names_;
  Completion completion_ = Completion::Immediate;
  std::function<int64_t()> clock_;
  std::map<uint32_t, uint32_t> openFailures_, capsFailures_;
  std::vector<bool> disconnected_;
  std::map<TMidiOutHandle, OpenDeviceState> open_;
  std::vector<Pending> deferred_;
  std::vector<std::thread> threads_;
  mutable std::mutex mutex_;  // guards messages_ against completion threads reading nothing else
  std::vector<TRecordedMidiMessage> messages_;
  int openCount_ = 0;
  int closeCount_ = 0;
};
