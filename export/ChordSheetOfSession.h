#pragma once
// The chord sheet of the open song as it stands: the chords the beat grid shows (notation,
// transposition, beat length, edits), the lyrics of the file, title, key and tempo. The song's
// events are walked without the player, so the sheet can be made again while the song plays.

#include <string>

#include "export/ChordSheet.h"
#include "export/WriteText.h"

class TSongSession;

// The key of the song named with its mode after the transposition ("Am", "F#"): the mode the
// key detector found when the key is the detected one, else major. Empty when unknown.
std::string SheetKeyName(const TSongSession& session, NoteNotation notation);

// The chord text built from the song's events walked read-only, beat by beat in the order the
// player would pass them; the same text BuildChordText makes with the engine.
TChordText ChordTextOfSong(const TSongSession& session, const TChordTextInput& input);

TChordSheet ChordSheetOfSession(const TSongSession& session, const TExportOptions& options);
