#pragma once
// The system's MIDI input devices (a keyboard, a sequencer's output port, a JACK client's
// MIDI output) as the program sees them: a list (id, name, system), and an open port that
// collects the device's messages on the backend's thread and hands them over on the thread
// that reads them. Backends: JACK MIDI and the ALSA sequencer (platform/), and a queue that
// tests feed.
//
// Like the output service, nothing here throws: opening returns the port or a TMidiOutError
// (the reason codes are shared with the output side) naming the device.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "midi/MidiOutService.h"

// One input device as a service lists it. Ids run from 0 in list order.
struct TMidiInDevice {
  uint32_t Id = 0;
  std::string Name;
  std::string System;  // "JACK", "ALSA"
};

// One short message as it came in: a channel message (note, controller, ...) of one to
// three bytes; system-exclusive blocks, clock and active sensing are not passed on.
struct TMidiInMessage {
  uint8_t Bytes[3] = {0, 0, 0};
  uint8_t Size = 0;
  uint64_t ArrivedUs = 0;  // the steady clock's microseconds when it arrived
};

class TMidiInPort {
 public:
  virtual ~TMidiInPort() = default;
  // The device's name as it was listed.
  virtual const std::string& Name() const = 0;
  // A descriptor that is readable while messages wait (for a socket notifier); -1 when the
  // reader has to poll.
  virtual int NotifyDescriptor() const = 0;
  // Hands the waiting messages, in the order they came, to the reader; returns how many.
  // Messages that did not fit while nobody read are counted in Dropped().
  virtual std::size_t Drain(const std::function<void(const TMidiInMessage&)>& reader) = 0;
  virtual uint64_t Dropped() const = 0;
  // Why the port stopped delivering (its device or server went away), or nothing.
  virtual std::optional<TMidiOutError> Lost() const = 0;
  // Looks whether the device is still there, for backends that are not told when it goes
  // (the reader calls it now and then); a device found gone is Lost() from then on.
  virtual void CheckPresent() {}
};

class TMidiInService {
 public:
  virtual ~TMidiInService() = default;
  // Lists the devices anew; ids refer to this listing.
  virtual std::vector<TMidiInDevice> Devices() = 0;
  virtual TMidiOutResult<std::shared_ptr<TMidiInPort>> Open(uint32_t id) = 0;
  // Whether devices may have come since this was last asked (cheap; a reader waiting for a
  // device it wants lists the devices again only then). By default always.
  virtual bool MayHaveNewDevices() { return true; }
};

// Keeps only what a reader of played notes needs: channel messages with their data bytes
// (a data byte above 127 or a missing one rejects the message). Returns the message, or
// nothing for system messages, stray data bytes and malformed input.
std::optional<TMidiInMessage> MidiInMessageFrom(const uint8_t* bytes, std::size_t size, uint64_t arrivedUs);

// The first device of the list with exactly that name; nothing for an empty name.
std::optional<uint32_t> FindMidiInDevice(const std::vector<TMidiInDevice>& devices, const std::string& name);
