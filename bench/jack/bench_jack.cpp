// Lateness of live playback through JACK: the song played by the engine's Qt timer and
// dispatch through TMidiOutput into a JACK MIDI port of a receiving client, on a JACK server
// the benchmark starts itself (dummy backend, 48 kHz, 128 frames). For every note-on, the
// moment it reached the receiver (its frame on JACK's clock) is compared with its time on the
// tempo map (to the microsecond), counted from the moment playback starts; the median and the
// 99th percentile of that lateness are reported, at timer resolutions of 10 and 1 ms, with
// the song sent ahead with due times as the program does for JACK (second argument 1) and
// without (0: each event sent when a timer step finds it due, held one period by the output
// to keep its spacing).

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "midi/MidiConstants.h"
#include "midi/MidiFile.h"
#include "midi/MidiOut.h"
#include "platform/JackMidiOut.h"
#include "platform/QtPlayback.h"
#include "bench/LiveBench.h"
#include "tests/platform/JackServer.h"

namespace {

const std::string kSong = std::string(CANTARO_SHARED_DIR) + "/bench/typical.mid";
constexpr double kRate = 48000.0;
constexpr int32_t kPlayMs = 20000;  // how much of the song each run plays

// A receiver that keeps the frame time of every note-on.
class Stamps {
 public:
  explicit Stamps(const std::string& server) {
    client_ = OpenJackClient("stamps", server);
    if (!client_) return;
    port_ = jack_port_register(client_.get(), "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
    frames_.reserve(100000);
    jack_set_process_callback(client_.get(), Process, this);
    if (port_ && jack_activate(client_.get()) == 0) ok_ = true;
  }
  bool Ok() const { return ok_; }
  jack_client_t* Client() { return client_.get(); }
  std::vector<jack_time_t> Take() {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::move(frames_);
  }

 private:
  static int Process(jack_nframes_t n, void* arg) {
    auto* self = static_cast<Stamps*>(arg);
    void* buffer = jack_port_get_buffer(self->port_, n);
    const jack_nframes_t start = jack_last_frame_time(self->client_.get());
    std::lock_guard<std::mutex> lock(self->mutex_);
    for (uint32_t i = 0, count = jack_midi_get_event_count(buffer); i < count; ++i) {
      jack_midi_event_t ev;
      if (jack_midi_event_get(&ev, buffer, i) != 0 || ev.size != 3) continue;
      // The dummy backend's frame count drifts from real time on a busy machine; JACK's own
      // mapping of frames to its microsecond clock does not.
      if (MidiKind(ev.buffer[0]) == MidiStatus::NoteOn && ev.buffer[2] > 0)
        self->frames_.push_back(jack_frames_to_time(self->client_.get(), start + ev.time));
    }
    return 0;
  }

  TJackClientPtr client_;
  jack_port_t* port_ = nullptr;
  bool ok_ = false;
  std::mutex mutex_;
  std::vector<jack_time_t> frames_;
};

void BM_JackNoteOnLateness(benchmark::State& state) {
  EnsureBenchApp("bench_jack");

  TestJackServer server;
  if (!server.Running()) {
    state.SkipWithError(server.Problem().c_str());
    return;
  }
  Stamps stamps(server.Name());
  TMidiFile file;
  file.SetFilename(kSong);
  try {
    file.LoadFile();
  } catch (const std::exception& e) {
    state.SkipWithError((kSong + ": " + e.what()).c_str());
    return;
  }
  auto service = std::make_shared<TJackMidiOutService>("Cantaro", server.Name());
  TMidiOutput out(service, std::make_shared<TImmediatePoster>());
  try {
    out.SetProductName("stamps:in");
  } catch (const std::exception& e) {
    state.SkipWithError(e.what());
    return;
  }
  if (!stamps.Ok() || !out.Open()) {
    state.SkipWithError("the JACK clients could not be set up");
    return;
  }
  TQtPlayback playback;
  file.SetPlaybackServices(playback.Services());
  file.SetTimerResol(static_cast<int32_t>(state.range(0)));
  const bool ahead = state.range(1) != 0;
  file.SetLookAheadUs(ahead ? out.PlaybackLookAheadUs() : 0);
  const double leadMs = ahead ? static_cast<double>(file.TimerResol() * 1000 + file.LookAheadUs()) / 1000.0 : 0;

  std::vector<double> lateness;
  for (auto _ : state) {
    std::vector<int64_t> dueUs;  // tempo-map time of each note-on sent, in order
    file.SetOnMidiEvent([&](PMidiEventEx e, int32_t) {
      if (!IsMidiChannelMessage(e->Status)) return;
      out.SendEventAt(TMidiEvent(e->Status, e->Data1, e->Data2), file.EventDueUs());
      if (MidiKind(e->Status) == MidiStatus::NoteOn && e->Data2 > 0) dueUs.push_back(file.TicksToUs(e->Time));
    });
    stamps.Take();
    const jack_time_t start = jack_get_time();
    file.PlayFromStart();
    QEventLoop loop;
    QTimer::singleShot(kPlayMs, &loop, &QEventLoop::quit);
    loop.exec();
    file.Stop();
    out.AllSoundOff();
    QTimer::singleShot(200, &loop, &QEventLoop::quit);  // the last events reach the receiver
    loop.exec();
    const std::vector<jack_time_t> got = stamps.Take();
    const size_t n = std::min(got.size(), dueUs.size());
    for (size_t i = 0; i < n; ++i)
      lateness.push_back(static_cast<double>(static_cast<int64_t>(got[i] - start) - dueUs[i]) / 1000.0);
    state.counters["notes"] = static_cast<double>(n);
    // Every note-on sent should arrive; a difference would pair the wrong ones.
    state.counters["lost"] = static_cast<double>(dueUs.size()) - static_cast<double>(got.size());
  }
  file.SetOnMidiEvent(nullptr);
  out.Close();
  state.counters["median_ms"] = Percentile(lateness, 0.5);
  state.counters["p99_ms"] = Percentile(lateness, 0.99);
  state.counters["max_ms"] = Percentile(lateness, 1.0);
  state.counters["period_ms"] = 128 / kRate * 1000.0;
  state.counters["lead_ms"] = leadMs;
}

}  // namespace

BENCHMARK(BM_JackNoteOnLateness)
    ->ArgNames({"timer_ms", "ahead"})
    ->Args({10, 1})
    ->Args({1, 1})
    ->Args({10, 0})
    ->Args({1, 0})
    ->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
