#include "export/OutputFormats.h"

#include <algorithm>
#include <cctype>

#include "export/AnalysisJson.h"
#include "export/AnalysisOfSession.h"
#include "export/ChordSheetOfSession.h"
#include "export/ChordText.h"
#include "export/ChordTextForms.h"
#include "export/ChordTrack.h"
#include "export/LeadSheet.h"
#include "export/MusicXmlWriter.h"

namespace {

// A text whose last line has no line end would run into the next file's first line.
TResult<TFormatOutput> TextOutput(std::string bytes) {
  TFormatOutput out;
  out.bytes = std::move(bytes);
  if (!out.bytes.empty() && out.bytes.back() != '\n') out.bytes += '\n';
  return out;
}

TResult<TFormatOutput> WriteText(const TSongAnalysis& a) {
  return TextOutput(ChordTextString(BuildChordText(a.Song(), ChordTextInputOf(a))));
}

TResult<TFormatOutput> WriteChordPro(const TSongAnalysis& a) {
  return TextOutput(ChordProString(BuildChordText(a.Song(), ChordTextInputOf(a))));
}

TResult<TFormatOutput> WriteGrid(const TSongAnalysis& a) {
  TFormatOutput out;
  out.bytes = BeatGridString(ChordTextInputOf(a).cells);
  return out;
}

TResult<TFormatOutput> WriteJson(const TSongAnalysis& a) {
  TFormatOutput out;
  out.bytes = AnalysisJsonDocument(AnalysisDocumentOf(a));
  return out;
}

TResult<TFormatOutput> WriteJsonLine(const TSongAnalysis& a) {
  TFormatOutput out;
  out.bytes = AnalysisJsonLine(AnalysisDocumentOf(a));
  return out;
}

TResult<TFormatOutput> WriteMidi(const TSongAnalysis& a) {
  TFormatOutput out;
  TResult<TChordTrackFile> made =
      MidiWithChordTrack(a.Song(), ChordBlocks(a.model.beats, a.model.beatLength, a.Notation(), a.Spelling()));
  if (!made) return made.Error();
  TChordTrackFile& file = made.Value();
  if (file.channelShared)
    out.messages.push_back(MesFormat(MesId::SChordTrackSharedChannel, file.channel + 1, file.sharedChannelNotes));
  if (file.droppedEvents > 0) out.messages.push_back(MesFormat(MesId::SChordTrackDropped, file.droppedEvents));
  out.bytes = std::move(file.bytes);
  return out;
}

// The chord sheet on paper, painted by the writer the Qt layer handed in.
TResult<TFormatOutput> WritePdf(const TSongAnalysis& a) {
  const TSheetPdfWriter writer = SheetPdfWriter();
  if (!writer) return TError(Mes(MesId::SSheetPdfUnavailable));
  TFormatOutput out;
  out.bytes = writer(ChordSheetOf(a), a.request.paper);
  if (out.bytes.empty()) return TError(Mes(MesId::SSheetPdfUnavailable));
  return out;
}

// The lead sheet for notation programs: melody, chord symbols and lyrics.
TResult<TFormatOutput> WriteMusicXml(const TSongAnalysis& a) {
  TResult<TLeadSheet> sheet = LeadSheetOf(a);
  if (!sheet) return sheet.Error();
  TFormatOutput out;
  out.bytes = MusicXmlOf(sheet.Value(), Mes(MesId::SLeadSheetMelody));
  return out;
}

constexpr TOutputFormat kFormats[] = {
    {"text", ".txt", MesId::SExportFormatText, WriteText},
    {"chordpro", ".cho", MesId::SExportFormatChordPro, WriteChordPro},
    {"grid", ".tsv", MesId::SExportFormatGrid, WriteGrid},
    {"json", ".json", MesId::SExportFormatJson, WriteJson, true, false, true},
    {"jsonl", ".jsonl", MesId::SExportFormatJsonLines, WriteJsonLine, false, true, true},
    {"midi", ".mid", MesId::SExportFormatMidi, WriteMidi, true, false, true},
    {"pdf", ".pdf", MesId::SExportFormatPdf, WritePdf, true, false, true},
    {"musicxml", ".musicxml", MesId::SExportFormatMusicXml, WriteMusicXml, true, false, true},
};

}  // namespace

std::span<const TOutputFormat> OutputFormats() { return kFormats; }

const TOutputFormat& DefaultOutputFormat() { return kFormats[0]; }

const TOutputFormat* FindOutputFormat(std::string_view name) {
  auto same = [name](const TOutputFormat& f) {
    return f.name.size() == name.size() &&
           std::equal(f.name.begin(), f.name.end(), name.begin(), [](char a, char b) {
             return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
  };
  const auto it = std::find_if(std::begin(kFormats), std::end(kFormats), same);
  return it == std::end(kFormats) ? nullptr : &*it;
}

TChordTextInput ChordTextInputOf(const TSongAnalysis& a) {
  TChordTextInput input = ChordTextInputOf(a.model, a.request.text);
  input.speedNumerator = a.speedNumerator;
  input.speedDenominator = a.speedDenominator;
  return input;
}
