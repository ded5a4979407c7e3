#pragma once
// The FluidSynth synthesizer behind the built-in output device: its settings, the synth with
// a General MIDI SoundFont loaded, and optionally a live audio driver. Every FluidSynth handle
// lives in an owning wrapper; every call that can fail is checked here, at the boundary, and
// turned into one of the MIDI output's reasons.

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "midi/MidiOutService.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_audio_driver_t;

struct TFluidDeleter {
  void operator()(_fluid_hashtable_t* settings) const;
  void operator()(_fluid_synth_t* synth) const;
  void operator()(_fluid_audio_driver_t* driver) const;
};
using TFluidSettingsPtr = std::unique_ptr<_fluid_hashtable_t, TFluidDeleter>;
using TFluidSynthPtr = std::unique_ptr<_fluid_synth_t, TFluidDeleter>;
using TFluidAudioDriverPtr = std::unique_ptr<_fluid_audio_driver_t, TFluidDeleter>;

class TFluidSynthEngine {
 public:
  static constexpr int kSampleRate = 44100;

  // A synth with the SoundFont loaded, or null with the reason in error (NoSoundFont for an
  // empty path, SoundFontLoad, NoMemory). Offline engines are only rendered from one thread
  // and skip FluidSynth's locking.
  static std::unique_ptr<TFluidSynthEngine> Create(const std::string& soundFont, bool offline,
                                                   TMidiOutErrc& error);
  ~TFluidSynthEngine();
  TFluidSynthEngine(const TFluidSynthEngine&) = delete;
  TFluidSynthEngine& operator=(const TFluidSynthEngine&) = delete;

  // Starts live audio through the first driver that works (JACK when its server runs or one
  // was named, then PipeWire, PulseAudio, ALSA); false when none does.
  bool StartAudio();
  // The JACK server to play through (empty: the default one, when it runs).
  void SetJackServer(std::string name) { jackServer_ = std::move(name); }
  void StopAudio();
  bool AudioRunning() const { return static_cast<bool>(driver_); }
  // Name of the driver in use ("pulseaudio", ...), empty when not playing live.
  const std::string& AudioDriverName() const { return driverName_; }

  // Messages as they would go to a device: short ones and system-exclusive blocks, in order
  // (what cannot travel is skipped).
  void Play(std::span<const uint8_t> bytes);
  // Back to the state after loading: all voices off, programs and controllers reset.
  void SystemReset();

  // Renders frames of interleaved stereo audio; false when FluidSynth refuses.
  bool WriteS16(int frames, int16_t* interleaved);
  bool WriteFloat(int frames, float* interleaved);

  // Voices sounding now (also those still releasing).
  int ActiveVoices() const;
  const std::string& SoundFont() const { return soundFont_; }

 private:
  TFluidSynthEngine() = default;
  void PlayShort(uint8_t status, int data1, int data2);

  std::string soundFont_;
  TFluidSettingsPtr settings_;
  TFluidSynthPtr synth_;
  TFluidAudioDriverPtr driver_;
  std::string driverName_;
  std::string jackServer_;
};

// The last error FluidSynth logged (it reports its reasons only through its log), and
// silence for its log on the terminal; installed by the first engine.
std::string FluidLastLogMessage();

