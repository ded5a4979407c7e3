#pragma once
// The command "Сохранить текст" (F2): the chord text of the open song, handed to the
// chord-text editor. If the song has no chords yet, the user is asked whether to find them
// first.

#include <optional>
#include <string>

#include "export/ChordText.h"
#include "export/SendToTabulist.h"

class Prompter;
class StatusSink;
class TSongSession;
class TTabulistPeer;

// What the text builder needs of the session, with the settings in force (CommExport,
// TextCodepage).
TChordTextInput ChordTextInputOf(const TSongSession& session);

// Runs the command. Nothing (and nothing handed over) when the user declines to search for
// chords. The editor's folder is the setting PathTabulist, which may be set to the program's
// folder on the way.
std::optional<TSendResult> actWriteTextExecute(TSongSession& session, Prompter& prompter, StatusSink& status,
                                               TTabulistPeer& peer, const TSendOptions& sendOptions = {});
