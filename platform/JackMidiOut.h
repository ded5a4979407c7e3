#pragma once
// The MIDI input ports of a running JACK server as a MIDI output service: every port of
// another client that takes MIDI is a device, named by its full port name ("client:port").
// Without a server the service lists no devices and reports no error.
//
// Opening a device makes a client of our own with one output port connected to it. A send
// copies the messages into a lock-free ring with the frame they are due at and returns; the
// JACK process thread writes each into the port at that frame's offset in its period. A send
// with a due time is due then (one already past: at the start of the next period); one
// without is due one period after the frame it was sent at, so the timing of the sender
// survives. Messages leave in the order they were sent. Messages played by hand (SendLive)
// go through a ring of their own, one period after they were sent, beside the song sent ahead
// rather than behind it. A full ring is an error, never a wait. A port that vanishes (its
// client ends or is disconnected) and a server that stops arrive as callbacks and turn every
// later send into DeviceGone or ServerGone.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "midi/MidiOutService.h"
#include "platform/JackClient.h"

class TJackMidiOutService : public TMidiOutService {
 public:
  // server: the JACK server's name; empty for the default one.
  explicit TJackMidiOutService(std::string clientName = "Cantaro", std::string server = {});
  ~TJackMidiOutService() override;

  std::vector<TMidiOutDevice> Devices() override;
  TMidiOutResult<TMidiOutHandle> Open(uint32_t id) override;
  TMidiOutStatus Send(TMidiOutHandle handle, std::span<const uint8_t> bytes, TMidiOutDone done = {}) override;
  TMidiOutStatus SendAt(TMidiOutHandle handle, std::span<const uint8_t> bytes, int64_t dueUs,
                        TMidiOutDone done = {}) override;
  TMidiOutStatus SendLive(TMidiOutHandle handle, std::span<const uint8_t> bytes) override;
  bool HonoursDueTimes(TMidiOutHandle handle) const override;
  // One period of the server.
  int64_t DueTimeHoldUs(TMidiOutHandle handle) const override;
  TMidiOutStatus Close(TMidiOutHandle handle) override;

  // Bytes a device's ring holds: a send that does not fit fails with BufferFull.
  static constexpr std::size_t kRingBytes = 64 * 1024;
  // Bytes the ring of messages played by hand holds.
  static constexpr std::size_t kLiveRingBytes = 8 * 1024;

 private:
  struct Connection;

  // Copies the messages into the connection's ring (the live one for messages played by hand),
  // due at dueUs (0: one period after now).
  TMidiOutStatus Enqueue(TMidiOutHandle handle, std::span<const uint8_t> bytes, int64_t dueUs, bool live);

  std::string clientName_;
  std::string server_;
  TJackWatcher watcher_;
  std::vector<std::string> ports_;  // as last listed
  std::map<TMidiOutHandle, std::unique_ptr<Connection>> open_;
};
