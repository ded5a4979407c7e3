// Chord recognition. The candidate generator walks the formula table with every allowed
// extension, alteration and bass; a candidate fits a note set when its pitch classes over its
// bass equal the notes' pitch classes over their lowest note. That test depends on the 12-bit
// interval set only, so the generator is walked once: every candidate is filed under its
// interval set, already ranked and with its octave placement for each bass pitch class, and a
// call reduces to a lookup and a copy.

#include "chords/ChordRecognition.h"

#include <algorithm>

namespace {

constexpr int kQuickCandidates = 12 * ChordTypeCount;
constexpr int8_t kAlterations[3] = {0, 1, -1};

int FloorMod12(int64_t value) {
  const int r = static_cast<int>(value % 12);
  return r < 0 ? r + 12 : r;
}

// One candidate as it is handed out: normalised, ranked, and the BasePitch that the octave
// placement gives it for each pitch class of the bass.
struct TIndexEntry {
  TChord Chord;
  uint8_t Score;
  std::array<int8_t, 12> BaseForClass;
};

struct TChordIndex {
  // Candidates of the full phase grouped by interval set; within a set ranked by score, equal
  // scores in generation order. Set s owns Full[Start[s] .. Start[s + 1]).
  std::vector<TIndexEntry> Full;
  std::array<uint32_t, 4097> Start{};
  // The quick phase's answer for each set: an index into Quick, or -1 when no plain chord fits.
  std::vector<TIndexEntry> Quick;
  std::array<int16_t, 4096> QuickFor{};
};

TIndexEntry MakeEntry(const TChord& normalised) {
  TIndexEntry e{normalised, ChordScore(normalised), {}};
  for (int pc = 0; pc < 12; ++pc) {
    TChord placed = normalised;
    placed.BasePitch = static_cast<int8_t>(pc);
    PlaceChordOctave(placed);
    e.BaseForClass[pc] = placed.BasePitch;
  }
  return e;
}

TChordIndex BuildIndex() {
  TChordIndex index;
  index.QuickFor.fill(-1);
  std::vector<std::vector<TIndexEntry>> bySet(4096);
  int visited = 0;
  // QuickFirst with a visitor that never answers yes walks the quick phase (its first
  // kQuickCandidates visits) and then the whole full phase.
  EnumerateChords(
      [&](const TChord& candidate) {
        TChord normalised = candidate;
        const PitchClassSet set = ChordIntervalSet(normalised);
        if (visited < kQuickCandidates) {
          if (index.QuickFor[set] < 0) {
            index.QuickFor[set] = static_cast<int16_t>(index.Quick.size());
            index.Quick.push_back(MakeEntry(normalised));
          }
        } else {
          bySet[set].push_back(MakeEntry(normalised));
        }
        ++visited;
        return false;
      },
      RecognitionMode::QuickFirst);

  for (int set = 0; set < 4096; ++set) {
    index.Start[set] = static_cast<uint32_t>(index.Full.size());
    std::vector<TIndexEntry>& list = bySet[set];
    std::stable_sort(list.begin(), list.end(),
                     [](const TIndexEntry& a, const TIndexEntry& b) { return a.Score < b.Score; });
    index.Full.insert(index.Full.end(), list.begin(), list.end());
  }
  index.Start[4096] = static_cast<uint32_t>(index.Full.size());
  return index;
}

const TChordIndex& Index() {
  // A constant, computed once on first use (the compiler cannot build it at compile time, so it
  // sits in writable memory until then); it never changes afterwards.
  static const TChordIndex index = BuildIndex();
  return index;
}

}  // namespace

PitchClassSet ChordIntervalSet(TChord& chord) {
  const TChordTones tones = ChordTones(chord);
  PitchClassSet set = 0;
  for (int8_t tone : tones)
    if (tone != NoChordTone) set |= static_cast<PitchClassSet>(1u << (tone % 12));
  return set;
}

PitchClassSet NotesIntervalSet(const TNotes& notes) {
  PitchClassSet set = 0;
  if (notes.empty()) return set;
  const int64_t bass = notes[0];
  for (int32_t note : notes) {
    // Truncating remainder: a note below the bass counts only a whole number of octaves down.
    const int64_t r = (static_cast<int64_t>(note) - bass) % 12;
    if (r >= 0) set |= static_cast<PitchClassSet>(1u << r);
  }
  return set;
}

void PrepareChordRecognition() { (void)Index(); }

TChords RecognizeChords(const TNotes& notes, RecognitionMode mode) {
  TChords result;
  if (notes.size() < 2) return result;
  const PitchClassSet set = NotesIntervalSet(notes);
  const int bassClass = FloorMod12(notes[0]);
  const TChordIndex& index = Index();

  auto emit = [&](const TIndexEntry* first, const TIndexEntry* last) {
    result.resize(static_cast<size_t>(last - first));
    TChord* out = result.data();
    for (const TIndexEntry* e = first; e != last; ++e, ++out) {
      *out = e->Chord;
      out->BasePitch = e->BaseForClass[bassClass];
    }
  };

  if (mode == RecognitionMode::QuickFirst && index.QuickFor[set] >= 0) {
    const TIndexEntry* e = &index.Quick[static_cast<size_t>(index.QuickFor[set])];
    emit(e, e + 1);
  } else {
    const TIndexEntry* base = index.Full.data();
    emit(base + index.Start[set], base + index.Start[set + 1u]);
  }
  return result;
}

uint8_t ChordScore(const TChord& chord) {
  // A chord from outside the table ranks behind every real one.
  if (chord.ChordType >= ChordTypeCount) return 255;
  TChord copy = chord;
  int foreignBass = 0;
  if (chord.RootOffset != chord.BassOffset) {
    foreignBass = 1;
    const TChordTones tones = ChordTones(copy);
    for (int slot = csRoot; slot < csBass; ++slot)
      if (tones[slot] != NoChordTone && tones[slot] % 12 == 0) foreignBass = 0;
  }
  auto amount = [](int8_t v) { return v == 0 ? 0 : 1; };
  const int complexity = amount(chord.ExtensionAlteration) + (chord.Extension != 0 ? 1 : 0) + foreignBass +
                         amount(chord.FifthAlteration) + amount(chord.NinthAlteration) +
                         amount(chord.EleventhAlteration);
  return static_cast<uint8_t>(complexity * 16 + chord.ChordType);
}

void PlaceChordOctave(TChord& chord) {
  const TChordTones tones = ChordTones(chord);
  const int pc = FloorMod12(chord.BasePitch);
  int bestBase = 0;
  int bestCost = 0;
  for (int k = 2; k <= 5; ++k) {
    const int c = pc + 12 * k;
    int cost = 0;
    for (int8_t tone : tones)
      if (tone != NoChordTone) cost += (c + tone - 64) * (c + tone - 64);
    if (k == 2 || cost < bestCost) {
      bestCost = cost;
      bestBase = c;
    }
  }
  chord.BasePitch = static_cast<int8_t>(bestBase);
}

void EnumerateChords(const TChordVisitor& visitor, RecognitionMode mode) {
  if (mode == RecognitionMode::QuickFirst) {
    for (int bass = 0; bass < 12; ++bass)
      for (int type = 0; type < ChordTypeCount; ++type) {
        TChord c;
        c.BassOffset = static_cast<int8_t>(bass);
        c.ChordType = static_cast<uint8_t>(type);
        if (visitor(c)) return;
      }
  }

  for (int type = 0; type < ChordTypeCount; ++type) {
    const ChordFormula& f = ChordFormulaTable[type];
    const int lastExtension = f.ExtensionsAllowed ? 3 : 0;
    for (int ext = 0; ext <= lastExtension; ++ext) {
      const int extensionAlterations = ext != 0 ? 3 : 1;
      for (int ea = 0; ea < extensionAlterations; ++ea) {
        const int firstAdd = (ext != 0 && f.ExtensionsOnlyAdded) ? 1 : 0;
        const int lastAdd = ext != 0 ? 1 : 0;
        for (int add = firstAdd; add <= lastAdd; ++add) {
          const int fifthAlterations = f.FifthAlterable ? 3 : 1;
          const int ninthAlterations = ((ext == 2 || ext == 3) && add == 0) ? 3 : 1;
          const int eleventhAlterations = (ext == 3 && add == 0) ? 3 : 1;
          for (int fa = 0; fa < fifthAlterations; ++fa)
            for (int na = 0; na < ninthAlterations; ++na)
              for (int ela = 0; ela < eleventhAlterations; ++ela)
                for (int bass = 0; bass < 12; ++bass) {
                  TChord c;
                  c.BassOffset = static_cast<int8_t>(bass);
                  c.ChordType = static_cast<uint8_t>(type);
                  c.Extension = static_cast<uint8_t>(ext);
                  c.ExtensionAlteration = kAlterations[ea];
                  c.AddFlag = static_cast<uint8_t>(add);
                  c.FifthAlteration = kAlterations[fa];
                  c.NinthAlteration = kAlterations[na];
                  c.EleventhAlteration = kAlterations[ela];
                  visitor(c);
                }
        }
      }
    }
  }
}
