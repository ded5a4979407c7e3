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

  // Whether the sequencer could be reached; when not, Reason() says why.
  bool Available() const { return static_cast<bool>(enumerator_); }
  uint32_t Reason() const { return reason_; }

  // Enumerates the ports again.
  uint32_t GetNumDevs() override;
  uint32_t ShortMsg(TMidiOutHandle handle, uint32_t message) override;
  uint32_t LongMsg(TMidiOutHandle handle, TMidiOutHeader* header) override;
  uint32_t Close(TMidiOutHandle handle) override;

  // The product name for a port name as the sequencer gives it ("Client:Port 128:0").
  static std::string ProductNameOf(const std::string& portName);

 protected:
  uint32_t DeviceCaps(uint32_t index, TMidiOutCaps& caps) override;
  uint32_t OpenDevice(uint32_t index, TMidiOutCallback callback, TMidiOutHandle& handle) override;

 private:
  struct Port {
    std::string portName;     // as the sequencer names it, numbers included
    std::string productName;  // unique within the list
  };
  struct Connection;

  void Refresh();
  bool PortExists(const std::string& portName);
  uint32_t Send(Connection& c, const uint8_t* bytes, std::size_t length);
  uint32_t CheckAlive(Connection& c);

  std::string clientName_;
  uint32_t reason_ = 0;
  std::unique_ptr<RtMidiOut> enumerator_;
  std::vector<Port> ports_;
  std::map<TMidiOutHandle, std::unique_ptr<Connection>> open_;
};
