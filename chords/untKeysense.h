#pragma once
// Keysense: the key-aware chord choice.
//
// The settings file lists the chords that are usual in the key of C (section "Keysense", keys
// "Main" and "Added"). For a beat, KeysenseChoose moves that list to the song's key and picks the
// chord that best covers the beat's weighted pitch classes, even when some of its tones are
// missing or a passing note sounds, where plain recognition would accept only an exact match.
//
// A value is a list of tokens separated by single spaces. A token is a note letter "CDEFGAB"
// (English names whatever the user's notation), optionally "#", then the chord type 0..14 in
// decimal: "A1" is A minor, "F#12" the diminished chord on F sharp.

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "chords/untChords.h"

struct KeysenseEntry {
  TChord Chord;               // root position, BasePitch 60..72 (key of C)
  PitchClassSet Tones = 0;    // absolute pitch classes of its tones, key of C
  int32_t ToneCount = 0;      // number of pitch classes in Tones
  uint8_t RootClass = 0;      // pitch class of the root
};

// The table in load order ("Main" first, then "Added"); the order decides ties.
extern std::vector<KeysenseEntry> KeysenseTable;

// A bad token. The message is "Keysense initialization error." for a bad note or a type outside
// 0..14, and "'<text>' is not a valid integer value" for a type that is not a decimal number.
class EKeysenseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Replaces the table with the tokens of the two values ("Main", then "Added"). Note names are
// read in English, without touching the notation in force; a bad token stops loading with
// EKeysenseError. The entries before the bad token stay in the table.
void LoadKeysenseTable(std::string_view mainValue, std::string_view addedValue);

// The entry that best covers the weights (indexed by pitch class) read relative to the tonic,
// moved up by the tonic (BasePitch 60..83); nothing when no entry scores above 0, in particular
// for an empty table or all-zero weights. The entry's root weighs a third more; of equal
// scores the earlier entry wins.
std::optional<TChord> KeysenseChoose(const std::array<int32_t, 12>& weights, int32_t tonic);
// The same over a table of one's own (a copy taken when a song's analysis starts, so that a
// table loaded meanwhile cannot change a running search).
std::optional<TChord> KeysenseChoose(const std::vector<KeysenseEntry>& table, const std::array<int32_t, 12>& weights,
                                     int32_t tonic);
