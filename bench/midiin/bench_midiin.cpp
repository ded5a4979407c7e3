// From a key struck on a MIDI keyboard to the piano's repaint request: a keyboard client of a
// JACK server the benchmark starts itself (dummy backend, 48 kHz, 128 frames) plays notes
// into the program's MIDI input; the input's link reads them on this thread (woken by its
// descriptor) and the piano model asks for the key to be drawn again. The time from the
// note's frame on JACK's clock to that request is reported as median and 99th percentile.
// (The window names the held chord after the key is drawn, so recognition is not part of it.)

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/JackMidiIn.h"
#include "platform/MidiInQueue.h"
#include "platform/MidiInputLink.h"
#include "song/MidiPianoModel.h"
#include "bench/LiveBench.h"
#include "tests/platform/JackServer.h"

namespace {

void PumpFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

void BM_MidiInputToPianoRepaint(benchmark::State& state) {
  EnsureBenchApp("bench_midiin");

  TestJackServer server;
  if (!server.Running()) {
    state.SkipWithError(server.Problem().c_str());
    return;
  }
  TestMidiPlayer keys(server.Name(), "keys");
  if (!keys.Ok()) {
    state.SkipWithError("the keyboard client could not be set up");
    return;
  }
  auto service = std::make_shared<TJackMidiInService>("Cantaro in", server.Name());
  TMidiInputLink link(service);
  WaitFor([&] { return FindMidiInDevice(service->Devices(), keys.PortName()).has_value(); });
  if (!link.Open(keys.PortName()).Ok()) {
    state.SkipWithError("the input could not be opened");
    return;
  }

  TMidiPianoModel piano;
  uint64_t arrived = 0;
  std::vector<double> latencyMs;
  piano.OnKeyChanged = [&](int) {
    if (arrived) latencyMs.push_back(static_cast<double>(static_cast<int64_t>(MidiInNowUs() - arrived)) / 1000.0);
    arrived = 0;
  };
  link.OnMessage = [&](const TMidiInMessage& m) {
    if ((m.Bytes[0] & 0xF0) == 0x90 && m.Bytes[2] > 0) arrived = m.ArrivedUs;
  };
  link.Keyboard.OnSounding = [&](int note, bool on) { piano.SetKeyLevel(note, on ? 1 : 0); };

  const int notes = static_cast<int>(state.range(0));
  for (auto _ : state) {
    latencyMs.clear();
    for (int i = 0; i < notes; ++i) {
      const uint8_t note = static_cast<uint8_t>(48 + i % 24);
      keys.Play({0x90, note, 100});
      PumpFor(15);
      keys.Play({0x80, note, 0});
      PumpFor(5);
    }
    state.counters["notes"] = static_cast<double>(latencyMs.size());
  }
  link.Close();
  state.counters["median_ms"] = Percentile(latencyMs, 0.5);
  state.counters["p99_ms"] = Percentile(latencyMs, 0.99);
  state.counters["min_ms"] = Percentile(latencyMs, 0.0);
  state.counters["period_ms"] = 128 / 48000.0 * 1000.0;
}

}  // namespace

BENCHMARK(BM_MidiInputToPianoRepaint)->Arg(300)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
