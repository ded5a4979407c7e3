#pragma once
// The built-in synthesizer as a MIDI output service with one device. Live, it plays through
// the audio output FluidSynth finds; offline, it only renders when asked (tests, rendering a
// song to a file). The SoundFont is loaded at the first Open and kept for later opens, so that
// closing and opening the device again (every rewind does) costs nothing.

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

  uint32_t GetNumDevs() override { return 1; }
  uint32_t ShortMsg(TMidiOutHandle handle, uint32_t message) override;
  uint32_t LongMsg(TMidiOutHandle handle, TMidiOutHeader* header) override;
  uint32_t Close(TMidiOutHandle handle) override;

  // The synth while the device is open (offline rendering pulls its audio from here).
  TFluidSynthEngine* Engine() { return handle_ ? engine_.get() : nullptr; }

 protected:
  uint32_t DeviceCaps(uint32_t index, TMidiOutCaps& caps) override;
  uint32_t OpenDevice(uint32_t index, TMidiOutCallback callback, TMidiOutHandle& handle) override;

 private:
  Mode mode_;
  std::string soundFont_;
  std::unique_ptr<TFluidSynthEngine> engine_;
  TMidiOutHandle handle_ = 0;
  TMidiOutCallback callback_;
};
