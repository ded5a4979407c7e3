#include "midi/PlayedEvent.h"
#include "midi/MidiConstants.h"

#include <vector>

bool IsTransposableNote(uint8_t status) {
  return IsMidiKeyMessage(status) && MidiChannel(status) != MidiPercussionChannel;
}

std::optional<TMidiEvent> PlayedMidiEvent(const TMidiEventEx& event, int transposition,
                                          bool keepOriginalPitch) {
  if (event.Status == MidiStatus::Meta) return std::nullopt;
  TMidiEvent out(event.Status, event.Data1, event.Data2);
  if (event.Status == MidiStatus::SysEx || event.Status == MidiStatus::SysExContinued) {
    // The file stores a block without its leading F0; an F7 event carries raw bytes.
    const std::string_view text = event.Text();
    std::vector<uint8_t> block;
    block.reserve(text.size() + 1);
    if (event.Status == MidiStatus::SysEx) block.push_back(MidiStatus::SysEx);
    block.insert(block.end(), text.begin(), text.end());
    if (block.empty() || block.size() > 0xFFFF) return std::nullopt;
    out.SetSysex(block.data(), static_cast<uint16_t>(block.size()));
    return out;
  }
  if (keepOriginalPitch && transposition != 0 && IsTransposableNote(event.Status))
    out.Data1 = static_cast<uint8_t>(out.Data1 - transposition);
  return out;
}
