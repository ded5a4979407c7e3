#pragma once
// The song's key named with its mode, for every output that names the key on its own (the
// ChordPro header, the JSON analysis, the chord sheet and the lead sheet). The program holds a
// key as its major tonic, standing for the major key and its relative minor; the mode is
// the one the user gave with the key, else that of the detector's best key when that key has
// the chosen key signature, else major.

#include <optional>
#include <string>

#include "chords/KeySpelling.h"
#include "chords/untChords.h"
#include "midi/MidiSong.h"
#include "song/SongModel.h"

struct TKeyWithMode {
  int tonic = 0;  // pitch class of the mode's own tonic (A for A minor)
  bool minor = false;
};

// The key after the song is shifted by `transposition` semitones; nothing when it is unknown.
std::optional<TKeyWithMode> KeyWithMode(const TSongKey& key, int transposition);

// "Am", "F#" (sharps, in the notation); empty when the key is unknown.
std::string KeyWithModeName(const TSongKey& key, int transposition, NoteNotation notation);
std::string KeyWithModeName(const TKeyWithMode& key, NoteNotation notation);

// The key the song's notes are spelled in after it is shifted by `transposition` semitones
// (chords/KeySpelling.h); nothing when the names keep to sharps (`byKey` false) or the key is
// unknown.
// `fileFifths`, the file's own key signature, is followed when it names the same key (Gb major
// rather than F#).
std::optional<TKeySpelling> SongKeySpelling(const TSongKey& key, int transposition, bool byKey,
                                            std::optional<int> fileFifths = std::nullopt);

// The key named with its mode, its tonic spelled in the key itself when `byKey` ("Bb", "Ebm");
// sharps otherwise.
std::string KeyWithModeName(const TKeyWithMode& key, NoteNotation notation, bool byKey,
                            std::optional<int> fileFifths = std::nullopt);
std::string KeyWithModeName(const TSongKey& key, int transposition, NoteNotation notation, bool byKey,
                            std::optional<int> fileFifths = std::nullopt);

// The key as the key list names it (its major tonic, "Db" for Db major and Bb minor) spelled
// in the key; empty when it is unknown.
std::string KeyEntryName(const TSongKey& key, int transposition, NoteNotation notation,
                         std::optional<int> fileFifths = std::nullopt);

// The first key signature of the song (meta event 0x59) as a count of fifths, -7..+7; none
// when it has none (or only damaged ones).
std::optional<int> FirstKeySignature(const TMidiSong& song);
