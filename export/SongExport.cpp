#include "export/SongExport.h"

#include "base/untMesConst.h"
#include "export/AnalysisJson.h"
#include "export/ChordText.h"
#include "export/ChordTextForms.h"
#include "export/ChordTrack.h"
#include "export/WriteText.h"
#include "song/SongSession.h"

std::string ExportExtension(TExportFormat format) {
  switch (format) {
    case TExportFormat::ChordPro: return ".cho";
    case TExportFormat::Grid: return ".tsv";
    case TExportFormat::Json: return ".json";
    case TExportFormat::JsonLines: return ".jsonl";
    case TExportFormat::Midi: return ".mid";
    default: return ".txt";
  }
}

TSongExportContent ExportSongContent(TSongSession& session, TExportFormat format, const TAnalysisContext& context,
                                     const TExportOptions& textOptions) {
  TSongExportContent result;
  switch (format) {
    case TExportFormat::Json:
      result.bytes = AnalysisJsonDocument(AnalysisOfSession(session, context));
      break;
    case TExportFormat::JsonLines:
      result.bytes = AnalysisJsonLine(AnalysisOfSession(session, context));
      break;
    case TExportFormat::Midi: {
      TResult<TChordTrackFile> made = MidiWithChordTrack(session.MidiFile, ChordBlocks(session.beats(), session.beatLength(), textOptions.notation));
      if (!made) {
        result.messages.push_back(made.Error().Text);
        return result;
      }
      TChordTrackFile& file = made.Value();
      if (file.channelShared)
        result.messages.push_back(MesFormat(MesId::SChordTrackSharedChannel, file.channel + 1, file.sharedChannelNotes));
      if (file.droppedEvents > 0) result.messages.push_back(MesFormat(MesId::SChordTrackDropped, file.droppedEvents));
      result.bytes = std::move(file.bytes);
      break;
    }
    case TExportFormat::Grid:
      result.bytes = BeatGridString(ChordTextInputOf(session, textOptions).cells);
      break;
    default: {
      const TChordText text = BuildChordText(session.MidiFile, ChordTextInputOf(session, textOptions));
      result.bytes = format == TExportFormat::ChordPro ? ChordProString(text) : ChordTextString(text);
      // A text whose last line has no line end would run into the next file's first line.
      if (!result.bytes.empty() && result.bytes.back() != '\n') result.bytes += '\n';
      break;
    }
  }
  result.ok = true;
  return result;
}
