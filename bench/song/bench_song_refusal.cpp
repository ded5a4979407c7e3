// Peak memory of opening a file far larger than any song (100 MB, sparse, so that making it
// writes nothing): the session refuses it from its size, and the process's peak resident
// memory stays where the open song left it. Reported as counters: the peak before and after,
// and the growth, which a refusal that read the file would put near 100 MB.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "song/SongSession.h"

namespace {

class SilentPrompter final : public Prompter {
 public:
  TPromptAnswer Question(const std::string&, const std::string&, TPromptButtons, TPromptIcon) override {
    return TPromptAnswer::No;
  }
  void Information(const std::string&, const std::string&) override {}
  void Warning(const std::string&, const std::string&) override {}
  void Error(const std::string&, const std::string& text) override { lastError = text; }
  void Message(const std::string&) override {}
  std::string lastError;
};

double PeakResidentBytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) * 1024.0;  // kilobytes on Linux
}

void BM_RefuseOversizeFile(benchmark::State& state) {
  namespace fs = std::filesystem;
  const fs::path huge = fs::temp_directory_path() / ("cantaro-bench-huge-" + std::to_string(::getpid()) + ".mid");
  std::ofstream(huge).close();
  fs::resize_file(huge, std::uintmax_t{100} << 20);

  SilentPrompter prompter;
  NullStatusSink status;
  TSongSession session(prompter, status);
  if (!session.LoadSong(std::string(CANTARO_SOURCE_DIR) + "/examples/korobeiniki.kar")) {
    state.SkipWithError("the example song did not load");
    fs::remove(huge);
    return;
  }
  const double before = PeakResidentBytes();
  for (auto _ : state) {
    if (session.LoadSong(huge.string())) {
      state.SkipWithError("the oversize file was opened");
      break;
    }
  }
  const double after = PeakResidentBytes();
  fs::remove(huge);
  if (session.MidiFile.NumberOfTracks() == 0) state.SkipWithError("the open song was dropped");
  state.counters["max_rss_before_MB"] = before / (1 << 20);
  state.counters["max_rss_MB"] = after / (1 << 20);
  state.counters["max_rss_growth_KB"] = (after - before) / 1024;
  state.counters["file_MB"] = 100;
}
BENCHMARK(BM_RefuseOversizeFile)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
