#pragma once
// One song of an export, from its bytes to the result in the format asked for: loaded into a
// session of its own, analysed with the command line's options, and written as chord text,
// ChordPro, beat grid, JSON or MIDI with a chord track. Nothing is printed: the errors,
// warnings and notices come back with the result, for the caller to report with the song's
// name.

#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "export/SongExport.h"

struct TSongExport {
  bool produced = false;  // content holds the result
  bool failed = false;    // the song counts as failed (it may still have a result, e.g. JSON with its errors)
  std::string content;
  std::vector<std::string> messages;  // for the user, without the song's name
};

// The analysis path holds process-wide state until the session is free of it: songs are then
// analysed one at a time, while reading and writing files still overlap.
constexpr bool kAnalysisThreadSafe = false;

// Reads the file and exports it. name: how the song is named in its result (JSON "file").
TSongExport ExportSongFile(const std::string& path, const std::string& name, const TCliOptions& options);
// The same for a song already in memory.
TSongExport ExportSongBytes(std::string bytes, const std::string& name, const TCliOptions& options);

TExportFormat ExportFormatOf(TCliFormat format);
