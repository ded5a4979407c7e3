// Speed of the MIDI file engine on the shared benchmark songs: reading from memory and from
// disk, converting every event's tick to milliseconds, and a silent dispatching scan of the
// whole song; plus the memory a loaded song takes.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "midi/MidiFile.h"

namespace {

std::string BenchFile(const char* name) { return std::string(CANTARO_SHARED_DIR) + "/bench/" + name; }

int64_t EventCount(const TMidiFile& f) {
  int64_t n = 0;
  for (int32_t t = 0; t < f.NumberOfTracks(); ++t) n += f.TrackAt(t).EventCount();
  return n;
}

// Resident memory of the process in bytes.
int64_t ResidentBytes() {
  long pages = 0, resident = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return static_cast<int64_t>(resident) * sysconf(_SC_PAGESIZE);
}

void LoadFromMemory(benchmark::State& state, const char* name) {
  const std::string bytes = ReadFileBytes(BenchFile(name));
  TMidiFile f;
  for (auto _ : state) benchmark::DoNotOptimize(f.LoadFromBytes(bytes.data(), bytes.size()));
  state.counters["events"] = static_cast<double>(EventCount(f));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

void LoadFromDisk(benchmark::State& state, const char* name) {
  TMidiFile f;
  f.SetFilename(BenchFile(name));
  for (auto _ : state) benchmark::DoNotOptimize(f.LoadFile());
}

void TicksToMsOfEveryEvent(benchmark::State& state, const char* name) {
  TMidiFile f;
  f.SetFilename(BenchFile(name));
  f.LoadFile();
  for (auto _ : state) {
    int64_t sum = 0;
    for (int32_t t = 0; t < f.NumberOfTracks(); ++t)
      for (const TMidiEventEx& ev : f.TrackAt(t).Events()) sum += f.TicksToMs(ev.Time);
    benchmark::DoNotOptimize(sum);
  }
  state.counters["events"] = static_cast<double>(EventCount(f));
}

void SeekWithDispatchToTheEnd(benchmark::State& state, const char* name) {
  TMidiFile f;
  f.SetFilename(BenchFile(name));
  f.LoadFile();
  int64_t notes = 0;
  // A collector like the chord search's: looks at the note-ons.
  f.SetOnMidiEvent([&](PMidiEventEx ev, int32_t) { notes += (ev->Status & 0xF0) == 0x90 && ev->Data2 > 0; });
  const int32_t end = f.SongLength() + 1;
  for (auto _ : state) {
    f.Seek(0, false);
    f.Seek(end, true);
  }
  benchmark::DoNotOptimize(notes);
  state.counters["events"] = static_cast<double>(EventCount(f));
}

void MemoryOfLoadedSong(benchmark::State& state, const char* name) {
  const std::string path = BenchFile(name);
  int64_t delta = 0;
  int64_t layout = 0;
  const auto fileBytes = static_cast<int64_t>(std::filesystem::file_size(path));
  for (auto _ : state) {
    const int64_t before = ResidentBytes();
    auto f = std::make_unique<TMidiFile>();
    f->SetFilename(path);
    f->LoadFile();
    delta = ResidentBytes() - before;
    // The events plus the file's bytes, which hold the texts.
    layout = EventCount(*f) * static_cast<int64_t>(sizeof(TMidiEventEx)) + fileBytes;
    benchmark::DoNotOptimize(f);
  }
  state.counters["rss_MB"] = static_cast<double>(delta) / (1 << 20);
  state.counters["loaded_MB"] = static_cast<double>(layout) / (1 << 20);
  state.counters["event_bytes"] = sizeof(TMidiEventEx);
}

}  // namespace

// First, while the process is fresh: the resident memory it gains is the song's, and the time
// includes faulting in that memory for the first time.
BENCHMARK_CAPTURE(MemoryOfLoadedSong, large, "large.mid")->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(LoadFromMemory, typical, "typical.mid")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LoadFromMemory, large, "large.mid")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadFromDisk, typical, "typical.mid")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LoadFromDisk, large, "large.mid")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TicksToMsOfEveryEvent, typical, "typical.mid")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TicksToMsOfEveryEvent, large, "large.mid")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SeekWithDispatchToTheEnd, typical, "typical.mid")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SeekWithDispatchToTheEnd, large, "large.mid")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
