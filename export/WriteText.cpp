#include "export/WriteText.h"

#include "song/KeyWithMode.h"

#include "base/untMesConst.h"
#include "base/Finally.h"
#include "song/SongSession.h"

TChordTextInput ChordTextInputOf(const TSongSession& session, const TExportOptions& options) {
  TChordTextInput input = ChordTextInputOf(session.Model(), options);
  input.speedNumerator = session.MidiFile.SpeedNumerator();
  input.speedDenominator = session.MidiFile.SpeedDenominator();
  return input;
}

TChordTextInput ChordTextInputOf(const TSongModel& model, const TExportOptions& options) {
  TChordTextInput input;
  const int beats = static_cast<int>(model.beats.size());
  input.cells.reserve(static_cast<size_t>(beats));
  const std::optional<TKeySpelling> spelling =
      SongKeySpelling(model.key, model.transposition, options.spellByKey, model.keySignature);
  for (int b = 0; b < beats; ++b) input.cells.push_back(BeatChordText(model, b, options.notation, spelling));
  input.beatLength = model.beatLength;
  input.transposition = model.transposition;
  input.key = model.key.key;
  input.karaoke = model.karaoke;
  input.commExport = options.commExport;
  input.codePage = CodePageFromNumber(options.textCodepage);
  input.notation = options.notation;
  input.keyWithMode =
      KeyWithModeName(model.key, model.transposition, options.notation, options.spellByKey, model.keySignature);
  if (options.spellByKey && model.key.Known()) {
    // The header names the key-list entries of the original key and of the one played, each
    // spelled in itself.
    input.keyFromName = KeyEntryName(model.key, 0, options.notation, model.keySignature);
    input.keyToName = KeyEntryName(model.key, model.transposition, options.notation, model.keySignature);
  }
  return input;
}

std::optional<TSendResult> actWriteTextExecute(TSongSession& session, Prompter& prompter, StatusSink& status,
                                               TTabulistPeer& peer, TExportOptions& options,
                                               const TSendOptions& sendOptions) {
  if (session.beats().empty()) {
    if (prompter.Question(Mes(MesId::SCaptionWarning), Mes(MesId::SNoChordsAsk), TPromptButtons::YesNoCancel,
                          TPromptIcon::Warning) != TPromptAnswer::Yes)
      return std::nullopt;
    // Whatever the search produced, the text is built: without beats it is the frame alone.
    session.FindChords();
  }
  status.ShowStatus(Mes(MesId::SBuildingText));
  TFinally clearHint([&status] { status.ShowStatus(std::string()); });
  const TChordText text = BuildChordText(session.MidiFile.Song(), ChordTextInputOf(session, options));
  return SendToTabulist(text.Lines(), options.pathTabulist, options.programFolder, peer, prompter, sendOptions);
}
