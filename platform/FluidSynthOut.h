#pragma once
// The built-in synthesizer as a MIDI output service with one device. Live, it plays through
// the audio output FluidSynth finds (a running JACK server first); offline, it only renders
// when asked (tests, rendering a song to a file). The SoundFont is loaded at the first Open
// and kept for later opens, so that closing and opening the device again (every rewind does)
// costs nothing.

#include <memory>
#include <string>

#include "midi/MidiOutService.h"
#include "platform/FluidSynthEngine.h"

class TFluidSynthOutService : public TMidiOutService {
 public:
  enum class Mode { Live, Offline };

  // An empty soundFont means the standard folders (searched at the first Open).
  explicit TFluidSynthOutService(Mode mode, std::string soundFont = {});
  ~TFluidSynthOutService() override;

  // Live audio through this JACK server (empty: the default one, when it runs).
  void SetJackServer(std::string name) { jackServer_ = std::move(name); }

  std::vector<TMidiOutDevice> Devices() override;
  TMidiOutResult<TMidiOutHandle> Open(uint32_t id) override;
  TMidiOutStatus Send(TMidiOutHandle handle, std::span<const uint8_t> bytes, TMidiOutDone done = {}) override;
  TMidiOutStatus Close(TMidiOutHandle handle) override;

  // The synth while the device is open (offline rendering pulls its audio from here).
  TFluidSynthEngine* Engine() { return handle_ ? engine_.get() : nullptr; }

 private:
  Mode mode_;
  std::string soundFont_;
  std::string jackServer_;
  std::unique_ptr<TFluidSynthEngine> engine_;
  TMidiOutHandle handle_ = 0;
};
