#include "midi/MidiOutService.h"

#include <atomic>

#include "midi/MidiConstants.h"

TMidiOutHandle NewMidiOutHandle() {
  // An id counter, process-wide on purpose: a handle names one open device among all the
  // outputs of the process, so no two may ever get the same.
  static std::atomic<TMidiOutHandle> next{0};
  TMidiOutHandle h;
  do h = ++next;
  while (h == 0);
  return h;
}

int DataBytesAfter(uint8_t status) {
  if (IsMidiChannelMessage(status)) {
    switch (MidiKind(status)) {
      case MidiStatus::ProgramChange:
      case MidiStatus::ChannelPressure: return 1;
      default: return 2;
    }
  }
  switch (status) {
    case MidiStatus::TimeCodeQuarter:
    case MidiStatus::SongSelect: return 1;
    case MidiStatus::SongPosition: return 2;
    default: return 0;
  }
}

TShortMessage ShortMessage(uint8_t status, uint8_t data1, uint8_t data2) {
  TShortMessage m;
  m.Bytes[0] = status;
  m.Bytes[1] = data1;
  m.Bytes[2] = data2;
  m.Length = static_cast<uint8_t>(1 + DataBytesAfter(status));
  return m;
}

void ForEachMidiMessage(std::span<const uint8_t> bytes,
                        const std::function<void(std::span<const uint8_t>)>& message) {
  const std::size_t length = bytes.size();
  std::size_t i = 0;
  while (i < length) {
    const uint8_t b = bytes[i];
    if (b == MidiStatus::SysEx) {
      std::size_t end = i + 1;
      while (end < length && bytes[end] != MidiStatus::SysExContinued) ++end;
      if (end >= length) return;  // unterminated: nothing of it goes out
      message(bytes.subspan(i, end - i + 1));
      i = end + 1;
      continue;
    }
    if (!(b & MidiStatus::StatusBit) || b == MidiStatus::SysExContinued) {
      ++i;
      continue;
    }
    const std::size_t n = static_cast<std::size_t>(DataBytesAfter(b));
    if (i + n >= length) return;
    bool complete = true;
    // A byte above 127 cannot travel as data (a transposed note that wrapped past the
    // keyboard, for one); the receiver would take it for a status byte.
    for (std::size_t k = 1; k <= n; ++k)
      if (bytes[i + k] & MidiStatus::StatusBit) complete = false;
    if (!complete) {
      ++i;
      continue;
    }
    message(bytes.subspan(i, n + 1));
    i += n + 1;
  }
}
