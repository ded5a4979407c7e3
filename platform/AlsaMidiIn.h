#pragma once
// The readable ports of the ALSA sequencer (keyboards, other programs' outputs), through
// RtMidi, as MIDI input devices, named as the output side names them (without the sequencer's
// numbers). Without a sequencer the service lists nothing. RtMidi's reader thread copies each
// channel message into the port's queue and wakes the reader.

#include <memory>
#include <string>
#include <vector>

#include "midi/MidiInService.h"

class RtMidiIn;

class TAlsaMidiInService : public TMidiInService {
 public:
  explicit TAlsaMidiInService(std::string clientName = "Cantaro in");
  ~TAlsaMidiInService() override;

  std::vector<TMidiInDevice> Devices() override;
  TMidiOutResult<std::shared_ptr<TMidiInPort>> Open(uint32_t id) override;
  // Without a sequencer never; with one always (its listing is cheap).
  bool MayHaveNewDevices() override;

 private:
  struct Port {
    std::string portName;     // as the sequencer names it, numbers included
    std::string productName;  // unique within the list
  };
  std::string clientName_;
  RtMidiIn* Enumerator();

  std::unique_ptr<RtMidiIn> enumerator_;
  bool triedEnumerator_ = false;
  std::vector<Port> ports_;
};
