// The piano keyboard while a song plays: one key turned on and off repaints that key only,
// against repainting the whole keyboard for every change.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "song/MidiPianoModel.h"
#include "settings/untVars.h"
#include "ui/MidiPiano.h"
#include "ui/PianoGeometry.h"

namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "bench_piano";
  static char* argv[] = {name, nullptr};
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QApplication app(argc, argv);
  return app;
}

// Every note of the shown octaves in turn switched on and off, each change painted at once:
// only the key's rectangle, or the whole keyboard.
void KeyOnOff(benchmark::State& state, bool wholeKeyboard) {
  App();
  TMidiPianoModel model;
  const TSettings settings;
  TMidiPiano piano(model, settings);
  piano.resize(617, 105);
  piano.show();
  QApplication::processEvents();
  auto paint = [&](int note) {
    if (wholeKeyboard)
      piano.repaint();
    else
      piano.repaint(piano.KeyRect(note));  // what the pending update paints, at once
  };
  int note = 48;
  for (auto _ : state) {
    model.HandleMidiMessage(0x90, static_cast<uint8_t>(note), 100);
    paint(note);
    model.HandleMidiMessage(0x80, static_cast<uint8_t>(note), 0);
    paint(note);
    note = note == 95 ? 48 : note + 1;
  }
  state.SetItemsProcessed(state.iterations() * 2);
}

void BM_KeyOnOffRepaintsOneKey(benchmark::State& state) { KeyOnOff(state, false); }
BENCHMARK(BM_KeyOnOffRepaintsOneKey);

void BM_KeyOnOffRepaintsWholeKeyboard(benchmark::State& state) { KeyOnOff(state, true); }
BENCHMARK(BM_KeyOnOffRepaintsWholeKeyboard);

void BM_KeyAtPoint(benchmark::State& state) {
  TPianoGeometry g(617, 105, 4);
  int x = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(PianoKeyAt(g, x, (x * 7) % 105));
    x = (x + 13) % 617;
  }
}
BENCHMARK(BM_KeyAtPoint);

}  // namespace

BENCHMARK_MAIN();
