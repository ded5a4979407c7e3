#pragma once
// The output ports of the ALSA sequencer, through RtMidi, as a MIDI output service: every port
// that accepts subscriptions for writing is a device, named after its client and port (the
// sequencer's numbers left out, since they change from one session to the next). Without a
// sequencer (no sound card, no snd-seq module) the service lists no devices and reports no
// error.

#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "midi/MidiOutService.h"

class RtMidiOut;

class TAlsaMidiOutService : public TMidiOutService {
 public:
  explicit TAlsaMidiOutService(std::string clientName = "Cantaro");
  ~TAlsaMidiOutService() override;

  // Whether the sequencer could be reached.
  bool Available() const { return static_cast<bool>(enumerator_); }

  // Enumerates the ports again.
  std::vector<TMidiOutDevice> Devices() override;
  TMidiOutResult<TMidiOutHandle> Open(uint32_t id) override;
  TMidiOutStatus Send(TMidiOutHandle handle, std::span<const uint8_t> bytes, TMidiOutDone done = {}) override;
  TMidiOutStatus Close(TMidiOutHandle handle) override;

  // The product name for a port name as the sequencer gives it ("Client:Port 128:0").
  static std::string ProductNameOf(const std::string& portName);

 private:
  struct Port {
    std::string portName;     // as the sequencer names it, numbers included
    std::string productName;  // unique within the list
  };
  struct Connection;

  void Refresh();
  bool PortExists(const std::string& portName);
  TMidiOutStatus SendOne(Connection& c, std::span<const uint8_t> message);
  bool StillThere(Connection& c);

  std::string clientName_;
  std::unique_ptr<RtMidiOut> enumerator_;
  std::vector<Port> ports_;
  std::map<TMidiOutHandle, std::unique_ptr<Connection>> open_;
};
