// What hostile MIDI files cost the reader: files made to be expensive (maximum delta times, a
// million tempo changes, tempo changes out of order across tracks, 65,535 declared tracks, a
// million real track chunks, data bytes that lean on a running status of the previous chunk,
// texts and chunks of 100 MB declared in a file of a few bytes). Every case is built in memory
// at several sizes, so that the time per byte and the memory per byte of the file show whether
// they stay flat (linear) as the file grows.
//
// Memory is counted by this program's own operator new: the peak of the bytes held during a
// load, the bytes allocated in all, and the bytes still held by the loaded song, each per byte
// of the file.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>

#include "midi/MidiFile.h"

// ---------------------------------------------------------------------------------------
// Counting allocations

namespace {

struct TAllocCount {
  int64_t live = 0;
  int64_t peak = 0;
  int64_t total = 0;
  int64_t count = 0;
};
TAllocCount gAlloc;

void* CountedAlloc(std::size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (!p) throw std::bad_alloc();
  const auto n = static_cast<int64_t>(malloc_usable_size(p));
  gAlloc.live += n;
  gAlloc.total += n;
  ++gAlloc.count;
  gAlloc.peak = std::max(gAlloc.peak, gAlloc.live);
  return p;
}

void CountedFree(void* p) {
  if (!p) return;
  gAlloc.live -= static_cast<int64_t>(malloc_usable_size(p));
  std::free(p);
}

}  // namespace

void* operator new(std::size_t size) { return CountedAlloc(size); }
void* operator new[](std::size_t size) { return CountedAlloc(size); }
void operator delete(void* p) noexcept { CountedFree(p); }
void operator delete[](void* p) noexcept { CountedFree(p); }
void operator delete(void* p, std::size_t) noexcept { CountedFree(p); }
void operator delete[](void* p, std::size_t) noexcept { CountedFree(p); }

namespace {

// ---------------------------------------------------------------------------------------
// Building files

std::string Vlq(uint32_t value) {
  std::string out(1, static_cast<char>(value & 0x7F));
  while (value >>= 7) out.insert(out.begin(), static_cast<char>(0x80 | (value & 0x7F)));
  return out;
}

std::string Be32(uint32_t v) {
  return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}

std::string Header(uint16_t tracks, uint16_t division = 96) {
  return std::string("MThd") + Be32(6) + std::string("\0\1", 2) + static_cast<char>(tracks >> 8) +
         static_cast<char>(tracks & 0xFF) + static_cast<char>(division >> 8) + static_cast<char>(division & 0xFF);
}

std::string Chunk(const std::string& body) { return "MTrk" + Be32(static_cast<uint32_t>(body.size())) + body; }

std::string Repeat(const std::string& piece, int64_t n) {
  std::string out;
  out.reserve(piece.size() * static_cast<std::size_t>(n));
  for (int64_t i = 0; i < n; ++i) out += piece;
  return out;
}

const std::string kTempo = std::string("\xFF\x51\x03\x07\xA1\x20", 6);
const std::string kNote = "\x90\x3C\x40";

// n note events, each after the largest delta time a file can hold (0x0FFFFFFF ticks).
std::string MaxDeltaTimes(int64_t n) { return Header(1) + Chunk(Repeat(Vlq(0x0FFFFFFF) + kNote, n)); }

// n tempo changes one tick apart in one track.
std::string TempoChanges(int64_t n) { return Header(1) + Chunk(Repeat("\x01" + kTempo, n)); }

// n/2 tempo changes rising in one track, then n/2 at tick 0 in the next: every one of those
// replaces the last entry of the tempo map, out of order with the entries before it.
std::string TempoChangesOutOfOrder(int64_t n) {
  return Header(2) + Chunk(Repeat("\x01" + kTempo, n / 2)) + Chunk(Repeat(std::string(1, '\0') + kTempo, n / 2));
}

// A header that declares 65,535 tracks, and n notes in the one track there is.
std::string DeclaredTracks(int64_t n) { return Header(65535) + Chunk(Repeat(std::string(1, '\0') + kNote, n)); }

// n real track chunks, each holding only its end-of-track event.
std::string TrackChunks(int64_t n) { return Header(1) + Repeat(Chunk(std::string("\0\xFF\x2F\0", 4)), n); }

// A chunk that sets the note-on status, then n chunks of 63 bytes of data bytes that would
// need that status to mean anything (each chunk starts without one).
std::string RunningStatusAcrossChunks(int64_t n) {
  return Header(1) + Chunk(std::string(1, '\0') + kNote) + Repeat(Chunk(Repeat(std::string("\0\x3C\x40", 3), 21)), n);
}

// A text event, a SysEx message and a track chunk that each declare 100 MB, with n bytes of
// text actually there: nothing may be allocated by the declared lengths.
std::string DeclaredHugeLengths(int64_t n) {
  const uint32_t huge = 100u << 20;
  const std::string text(static_cast<std::size_t>(n), 'a');
  return Header(3) + Chunk(std::string(1, '\0') + "\xFF\x01" + Vlq(huge) + text) +
         Chunk(std::string(1, '\0') + "\xF0" + Vlq(huge) + text) + "MTrk" + Be32(huge) + text;
}

// ---------------------------------------------------------------------------------------
// Measuring

int64_t EventCount(const TMidiFile& f) {
  int64_t n = 0;
  for (int32_t t = 0; t < f.NumberOfTracks(); ++t) n += f.TrackAt(t).EventCount();
  return n;
}

// What a song scan touches after reading: the length, every event's time in milliseconds and
// back, and a dispatching seek to the end.
int64_t Scan(TMidiFile& f) {
  int64_t sum = f.SongLength();
  for (int32_t t = 0; t < f.NumberOfTracks(); ++t)
    for (const TMidiEventEx& ev : f.TrackAt(t).Events()) sum += f.MsToTicks(f.TicksToMs(ev.Time));
  f.SetOnMidiEvent([&](PMidiEventEx ev, int32_t) { sum += ev->Data1; });
  f.Seek(f.SongLength(), true);
  f.SetOnMidiEvent(nullptr);
  return sum;
}

template <std::string (*Build)(int64_t)>
void Read(benchmark::State& state) {
  const std::string bytes = Build(state.range(0));
  const auto size = static_cast<double>(bytes.size());
  TAllocCount during{}, after{};
  int64_t events = 0;
  for (auto _ : state) {
    const int64_t base = gAlloc.live;
    gAlloc.peak = base;
    const int64_t total = gAlloc.total, count = gAlloc.count;
    {
      TMidiFile f;
      f.LoadFromBytes(bytes.data(), bytes.size());  // a chunk longer than the file reads as cut short
      after.live = gAlloc.live - base;
      if (state.range(1)) benchmark::DoNotOptimize(Scan(f));
      events = EventCount(f);
    }
    during.peak = gAlloc.peak - base;
    during.total = gAlloc.total - total;
    during.count = gAlloc.count - count;
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
  state.counters["file_MB"] = size / (1 << 20);
  state.counters["events"] = static_cast<double>(events);
  state.counters["peak_per_byte"] = static_cast<double>(during.peak) / size;
  state.counters["alloc_per_byte"] = static_cast<double>(during.total) / size;
  state.counters["kept_per_byte"] = static_cast<double>(after.live) / size;
  state.counters["allocs"] = static_cast<double>(during.count);
}

// Sizes: counts of events, tempo changes or chunks from 64 Ki to about a million; the second
// argument is 0 for reading only, 1 for reading and scanning.
void SizesFrom(benchmark::internal::Benchmark* b, int shift) {
  for (int scan : {0, 1})
    for (int64_t n : {int64_t{1} << shift, int64_t{1} << (shift + 2), int64_t{1} << (shift + 4)}) b->Args({n, scan});
  b->ArgNames({"n", "scan"})->Unit(benchmark::kMillisecond);
}
void Sizes(benchmark::internal::Benchmark* b) { SizesFrom(b, 16); }
// Chunks of 71 bytes: up to 18 MB, which already holds 16 million events.
void ChunkSizes(benchmark::internal::Benchmark* b) { SizesFrom(b, 14); }

}  // namespace

BENCHMARK_TEMPLATE(Read, MaxDeltaTimes)->Apply(Sizes);
BENCHMARK_TEMPLATE(Read, TempoChanges)->Apply(Sizes);
BENCHMARK_TEMPLATE(Read, TempoChangesOutOfOrder)->Apply(Sizes);
BENCHMARK_TEMPLATE(Read, DeclaredTracks)->Apply(Sizes);
BENCHMARK_TEMPLATE(Read, TrackChunks)->Apply(Sizes);
BENCHMARK_TEMPLATE(Read, RunningStatusAcrossChunks)->Apply(ChunkSizes);
BENCHMARK_TEMPLATE(Read, DeclaredHugeLengths)->Apply(Sizes);

BENCHMARK_MAIN();
