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

// The table is a vector of entries in load order ("Main" first, then "Added"); the order
// decides ties. The settings own the one read from the settings file.
using TKeysenseTable = std::vector<KeysenseEntry>;

// A bad token. The message is "Keysense initialization error." for a bad note or a type outside
// 0..14, and "'<text>' is not a valid integer value" for a type that is not a decimal number.
class EKeysenseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Replaces the table with the tokens of the two values ("Main", then "Added"). Note names are
// read in English whatever the user's notation; a bad token stops loading with EKeysenseError.
// The entries before the bad token stay in the table.
void LoadKeysenseTable(TKeysenseTable& table, std::string_view mainValue, std::string_view addedValue);

// The entry that best covers the weights (indexed by pitch class) read relative to the tonic,
// moved up by the tonic (BasePitch 60..83); nothing when no entry scores above 0, in particular
// for an empty table or all-zero weights. The entry's root weighs a third more; of equal
// scores the earlier entry wins.
std::optional<TChord> KeysenseChoose(const std::vector<KeysenseEntry>& table, const std::array<int32_t, 12>& weights,
                                     int32_t tonic);

// Every entry's value for the weights, as KeysenseChoose compares them, divided by the sum of
// the weights, in table order. The division makes beats comparable whatever their length and
// loudness, so that values of neighbouring beats can be added up. True when some entry
// scores above 0, that is, exactly when KeysenseChoose returns a chord; all values are 0 for
// weights that sum to 0 or less.
bool KeysenseValues(const std::vector<KeysenseEntry>& table, const std::array<int32_t, 12>& weights, int32_t tonic,
                    std::vector<double>& values);

// The chord of a table entry moved up by the tonic, as KeysenseChoose returns it.
TChord KeysenseEntryChord(const KeysenseEntry& entry, int32_t tonic);
