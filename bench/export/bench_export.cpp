// The chord text of whole songs: the silent replay with the text collector, the placing of
// the chords, and the ChordPro form; and the decoding of legacy texts.
#include <benchmark/benchmark.h>

#include <string>

#include "export/ChordText.h"
#include "export/ChordTextForms.h"
#include "export/CodePage.h"
#include "midi/InOutError.h"
#include "midi/MidiFile.h"

namespace {

const std::string kBench = std::string(CANTARO_SHARED_DIR) + "/bench/";

TChordTextInput InputFor(const TMidiFile& engine) {
  TChordTextInput input;
  input.beatLength = engine.BeatTicks();
  input.dateTime = "d t";
  const char* names[] = {"Am", "Am", "Dm", "E7", "", "C", "G", "?"};
  const int32_t beats = engine.SongLength() / input.beatLength + 1;
  for (int32_t b = 0; b < beats; ++b) input.cells.push_back(names[b % 8]);
  return input;
}

void BM_BuildChordText(benchmark::State& state, const char* file) {
  TMidiFile engine;
  engine.LoadFromBytes(ReadFileBytes(kBench + file));
  const TChordTextInput input = InputFor(engine);
  size_t lines = 0;
  for (auto _ : state) {
    const TChordText text = BuildChordText(engine, input);
    lines = text.lines.size();
    benchmark::DoNotOptimize(lines);
  }
  state.counters["beats"] = static_cast<double>(input.cells.size());
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK_CAPTURE(BM_BuildChordText, typical, "typical.mid")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BuildChordText, large, "large.mid")->Unit(benchmark::kMillisecond);

void BM_ChordPro(benchmark::State& state) {
  TMidiFile engine;
  engine.LoadFromBytes(ReadFileBytes(kBench + "large.mid"));
  const TChordText text = BuildChordText(engine, InputFor(engine));
  for (auto _ : state) benchmark::DoNotOptimize(ChordProString(text));
}
BENCHMARK(BM_ChordPro)->Unit(benchmark::kMillisecond);

void BM_DecodeCp1251(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < 4096; ++i) text += static_cast<char>(0xC0 + i % 64);
  for (auto _ : state) benchmark::DoNotOptimize(DecodeMidiText(text, TCodePage::Cp1251));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_DecodeCp1251);

}  // namespace

BENCHMARK_MAIN();
