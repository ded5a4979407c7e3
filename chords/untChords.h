#pragma once
// Chord theory: note names in three notations, the chord formula table, the chord record
// TChord with its name, tones and equality, and recognition of chords from sounding notes.
//
// Every operation here is a plain function over plain data. Names are made in the notation the
// caller passes (the user's choice lives in the settings), so two songs or two windows may name
// the same chord in different notations side by side.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// ---------------------------------------------------------------------------------------
// Pitches, note lists, chords

// Pitches (MIDI key numbers, 60 = middle C), ascending where they are handed to recognition;
// the first element is then the bass.
using TNotes = std::vector<int32_t>;

// Bits 0..11: pitch classes, or intervals above a reference note.
using PitchClassSet = uint16_t;

// One chord, ten one-byte fields in this order (the layout is part of the contract: chords
// are compared and stored field by field).
//
// Root form (as the candidate generator makes them): RootOffset 0, BassOffset = the bass
// above the root. Normalised form (every stored chord): BassOffset 0, RootOffset = the root
// above the bass, BasePitch = the bass.
struct TChord {
  int8_t BasePitch = 0;            // pitch from which offsets and tones are counted
  int8_t RootOffset = 0;           // 0..11, semitones from BasePitch up to the root
  int8_t BassOffset = 0;           // 0..11, semitones from BasePitch up to the bass
  uint8_t ChordType = 0;           // row 0..14 of ChordFormulaTable
  uint8_t Extension = 0;           // 0 none, 1 ninth, 2 eleventh, 3 thirteenth
  int8_t ExtensionAlteration = 0;  // -1/0/+1, added to the extension tone
  uint8_t AddFlag = 0;             // 0/1: the extension alone, without seventh and lower extensions
  int8_t FifthAlteration = 0;      // -1/0/+1
  int8_t NinthAlteration = 0;      // -1/0/+1, wherever the ninth sounds
  int8_t EleventhAlteration = 0;   // -1/0/+1, wherever the eleventh sounds

  bool operator==(const TChord&) const = default;  // all ten fields, BasePitch included
};
static_assert(sizeof(TChord) == 10, "TChord is ten bytes");

// A ranked list of chord variants, best first.
using TChords = std::vector<TChord>;

// ---------------------------------------------------------------------------------------
// The chord formula table

// The tone slots of a chord, in the order of ChordFormula::Intervals and of ChordTones.
enum ChordSlot : int { csRoot, csThird, csFifth, csSeventh, csNinth, csEleventh, csThirteenth, csBass };
constexpr int ChordSlotCount = 8;

// Marks an absent tone in a slot.
constexpr int8_t NoChordTone = -1;

// Semitones above BasePitch (or above the root, in the formula table), one per slot.
using TChordTones = std::array<int8_t, ChordSlotCount>;

struct ChordFormula {
  const char* Suffix;        // name suffix, at most 5 characters
  bool FifthAlterable;       // the generator tries the fifth lowered and raised
  bool ExtensionsAllowed;    // the generator tries ninth, eleventh and thirteenth
  bool ExtensionsOnlyAdded;  // ... and then only with AddFlag set
  bool SeventhBasic;         // the seventh slot always sounds (else only under a non-added extension)
  TChordTones Intervals;     // root, third, fifth, seventh, ninth, eleventh, thirteenth, bass
};

constexpr int ChordTypeCount = 15;

// The row number is the chord type. The order of the rows is the order of preference: the
// type is part of the recognition score, so a lower row wins ties.
extern const std::array<ChordFormula, ChordTypeCount> ChordFormulaTable;

// True when every field of the chord lies in its documented range (type 0..14, offsets 0..11,
// extension 0..3, AddFlag 0/1, alterations -1..+1). Chords read from outside the program
// (the settings file) are checked with it; the operations below stay in bounds regardless.
bool ChordIsValid(const TChord& chord);

// ---------------------------------------------------------------------------------------
// Note names

enum class NoteNotation : uint8_t { English = 0, German = 1, Italian = 2 };

// Which of the three name groups of a notation: both forms "C#(Db)", sharps, or flats.
enum class AccidentalSpelling : int8_t { Both = -1, Sharps = 0, Flats = 1 };

// Reads one note name at `position` (1-based) in the given notation and returns its pitch
// class, not reduced modulo 12 (B# gives 12, Cb gives -1), or -1 when no name is there.
// Advances `position` past what it read; `flat` tells whether a "b" was read. Never throws.
int32_t ParseNoteName(std::string_view text, int32_t& position, bool& flat, NoteNotation notation);

// ParseNoteName from the first character of a short text (at most 255 characters are looked at).
int32_t NoteNameToPitchClass(std::string_view text, NoteNotation notation);

// The name of the pitch's class ("C#", "DO#(REb)", "H"); a negative pitch is first raised by
// whole octaves of ten.
std::string PitchClassName(int8_t pitch, AccidentalSpelling group, NoteNotation notation);

// The name followed by the octave number (pitch div 12 - 1): C#4, DO#4, H3, C-1.
std::string PitchName(int8_t pitch, AccidentalSpelling group, NoteNotation notation);

// ---------------------------------------------------------------------------------------
// Chord name, tones, equality

// The chord's name in the sharps names of the notation: C, Cm7/5-, C6add9, Gm6/C. Cheap enough
// to be called for every beat of a song.
std::string ChordName(const TChord& chord, NoteNotation notation);

// The chord's name with the names given to its root and bass (a key's spelling of them).
std::string ChordNameWithNotes(const TChord& chord, const char* rootName, const char* bassName);

// The chord tones in semitones above BasePitch, one per slot, NoChordTone where absent.
// Converts the chord to the normalised form in place (idempotent on a normalised chord).
TChordTones ChordTones(TChord& chord);

// True when all fields except BasePitch are equal.
bool SameChord(const TChord& a, const TChord& b);

// ---------------------------------------------------------------------------------------
// Recognition

enum class RecognitionMode : uint8_t {
  QuickFirst = 0,   // plain chords first; the first that fits is the only answer
  AllVariants = 1,  // every candidate that fits, ranked
};

// The chords whose pitch classes over their bass are exactly those of the notes over the
// first note, in normalised form with BasePitch placed by PlaceChordOctave, ranked by
// ChordScore (equal scores in generation order). Fewer than two notes, or notes that no
// candidate fits, give an empty list. Safe to call from several threads.
TChords RecognizeChords(const TNotes& notes, RecognitionMode mode);

// Rank key, lower is better: complexity x 16 + ChordType. 0 is a major triad without
// additions whose bass is a chord tone.
uint8_t ChordScore(const TChord& chord);

// Normalises the chord and moves BasePitch to the octave (bass within 24..71) whose chord
// tones lie closest around E4 (pitch 64).
void PlaceChordOctave(TChord& chord);

// Answers whether a candidate matched. The generator's quick phase stops at the first yes.
using TChordVisitor = std::function<bool(const TChord&)>;

// The candidate generator: visits candidates in root form with BasePitch 0, in a fixed order.
// QuickFirst: first the plain chords (bass 0..11, then type 0..14) until one matches; when
// none did, and always in AllVariants, every type with every allowed extension, alteration
// and bass (12,804 candidates).
void EnumerateChords(const TChordVisitor& visitor, RecognitionMode mode);
