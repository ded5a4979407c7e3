#include <gtest/gtest.h>

#include <string>

#include "chords/KeySpelling.h"

namespace {

std::string Spelled(const TKeySpelling& key) {
  std::string names;
  for (int pc = 0; pc < 12; ++pc) names += (pc ? " " : "") + SpelledNoteName(SpellPitchClass(pc, key), NoteNotation::English);
  return names;
}

struct KeyCase {
  int majorTonic;
  bool minor;
  int fifths;
  const char* names;  // pitch classes 0..11 as written in the key
};

// Every major and minor key with its usual signature: the scale by the signature, the other
// notes by their function (the leading tone of a minor key raised, flat thirds and sevenths).
// clang-format off
constexpr KeyCase kKeys[] = {
  { 0, false,  0, "C C# D Eb E F F# G Ab A Bb B"},   // C
  { 7, false,  1, "C C# D Eb E F F# G G# A Bb B"},   // G
  { 2, false,  2, "C C# D D# E F F# G G# A Bb B"},   // D
  { 9, false,  3, "C C# D D# E F F# G G# A A# B"},   // A
  { 4, false,  4, "C C# D D# E F F# G G# A A# B"},   // E
  {11, false,  5, "C C# D D# E F F# G G# A A# B"},   // B
  { 6, false,  6, "C C# D D# E E# F# G G# A A# B"},  // F#
  { 1, false, -5, "C Db D Eb E F Gb G Ab A Bb B"},   // Db
  { 8, false, -4, "C Db D Eb E F Gb G Ab A Bb B"},   // Ab
  { 3, false, -3, "C Db D Eb E F Gb G Ab A Bb B"},   // Eb
  {10, false, -2, "C Db D Eb E F Gb G Ab A Bb B"},   // Bb
  { 5, false, -1, "C Db D Eb E F Gb G Ab A Bb B"},   // F
  { 0, true,   0, "C C# D Eb E F F# G G# A Bb B"},   // Am: G#
  { 7, true,   1, "C C# D D# E F F# G G# A Bb B"},   // Em: D#, C#
  { 2, true,   2, "C C# D D# E F F# G G# A A# B"},   // Bm: A#
  { 9, true,   3, "C C# D D# E F F# G G# A A# B"},   // F#m
  { 4, true,   4, "C C# D D# E F F# G G# A A# B"},   // C#m
  {11, true,   5, "C C# D D# E F F# G G# A A# B"},   // G#m
  { 6, true,  -6, "C Db D Eb E F Gb G Ab A Bb Cb"},  // Ebm: Cb by the signature, D natural
  { 1, true,  -5, "C Db D Eb E F Gb G Ab A Bb B"},   // Bbm
  { 8, true,  -4, "C Db D Eb E F Gb G Ab A Bb B"},   // Fm: E natural
  { 3, true,  -3, "C Db D Eb E F Gb G Ab A Bb B"},   // Cm: B natural
  {10, true,  -2, "C Db D Eb E F F# G Ab A Bb B"},   // Gm: F#
  { 5, true,  -1, "C C# D Eb E F Gb G Ab A Bb B"},   // Dm: C#
};
// clang-format on

TEST(KeySpelling, EveryKeySpellsItsScaleAndItsChromaticNotes) {
  for (const KeyCase& c : kKeys) {
    const TKeySpelling key = KeySpellingOf(c.majorTonic, c.minor);
    SCOPED_TRACE(std::to_string(c.majorTonic) + (c.minor ? " minor" : " major"));
    EXPECT_EQ(key.fifths, c.fifths);
    EXPECT_EQ(Spelled(key), c.names);
    for (int pc = 0; pc < 12; ++pc) EXPECT_EQ(SpelledPitchClass(SpellPitchClass(pc, key)), pc);
  }
}

TEST(KeySpelling, TheFilesSignatureChoosesBetweenEnharmonicKeys) {
  // Gb major, C# major and Cb major as the file writes them; a signature of another key is not taken.
  EXPECT_EQ(Spelled(KeySpellingOf(6, false, -6)), "C Db D Eb E F Gb G Ab A Bb Cb");
  EXPECT_EQ(Spelled(KeySpellingOf(1, false, 7)), "B# C# D D# E E# F# G G# A A# B");
  EXPECT_EQ(Spelled(KeySpellingOf(11, false, -7)), "C Db D Eb Fb F Gb G Ab A Bb Cb");
  EXPECT_EQ(KeySpellingOf(6, false, 3).fifths, 6);
  EXPECT_EQ(KeySpellingOf(6, false, 99).fifths, 6);
}

TEST(KeySpelling, ChordNamesSpellRootAndBassInEveryNotation) {
  // A#7/D (root 10 over bass 2) and Bbm in F major; the same chords without a key keep sharps.
  TChord seventh{};
  seventh.BasePitch = 50;   // D: bass
  seventh.RootOffset = 8;   // Bb above it
  seventh.ChordType = 2;    // 7
  TChord minor{};
  minor.BasePitch = 46;     // Bb
  minor.ChordType = 1;      // m
  const TKeySpelling f = KeySpellingOf(5, false);
  struct {
    NoteNotation notation;
    const char* seventh;
    const char* minor;
    const char* sharps;
  } cases[] = {
      {NoteNotation::English, "Bb7/D", "Bbm", "A#7/D"},
      {NoteNotation::German, "B7/D", "Bm", "B7/D"},  // German names Bb "B" either way
      {NoteNotation::Italian, "SIb7/RE", "SIbm", "LA#7/RE"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChordName(seventh, c.notation, f), c.seventh);
    EXPECT_EQ(ChordName(minor, c.notation, f), c.minor);
    EXPECT_EQ(ChordName(seventh, c.notation), c.sharps);
  }
  // Spelled names read back as the same pitch class (German "B" is Bb).
  for (const auto& c : cases) {
    const std::string name = SpelledNoteName(SpellPitchClass(10, f), c.notation);
    EXPECT_EQ(NoteNameToPitchClass(name, c.notation), 10) << name;
  }
}

}  // namespace
