#include "export/WriteText.h"

#include "base/untMesConst.h"
#include "settings/untVars.h"
#include "song/EngineScan.h"
#include "song/SongSession.h"

TChordTextInput ChordTextInputOf(const TSongSession& session) {
  TChordTextInput input;
  const int beats = static_cast<int>(session.beats().size());
  input.cells.reserve(static_cast<size_t>(beats));
  for (int b = 0; b < beats; ++b) input.cells.push_back(session.grdSong().Cell(b % 4 + 1, b / 4 + 1));
  input.beatLength = session.beatLength();
  input.transposition = session.transposition();
  input.key = session.cbRootOrigIndex();
  input.karaoke = session.karaoke();
  input.commExport = CommExport;
  input.codePage = CodePageFromNumber(TextCodepage);
  return input;
}

std::optional<TSendResult> actWriteTextExecute(TSongSession& session, Prompter& prompter, StatusSink& status,
                                               TTabulistPeer& peer, const TSendOptions& sendOptions) {
  if (session.beats().empty()) {
    if (prompter.Question(Mes(MesId::SCaptionWarning), Mes(MesId::SNoChordsAsk), TPromptButtons::YesNoCancel,
                          TPromptIcon::Warning) != TPromptAnswer::Yes)
      return std::nullopt;
    // Whatever the search produced, the text is built: without beats it is the frame alone.
    session.actSearchSongChordsExecute();
  }
  status.ShowStatus(Mes(MesId::SBuildingText));
  TFinally clearHint([&status] { status.ShowStatus(std::string()); });
  const TChordText text = BuildChordText(session.MidiFile, ChordTextInputOf(session));
  session.SetSongCell(1, 1);
  return SendToTabulist(text.Lines(), PathTabulist, ProgramFolder, peer, prompter, sendOptions);
}
