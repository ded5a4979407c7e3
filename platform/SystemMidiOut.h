#pragma once
// The program's MIDI output service: the built-in synthesizer first, so that a user without
// MIDI hardware finds sound at device 0 (the device the program starts with), then the MIDI
// input ports of a running JACK server, then the ALSA sequencer's output ports. The mapper
// opens the first of them that opens.
//
// For the command line:
//   ListMidiOutDevices()            the devices as the options dialog lists them: number,
//                                   product name and system (cantaro --devices)
//   FormatMidiOutDeviceList(list)   one line per device, "0: <product name> [<system>]" (the system
//                                   left out when the name says it); empty
//                                   list, empty text
//   FindMidiOutDevice(list, text)   the device a command line names: its number, or a part of
//                                   its name without regard to case

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "midi/MidiOutService.h"

// Several services as one: their devices one after another, in the given order.
class TCombinedMidiOutService : public TMidiOutService {
 public:
  explicit TCombinedMidiOutService(std::vector<std::shared_ptr<TMidiOutService>> parts);

  std::vector<TMidiOutDevice> Devices() override;
  TMidiOutResult<TMidiOutHandle> Open(uint32_t id) override;
  TMidiOutStatus Send(TMidiOutHandle handle, std::span<const uint8_t> bytes, TMidiOutDone done = {}) override;
  TMidiOutStatus SendAt(TMidiOutHandle handle, std::span<const uint8_t> bytes, int64_t dueUs,
                        TMidiOutDone done = {}) override;
  TMidiOutStatus SendLive(TMidiOutHandle handle, std::span<const uint8_t> bytes) override;
  bool HonoursDueTimes(TMidiOutHandle handle) const override;
  int64_t DueTimeHoldUs(TMidiOutHandle handle) const override;
  TMidiOutStatus Close(TMidiOutHandle handle) override;

 private:
  // The part holding device id, and the id within it; null past the end.
  TMidiOutService* Locate(uint32_t id, uint32_t& local);
  TMidiOutService* Owner(TMidiOutHandle handle) const;

  std::vector<std::shared_ptr<TMidiOutService>> parts_;
  std::vector<std::pair<TMidiOutHandle, TMidiOutService*>> open_;
};

// The built-in synthesizer (live), the JACK MIDI input ports, the ALSA output ports. The JACK
// server is the one named, or the default one (JACK_DEFAULT_SERVER) when none is.
std::shared_ptr<TMidiOutService> CreateSystemMidiOutService(const std::string& jackServer = {});

struct TMidiOutDeviceInfo {
  uint32_t Number = 0;
  std::string ProductName;
  std::string System;
};
// Every device of the service, read as the options dialog reads them; a device whose
// capabilities cannot be read is listed with an empty name.
std::vector<TMidiOutDeviceInfo> ListMidiOutDevices(std::shared_ptr<TMidiOutService> service);
std::vector<TMidiOutDeviceInfo> ListMidiOutDevices();
std::string FormatMidiOutDeviceList(const std::vector<TMidiOutDeviceInfo>& devices);
// The number as --devices prints it, else the first device whose name holds the text
// (without regard to case); nothing when no device matches.
std::optional<uint32_t> FindMidiOutDevice(const std::vector<TMidiOutDeviceInfo>& devices,
                                          const std::string& text);
