#include "midi/MidiOutRecorder.h"

#include <chrono>

TMidiOutRecorder::TMidiOutRecorder(std::vector<std::string> deviceNames) {
  SetDevices(std::move(deviceNames));
  const auto start = std::chrono::steady_clock::now();
  clock_ = [start] {
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                                 start)
        .count();
  };
}

TMidiOutRecorder::~TMidiOutRecorder() { JoinThreads(); }

void TMidiOutRecorder::SetDevices(std::vector<std::string> deviceNames) {
  names_ = std::move(deviceNames);
  disconnected_.assign(names_.size(), false);
}

void TMidiOutRecorder::FailOpen(uint32_t device, uint32_t code) {
  if (code)
    openFailures_[device] = code;
  else
    openFailures_.erase(device);
}

void TMidiOutRecorder::FailCaps(uint32_t device, uint32_t code) {
  if (code)
    capsFailures_[device] = code;
  else
    capsFailures_.erase(device);
}

void TMidiOutRecorder::Disconnect(uint32_t device) {
  if (device < disconnected_.size()) disconnected_[device] = true;
}

uint32_t TMidiOutRecorder::GetNumDevs() { return static_cast<uint32_t>(names_.size()); }

uint32_t TMidiOutRecorder::DeviceCaps(uint32_t index, TMidiOutCaps& caps) {
  if (index >= names_.size()) return MIDIOUT_BADDEVICEID;
  if (auto it = capsFailures_.find(index); it != capsFailures_.end()) return it->second;
  caps = TMidiOutCaps{};
  caps.ProductName = names_[index];
  caps.DriverVersion = 0x0100;
  caps.Technology = MIDIOUT_TECH_PORT;
  caps.ChannelMask = 0xFFFF;
  return MIDIOUT_NOERROR;
}

uint32_t TMidiOutRecorder::OpenDevice(uint32_t index, TMidiOutCallback callback,
                                      TMidiOutHandle& handle) {
  if (index >= names_.size()) return MIDIOUT_BADDEVICEID;
  if (auto it = openFailures_.find(index); it != openFailures_.end()) return it->second;
  handle = NewMidiOutHandle();
  open_[handle] = OpenDeviceState{index, std::move(callback)};
  ++openCount_;
  return MIDIOUT_NOERROR;
}

uint32_t TMidiOutRecorder::Check(TMidiOutHandle handle, OpenDeviceState*& state) {
  auto it = open_.find(handle);
  if (it == open_.end()) return MIDIOUT_INVALHANDLE;
  state = &it->second;
  if (state->device < disconnected_.size() && disconnected_[state->device])
    return MIDIOUT_DEVICEGONE;
  return MIDIOUT_NOERROR;
}

uint32_t TMidiOutRecorder::ShortMsg(TMidiOutHandle handle, uint32_t message) {
  OpenDeviceState* state = nullptr;
  if (uint32_t r = Check(handle, state)) return r;
  TRecordedMidiMessage m;
  m.TimeUs = clock_();
  m.Device = state->device;
  m.Word = message;
  std::lock_guard<std::mutex> lock(mutex_);
  messages_.push_back(std::move(m));
  return MIDIOUT_NOERROR;
}

uint32_t TMidiOutRecorder::LongMsg(TMidiOutHandle handle, TMidiOutHeader* header) {
  OpenDeviceState* state = nullptr;
  if (uint32_t r = Check(handle, state)) return r;
  if (!header || !header->Data || header->BufferLength == 0) return MIDIOUT_INVALPARAM;
  TRecordedMidiMessage m;
  m.TimeUs = clock_();
  m.Device = state->device;
  m.Long = true;
  m.Bytes.assign(header->Data, header->Data + header->BufferLength);
  {
    std::lock_guard<std::mutex> lock(mutex_);
    messages_.push_back(std::move(m));
  }
  const Pending pending{handle, header};
  switch (completion_) {
    case Completion::Immediate: Finish(pending); break;
    case Completion::Deferred: deferred_.push_back(pending); break;
    case Completion::Thread: {
      header->Flags |= MIDIOUT_HDR_DONE;
      TMidiOutCallback callback = state->callback;
      threads_.emplace_back([callback, pending] {
        if (callback) callback(pending.handle, MIDIOUT_DONE, pending.header);
      });
      break;
    }
  }
  return MIDIOUT_NOERROR;
}

void TMidiOutRecorder::Finish(const Pending& pending) {
  auto it = open_.find(pending.handle);
  if (it == open_.end()) return;
  pending.header->Flags |= MIDIOUT_HDR_DONE;
  if (it->second.callback) it->second.callback(pending.handle, MIDIOUT_DONE, pending.header);
}

int TMidiOutRecorder::CompleteLongMessages() {
  std::vector<Pending> pending;
  pending.swap(deferred_);
  for (const Pending& p : pending) Finish(p);
  return static_cast<int>(pending.size());
}

void TMidiOutRecorder::JoinThreads() {
  for (std::thread& t : threads_)
    if (t.joinable()) t.join();
  threads_.clear();
}

uint32_t TMidiOutRecorder::Close(TMidiOutHandle handle) {
  auto it = open_.find(handle);
  if (it == open_.end()) return MIDIOUT_INVALHANDLE;
  // Whatever is still in flight completes before the handle goes, as the service promises.
  std::vector<Pending> mine, others;
  for (const Pending& p : deferred_) (p.handle == handle ? mine : others).push_back(p);
  deferred_.swap(others);
  for (const Pending& p : mine) Finish(p);
  JoinThreads();
  open_.erase(handle);
  ++closeCount_;
  return MIDIOUT_NOERROR;
}

std::vector<TRecordedMidiMessage> TMidiOutRecorder::Messages() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return messages_;
}

std::vector<uint32_t> TMidiOutRecorder::ShortWords() const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<uint32_t> words;
  for (const auto& m : messages_)
    if (!m.Long) words.push_back(m.Word);
  return words;
}

void TMidiOutRecorder::ClearMessages() {
  std::lock_guard<std::mutex> lock(mutex_);
  messages_.clear();
}

int TMidiOutRecorder::OpenHandles() const { return static_cast<int>(open_.size()); }
