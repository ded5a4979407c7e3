// Arbitrary bytes into the chord module: note names in every notation, a chord record with
// any bytes in its fields, and arbitrary note lists into recognition, whose indexed answer
// must equal the answer of walking the candidate generator.
//
// Layout of an input: byte 0 selects the notation (mod 4; 3 stores an unknown value) and, in
// its top three bits all set, the comparison with the walk; bytes
// 1..10 are a TChord, the rest is both a text for the name parser and, read as little-endian
// 16-bit values (signed, so notes below zero and far above the MIDI range occur), a note list.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "chords/untChords.h"
#include "tests/chords/ChordWalk.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 11) return 0;
  // An undefined notation byte names as English does.
  const auto notation = static_cast<NoteNotation>(data[0] % 4 == 3 ? 200 : data[0] % 4);

  TChord chord;
  std::memcpy(&chord, data + 1, sizeof chord);
  (void)ChordName(chord, notation);
  (void)ChordScore(chord);
  TChord tones = chord;
  for (int8_t tone : ChordTones(tones))
    if (tone != NoChordTone && (tone < 0 || tone > 40)) std::abort();
  TChord placed = chord;
  PlaceChordOctave(placed);
  if (placed.BasePitch < 24 || placed.BasePitch > 71) std::abort();
  (void)PitchName(chord.BasePitch, static_cast<AccidentalSpelling>(chord.RootOffset % 3 - 1), notation);

  const std::string_view text(reinterpret_cast<const char*>(data + 11), size - 11);
  for (int32_t position = 1; position <= static_cast<int32_t>(text.size());) {
    const int32_t before = position;
    bool flat = false;
    const int32_t pc = ParseNoteName(text, position, flat, notation);
    if (pc < -1 || pc > 12 || position < before || position > before + 4) std::abort();
    if (position == before) ++position;
  }
  (void)NoteNameToPitchClass(text, notation);

  TNotes notes;
  for (size_t i = 11; i + 1 < size && notes.size() < 12; i += 2)
    notes.push_back(static_cast<int16_t>(data[i] | (data[i + 1] << 8)));
  for (RecognitionMode mode : {RecognitionMode::QuickFirst, RecognitionMode::AllVariants}) {
    const TChords found = RecognizeChords(notes, mode);
    // The walk costs thousands of times more than the lookup; compare on a share of inputs
    // (the tests compare every interval set exhaustively).
    if ((data[0] & 0xE0) == 0xE0 && found != RecognizeChordsByWalk(notes, mode)) std::abort();
    for (const TChord& c : found) {
      if (!ChordIsValid(c) || c.BassOffset != 0) std::abort();
      (void)ChordName(c, notation);
    }
  }
  return 0;
}
