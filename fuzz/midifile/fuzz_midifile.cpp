// Reads arbitrary bytes as a MIDI file and walks everything a song scan would touch: the
// song length, the time of every event, and a dispatching seek to the end and back.
//
// The memory that takes is bounded by the size of the input: no declared length (of a chunk,
// a text, a track count) may make the reader allocate before the bytes are there. The bound
// leaves room for the worst the format allows, one 24-byte event for every byte of a track
// while its vector grows.

#include <malloc.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "midi/MidiFile.h"

namespace {
std::size_t gLive = 0, gPeak = 0;
constexpr std::size_t kBytesPerInputByte = 64;
constexpr std::size_t kFixedBytes = 256 << 10;
}  // namespace

void* operator new(std::size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (!p) throw std::bad_alloc();
  gLive += malloc_usable_size(p);
  if (gLive > gPeak) gPeak = gLive;
  return p;
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept {
  if (!p) return;
  gLive -= malloc_usable_size(p);
  std::free(p);
}
void operator delete[](void* p) noexcept { operator delete(p); }
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
void operator delete[](void* p, std::size_t) noexcept { operator delete(p); }
// The runtime's own nothrow forms would pair with the sanitizer's delete, not with this one.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return operator new(size);
  } catch (...) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* p, const std::nothrow_t&) noexcept { operator delete(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { operator delete(p); }

static void Walk(const uint8_t* data, size_t size);

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::size_t base = gLive;
  gPeak = gLive;
  Walk(data, size);
  if (gPeak - base > kBytesPerInputByte * size + kFixedBytes) {
    std::fprintf(stderr, "the reader held %zu bytes at once for %zu bytes of input\n", gPeak - base, size);
    std::abort();
  }
  return 0;
}

static void Walk(const uint8_t* data, size_t size) {
  TMidiFile file;
  // Bytes never make the reader throw: damage, a chunk longer than the input included, is told
  // by Completeness(), and what was read is there to walk.
  file.LoadFromBytes(data, size);
  int64_t sum = 0;
  file.SetOnMidiEvent([&](PMidiEventEx ev, int32_t trackNo) {
    sum += ev->Status + ev->Data1 + ev->Data2 + trackNo;
    for (char c : ev->Text()) sum += static_cast<unsigned char>(c);
  });
  const int32_t length = file.SongLength();
  for (int32_t t = 0; t < file.NumberOfTracks(); ++t) {
    TMidiTrack& track = file.TrackAt(t);
    for (const TMidiEventEx& ev : track.Events()) {
      sum += file.TicksToMs(ev.Time);
      sum += file.MsToTicks(file.TicksToMs(ev.Time));
    }
    if (t % 2 == 1) track.SetMuted(true);
  }
  file.Seek(length / 2, true);
  file.Seek(length == INT32_MAX ? length : length + 1, true);
  sum += file.AllTracksDone();
  file.Seek(0, false);
  sum += file.BeatTicks() + file.CurrentBpm() + static_cast<int64_t>(file.FormatTicks(length).size()) +
         static_cast<int64_t>(FormatTime(file.TicksToMs(length)).size());
  static volatile int64_t sink;
  sink = sink + sum;  // keeps the walk from being optimised away
}
