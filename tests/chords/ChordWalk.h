#pragma once
// The straightforward recognition: walk the whole candidate generator for every call, test
// each candidate against the notes, place the matches and rank them with the neighbour-swap
// sort. Slow, but plainly right; the indexed RecognizeChords is checked against it and the
// benchmark measures it for comparison.

#include <cstddef>
#include <utility>

#include "chords/untChords.h"

inline TChords RecognizeChordsByWalk(const TNotes& notes, RecognitionMode mode) {
  TChords matches;
  if (notes.size() < 2) return matches;
  PitchClassSet target = 0;
  for (int32_t note : notes) {
    const long long r = (static_cast<long long>(note) - notes[0]) % 12;
    if (r >= 0) target |= static_cast<PitchClassSet>(1u << r);
  }
  EnumerateChords(
      [&](const TChord& candidate) {
        TChord copy = candidate;
        const TChordTones tones = ChordTones(copy);
        PitchClassSet set = 0;
        for (int8_t tone : tones)
          if (tone != NoChordTone) set |= static_cast<PitchClassSet>(1u << (tone % 12));
        if (set != target) return false;
        matches.push_back(copy);
        return true;
      },
      mode);
  const int bassClass = ((notes[0] % 12) + 12) % 12;
  for (TChord& chord : matches) {
    chord.BasePitch = static_cast<int8_t>(bassClass);
    PlaceChordOctave(chord);
  }
  // Exchange sort that swaps neighbours only on a strictly greater score: equal scores keep
  // the generation order.
  for (std::size_t end = matches.size(); end > 1; --end)
    for (std::size_t i = 0; i + 1 < end; ++i)
      if (ChordScore(matches[i]) > ChordScore(matches[i + 1])) std::swap(matches[i], matches[i + 1]);
  return matches;
}
