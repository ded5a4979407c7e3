#include "platform/SongRenderer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

#include "base/untMesConst.h"
#include "midi/MidiFile.h"
#include "midi/MidiOut.h"
#include "midi/PlayedEvent.h"
#include "platform/FluidSynthOut.h"
#include "platform/WavFile.h"
#include "midi/MidiConstants.h"

namespace {

// Shifts the notes of every track as the song's transposition does (wrapping in 8 bits, so
// that shifting back restores every byte).
void ShiftNotes(TMidiFile& file, int delta) {
  if (delta == 0) return;
  for (int32_t t = 0; t < file.NumberOfTracks(); ++t)
    for (TMidiEventEx& e : file.TrackAt(t).Events())
      if (IsTransposableNote(e.Status)) e.Data1 = static_cast<uint8_t>(e.Data1 + delta);
}

// Restores what the render borrowed from the file, also when a send fails.
struct TFileRestore {
  TMidiFile& file;
  int transposition;
  TOnMidiEvent midiEvent;
  TNotifyEvent updateEvent;
  ~TFileRestore() {
    file.SetOnMidiEvent(nullptr);
    // A send that failed inside Seek leaves the tracks' play indices ahead of the position;
    // going to the end first makes the way back to 0 reset them all.
    file.Seek(INT32_MAX, false);
    file.Seek(0, false);
    ShiftNotes(file, -transposition);
    file.SetOnMidiEvent(std::move(midiEvent));
    file.SetOnUpdateEvent(std::move(updateEvent));
  }
};

int32_t SongMsOf(const TMidiFile& file) { return std::max(0, file.TicksToMs(file.SongLength())); }

}  // namespace

int64_t SongRenderFrames(const TMidiFile& file, const TSongRenderOptions& options) {
  const int64_t ms = static_cast<int64_t>(SongMsOf(file)) + std::max(0, options.TailMs);
  return ms * kSongRenderSampleRate / 1000;
}

TSongRenderResult PlaySongOffline(TMidiFile& file, TMidiOutput& output,
                                  const TSongRenderOptions& options,
                                  const std::function<bool(int frames)>& renderAudio) {
  TSongRender result;
  result.SongMs = SongMsOf(file);
  const int64_t total = SongRenderFrames(file, options);
  const int32_t songLength = file.SongLength();
  const int stepMs = std::max(1, options.StepMs);

  file.Stop();
  TFileRestore restore{file, options.Transpose, file.OnMidiEvent(), file.OnUpdateEvent()};
  file.SetOnUpdateEvent(nullptr);
  file.Seek(0, false);
  ShiftNotes(file, options.Transpose);
  const int transposition = options.Transpose;
  const bool keepPitch = options.MidiOutNoTranspose;
  file.SetOnMidiEvent([&output, transposition, keepPitch](PMidiEventEx e, int32_t) {
    if (auto event = PlayedMidiEvent(*e, transposition, keepPitch)) output.SendEvent(*event);
  });

  bool songDone = false;
  int64_t frames = 0;
  try {
    for (int64_t endMs = stepMs; frames < total; endMs += stepMs) {
      if (!songDone) {
        // Events before the tick at the end of this step sound within it; past the song's
        // end, one step beyond its last tick lets the events at that tick out too.
        const int64_t afterSong = std::min<int64_t>(int64_t{songLength} + 1, INT32_MAX);
        int64_t tick = endMs > result.SongMs ? afterSong
                                             : int64_t{file.MsToTicks(static_cast<int32_t>(endMs))};
        tick = std::min(tick, afterSong);
        if (tick > file.PositionTicks()) file.Seek(static_cast<int32_t>(tick), true);
        if (tick >= afterSong) {
          songDone = true;
          // Notes the song left on are released, not cut: they ring out in the tail.
          for (int ch = 0; ch < MidiChannelCount; ++ch) {
            output.SendShort(MidiStatusOf(MidiStatus::ControlChange, ch), MidiController::Sustain, 0);
            output.SendShort(MidiStatusOf(MidiStatus::ControlChange, ch), MidiController::AllNotesOff, 0);
          }
        }
      }
      const int64_t target = std::min(total, endMs * kSongRenderSampleRate / 1000);
      const int n = static_cast<int>(target - frames);
      if (n > 0) {
        if (!renderAudio(n)) return TError(MesFormat(MesId::SRenderSynthError, Mes(MesId::SMidiOutErrUnspecified)));
        frames = target;
      }
    }
  } catch (const EmidioutputError& e) {
    return TError(MesFormat(MesId::SRenderSendError, e.what()));
  }
  result.Frames = frames;
  return result;
}

namespace {

// The offline synthesizer behind a TMidiOutput, opened.
struct TOfflineSynth {
  std::shared_ptr<TFluidSynthOutService> service;
  std::unique_ptr<TMidiOutput> output;
  TFluidSynthEngine* engine = nullptr;
  std::string error;

  explicit TOfflineSynth(const std::string& soundFont)
      : service(std::make_shared<TFluidSynthOutService>(TFluidSynthOutService::Mode::Offline, soundFont)),
        output(std::make_unique<TMidiOutput>(service, std::make_shared<TImmediatePoster>())) {
    if (!output->Open()) {
      error = MesFormat(MesId::SRenderSynthError, output->ErrorText(output->LastError()));
      return;
    }
    engine = service->Engine();
  }
};

}  // namespace

TSongRenderResult RenderSongToSamples(TMidiFile& file, const TSongRenderOptions& options,
                                      std::vector<int16_t>& samples) {
  samples.clear();
  TOfflineSynth synth(options.SoundFont);
  if (!synth.engine) return TError(synth.error);
  samples.reserve(static_cast<std::size_t>(SongRenderFrames(file, options)) * 2);
  return PlaySongOffline(file, *synth.output, options, [&](int frames) {
    const std::size_t at = samples.size();
    samples.resize(at + static_cast<std::size_t>(frames) * 2);
    return synth.engine->WriteS16(frames, samples.data() + at);
  });
}

double NormalisingGain(float peak) {
  // Below -100 dBFS a song is silent: what is there is rounding, not music worth raising.
  if (!(peak > 1e-5f)) return 1.0;
  return std::pow(10.0, kRenderPeakDb / 20.0) / static_cast<double>(peak);
}

TSongRenderResult RenderSongToWav(const std::string& midiPath, const std::string& wavPath,
                                  const TSongRenderOptions& options) {
  TMidiFile file;
  file.SetFilename(midiPath);
  try {
    file.LoadFile();
  } catch (const std::exception& e) {
    return TError(MesFormat(MesId::SRenderReadError, midiPath, e.what()));
  }
  if (file.NumberOfTracks() == 0) return TError(MesFormat(MesId::SRenderEmptySong, midiPath));
  const int64_t total = SongRenderFrames(file, options);
  if (static_cast<uint64_t>(total) > kMaxWavStereoFrames)
    return TError(MesFormat(MesId::SRenderTooLong, midiPath, FormatTime(SongMsOf(file))));

  std::vector<float> buffer;
  double gain = 1.0;
  if (options.GainDb) {
    gain = std::pow(10.0, *options.GainDb / 20.0);
  } else {
    // The synthesizer is deterministic: a first rendering finds the peak the second one has.
    TOfflineSynth probe(options.SoundFont);
    if (!probe.engine) return TError(probe.error);
    float peak = 0;
    const TSongRenderResult measured = PlaySongOffline(file, *probe.output, options, [&](int frames) {
      buffer.resize(static_cast<std::size_t>(frames) * 2);
      if (!probe.engine->WriteFloat(frames, buffer.data())) return false;
      for (float v : buffer) peak = std::max(peak, std::fabs(v));
      return true;
    });
    if (!measured.Ok()) return measured;
    gain = NormalisingGain(peak);
  }

  TOfflineSynth synth(options.SoundFont);
  if (!synth.engine) return TError(synth.error);
  TWavWriter wav(wavPath);
  if (!wav.Begin(static_cast<uint32_t>(total), kSongRenderSampleRate))
    return TError(MesFormat(MesId::SRenderWriteError, wavPath, wav.ErrorString()));
  std::vector<int16_t> samples;
  bool writeFailed = false;
  TSongRenderResult result = PlaySongOffline(file, *synth.output, options, [&](int frames) {
    buffer.resize(static_cast<std::size_t>(frames) * 2);
    samples.resize(buffer.size());
    if (!synth.engine->WriteFloat(frames, buffer.data())) return false;
    for (std::size_t i = 0; i < buffer.size(); ++i) {
      const double v = std::clamp(static_cast<double>(buffer[i]) * gain, -1.0, 1.0);
      samples[i] = static_cast<int16_t>(std::lround(v * 32767.0));
    }
    if (!wav.Write(samples.data(), frames)) {
      writeFailed = true;
      return false;
    }
    return true;
  });
  if (writeFailed || (result.Ok() && !wav.Commit()))
    return TError(MesFormat(MesId::SRenderWriteError, wavPath, wav.ErrorString()));
  return result;
}
