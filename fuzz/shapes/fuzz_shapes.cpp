// Arbitrary bytes into the guitar shapes reader, the same function the program reads its
// shapes files with. Every shape read sounds within the strings' range and has its barre under
// its frets; every skipped line is a line of the file; a chord of every shape key finds a
// shape, and the capo choice stays within its range.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "chords/GuitarShapes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const TGuitarShapesRead read = ReadGuitarShapes(bytes);
  const int lines = static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
  for (const TShapeProblem& p : read.problems)
    if (p.line < 1 || p.line > lines) std::abort();
  std::vector<TChord> chords;
  for (const auto& [key, shape] : read.shapes.shapes) {
    if (key.root < 0 || key.root > 11 || key.bass < 0 || key.bass > 11 || key.type >= ChordTypeCount) std::abort();
    for (int8_t f : shape.frets)
      if (f < MutedString || f > 24) std::abort();
    if (shape.barre < 0 || (shape.barre > 0 && shape.LowestFret() < shape.barre)) std::abort();
    TChord chord;
    chord.BasePitch = static_cast<int8_t>(48 + key.bass);
    chord.RootOffset = static_cast<int8_t>((key.root - key.bass + 12) % 12);
    chord.ChordType = key.type;
    const std::optional<TGuitarShape> found = GuitarShapeOf(read.shapes, chord);
    if (!found || !(*found == shape)) std::abort();
    chords.push_back(chord);
  }
  const TCapoChoice capo = ChooseCapo(read.shapes, chords);
  if (capo.capo < 0 || capo.capo > 7 || capo.barres > capo.barresWithout) std::abort();
  return 0;
}
