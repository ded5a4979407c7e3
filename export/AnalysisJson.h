#pragma once
// The analysis of a song as JSON, in the shape doc/cantaro-analysis.schema.json describes: one
// document per song (--format json) or one line per song (--format jsonl).

#include <string>

#include "export/AnalysisDocument.h"

// Version of the document's shape; it grows when a field changes meaning or goes away.
constexpr int kAnalysisSchemaVersion = 1;

// Indented, ending with a line break (a file of its own).
std::string AnalysisJsonDocument(const TAnalysisDocument& doc);
// One line without breaks inside, ending with a line break (JSON Lines).
std::string AnalysisJsonLine(const TAnalysisDocument& doc);
