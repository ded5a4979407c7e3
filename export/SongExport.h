#pragma once
// The analysed song in one of the export formats: the chord text, ChordPro, the beat grid,
// the analysis as a JSON document or a JSON line, or the song as MIDI with a chord track. The
// command line (one song or a batch) and the window's export command share it.

#include <string>
#include <vector>

#include "export/AnalysisOfSession.h"
#include "export/WriteText.h"

class TSongSession;

enum class TExportFormat { Text, ChordPro, Grid, Json, JsonLines, Midi };

struct TSongExportContent {
  bool ok = false;
  std::string bytes;
  // Why nothing was made (ok false), or notices about what was made (a shared channel, ...).
  std::vector<std::string> messages;
};

// The extension of a format's files, with its dot (".txt", ".cho", ".tsv", ".json", ".jsonl",
// ".mid").
std::string ExportExtension(TExportFormat format);

// The session must be analysed (or hold no beats). The context names the song and carries the
// errors and warnings of its analysis for the JSON formats; the text formats take their
// settings from textOptions. Names are in textOptions' notation.
TSongExportContent ExportSongContent(TSongSession& session, TExportFormat format, const TAnalysisContext& context,
                                     const TExportOptions& textOptions);
