#include "platform/SystemMidiIn.h"

#include "platform/AlsaMidiIn.h"
#include "platform/JackMidiIn.h"

TCombinedMidiInService::TCombinedMidiInService(std::vector<std::shared_ptr<TMidiInService>> parts)
    : parts_(std::move(parts)) {}

std::vector<TMidiInDevice> TCombinedMidiInService::Devices() {
  std::vector<TMidiInDevice> all;
  counts_.clear();
  for (const auto& part : parts_) {
    auto devices = part->Devices();
    counts_.push_back(devices.size());
    for (auto& d : devices) {
      d.Id = static_cast<uint32_t>(all.size());
      all.push_back(std::move(d));
    }
  }
  return all;
}

TMidiOutResult<std::shared_ptr<TMidiInPort>> TCombinedMidiInService::Open(uint32_t id) {
  uint32_t local = id;
  for (std::size_t i = 0; i < parts_.size() && i < counts_.size(); ++i) {
    if (local < counts_[i]) return parts_[i]->Open(local);
    local -= static_cast<uint32_t>(counts_[i]);
  }
  return TMidiOutError{TMidiOutErrc::BadDevice};
}

bool TCombinedMidiInService::MayHaveNewDevices() {
  bool any = false;
  for (const auto& part : parts_) any |= part->MayHaveNewDevices();  // every part is asked
  return any;
}

std::shared_ptr<TMidiInService> CreateSystemMidiInService(const std::string& jackServer) {
  std::vector<std::shared_ptr<TMidiInService>> parts;
  parts.push_back(std::make_shared<TJackMidiInService>("Cantaro in", jackServer));
  parts.push_back(std::make_shared<TAlsaMidiInService>());
  return std::make_shared<TCombinedMidiInService>(std::move(parts));
}
