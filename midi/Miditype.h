#pragma once
// One MIDI message on its way to the output device: a short message (status and two data
// bytes) or a system-exclusive block. The sender creates it, fills it, hands it to
// TMidiOutput::SendEvent and destroys it.

#include <cstdint>
#include <memory>

class TMidiEvent {
 public:
  TMidiEvent() = default;
  TMidiEvent(uint8_t status, uint8_t data1, uint8_t data2)
      : Status(status), Data1(data1), Data2(data2) {}

  TMidiEvent(const TMidiEvent& other);
  TMidiEvent& operator=(const TMidiEvent& other);
  TMidiEvent(TMidiEvent&&) noexcept = default;
  TMidiEvent& operator=(TMidiEvent&&) noexcept = default;

  uint8_t Status = 0;
  uint8_t Data1 = 0;
  uint8_t Data2 = 0;
  // The system-exclusive block, owned by the event; none for a short message. Its length is
  // SysexLength; SetSysex keeps the two together.
  uint16_t SysexLength = 0;
  std::unique_ptr<uint8_t[]> Sysex;

  // Copies length bytes into a block of the event's own (an empty block when length is 0,
  // so the event still counts as a long message); a null data pointer clears the block.
  void SetSysex(const uint8_t* data, uint16_t length);
  void ClearSysex();
};
