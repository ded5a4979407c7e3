#include "export/ChordSheetOfSession.h"

#include <atomic>

#include "export/ChordDiagrams.h"
#include "export/ChordText.h"
#include "export/OutputFormats.h"
#include "export/SongAnalysis.h"
#include "song/KeyWithMode.h"
#include "song/SongSession.h"

namespace {

std::atomic<TSheetPdfWriter>& PdfWriter() {
  static std::atomic<TSheetPdfWriter> writer{nullptr};
  return writer;
}

}  // namespace

// The sheet leaves out the file's comments: title, key and tempo stand in its header.
TChordSheet ChordSheetOfSession(const TSongSession& session, const TExportOptions& options) {
  TChordTextInput input = ChordTextInputOf(session, options);
  input.commExport = false;
  input.dateTime = "-";
  const TSongModel& model = session.Model();
  const TChordText text = BuildChordText(session.MidiFile, input);
  TChordSheet sheet = MakeChordSheet(text, {input.cells, input.beatLength,
                                             KeyWithModeName(model.key, model.transposition, options.notation,
                                                             options.spellByKey, model.keySignature)});
  AddChordDiagrams(sheet, model, options);
  return sheet;
}

TChordSheet ChordSheetOf(const TSongAnalysis& analysis) {
  TChordTextInput input = ChordTextInputOf(analysis);
  input.commExport = false;
  input.dateTime = "-";
  const TChordText text = BuildChordText(analysis.Song(), input);
  TChordSheet sheet = MakeChordSheet(text, {input.cells, input.beatLength, analysis.KeyName()});
  AddChordDiagrams(sheet, analysis.model, analysis.request.text);
  return sheet;
}

void SetSheetPdfWriter(TSheetPdfWriter writer) { PdfWriter().store(writer); }

TSheetPdfWriter SheetPdfWriter() { return PdfWriter().load(); }
