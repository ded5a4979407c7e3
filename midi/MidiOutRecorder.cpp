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
  unnamed_.assign(names_.size(), false);
}

void TMidiOutRecorder::FailOpen(uint32_t device, std::optional<TMidiOutErrc> reason) {
  if (reason)
    openFailures_[device] = *reason;
  else
    openFailures_.erase(device);
}

void TMidiOutRecorder::HideName(uint32_t device) {
  if (device < unnamed_.size()) unnamed_[device] = true;
}

void TMidiOutRecorder::Disconnect(uint32_t device) {
  if (device < disconnected_.size()) disconnected_[device] = true;
}

std::vector<TMidiOutDevice> TMidiOutRecorder::Devices() {
  std::vector<TMidiOutDevice> devices;
  for (uint32_t i = 0; i < names_.size(); ++i)
    devices.push_back(TMidiOutDevice{i, unnamed_[i] ? std::string() : names_[i], "Recorder"});
  return devices;
}

TMidiOutResult<TMidiOutHandle> TMidiOutRecorder::Open(uint32_t id) {
  if (id >= names_.size()) return TMidiOutError{TMidiOutErrc::BadDevice};
  if (auto it = openFailures_.find(id); it != openFailures_.end())
    return TMidiOutError{it->second, names_[id]};
  const TMidiOutHandle handle = NewMidiOutHandle();
  open_[handle] = id;
  ++openCount_;
  return handle;
}

TMidiOutStatus TMidiOutRecorder::Send(TMidiOutHandle handle, std::span<const uint8_t> bytes,
                                      TMidiOutDone done) {
  return Record(handle, bytes, 0, std::move(done));
}

TMidiOutStatus TMidiOutRecorder::SendAt(TMidiOutHandle handle, std::span<const uint8_t> bytes, int64_t dueUs,
                                        TMidiOutDone done) {
  return Record(handle, bytes, honoursDueTimes_ ? dueUs : 0, std::move(done));
}

TMidiOutStatus TMidiOutRecorder::Record(TMidiOutHandle handle, std::span<const uint8_t> bytes, int64_t dueUs,
                                        TMidiOutDone done) {
  auto it = open_.find(handle);
  if (it == open_.end()) return TMidiOutError{TMidiOutErrc::NotOpen};
  const uint32_t device = it->second;
  if (device < disconnected_.size() && disconnected_[device])
    return TMidiOutError{TMidiOutErrc::DeviceGone, names_[device]};
  if (bytes.empty()) return TMidiOutError{TMidiOutErrc::BadMessage, names_[device]};
  TRecordedMidiMessage m;
  m.TimeUs = clock_();
  m.DueUs = dueUs;
  m.Device = device;
  m.Long = static_cast<bool>(done);
  m.Bytes.assign(bytes.begin(), bytes.end());
  if (!m.Long)
    for (std::size_t i = 0; i < bytes.size() && i < 3; ++i) m.Word |= uint32_t{bytes[i]} << (8 * i);
  {
    std::lock_guard<std::mutex> lock(mutex_);
    messages_.push_back(std::move(m));
  }
  if (!done) return {};
  switch (completion_) {
    case Completion::Immediate: done(); break;
    case Completion::Deferred: deferred_.push_back(Pending{handle, std::move(done)}); break;
    case Completion::Thread: threads_.emplace_back(std::move(done)); break;
  }
  return {};
}

int TMidiOutRecorder::CompleteLongMessages() {
  std::vector<Pending> pending;
  pending.swap(deferred_);
  for (const Pending& p : pending) p.done();
  return static_cast<int>(pending.size());
}

void TMidiOutRecorder::JoinThreads() {
  for (std::thread& t : threads_)
    if (t.joinable()) t.join();
  threads_.clear();
}

TMidiOutStatus TMidiOutRecorder::Close(TMidiOutHandle handle) {
  auto it = open_.find(handle);
  if (it == open_.end()) return TMidiOutError{TMidiOutErrc::NotOpen};
  // Whatever is still in flight completes before the handle goes, as the service promises.
  std::vector<Pending> mine, others;
  for (Pending& p : deferred_) (p.handle == handle ? mine : others).push_back(std::move(p));
  deferred_.swap(others);
  for (const Pending& p : mine) p.done();
  JoinThreads();
  open_.erase(handle);
  ++closeCount_;
  return {};
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
