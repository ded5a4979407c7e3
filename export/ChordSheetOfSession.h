#pragma once
// The chord sheet of a song as it stands: the chords the beat grid shows (notation,
// transposition, beat length, edits), the lyrics of the file, title, key named with its mode
// and tempo; of the open song in a session (the window) or of an analysis (the PDF format).
// The song's events are only read, so the sheet can be made again while the song plays.
//
// The PDF itself is painted by the Qt layer, which hands its writer in (SetSheetPdfWriter);
// the format table's PDF row writes through it.

#include <string>

#include "export/ChordSheet.h"
#include "export/WriteText.h"

class TSongSession;
struct TSongAnalysis;

TChordSheet ChordSheetOfSession(const TSongSession& session, const TExportOptions& options);
TChordSheet ChordSheetOf(const TSongAnalysis& analysis);

// Paints a sheet as a PDF on the paper named ("a4", "letter"; empty: the locale's).
using TSheetPdfWriter = std::string (*)(const TChordSheet& sheet, const std::string& paper);
void SetSheetPdfWriter(TSheetPdfWriter writer);
TSheetPdfWriter SheetPdfWriter();
