// The batch export of the shared pop corpus (about 450 songs) into JSON Lines, in one process:
// songs per second with --jobs 1 and --jobs 2; and into JSON and MusicXML files. bench/batch/measure-batch compares this with
// one process per song and records the peak memory.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <unistd.h>

#include "app/BatchExport.h"
#include "app/CommandLine.h"

namespace fs = std::filesystem;

namespace {

const fs::path kPop = fs::path(CANTARO_SHARED_DIR) / "corpus" / "pop";

size_t SongCount() {
  size_t n = 0;
  for (const auto& e : fs::directory_iterator(kPop))
    if (e.path().extension() == ".mid") ++n;
  return n;
}

void BM_BatchExportPop(benchmark::State& state, const char* format) {
  if (!fs::is_directory(kPop)) {
    state.SkipWithError(("no shared corpus at " + kPop.string()).c_str());
    return;
  }
  const std::string jobs = std::to_string(state.range(0));
  std::vector<std::string> args = {"--export", kPop.string(), "--format", format, "--jobs", jobs, "--quiet"};
  // JSON documents go to files of their own: the writing is part of the measure.
  const fs::path folder = fs::temp_directory_path() / ("cantaro-bench-batch-" + std::to_string(::getpid()));
  if (std::string(format) != "jsonl") args.insert(args.end(), {"-o", folder.string()});
  const TCliParse parse = ParseCommandLine(args);
  std::ostringstream settingsErr;
  const TCliSettings settings = LoadCliSettings(parse.options, settingsErr);
  const size_t songs = SongCount();
  for (auto _ : state) {
    std::ostringstream out, err;
    const int code = RunBatchExport(parse.options, settings, out, err);
    if (code != kExitOk) state.SkipWithError(err.str().c_str());
    benchmark::DoNotOptimize(out.str().size());
  }
  fs::remove_all(folder);
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * songs));
  state.counters["songs"] = static_cast<double>(songs);
}

}  // namespace

BENCHMARK_CAPTURE(BM_BatchExportPop, jsonl, "jsonl")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_BatchExportPop, json_files, "json")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
// The lead sheets: melody, chord symbols and lyrics of every song as MusicXML files.
BENCHMARK_CAPTURE(BM_BatchExportPop, musicxml_files, "musicxml")->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
