// Rendering speed of the built-in synthesizer: the typical song played through the engine's
// dispatch and TMidiOutput into FluidSynth on a simulated clock, as `cantaro --render` does
// (without the disk). The counter x_realtime is song time over rendering time.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "midi/MidiFile.h"
#include "midi/MidiOut.h"
#include "midi/MidiOutRecorder.h"
#include "platform/FluidSynthOut.h"
#include "platform/SongRenderer.h"

namespace {

const std::string kTypical = std::string(CANTARO_SHARED_DIR) + "/bench/typical.mid";

bool Load(TMidiFile& file, benchmark::State& state) {
  file.SetFilename(kTypical);
  try {
    if (file.LoadFile() > 0) return true;
  } catch (const std::exception& e) {
    state.SkipWithError(e.what());
    return false;
  }
  state.SkipWithError("typical.mid holds no tracks");
  return false;
}

void BM_RenderTypicalSong(benchmark::State& state) {
  TMidiFile file;
  if (!Load(file, state)) return;
  auto service = std::make_shared<TFluidSynthOutService>(TFluidSynthOutService::Mode::Offline);
  TMidiOutput out(service, std::make_shared<TImmediatePoster>());
  if (!out.Open()) {
    state.SkipWithError(out.ErrorText(out.LastError()).c_str());
    return;
  }
  TFluidSynthEngine* engine = service->Engine();
  std::vector<int16_t> buffer;
  TSongRenderOptions options;
  int64_t frames = 0;
  for (auto _ : state) {
    engine->SystemReset();
    const TSongRenderResult r = PlaySongOffline(file, out, options, [&](int n) {
      buffer.resize(static_cast<std::size_t>(n) * 2);
      return engine->WriteS16(n, buffer.data());
    });
    if (!r) {
      state.SkipWithError(r.Error().Text.c_str());
      return;
    }
    frames += r->Frames;
  }
  const double audioSeconds = static_cast<double>(frames) / kSongRenderSampleRate;
  state.counters["audio_s"] = benchmark::Counter(audioSeconds / state.iterations());
  // Audio seconds per second of wall time.
  state.counters["x_realtime"] = benchmark::Counter(audioSeconds, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RenderTypicalSong)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

// The same road without the synthesizer: dispatch and TMidiOutput into the recording device,
// the cost the render adds on top of FluidSynth.
void BM_DispatchTypicalSongToRecorder(benchmark::State& state) {
  TMidiFile file;
  if (!Load(file, state)) return;
  auto recorder = std::make_shared<TMidiOutRecorder>();
  TMidiOutput out(recorder, std::make_shared<TImmediatePoster>());
  out.Open();
  for (auto _ : state) {
    recorder->ClearMessages();
    const TSongRenderResult r = PlaySongOffline(file, out, {}, [](int) { return true; });
    benchmark::DoNotOptimize(r.Ok());
  }
}
BENCHMARK(BM_DispatchTypicalSongToRecorder)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
