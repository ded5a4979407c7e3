#include "platform/MidiInQueue.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <chrono>

TMidiInQueue::TMidiInQueue(std::string name) : name_(std::move(name)) {
  eventFd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
}

TMidiInQueue::~TMidiInQueue() {
  if (eventFd_ >= 0) close(eventFd_);
}

bool TMidiInQueue::Push(const TMidiInMessage& message) {
  const std::size_t head = head_.load(std::memory_order_relaxed);
  if (head - tail_.load(std::memory_order_acquire) >= Capacity) {
    dropped_.fetch_add(1, std::memory_order_relaxed);
    return false;
  }
  ring_[head % Capacity] = message;
  head_.store(head + 1, std::memory_order_release);
  return true;
}

void TMidiInQueue::Notify() {
  if (eventFd_ < 0) return;
  const uint64_t one = 1;
  // Non-blocking: a counter that could not be raised is still readable.
  [[maybe_unused]] ssize_t n = write(eventFd_, &one, sizeof one);
}

void TMidiInQueue::MarkLost(TMidiOutErrc code) {
  int expected = 0;
  if (lost_.compare_exchange_strong(expected, static_cast<int>(code))) Notify();
}

std::optional<TMidiOutError> TMidiInQueue::Lost() const {
  const int code = lost_.load();
  if (code == 0) return std::nullopt;
  return TMidiOutError{static_cast<TMidiOutErrc>(code), name_};
}

std::size_t TMidiInQueue::Drain(const std::function<void(const TMidiInMessage&)>& reader) {
  if (eventFd_ >= 0) {
    uint64_t count = 0;
    [[maybe_unused]] ssize_t n = read(eventFd_, &count, sizeof count);
  }
  std::size_t tail = tail_.load(std::memory_order_relaxed);
  const std::size_t head = head_.load(std::memory_order_acquire);
  std::size_t taken = 0;
  while (tail != head) {
    const TMidiInMessage message = ring_[tail % Capacity];
    ++tail;
    // The slot is free again before the reader runs: a reader that takes long does not hold
    // back the backend.
    tail_.store(tail, std::memory_order_release);
    ++taken;
    if (reader) reader(message);
  }
  return taken;
}

uint64_t MidiInNowUs() {
  return static_cast<uint64_t>(
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
          .count());
}
