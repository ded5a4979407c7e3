#pragma once
// The command "Сохранить текст" (F2): the chord text of the open song, handed to the
// chord-text editor. If the song has no chords yet, the user is asked whether to find them
// first.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "chords/untChords.h"
#include "export/ChordSheet.h"
#include "export/ChordText.h"
#include "export/SendToTabulist.h"

class Prompter;
class StatusSink;
class TSongSession;
class TTabulistPeer;
struct TSongModel;

// What the written text takes from the settings.
struct TExportOptions {
  bool commExport = true;          // texts of the file become "//" comment lines
  int32_t textCodepage = 1251;     // Windows code page of texts that are not UTF-8
  NoteNotation notation = NoteNotation::English;  // of the chord and key names
  std::string pathTabulist;        // the editor's folder; empty: the program's folder
  std::string programFolder;       // the program's own folder, ending in "/"
  bool spellByKey = false;         // chord and key names spelled in the song's key (Bb, not A#)
  // The chord diagrams above the sheet, and the guitar shapes they are drawn from (none: the
  // movable barres alone).
  TDiagramInstrument diagrams = TDiagramInstrument::None;
  std::shared_ptr<const TGuitarShapes> shapes;
};

// What the text builder needs of the session: each beat's chord as the song model has it,
// named in the options' notation, and the song-wide values.
TChordTextInput ChordTextInputOf(const TSongSession& session, const TExportOptions& options);
TChordTextInput ChordTextInputOf(const TSongModel& model, const TExportOptions& options);

// Runs the command. Nothing (and nothing handed over) when the user declines to search for
// chords. The editor's folder may be set to the program's folder on the way (the result
// tells).
std::optional<TSendResult> actWriteTextExecute(TSongSession& session, Prompter& prompter, StatusSink& status,
                                               TTabulistPeer& peer, TExportOptions& options,
                                               const TSendOptions& sendOptions = {});
