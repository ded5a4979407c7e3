#include "platform/SystemMidiOut.h"

#include <algorithm>

#include "midi/MidiOut.h"
#include "platform/AlsaMidiOut.h"
#include "platform/FluidSynthOut.h"

TCombinedMidiOutService::TCombinedMidiOutService(std::vector<std::shared_ptr<TMidiOutService>> parts)
    : parts_(std::move(parts)) {
  parts_.erase(std::remove(parts_.begin(), parts_.end(), nullptr), parts_.end());
}

uint32_t TCombinedMidiOutService::GetNumDevs() {
  uint32_t total = 0;
  for (auto& part : parts_) total += part->GetNumDevs();
  return total;
}

TMidiOutService* TCombinedMidiOutService::Locate(uint32_t index, uint32_t& local) {
  for (auto& part : parts_) {
    const uint32_t n = part->GetNumDevs();
    if (index < n) {
      local = index;
      return part.get();
    }
    index -= n;
  }
  return nullptr;
}

TMidiOutService* TCombinedMidiOutService::Owner(TMidiOutHandle handle) {
  for (auto& entry : open_)
    if (entry.first == handle) return entry.second;
  return nullptr;
}

uint32_t TCombinedMidiOutService::DeviceCaps(uint32_t index, TMidiOutCaps& caps) {
  uint32_t local = 0;
  TMidiOutService* part = Locate(index, local);
  return part ? part->GetDevCaps(local, caps) : MIDIOUT_BADDEVICEID;
}

uint32_t TCombinedMidiOutService::OpenDevice(uint32_t index, TMidiOutCallback callback,
                                             TMidiOutHandle& handle) {
  uint32_t local = 0;
  TMidiOutService* part = Locate(index, local);
  if (!part) return MIDIOUT_BADDEVICEID;
  const uint32_t r = part->Open(local, std::move(callback), handle);
  if (r == MIDIOUT_NOERROR) open_.emplace_back(handle, part);
  return r;
}

uint32_t TCombinedMidiOutService::ShortMsg(TMidiOutHandle handle, uint32_t message) {
  TMidiOutService* part = Owner(handle);
  return part ? part->ShortMsg(handle, message) : MIDIOUT_INVALHANDLE;
}

uint32_t TCombinedMidiOutService::LongMsg(TMidiOutHandle handle, TMidiOutHeader* header) {
  TMidiOutService* part = Owner(handle);
  return part ? part->LongMsg(handle, header) : MIDIOUT_INVALHANDLE;
}

uint32_t TCombinedMidiOutService::Close(TMidiOutHandle handle) {
  auto it = std::find_if(open_.begin(), open_.end(), [&](auto& e) { return e.first == handle; });
  if (it == open_.end()) return MIDIOUT_INVALHANDLE;
  const uint32_t r = it->second->Close(handle);
  if (r == MIDIOUT_NOERROR) open_.erase(it);
  return r;
}

uint32_t TCombinedMidiOutService::GetErrorText(uint32_t code, std::string& text) {
  for (auto& part : parts_)
    if (part->GetErrorText(code, text) == MIDIOUT_NOERROR) return MIDIOUT_NOERROR;
  return TMidiOutService::GetErrorText(code, text);
}

std::shared_ptr<TMidiOutService> CreateSystemMidiOutService() {
  std::vector<std::shared_ptr<TMidiOutService>> parts;
  parts.push_back(std::make_shared<TFluidSynthOutService>(TFluidSynthOutService::Mode::Live));
  parts.push_back(std::make_shared<TAlsaMidiOutService>());
  return std::make_shared<TCombinedMidiOutService>(std::move(parts));
}

std::vector<TMidiOutDeviceInfo> ListMidiOutDevices(std::shared_ptr<TMidiOutService> service) {
  TMidiOutput out(std::move(service), std::make_shared<TImmediatePoster>());
  std::vector<TMidiOutDeviceInfo> devices;
  for (uint32_t i = 0; i < out.DeviceCount(); ++i) {
    TMidiOutDeviceInfo info;
    info.Number = i;
    try {
      out.SetDeviceID(i);
      info.ProductName = out.ProductName();
    } catch (const EmidioutputError&) {
      // A port that went away between counting and reading keeps its number, without a name.
    }
    devices.push_back(std::move(info));
  }
  return devices;
}

std::vector<TMidiOutDeviceInfo> ListMidiOutDevices() {
  return ListMidiOutDevices(CreateSystemMidiOutService());
}

std::string FormatMidiOutDeviceList(const std::vector<TMidiOutDeviceInfo>& devices) {
  std::string text;
  for (const auto& d : devices) text += std::to_string(d.Number) + ": " + d.ProductName + "\n";
  return text;
}
