#include "platform/SystemMidiOut.h"

#include <QString>

#include <algorithm>

#include "midi/MidiOut.h"
#include "platform/AlsaMidiOut.h"
#include "platform/FluidSynthOut.h"
#include "platform/JackMidiOut.h"

TCombinedMidiOutService::TCombinedMidiOutService(std::vector<std::shared_ptr<TMidiOutService>> parts)
    : parts_(std::move(parts)) {
  parts_.erase(std::remove(parts_.begin(), parts_.end(), nullptr), parts_.end());
}

std::vector<TMidiOutDevice> TCombinedMidiOutService::Devices() {
  std::vector<TMidiOutDevice> all;
  for (auto& part : parts_) {
    for (TMidiOutDevice& d : part->Devices()) {
      d.Id = static_cast<uint32_t>(all.size());
      all.push_back(std::move(d));
    }
  }
  return all;
}

TMidiOutService* TCombinedMidiOutService::Locate(uint32_t id, uint32_t& local) {
  for (auto& part : parts_) {
    const auto n = static_cast<uint32_t>(part->Devices().size());
    if (id < n) {
      local = id;
      return part.get();
    }
    id -= n;
  }
  return nullptr;
}

TMidiOutService* TCombinedMidiOutService::Owner(TMidiOutHandle handle) const {
  for (auto& entry : open_)
    if (entry.first == handle) return entry.second;
  return nullptr;
}

TMidiOutResult<TMidiOutHandle> TCombinedMidiOutService::Open(uint32_t id) {
  uint32_t local = 0;
  TMidiOutService* part = Locate(id, local);
  if (!part) return TMidiOutError{TMidiOutErrc::BadDevice};
  auto r = part->Open(local);
  if (r) open_.emplace_back(r.Value(), part);
  return r;
}

TMidiOutStatus TCombinedMidiOutService::Send(TMidiOutHandle handle, std::span<const uint8_t> bytes,
                                             TMidiOutDone done) {
  TMidiOutService* part = Owner(handle);
  if (!part) return TMidiOutError{TMidiOutErrc::NotOpen};
  return part->Send(handle, bytes, std::move(done));
}

TMidiOutStatus TCombinedMidiOutService::SendAt(TMidiOutHandle handle, std::span<const uint8_t> bytes, int64_t dueUs,
                                               TMidiOutDone done) {
  TMidiOutService* part = Owner(handle);
  if (!part) return TMidiOutError{TMidiOutErrc::NotOpen};
  return part->SendAt(handle, bytes, dueUs, std::move(done));
}

TMidiOutStatus TCombinedMidiOutService::SendLive(TMidiOutHandle handle, std::span<const uint8_t> bytes) {
  TMidiOutService* part = Owner(handle);
  if (!part) return TMidiOutError{TMidiOutErrc::NotOpen};
  return part->SendLive(handle, bytes);
}

bool TCombinedMidiOutService::HonoursDueTimes(TMidiOutHandle handle) const {
  const TMidiOutService* part = Owner(handle);
  return part && part->HonoursDueTimes(handle);
}

int64_t TCombinedMidiOutService::DueTimeHoldUs(TMidiOutHandle handle) const {
  const TMidiOutService* part = Owner(handle);
  return part ? part->DueTimeHoldUs(handle) : 0;
}

TMidiOutStatus TCombinedMidiOutService::Close(TMidiOutHandle handle) {
  auto it = std::find_if(open_.begin(), open_.end(), [&](auto& e) { return e.first == handle; });
  if (it == open_.end()) return TMidiOutError{TMidiOutErrc::NotOpen};
  TMidiOutStatus r = it->second->Close(handle);
  if (r) open_.erase(it);
  return r;
}

std::shared_ptr<TMidiOutService> CreateSystemMidiOutService(const std::string& jackServer) {
  std::vector<std::shared_ptr<TMidiOutService>> parts;
  auto synth = std::make_shared<TFluidSynthOutService>(TFluidSynthOutService::Mode::Live);
  synth->SetJackServer(jackServer);
  parts.push_back(synth);
  parts.push_back(std::make_shared<TJackMidiOutService>("Cantaro", jackServer));
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
      info.System = out.System();
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
  for (const auto& d : devices) {
    text += std::to_string(d.Number) + ": " + d.ProductName;
    // The built-in synthesizer's name already says its system.
    if (!d.System.empty() && d.ProductName.find(d.System) == std::string::npos) text += " [" + d.System + "]";
    text += "\n";
  }
  return text;
}

std::optional<uint32_t> FindMidiOutDevice(const std::vector<TMidiOutDeviceInfo>& devices,
                                          const std::string& text) {
  if (!text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) { return c >= '0' && c <= '9'; })) {
    const unsigned long n = text.size() > 9 ? devices.size() : std::stoul(text);
    if (n < devices.size()) return static_cast<uint32_t>(n);
  }
  // Names are UTF-8 (the synthesizer's is Russian): Qt folds their case.
  const QString wanted = QString::fromStdString(text);
  if (wanted.isEmpty()) return std::nullopt;
  for (const auto& d : devices)
    if (QString::fromStdString(d.ProductName).contains(wanted, Qt::CaseInsensitive)) return d.Number;
  return std::nullopt;
}
