#include "export/EventText.h"

#include <cstdio>

#include "chords/untChords.h"
#include "midi/MidiConstants.h"
#include "midi/MidiFile.h"

namespace {

std::string Hex2(uint8_t value) {
  char buffer[4];
  std::snprintf(buffer, sizeof buffer, "%02X", value);
  return buffer;
}

bool IsSysEx(uint8_t status) { return status == MidiStatus::SysEx || status == MidiStatus::SysExContinued; }

}  // namespace

std::string HexBytes(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 3);
  for (const char c : bytes) {
    out += Hex2(static_cast<uint8_t>(c));
    out += ' ';
  }
  return out;
}

std::string EventData(const TMidiEventEx& e, NoteNotation notation) {
  if (e.Status < MidiStatus::ControlChange)
    return PitchName(static_cast<int8_t>(e.Data1), AccidentalSpelling::Sharps, notation);
  if (IsSysEx(e.Status)) return std::to_string(e.Text().size());
  if (e.Status == MidiStatus::Meta) return "$" + Hex2(e.Data1);
  return std::to_string(e.Data1);
}

std::string EventInfo(const TMidiEventEx& e, TCodePage codePage) {
  if (e.Status < MidiStatus::ControlChange) return std::to_string(e.Data2);
  if (IsSysEx(e.Status)) return HexBytes(e.Text());
  if (e.Status == MidiStatus::Meta)
    return e.Data1 <= MidiMeta::CuePoint ? DecodeMidiText(e.Text(), codePage) : HexBytes(e.Text());
  return std::to_string(e.Data2);
}

TEventRow EventRow(const TMidiFile& file, int32_t index, const TMidiEventEx& e, TCodePage codePage,
                   NoteNotation notation) {
  TEventRow row;
  row.index = std::to_string(index);
  row.time = file.FormatTicks(e.Time);
  row.event = "$" + Hex2(e.Status);
  row.data = EventData(e, notation);
  row.info = EventInfo(e, codePage);
  row.tick = e.Time;
  return row;
}
