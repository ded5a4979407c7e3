#include "midi/MainThreadPoster.h"

void TImmediatePoster::Post(std::function<void()> work) {
  if (work) work();
}

void TManualPoster::Post(std::function<void()> work) {
  if (!work) return;
  std::lock_guard<std::mutex> lock(mutex_);
  queue_.push_back(std::move(work));
}

int TManualPoster::RunPending() {
  int ran = 0;
  for (;;) {
    std::function<void()> work;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (queue_.empty()) return ran;
      work = std::move(queue_.front());
      queue_.pop_front();
    }
    work();
    ++ran;
  }
}

int TManualPoster::PendingCount() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return static_cast<int>(queue_.size());
}
