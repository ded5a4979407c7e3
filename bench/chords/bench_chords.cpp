// Chord recognition and naming speed on realistic note sets (chords.json: 10,000 sets of 3 to
// 5 notes). Besides Google Benchmark's mean time per call, every recognition benchmark reports
// the median and the 99th percentile over the note sets, each set timed on its own.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "chords/ChordRecognition.h"
#include "chords/untChords.h"
#include "tests/chords/ChordWalk.h"

namespace {

// Reads the "midi" arrays of a JSON list of objects: [{"midi": [50, 57, 65], ...}, ...].
// Only that shape is understood; other fields are skipped by scanning to the next "midi" key.
std::vector<TNotes> ReadMidiSets(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  const std::string text = buffer.str();
  std::vector<TNotes> sets;
  const std::string key = "\"midi\"";
  size_t pos = 0;
  while ((pos = text.find(key, pos)) != std::string::npos) {
    pos += key.size();
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == ':' || text[pos] == '\n' || text[pos] == '\t'))
      ++pos;
    if (pos >= text.size() || text[pos] != '[') continue;
    ++pos;
    TNotes notes;
    while (pos < text.size() && text[pos] != ']') {
      if (text[pos] == '-' || (text[pos] >= '0' && text[pos] <= '9')) {
        char* end = nullptr;
        notes.push_back(static_cast<int32_t>(std::strtol(text.c_str() + pos, &end, 10)));
        pos = static_cast<size_t>(end - text.c_str());
      } else {
        ++pos;
      }
    }
    sets.push_back(std::move(notes));
  }
  return sets;
}

const std::vector<TNotes>& Sets() {
  static const std::vector<TNotes> sets = [] {
    std::vector<TNotes> s = ReadMidiSets(std::string(CANTARO_SHARED_DIR) + "/bench/chords.json");
    if (s.empty()) {
      std::fprintf(stderr, "no note sets in %s/bench/chords.json\n", CANTARO_SHARED_DIR);
      std::exit(1);
    }
    return s;
  }();
  return sets;
}

// Median and 99th percentile of the time per call, each note set timed over `repeat` calls.
template <class Recognize>
void PerSetCounters(benchmark::State& state, Recognize recognize, int repeat) {
  std::vector<double> perSet;
  perSet.reserve(Sets().size());
  for (const TNotes& notes : Sets()) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < repeat; ++i) benchmark::DoNotOptimize(recognize(notes));
    const auto stop = std::chrono::steady_clock::now();
    perSet.push_back(std::chrono::duration<double, std::nano>(stop - start).count() / repeat);
  }
  std::sort(perSet.begin(), perSet.end());
  state.counters["median_ns"] = perSet[perSet.size() / 2];
  state.counters["p99_ns"] = perSet[perSet.size() * 99 / 100];
  state.counters["sets"] = static_cast<double>(perSet.size());
}

template <class Recognize>
void RunRecognition(benchmark::State& state, Recognize recognize, int repeat) {
  const std::vector<TNotes>& sets = Sets();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(recognize(sets[i]));
    if (++i == sets.size()) i = 0;
  }
  PerSetCounters(state, recognize, repeat);
}

void BM_RecognizeChords_QuickFirst(benchmark::State& state) {
  PrepareChordRecognition();
  RunRecognition(state, [](const TNotes& n) { return RecognizeChords(n, RecognitionMode::QuickFirst); }, 64);
}
void BM_RecognizeChords_AllVariants(benchmark::State& state) {
  PrepareChordRecognition();
  RunRecognition(state, [](const TNotes& n) { return RecognizeChords(n, RecognitionMode::AllVariants); }, 64);
}
void BM_GeneratorWalk_QuickFirst(benchmark::State& state) {
  RunRecognition(state, [](const TNotes& n) { return RecognizeChordsByWalk(n, RecognitionMode::QuickFirst); }, 1);
}
void BM_GeneratorWalk_AllVariants(benchmark::State& state) {
  RunRecognition(state, [](const TNotes& n) { return RecognizeChordsByWalk(n, RecognitionMode::AllVariants); }, 1);
}

// Names of every variant of every set, as the beat grid and the variants list show them.
void BM_ChordName(benchmark::State& state) {
  TChords chords;
  for (const TNotes& notes : Sets()) {
    const TChords found = RecognizeChords(notes, RecognitionMode::AllVariants);
    chords.insert(chords.end(), found.begin(), found.end());
  }
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ChordName(chords[i], NoteNotation::English));
    if (++i == chords.size()) i = 0;
  }
  state.counters["chords"] = static_cast<double>(chords.size());
}

}  // namespace

BENCHMARK(BM_RecognizeChords_QuickFirst);
BENCHMARK(BM_RecognizeChords_AllVariants);
BENCHMARK(BM_GeneratorWalk_QuickFirst);
BENCHMARK(BM_GeneratorWalk_AllVariants);
BENCHMARK(BM_ChordName);

BENCHMARK_MAIN();
