#include "chords/untChords.h"

#include <algorithm>

// ---------------------------------------------------------------------------------------
// The chord formula table

// clang-format off
const std::array<ChordFormula, ChordTypeCount> ChordFormulaTable = {{
  //  suffix   5alt  ext    onlyAdd 7basic   root third 5th 7th 9th 11th 13th bass
  {"",       true,  true,  false, false, {0, 4, 7, 10, 14, 17, 21, -1}},
  {"m",      true,  true,  false, false, {0, 3, 7, 10, 14, 17, 21, -1}},
  {"7",      true,  true,  false, true,  {0, 4, 7, 10, 14, 17, 21, -1}},
  {"m7",     true,  true,  false, true,  {0, 3, 7, 10, 14, 17, 21, -1}},
  {"7M",     true,  true,  false, true,  {0, 4, 7, 11, 14, 17, 21, -1}},
  {"m7M",    true,  true,  false, true,  {0, 3, 7, 11, 14, 17, 21, -1}},
  {"6",      true,  true,  true,  true,  {0, 4, 7,  9, 14, 17, 21, -1}},
  {"m6",     true,  true,  true,  true,  {0, 3, 7,  9, 14, 17, 21, -1}},
  {"sus2",   true,  true,  true,  false, {0, 2, 7, -1, 14, 17, 21, -1}},
  {"sus4",   true,  true,  true,  false, {0, 5, 7, -1, 14, 17, 21, -1}},
  {"7sus2",  true,  true,  true,  true,  {0, 2, 7, 10, 14, 17, 21, -1}},
  {"7sus4",  true,  true,  true,  true,  {0, 5, 7, 10, 14, 17, 21, -1}},
  {"dim",    false, false, true,  true,  {0, 3, 6,  9, -1, -1, -1, -1}},
  {"aug",    false, false, true,  false, {0, 4, 8, -1, -1, -1, -1, -1}},
  {"5",      true,  false, true,  false, {0, -1, 7, -1, -1, -1, -1, -1}},
}};
// clang-format on

namespace {

int FloorMod12(int value) {
  const int r = value % 12;
  return r < 0 ? r + 12 : r;
}

int Sign(int value) { return (value > 0) - (value < 0); }

// ---------------------------------------------------------------------------------------
// Note naming tables

struct TNotationTables {
  // Letter notations: the letters accepted when parsing and their semitones.
  std::string_view Letters;
  std::array<int8_t, 8> LetterSemitones;
  // Names per group (Both, Sharps, Flats) and pitch class.
  std::array<std::array<const char*, 12>, 3> Names;
};

// clang-format off
const TNotationTables EnglishTables = {
  "CDEFGAB", {0, 2, 4, 5, 7, 9, 11, 0},
  {{{"C", "C#(Db)", "D", "D#(Eb)", "E", "F", "F#(Gb)", "G", "G#(Ab)", "A", "A#(Bb)", "B"},
    {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"},
    {"C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"}}}};

const TNotationTables GermanTables = {
  "CDEFGABH", {0, 2, 4, 5, 7, 9, 10, 11},
  {{{"C", "C#(Db)", "D", "D#(Eb)", "E", "F", "F#(Gb)", "G", "G#(Ab)", "A", "B(A#)", "H"},
    {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "B", "H"},
    {"C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "B", "H"}}}};

// Italian names are syllables; parsing reads them separately (see ParseItalianSyllable).
const TNotationTables ItalianTables = {
  "", {0, 0, 0, 0, 0, 0, 0, 0},
  {{{"DO", "DO#(REb)", "RE", "RE#(MIb)", "MI", "FA", "FA#-SOLb", "SOL", "SOL#-LAb", "LA", "LA#(SIb)", "SI"},
    {"DO", "DO#", "RE", "RE#", "MI", "FA", "FA#", "SOL", "SOL#", "LA", "LA#", "SI"},
    {"DO", "REb", "RE", "MIb", "MI", "FA", "SOLb", "SOL", "LAb", "LA", "SIb", "SI"}}}};
// clang-format on

const TNotationTables& TablesOf(NoteNotation notation) {
  switch (notation) {
    case NoteNotation::German: return GermanTables;
    case NoteNotation::Italian: return ItalianTables;
    default: return EnglishTables;
  }
}


// The names index by pitch class; a negative pitch is raised by whole ten-octave steps first
// (once is enough for every pitch of the MIDI range, twice for the lowest signed bytes).
int RaisedPitch(int pitch) {
  while (pitch < 0) pitch += 120;
  return pitch;
}

const char* ClassName(int pitch, AccidentalSpelling group, NoteNotation notation) {
  int g = static_cast<int>(group) + 1;
  if (g < 0 || g > 2) g = 1;  // an undefined group value names with sharps
  return TablesOf(notation).Names[g][FloorMod12(pitch)];
}

struct TItalianSyllable {
  char First, Second;
  int8_t Semitone;
};
constexpr std::array<TItalianSyllable, 7> ItalianSyllables = {{
    {'D', 'O', 0}, {'R', 'E', 2}, {'M', 'I', 4}, {'F', 'A', 5}, {'S', 'O', 7}, {'L', 'A', 9}, {'S', 'I', 11},
}};

}  // namespace

// ---------------------------------------------------------------------------------------

bool ChordIsValid(const TChord& c) {
  auto unit = [](int8_t v) { return v >= -1 && v <= 1; };
  return c.ChordType < ChordTypeCount && c.RootOffset >= 0 && c.RootOffset <= 11 && c.BassOffset >= 0 &&
         c.BassOffset <= 11 && c.Extension <= 3 && c.AddFlag <= 1 && unit(c.ExtensionAlteration) &&
         unit(c.FifthAlteration) && unit(c.NinthAlteration) && unit(c.EleventhAlteration);
}

int32_t ParseNoteName(std::string_view text, int32_t& position, bool& flat, NoteNotation notation) {
  flat = false;
  const int64_t size = static_cast<int64_t>(text.size());
  // Positions are 1-based; one before the text is as unreadable as one past its end.
  if (position < 1 || position > size) return -1;
  auto at = [&](int64_t pos) { return text[static_cast<size_t>(pos - 1)]; };

  int32_t semitone = -1;
  if (notation == NoteNotation::Italian) {
    if (position + 1 > size) return -1;
    const char first = at(position), second = at(position + 1);
    for (const TItalianSyllable& s : ItalianSyllables) {
      if (s.First != first || s.Second != second) continue;
      if (s.First == 'S' && s.Second == 'O') {
        if (position + 2 > size || at(position + 2) != 'L') return -1;
        position += 3;
      } else {
        position += 2;
      }
      semitone = s.Semitone;
      break;
    }
    if (semitone < 0) return -1;
  } else {
    const TNotationTables& tables = TablesOf(notation);
    const size_t letter = tables.Letters.find(at(position));
    if (letter == std::string_view::npos) return -1;
    semitone = tables.LetterSemitones[letter];
    position += 1;
  }

  if (position > size) return semitone;
  // German "B" is already the lowered H; "Bb" keeps its b unread.
  if (notation == NoteNotation::German && semitone == 10) return semitone;
  const char accidental = at(position);
  if (accidental == '#') {
    ++semitone;
    ++position;
  } else if (accidental == 'b') {
    --semitone;
    flat = true;
    ++position;
  }
  return semitone;
}

int32_t NoteNameToPitchClass(std::string_view text, NoteNotation notation) {
  int32_t position = 1;
  bool flat = false;
  return ParseNoteName(text.substr(0, 255), position, flat, notation);
}

std::string PitchClassName(int8_t pitch, AccidentalSpelling group, NoteNotation notation) {
  return ClassName(RaisedPitch(pitch), group, notation);
}

std::string PitchName(int8_t pitch, AccidentalSpelling group, NoteNotation notation) {
  const int p = RaisedPitch(pitch);
  std::string name = ClassName(p, group, notation);
  name += std::to_string(p / 12 - 1);
  return name;
}

std::string ChordName(const TChord& c, NoteNotation notation) {
  if (c.ChordType >= ChordTypeCount) return {};
  const auto& names = TablesOf(notation).Names[1];
  return ChordNameWithNotes(c, names[FloorMod12(c.BasePitch + c.RootOffset)], names[FloorMod12(c.BasePitch + c.BassOffset)]);
}

std::string ChordNameWithNotes(const TChord& c, const char* rootName, const char* bassName) {
  if (c.ChordType >= ChordTypeCount) return {};
  // Built in a local buffer: the longest name ("SOL#m7M13+/5+/9+/11+/SOL#") fits easily, and
  // the common short ones then need no allocation at all.
  char buf[64];
  size_t len = 0;
  auto put = [&](const char* s) {
    while (*s && len < sizeof buf) buf[len++] = *s++;
  };
  auto putSign = [&](int8_t v) { put(v > 0 ? "+" : v < 0 ? "-" : ""); };

  put(rootName);
  put(ChordFormulaTable[c.ChordType].Suffix);
  if (c.Extension >= 1 && c.Extension <= 3) {
    static constexpr const char* kExtensionNames[4] = {"", "9", "11", "13"};
    if (c.AddFlag) put("add");
    put(kExtensionNames[c.Extension]);
    putSign(c.ExtensionAlteration);
  }
  if (c.FifthAlteration) {
    put("/5");
    putSign(c.FifthAlteration);
  }
  if (c.NinthAlteration) {
    put("/9");
    putSign(c.NinthAlteration);
  }
  if (c.EleventhAlteration) {
    put("/11");
    putSign(c.EleventhAlteration);
  }
  if (FloorMod12(c.RootOffset) != FloorMod12(c.BassOffset)) {
    put("/");
    put(bassName);
  }
  return std::string(buf, len);
}

TChordTones ChordTones(TChord& c) {
  TChordTones s;
  s.fill(NoChordTone);
  if (c.ChordType < ChordTypeCount) {
    const ChordFormula& f = ChordFormulaTable[c.ChordType];
    s = f.Intervals;
    if ((c.Extension == 0 || c.AddFlag) && !f.SeventhBasic) s[csSeventh] = NoChordTone;
    int marked = -1;
    switch (c.Extension) {
      case 0:
        s[csNinth] = s[csEleventh] = s[csThirteenth] = NoChordTone;
        break;
      case 1:
        s[csEleventh] = s[csThirteenth] = NoChordTone;
        marked = csNinth;
        break;
      case 2:
        s[csThirteenth] = NoChordTone;
        if (c.AddFlag) s[csNinth] = NoChordTone;
        marked = csEleventh;
        break;
      case 3:
        if (c.AddFlag) s[csNinth] = s[csEleventh] = NoChordTone;
        marked = csThirteenth;
        break;
      default:
        break;
    }
    // Alterations are one semitone; a larger value from outside counts by its sign only, so
    // a tone never leaves the range a chord can hold.
    auto alter = [&](int slot, int8_t by) {
      if (s[slot] != NoChordTone) s[slot] = static_cast<int8_t>(s[slot] + Sign(by));
    };
    if (marked >= 0) alter(marked, c.ExtensionAlteration);
    alter(csFifth, c.FifthAlteration);
    alter(csNinth, c.NinthAlteration);
    alter(csEleventh, c.EleventhAlteration);
  }

  // Normalise: count everything from the bass. Offsets from outside are taken modulo 12.
  int root = FloorMod12(c.RootOffset), bass = FloorMod12(c.BassOffset);
  if (root != 0) {
    bass = (bass + 12 - root) % 12;
    root = 0;
  }
  if (bass != 0) {
    s[csBass] = 0;
    for (int i = csRoot; i < csBass; ++i)
      if (s[i] != NoChordTone) s[i] = static_cast<int8_t>(s[i] + 12 - bass);
    root = 12 - bass;
    bass = 0;
  }
  c.RootOffset = static_cast<int8_t>(root);
  c.BassOffset = static_cast<int8_t>(bass);
  return s;
}

bool SameChord(const TChord& a, const TChord& b) {
  TChord x = a;
  x.BasePitch = b.BasePitch;
  return x == b;
}
