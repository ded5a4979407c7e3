#pragma once
// Rendering a song to audio without a sound card, as fast as the machine can: the song plays
// through the engine's dispatch (Seek with dispatch on a simulated clock, a few milliseconds
// of audio per step) into TMidiOutput and from there into the built-in synthesizer, the same
// road as playback in the window. The audio is 44.1 kHz stereo 16-bit.
//
// For the command line (cantaro --render FILE -o OUT.wav [--transpose N]):
//   RenderSongToWav(file, out, options)  reads the song, renders it and writes the WAV file
//                                        atomically; result.Ok, or result.Error (a user text)
//   Options: Transpose (semitones added to the notes, percussion excepted, as the song's
//   transposition does) and MidiOutNoTranspose (the setting: the sound keeps the original
//   pitch while the notes are transposed).
// The audio lasts the song's length by its tempo map plus TailMs, so that the last notes
// can ring out.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/Result.h"

class TMidiFile;
class TMidiOutput;

struct TSongRenderOptions {
  int Transpose = 0;
  bool MidiOutNoTranspose = false;
  int StepMs = 2;     // simulated clock step
  int TailMs = 500;   // after the last event
  std::string SoundFont;  // empty: the standard folders
  // The WAV file's gain in dB; empty: its loudest sample is brought to kRenderPeakDb (a silent
  // song stays silent).
  std::optional<double> GainDb;
};

constexpr double kRenderPeakDb = -1.0;

struct TSongRender {
  int32_t SongMs = 0;  // the song's length by its tempo map
  int64_t Frames = 0;  // stereo frames rendered
};
// What was rendered, or the error for the user.
using TSongRenderResult = TResult<TSongRender>;

constexpr int kSongRenderSampleRate = 44100;

// Frames the rendering of a loaded song takes: its length in ms plus the tail.
int64_t SongRenderFrames(const TMidiFile& file, const TSongRenderOptions& options);

// Plays the loaded song into the open output on a simulated clock. After each step,
// renderAudio(frames) must produce that many frames of audio (false stops with an error it
// has recorded). The file's handlers, notes and position are restored afterwards.
TSongRenderResult PlaySongOffline(TMidiFile& file, TMidiOutput& output,
                                  const TSongRenderOptions& options,
                                  const std::function<bool(int frames)>& renderAudio);

// Renders a loaded song through the built-in synthesizer into interleaved stereo samples.
TSongRenderResult RenderSongToSamples(TMidiFile& file, const TSongRenderOptions& options,
                                      std::vector<int16_t>& samples);

// The linear gain that brings a peak (1.0 full scale) to kRenderPeakDb; 1 for silence.
double NormalisingGain(float peak);

// Reads midiPath, renders it and writes wavPath at options.GainDb, else normalised (the song
// is rendered twice: once for its peak, once into the file).
TSongRenderResult RenderSongToWav(const std::string& midiPath, const std::string& wavPath,
                                  const TSongRenderOptions& options);
