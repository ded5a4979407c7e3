#pragma once
// Note names spelled in a key: Bb and Eb in flat keys, F# and C# in sharp keys, Cb in Gb major,
// E# in F# major. The chord names of every output and the pitches of the lead sheet are spelled
// with the one function here, so the sheet, the exports and the notation agree.

#include <cstdint>
#include <optional>
#include <string>

#include "chords/untChords.h"

// A key for spelling: its signature as a count of fifths (+1..+7 sharps, -1..-7 flats) and its
// mode (a minor key raises its sixth and seventh degrees with sharps).
struct TKeySpelling {
  int fifths = 0;
  bool minor = false;
  bool operator==(const TKeySpelling&) const = default;
};

// The spelling of the key whose major tonic (the key signature's major key) is the pitch class
// `majorTonic`. The signature is the usual one (Db rather than C#, B rather than Cb, F# major
// and Eb minor for the six-accidental keys) unless the file's own signature `signatureFifths`
// names the same key another way (Gb major, C# major, D# minor): then the file's is kept.
TKeySpelling KeySpellingOf(int majorTonic, bool minor, std::optional<int> signatureFifths = std::nullopt);

// A written note: a letter step (0 C, 1 D, 2 E, 3 F, 4 G, 5 A, 6 B) and its alteration in
// semitones (-1 flat, +1 sharp).
struct TSpelledNote {
  int8_t step = 0;
  int8_t alter = 0;
  bool operator==(const TSpelledNote&) const = default;
};

// The pitch class as it is written in the key: a note of the scale by the signature; a note
// outside it by the letter nearest the signature's (B rather than Cb in F major), then by its
// function (the lowered third, sixth and seventh, the raised fourth, the raised sixth and
// seventh of a minor key, the second by the signature's direction).
TSpelledNote SpellPitchClass(int pitchClass, const TKeySpelling& key);

// The pitch class of a written note (0..11).
int SpelledPitchClass(TSpelledNote note);

// The written note's name in the notation: "Bb", "Cb", "E#"; German "B" for Bb and "H" for B;
// Italian "SIb".
std::string SpelledNoteName(TSpelledNote note, NoteNotation notation);

// The chord's name with its root and bass spelled in the key ("Bb7/D" where ChordName says
// "A#7/D").
std::string ChordName(const TChord& chord, NoteNotation notation, const TKeySpelling& key);

// How an output names notes: sharps (the names as ever) when no key is given, else spelled in
// the key. The text, the sheet and the analysis call these with the song's key when the user
// chose names by key.
std::string ChordNameIn(const TChord& chord, NoteNotation notation, const std::optional<TKeySpelling>& key);
std::string PitchClassNameIn(int pitchClass, NoteNotation notation, const std::optional<TKeySpelling>& key);
