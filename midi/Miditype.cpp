#include "midi/Miditype.h"

#include <cstring>

TMidiEvent::TMidiEvent(const TMidiEvent& other)
    : Status(other.Status), Data1(other.Data1), Data2(other.Data2) {
  if (other.Sysex) SetSysex(other.Sysex.get(), other.SysexLength);
}

TMidiEvent& TMidiEvent::operator=(const TMidiEvent& other) {
  if (this == &other) return *this;
  Status = other.Status;
  Data1 = other.Data1;
  Data2 = other.Data2;
  if (other.Sysex)
    SetSysex(other.Sysex.get(), other.SysexLength);
  else
    ClearSysex();
  return *this;
}

void TMidiEvent::SetSysex(const uint8_t* data, uint16_t length) {
  if (!data) {
    ClearSysex();
    return;
  }
  // One byte more than asked, so an empty block is still a block.
  auto block = std::make_unique<uint8_t[]>(static_cast<std::size_t>(length) + 1);
  if (length > 0) std::memcpy(block.get(), data, length);
  Sysex = std::move(block);
  SysexLength = length;
}

void TMidiEvent::ClearSysex() {
  Sysex.reset();
  SysexLength = 0;
}
