#pragma once
// The program's MIDI input devices: the MIDI output ports of a running JACK server, then the
// ALSA sequencer's readable ports; and the link that brings a chosen device's messages to the
// window's thread.

#include <memory>
#include <string>
#include <vector>

#include "midi/MidiInService.h"

// Several services as one: their devices one after another, in the given order.
class TCombinedMidiInService : public TMidiInService {
 public:
  explicit TCombinedMidiInService(std::vector<std::shared_ptr<TMidiInService>> parts);
  std::vector<TMidiInDevice> Devices() override;
  TMidiOutResult<std::shared_ptr<TMidiInPort>> Open(uint32_t id) override;
  bool MayHaveNewDevices() override;

 private:
  std::vector<std::shared_ptr<TMidiInService>> parts_;
  std::vector<std::size_t> counts_;  // devices of each part at the last listing
};

// JACK (the named server, or the default one) and ALSA.
std::shared_ptr<TMidiInService> CreateSystemMidiInService(const std::string& jackServer = {});
