#include "export/ChordDiagrams.h"

#include <algorithm>

#include "song/KeyWithMode.h"

namespace {

int Mod12(int value) { return ((value % 12) + 12) % 12; }

// The keys of the chord on a keyboard of two octaves from the C below its bass.
std::vector<int> PianoKeys(TChord chord) {
  const TChordTones tones = ChordTones(chord);
  const int bass = chord.BasePitch + std::max<int8_t>(tones[csBass], 0);
  const int c = bass - Mod12(bass);
  std::vector<int> keys;
  for (int8_t t : tones) {
    if (t == NoChordTone) continue;
    int key = chord.BasePitch + t - c;
    while (key >= 24) key -= 12;
    keys.push_back(key);
  }
  std::sort(keys.begin(), keys.end());
  keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
  return keys;
}

std::vector<std::string> ToneNames(TChord chord, NoteNotation notation, const std::optional<TKeySpelling>& key) {
  const TChordTones tones = ChordTones(chord);
  std::vector<std::string> names;
  std::vector<int> seen;
  for (int slot = 0; slot < ChordSlotCount; ++slot) {
    const int8_t t = tones[static_cast<size_t>(slot)];
    if (t == NoChordTone) continue;
    const int pc = Mod12(chord.BasePitch + t);
    if (std::find(seen.begin(), seen.end(), pc) != seen.end()) continue;
    seen.push_back(pc);
    names.push_back(PitchClassNameIn(pc, notation, key));
  }
  return names;
}

}  // namespace

std::vector<TChord> DistinctChords(const TSongModel& model) {
  std::vector<TChord> chords;
  for (const TVariants& v : model.beats) {
    if (!v.HasChord()) continue;
    const TChord chord = v.Chord();
    const bool known = std::any_of(chords.begin(), chords.end(), [&](const TChord& c) {
      return SameChord(c, chord) && Mod12(c.BasePitch) == Mod12(chord.BasePitch);
    });
    if (!known) chords.push_back(chord);
  }
  return chords;
}

void AddChordDiagrams(TChordSheet& sheet, const TSongModel& model, const TExportOptions& options) {
  sheet.instrument = options.diagrams;
  sheet.diagrams.clear();
  sheet.capo = {};
  if (options.diagrams == TDiagramInstrument::None) return;
  // Without a shapes file the movable barres stand for every chord they can.
  const TGuitarShapes noShapes;
  const TGuitarShapes& shapes = options.shapes ? *options.shapes : noShapes;
  const std::optional<TKeySpelling> key =
      SongKeySpelling(model.key, model.transposition, options.spellByKey, model.keySignature);
  std::vector<TChord> chords = DistinctChords(model);
  // Two chords the names do not tell apart (the same name from other voicings) show once.
  for (const TChord& chord : chords) {
    TSheetDiagram d;
    d.name = ChordNameIn(chord, options.notation, key);
    if (std::any_of(sheet.diagrams.begin(), sheet.diagrams.end(), [&](const TSheetDiagram& o) { return o.name == d.name; }))
      continue;
    if (options.diagrams == TDiagramInstrument::Guitar) d.shape = GuitarShapeOf(shapes, chord);
    d.keys = PianoKeys(chord);
    d.tones = ToneNames(chord, options.notation, key);
    sheet.diagrams.push_back(std::move(d));
  }
  if (options.diagrams != TDiagramInstrument::Guitar) return;
  const TCapoChoice capo = ChooseCapo(shapes, chords);
  if (!capo.Helps()) return;
  sheet.capo.fret = capo.capo;
  // The chords fingered under the capo are named in the key they are fingered in.
  const std::optional<TKeySpelling> under = SongKeySpelling(model.key, model.transposition - capo.capo, options.spellByKey);
  for (const TChord& chord : chords) {
    std::string name = ChordNameIn(ChordUnderCapo(chord, capo.capo), options.notation, under);
    if (std::find(sheet.capo.names.begin(), sheet.capo.names.end(), name) == sheet.capo.names.end())
      sheet.capo.names.push_back(std::move(name));
  }
}
