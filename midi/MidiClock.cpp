#include "midi/MidiClock.h"

#include <chrono>

uint32_t SteadyClockMs() {
  using namespace std::chrono;
  // Wraps at 2^32 like the system tick count; every user takes differences.
  return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

int64_t SteadyClockUs() {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}
