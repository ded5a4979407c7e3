#pragma once
// The events of a track as the event view shows them: index, time, status, data and info
// columns, decoded by the status byte. The window's grid and the command line share it.

#include <cstdint>
#include <string>

#include "chords/untChords.h"
#include "export/CodePage.h"

class TMidiFile;
struct TMidiEventEx;

struct TEventRow {
  std::string index;  // "#": position in the track, from 0
  std::string time;   // "Time": FormatTicks of the event's tick
  std::string event;  // "Event": "$" and the status byte in hex
  std::string data;   // "Data"
  std::string info;   // "Info"
  int32_t tick = 0;   // the absolute tick (hidden column)
};

// Texts of meta events 0..7 are shown as UTF-8 (decoded from the code page when they are not
// valid UTF-8); note names are in the given notation.
TEventRow EventRow(const TMidiFile& file, int32_t index, const TMidiEventEx& event, TCodePage codePage,
                   NoteNotation notation);

std::string EventData(const TMidiEventEx& event, NoteNotation notation);
std::string EventInfo(const TMidiEventEx& event, TCodePage codePage = TCodePage::Cp1251);

// Each byte as two upper-case hex digits followed by a space.
std::string HexBytes(std::string_view bytes);
