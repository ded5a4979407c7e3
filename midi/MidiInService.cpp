#include "midi/MidiInService.h"

#include "midi/MidiConstants.h"

std::optional<TMidiInMessage> MidiInMessageFrom(const uint8_t* bytes, std::size_t size, uint64_t arrivedUs) {
  if (!bytes || size == 0 || !IsMidiChannelMessage(bytes[0])) return std::nullopt;
  const std::size_t need = 1 + static_cast<std::size_t>(DataBytesAfter(bytes[0]));
  if (size < need) return std::nullopt;
  TMidiInMessage m;
  m.ArrivedUs = arrivedUs;
  m.Size = static_cast<uint8_t>(need);
  for (std::size_t i = 0; i < need; ++i) {
    if (i > 0 && (bytes[i] & MidiStatus::StatusBit)) return std::nullopt;
    m.Bytes[i] = bytes[i];
  }
  return m;
}

std::optional<uint32_t> FindMidiInDevice(const std::vector<TMidiInDevice>& devices, const std::string& name) {
  if (name.empty()) return std::nullopt;
  for (const auto& d : devices)
    if (d.Name == name) return d.Id;
  return std::nullopt;
}
