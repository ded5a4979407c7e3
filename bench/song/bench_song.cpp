// The whole analysis of a song through the session: load, chord search with and without the
// key-aware table, with chord continuity and with the learned chord model, key detection; on
// the shared benchmark songs.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "chords/ChordModel.h"
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

// The learned chord model the program ships.
std::shared_ptr<const TChordModel> ShippedModel() {
  static const std::shared_ptr<const TChordModel> model = [] {
    TChordModelRead read = ReadChordModel(ReadWholeFile(std::string(CANTARO_SOURCE_DIR) + "/data/chord-model.txt").bytes);
    return read.Model ? std::make_shared<const TChordModel>(std::move(*read.Model)) : nullptr;
  }();
  return model;
}

enum class TChoice { Plain, Keysense, Continuity, Learned };

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
  explicit Session(const char* file, TChoice choice) {
    TSongOptions options;
    options.keysense = choice != TChoice::Plain;
    options.continuity = choice == TChoice::Continuity;
    options.keysenseTable = ShippedKeysense();
    if (choice == TChoice::Learned) options.chordModel = ShippedModel();
    song.SetOptions(options);
    song.LoadSong(SharedSong(file));
  }
};

void Counters(benchmark::State& state, const TSongSession& s) {
  state.counters["beats"] = static_cast<double>(s.beats().size());
  state.counters["search_bytes"] = static_cast<double>(s.SearchTables().WorkingBytes());
}

void BM_Load(benchmark::State& state, const char* file) {
  Session s(file, TChoice::Plain);
  for (auto _ : state) benchmark::DoNotOptimize(s.song.LoadSong(SharedSong(file)));
}

void BM_Search(benchmark::State& state, const char* file, TChoice choice) {
  Session s(file, choice);
  s.song.SetKey(choice != TChoice::Plain ? 0 : -1);
  for (auto _ : state) s.song.FindChords();
  Counters(state, s.song);
}

void BM_DetectKey(benchmark::State& state, const char* file) {
  Session s(file, TChoice::Plain);
  for (auto _ : state) benchmark::DoNotOptimize(s.song.DetectKey());
}

// Open, find the key, search the chords with the key-aware table (which needs the key) and
// without it, with or without continuity, or with the learned model: what a user of a new
// song does first.
void BM_WholeAnalysis(benchmark::State& state, const char* file, TChoice choice) {
  Session s(file, choice);
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
BENCHMARK_CAPTURE(BM_Search, typical_plain, "typical.mid", TChoice::Plain)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, typical_keysense, "typical.mid", TChoice::Keysense)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, large_plain, "large.mid", TChoice::Plain)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, large_keysense, "large.mid", TChoice::Keysense)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, large_continuity, "large.mid", TChoice::Continuity)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, large_learned, "large.mid", TChoice::Learned)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DetectKey, typical, "typical.mid")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DetectKey, large, "large.mid")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeAnalysis, typical_plain, "typical.mid", TChoice::Plain)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeAnalysis, typical_keysense, "typical.mid", TChoice::Keysense)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeAnalysis, large_plain, "large.mid", TChoice::Plain)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeAnalysis, large_keysense, "large.mid", TChoice::Keysense)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeAnalysis, typical_continuity, "typical.mid", TChoice::Continuity)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeAnalysis, large_continuity, "large.mid", TChoice::Continuity)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeAnalysis, typical_learned, "typical.mid", TChoice::Learned)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholeAnalysis, large_learned, "large.mid", TChoice::Learned)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
