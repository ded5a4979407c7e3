#include "chords/KeySpelling.h"

#include <array>
#include <cstdlib>

namespace {

int Mod12(int value) { return ((value % 12) + 12) % 12; }

// The natural notes' pitch classes, C D E F G A B.
constexpr std::array<int, 7> StepPitch = {0, 2, 4, 5, 7, 9, 11};

// The usual signature of each major key by its tonic: Db rather than C#, B rather than Cb;
// F# major takes sharps (a minor key on that signature, Eb minor, takes flats).
constexpr std::array<int, 12> UsualFifths = {0, -5, 2, -3, 4, -1, 6, 1, -4, 3, -2, 5};

// The alteration the signature gives the letter: sharps are added F C G D A E B, flats B E A D G C F.
int SignatureAlter(int step, int fifths) {
  static constexpr std::array<int, 7> SharpOrder = {1, 3, 5, 0, 2, 4, 6};  // by step: position in F C G D A E B
  const int sharpRank = SharpOrder[static_cast<size_t>(step)];
  if (fifths > 0) return sharpRank < fifths ? 1 : 0;
  if (fifths < 0) return 6 - sharpRank < -fifths ? -1 : 0;
  return 0;
}

// Names by step and alteration (-2..+2).
using TNameRow = std::array<const char*, 5>;
// clang-format off
constexpr std::array<TNameRow, 7> EnglishNames = {{
  {"Cbb", "Cb", "C", "C#", "C##"}, {"Dbb", "Db", "D", "D#", "D##"}, {"Ebb", "Eb", "E", "E#", "E##"},
  {"Fbb", "Fb", "F", "F#", "F##"}, {"Gbb", "Gb", "G", "G#", "G##"}, {"Abb", "Ab", "A", "A#", "A##"},
  {"Bbb", "Bb", "B", "B#", "B##"}}};
constexpr std::array<TNameRow, 7> GermanNames = {{
  {"Cbb", "Cb", "C", "C#", "C##"}, {"Dbb", "Db", "D", "D#", "D##"}, {"Ebb", "Eb", "E", "E#", "E##"},
  {"Fbb", "Fb", "F", "F#", "F##"}, {"Gbb", "Gb", "G", "G#", "G##"}, {"Abb", "Ab", "A", "A#", "A##"},
  {"Bb", "B", "H", "H#", "H##"}}};
constexpr std::array<TNameRow, 7> ItalianNames = {{
  {"DObb", "DOb", "DO", "DO#", "DO##"}, {"REbb", "REb", "RE", "RE#", "RE##"}, {"MIbb", "MIb", "MI", "MI#", "MI##"},
  {"FAbb", "FAb", "FA", "FA#", "FA##"}, {"SOLbb", "SOLb", "SOL", "SOL#", "SOL##"}, {"LAbb", "LAb", "LA", "LA#", "LA##"},
  {"SIbb", "SIb", "SI", "SI#", "SI##"}}};
// clang-format on

const char* NameOf(TSpelledNote note, NoteNotation notation) {
  const auto& table = notation == NoteNotation::German    ? GermanNames
                      : notation == NoteNotation::Italian ? ItalianNames
                                                          : EnglishNames;
  const int step = note.step >= 0 && note.step <= 6 ? note.step : 0;
  const int alter = note.alter >= -2 && note.alter <= 2 ? note.alter : 0;
  return table[static_cast<size_t>(step)][static_cast<size_t>(alter + 2)];
}

}  // namespace

TKeySpelling KeySpellingOf(int majorTonic, bool minor, std::optional<int> signatureFifths) {
  const int tonic = Mod12(majorTonic);
  if (signatureFifths && *signatureFifths >= -7 && *signatureFifths <= 7 && Mod12(*signatureFifths * 7) == tonic)
    return {*signatureFifths, minor};
  int fifths = UsualFifths[static_cast<size_t>(tonic)];
  if (tonic == 6 && minor) fifths = -6;  // Eb minor
  return {fifths, minor};
}

TSpelledNote SpellPitchClass(int pitchClass, const TKeySpelling& key) {
  const int pc = Mod12(pitchClass);
  const int fifths = key.fifths < -7 ? -7 : key.fifths > 7 ? 7 : key.fifths;
  // A note of the scale: the letter whose signed pitch is the pitch class.
  for (int step = 0; step < 7; ++step) {
    const int alter = SignatureAlter(step, fifths);
    if (Mod12(StepPitch[static_cast<size_t>(step)] + alter) == pc) return {static_cast<int8_t>(step), static_cast<int8_t>(alter)};
  }
  // Outside the scale it lies between two scale notes: raise the lower or lower the upper.
  // First the letter whose alteration moves least from the signature's, then the plainer
  // alteration, then the note's function in the key.
  TSpelledNote raised{}, lowered{};
  for (int step = 0; step < 7; ++step) {
    const int alter = SignatureAlter(step, fifths);
    const int signed_ = StepPitch[static_cast<size_t>(step)] + alter;
    if (Mod12(signed_ + 1) == pc) raised = {static_cast<int8_t>(step), static_cast<int8_t>(alter + 1)};
    if (Mod12(signed_ - 1) == pc) lowered = {static_cast<int8_t>(step), static_cast<int8_t>(alter - 1)};
  }
  if (std::abs(raised.alter) != std::abs(lowered.alter)) return std::abs(raised.alter) < std::abs(lowered.alter) ? raised : lowered;
  const int majorTonic = Mod12(fifths * 7);
  const int interval = Mod12(pc - majorTonic);
  switch (interval) {
    case 1: return fifths < 0 ? lowered : raised;   // the raised tonic (A7 in C), the flat second in flat keys
    case 6: return raised;                          // the raised fourth (D7 in C)
    case 8: return key.minor ? raised : lowered;    // the leading tone of the minor key (E7 in Am), else the flat sixth
    default: return lowered;                        // the flat third and seventh (Eb, Bb in C)
  }
}

int SpelledPitchClass(TSpelledNote note) {
  const int step = note.step >= 0 && note.step <= 6 ? note.step : 0;
  return Mod12(StepPitch[static_cast<size_t>(step)] + note.alter);
}

std::string SpelledNoteName(TSpelledNote note, NoteNotation notation) { return NameOf(note, notation); }

std::string ChordName(const TChord& chord, NoteNotation notation, const TKeySpelling& key) {
  const TSpelledNote root = SpellPitchClass(chord.BasePitch + chord.RootOffset, key);
  const TSpelledNote bass = SpellPitchClass(chord.BasePitch + chord.BassOffset, key);
  return ChordNameWithNotes(chord, NameOf(root, notation), NameOf(bass, notation));
}

std::string ChordNameIn(const TChord& chord, NoteNotation notation, const std::optional<TKeySpelling>& key) {
  return key ? ChordName(chord, notation, *key) : ChordName(chord, notation);
}

std::string PitchClassNameIn(int pitchClass, NoteNotation notation, const std::optional<TKeySpelling>& key) {
  if (key) return NameOf(SpellPitchClass(pitchClass, *key), notation);
  return PitchClassName(static_cast<int8_t>(Mod12(pitchClass)), AccidentalSpelling::Sharps, notation);
}
