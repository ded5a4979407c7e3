#pragma once
// The MIDI output ports of a running JACK server as MIDI input devices: every port of another
// client that sends MIDI (a keyboard through the system or a2j bridge, a sequencer) is a
// device, named by its full port name ("client:port"). Without a server the service lists
// nothing and reports no error. A client of ours without ports watches the server, so that
// ports registered later (a keyboard plugged in) are noticed without asking the server again.
//
// Opening a device makes a client of our own with one input port connected from it. The JACK
// process thread copies each channel message into the port's queue (with the moment of its
// frame on the steady clock) and wakes the reader; a port that vanishes or a server that stops
// marks the port lost.

#include <string>
#include <vector>

#include "midi/MidiInService.h"
#include "platform/JackClient.h"

class TJackMidiInService : public TMidiInService {
 public:
  // server: the JACK server's name; empty for the default one.
  explicit TJackMidiInService(std::string clientName = "Cantaro in", std::string server = {});

  std::vector<TMidiInDevice> Devices() override;
  TMidiOutResult<std::shared_ptr<TMidiInPort>> Open(uint32_t id) override;
  // True when a port was registered since the last call (the server tells a watching client of
  // ours), or when a server is found that was not there before.
  bool MayHaveNewDevices() override;

 private:
  std::string clientName_;
  std::string server_;
  std::vector<std::string> ports_;  // as last listed
  TJackWatcher watcher_;
};
