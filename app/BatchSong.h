#pragma once
// One song of an export, from its bytes to the result in the format asked for: loaded into a
// session of its own, analysed with the command line's options, and written as chord text,
// ChordPro, beat grid, JSON or MIDI with a chord track. Nothing is printed: the errors,
// warnings and notices come back with the result, for the caller to report with the song's
// name.

#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "export/OutputFormats.h"

struct TSongExport {
  bool produced = false;  // content holds the result
  bool failed = false;    // the song counts as failed (it may still have a result, e.g. JSON with its errors)
  std::string content;
  std::vector<std::string> messages;  // for the user, without the song's name
};

// A session holds all of its analysis state and takes its options as values, so songs are
// analysed on several threads at once. Set to false, songs would be analysed one at a time
// (reading and writing files still overlapping).
constexpr bool kAnalysisThreadSafe = true;

// Reads the file and exports it. name: how the song is named in its result (JSON "file").
TSongExport ExportSongFile(const std::string& path, const std::string& name, const TCliOptions& options,
                           const TCliSettings& settings);
// The same for a song already in memory.
TSongExport ExportSongBytes(std::string bytes, const std::string& name, const TCliOptions& options,
                            const TCliSettings& settings);

