// The whole analysis of a song through the session: load, chord search with and without the
// key-aware table and with chord continuity, key detection; on the shared benchmark songs.
#include <benchmark/benchmark.h>

#include <string>

#include "chords/untChords.h"
#include "chords/untKeysense.h"
#include "settings/IniFile.h"
#include "settings/IniFileIO.h"
#include "song/SongSession.h"

namespace {

std::string SharedSong(const char* name) { return std::string(CANTARO_SHARED_DIR) + "/bench/" + name; }

// The chord table the program ships.
const TKeysenseTable& ShippedKeysense() {
  static const TKeysenseTable table = [] {
    TFileReadResult r = ReadWholeFile(std::string(CANTARO_SOURCE_DIR) + "/INI/cantaro.ini");
    TIniFile ini(r.bytes);
    TKeysenseTable t;
    LoadKeysenseTable(t, ini.ReadString("Keysense", "Main", ""), ini.ReadString("Keysense", "Added", ""));
    return t;
  }();
  return table;
}

// Answers Yes to every question (repeat the search) and shows nothing.
class YesPrompter final : public Prompter {
 public:
  TPromptAnswer Question(const std::string&, const std::string&, TPromptButtons, TPromptIcon) override {
    return TPromptAnswer::Yes;
  }
  void Information(const std::string&, const std::string&) override {}
  void Warning(const std::string&, const std::string&) override {}
  void Error(const std::string&, const std::string&) override {}
  void Message(const std::string&) override {}
};

struct Session {
  YesPrompter prompter;
  NullStatusSink status;
  TSongSession song{prompter, status};
  explicit Session(const char* file, bool keysense, bool continuity = false) {
    song.SetOptions(TSongOptions{.keysense = keysense, .continuity = continuity, .keysenseTable = ShippedKeysense()});
    song.LoadSong(SharedSong(file));
  }
};

void Counters(benchmark::State& state, const TSongSession& s) {
  state.counters["beats"] = static_cast<double>(s.beats().size());
  state.counters["search_bytes"] = static_cast<double>(s.SearchTables().WorkingBytes());
}

void BM_Load(benchmark::State& state, const char* file) {
  Session s(file, false);
  for (auto _ : state) benchmark::DoNotOptimize(s.song.LoadSong(SharedSong(file)));
}

void BM_Search(benchmark::State& state, const char* file, bool keysense, bool continuity = false) {
  Session s(file, keysense, continuity);
  s.song.SetKey(keysense ? 0 : -1);
  for (auto _ : state) s.song.FindChords();
  Counters(state, s.song);
}

void BM_DetectKey(benchmark::State& state, const char* file) {
  Session s(file, false);
  for (auto _ : state) benchmark::DoNotOptimize(s.song.DetectKey());
}

// Open, find the key, search the chords with the key-aware table (which needs the key) and
// without it, with or without continuity: what a user of a new song does first.
void BM_WholeAnalysis(benchmark::State& state, const char* file, bool keysense, bool continuity = false) {
  Session s(file, keysense, continuity);
  for (auto _ : state) {
    s.song.LoadSong(SharedSong(file));
    s.song.DetectKey();
    s.song.FindChords();
  }
  Counters(state, s.song);
}

}  // namespace

BENCHMARK_CAPTURE(BM_Load, typical, "typical.mid")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Load, large, "large.mid")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, typical_plain, "typical.mid", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, typical_keysense, "typical.mid", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, large_plain, "large.mid", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, large_keysense, "large.mid", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, large_continuity, "large.mid", true, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DetectKey, typical, "typical.mid")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DetectKey, large, "large.mid")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeAnalysis, typical_plain, "typical.mid", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeAnalysis, typical_keysense, "typical.mid", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeAnalysis, large_plain, "large.mid", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeAnalysis, large_keysense, "large.mid", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeAnalysis, typical_continuity, "typical.mid", true, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeAnalysis, large_continuity, "large.mid", true, true)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
