#pragma once
// The FluidSynth synthesizer behind the built-in output device: its settings, the synth with
// a General MIDI SoundFont loaded, and optionally a live audio driver. Every FluidSynth handle
// lives in an owning wrapper; every call that can fail is checked here, at the boundary, and
// turned into one of the MIDI output result codes.

#include <cstdint>
#include <memory>
#include <string>

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

  // A synth with the SoundFont loaded, or null with the result code in error
  // (MIDIOUT_NOSOUNDFONT for an empty path, MIDIOUT_SOUNDFONTLOAD, MIDIOUT_NOMEM). Offline
  // engines are only rendered from one thread and skip FluidSynth's locking.
  static std::unique_ptr<TFluidSynthEngine> Create(const std::string& soundFont, bool offline,
                                                   uint32_t& error);
  ~TFluidSynthEngine();
  TFluidSynthEngine(const TFluidSynthEngine&) = delete;
  TFluidSynthEngine& operator=(const TFluidSynthEngine&) = delete;

  // Starts live audio through the first driver that works (PipeWire, PulseAudio, ALSA);
  // MIDIOUT_NOAUDIO when none does.
  uint32_t StartAudio();
  void StopAudio();
  bool AudioRunning() const { return static_cast<bool>(driver_); }
  // Name of the driver in use ("pulseaudio", ...), empty when not playing live.
  const std::string& AudioDriverName() const { return driverName_; }

  // One short message as the word of TMidiOutService::ShortMsg (undecodable words do nothing).
  void ShortMessage(uint32_t word);
  // A long message: its system-exclusive blocks and short messages in order.
  void LongMessage(const uint8_t* data, uint32_t length);
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

  std::string soundFont_;
  TFluidSettingsPtr settings_;
  TFluidSynthPtr synth_;
  TFluidAudioDriverPtr driver_;
  std::string driverName_;
};

// The last error FluidSynth logged (it reports its reasons only through its log), and
// silence for its log on the terminal; installed by the first engine.
std::string FluidLastLogMessage();

// The library's version as major << 8 | minor.
uint32_t FluidSynthVersion();
