#pragma once
// The song's key named with its mode, for every output that names the key on its own (the
// ChordPro header, the JSON analysis, the chord sheet and the lead sheet). The program holds a
// key as its major tonic, standing for the major key and its relative minor; the mode is
// the one the user gave with the key, else that of the detector's best key when that key has
// the chosen key signature, else major.

#include <optional>
#include <string>

#include "chords/untChords.h"
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
