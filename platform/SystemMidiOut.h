#pragma once
// The program's MIDI output service: the built-in synthesizer first, so that a user without
// MIDI hardware finds sound at device 0 (the device the program starts with), then the ALSA
// sequencer's output ports. The mapper opens the first of them that opens.
//
// For the command line:
//   ListMidiOutDevices()            the devices as the options dialog lists them: number and
//                                   product name, read through TMidiOutput (cantaro --devices)
//   FormatMidiOutDeviceList(list)   one line per device, "0: <product name>"; empty list, empty text

#include <memory>
#include <string>
#include <vector>

#include "midi/MidiOutService.h"

// Several services as one: their devices one after another, in the given order.
class TCombinedMidiOutService : public TMidiOutService {
 public:
  explicit TCombinedMidiOutService(std::vector<std::shared_ptr<TMidiOutService>> parts);

  uint32_t GetNumDevs() override;
  uint32_t ShortMsg(TMidiOutHandle handle, uint32_t message) override;
  uint32_t LongMsg(TMidiOutHandle handle, TMidiOutHeader* header) override;
  uint32_t Close(TMidiOutHandle handle) override;
  uint32_t GetErrorText(uint32_t code, std::string& text) override;

 protected:
  uint32_t DeviceCaps(uint32_t index, TMidiOutCaps& caps) override;
  uint32_t OpenDevice(uint32_t index, TMidiOutCallback callback, TMidiOutHandle& handle) override;

 private:
  // The part holding device index, and the index within it; null past the end.
  TMidiOutService* Locate(uint32_t index, uint32_t& local);
  TMidiOutService* Owner(TMidiOutHandle handle);

  std::vector<std::shared_ptr<TMidiOutService>> parts_;
  std::vector<std::pair<TMidiOutHandle, TMidiOutService*>> open_;
};

// The built-in synthesizer (live) followed by the ALSA output ports.
std::shared_ptr<TMidiOutService> CreateSystemMidiOutService();

struct TMidiOutDeviceInfo {
  uint32_t Number = 0;
  std::string ProductName;
};
// Every device of the service, read as the options dialog reads them; a device whose
// capabilities cannot be read is listed with an empty name.
std::vector<TMidiOutDeviceInfo> ListMidiOutDevices(std::shared_ptr<TMidiOutService> service);
std::vector<TMidiOutDeviceInfo> ListMidiOutDevices();
std::string FormatMidiOutDeviceList(const std::vector<TMidiOutDeviceInfo>& devices);
