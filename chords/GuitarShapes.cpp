#include "chords/GuitarShapes.h"

#include <algorithm>
#include <cstring>

namespace {

int Mod12(int value) { return ((value % 12) + 12) % 12; }

// The open strings' pitch classes, low E first.
constexpr std::array<int, GuitarStringCount> OpenString = {4, 9, 2, 7, 11, 4};
constexpr int MaxFret = 24;

// A movable shape: the frets above the fret of its root on the low E string (E shape) or on
// the A string (A shape); -1 muted. `barred`: at a fret above 0 one finger holds the barre.
struct TMovable {
  const char* suffix;
  std::array<int8_t, GuitarStringCount> offsets;
  bool barred;
};

// clang-format off
constexpr TMovable EShapes[] = {
  {"",      {0, 2, 2, 1, 0, 0}, true},   {"m",     {0, 2, 2, 0, 0, 0}, true},
  {"7",     {0, 2, 0, 1, 0, 0}, true},   {"m7",    {0, 2, 0, 0, 0, 0}, true},
  {"7M",    {0, 2, 1, 1, 0, 0}, true},   {"m7M",   {0, 2, 1, 0, 0, 0}, true},
  {"6",     {0, 2, 2, 1, 2, 0}, true},   {"m6",    {0, 2, 2, 0, 2, 0}, true},
  {"sus4",  {0, 2, 2, 2, 0, 0}, true},   {"7sus4", {0, 2, 0, 2, 0, 0}, true},
  {"5",     {0, 2, 2, -1, -1, -1}, false},
};
constexpr TMovable AShapes[] = {
  {"",      {-1, 0, 2, 2, 2, 0}, true},  {"m",     {-1, 0, 2, 2, 1, 0}, true},
  {"7",     {-1, 0, 2, 0, 2, 0}, true},  {"m7",    {-1, 0, 2, 0, 1, 0}, true},
  {"7M",    {-1, 0, 2, 1, 2, 0}, true},  {"m7M",   {-1, 0, 2, 1, 1, 0}, true},
  {"6",     {-1, 0, 2, 2, 2, 2}, true},  {"m6",    {-1, 0, 2, 2, 1, 2}, true},
  {"sus2",  {-1, 0, 2, 2, 0, 0}, true},  {"sus4",  {-1, 0, 2, 2, 3, 0}, true},
  {"7sus2", {-1, 0, 2, 0, 0, 0}, true},  {"7sus4", {-1, 0, 2, 0, 3, 0}, true},
  {"dim",   {-1, 0, 1, 2, 1, 2}, false}, {"aug",   {-1, 0, 3, 2, 2, 1}, false},
  {"5",     {-1, 0, 2, 2, -1, -1}, false},
};
// clang-format on

std::optional<int> TypeOfSuffix(std::string_view suffix) {
  if (suffix == "maj7" || suffix == "M7") suffix = "7M";
  if (suffix == "min") suffix = "m";
  for (int t = 0; t < ChordTypeCount; ++t)
    if (suffix == ChordFormulaTable[t].Suffix) return t;
  return std::nullopt;
}

const TMovable* FindMovable(const TMovable* begin, const TMovable* end, int type) {
  for (const TMovable* m = begin; m != end; ++m)
    if (std::strcmp(m->suffix, ChordFormulaTable[type].Suffix) == 0) return m;
  return nullptr;
}

TGuitarShape Place(const TMovable& m, int fret) {
  TGuitarShape shape;
  for (int s = 0; s < GuitarStringCount; ++s)
    shape.frets[static_cast<size_t>(s)] =
        m.offsets[static_cast<size_t>(s)] < 0 ? MutedString : static_cast<int8_t>(fret + m.offsets[static_cast<size_t>(s)]);
  shape.barre = m.barred && fret > 0 ? static_cast<int8_t>(fret) : 0;
  return shape;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// An English note name at the start of `text` ("C", "F#", "Bb"); its pitch class, the text
// after it.
std::optional<int> ReadRoot(std::string_view& text) {
  static constexpr std::string_view Letters = "CDEFGAB";
  static constexpr int Pitch[] = {0, 2, 4, 5, 7, 9, 11};
  if (text.empty()) return std::nullopt;
  const size_t letter = Letters.find(text.front());
  if (letter == std::string_view::npos) return std::nullopt;
  int pc = Pitch[letter];
  text.remove_prefix(1);
  if (!text.empty() && (text.front() == '#' || text.front() == 'b')) {
    pc += text.front() == '#' ? 1 : -1;
    text.remove_prefix(1);
  }
  return Mod12(pc);
}

std::optional<TShapeKey> ReadName(std::string_view name) {
  const std::optional<int> root = ReadRoot(name);
  if (!root) return std::nullopt;
  const size_t slash = name.find('/');
  const std::optional<int> type = TypeOfSuffix(name.substr(0, slash));
  if (!type) return std::nullopt;
  int bass = *root;
  if (slash != std::string_view::npos) {
    std::string_view rest = name.substr(slash + 1);
    const std::optional<int> b = ReadRoot(rest);
    if (!b || !rest.empty()) return std::nullopt;
    bass = *b;
  }
  return TShapeKey{static_cast<int8_t>(*root), static_cast<uint8_t>(*type), static_cast<int8_t>(bass)};
}

std::optional<int> ReadNumber(std::string_view s) {
  if (s.empty() || s.size() > 2) return std::nullopt;
  int n = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

std::optional<std::array<int8_t, GuitarStringCount>> ReadFrets(std::string_view text) {
  std::array<int8_t, GuitarStringCount> frets{};
  std::vector<std::string_view> parts;
  if (text.find('-') != std::string_view::npos) {
    size_t start = 0;
    while (true) {
      const size_t dash = text.find('-', start);
      parts.push_back(text.substr(start, dash == std::string_view::npos ? std::string_view::npos : dash - start));
      if (dash == std::string_view::npos) break;
      start = dash + 1;
    }
  } else {
    for (size_t i = 0; i < text.size(); ++i) parts.push_back(text.substr(i, 1));
  }
  if (parts.size() != GuitarStringCount) return std::nullopt;
  for (size_t s = 0; s < parts.size(); ++s) {
    if (parts[s] == "x" || parts[s] == "X") {
      frets[s] = MutedString;
      continue;
    }
    const std::optional<int> fret = ReadNumber(parts[s]);
    if (!fret || *fret > MaxFret) return std::nullopt;
    frets[s] = static_cast<int8_t>(*fret);
  }
  return frets;
}

// The chord's tones as pitch classes, a bit each.
unsigned ToneMask(const TShapeKey& key) {
  TChord chord;
  chord.BasePitch = static_cast<int8_t>(48 + key.bass);
  chord.RootOffset = static_cast<int8_t>(Mod12(key.root - key.bass));
  chord.BassOffset = 0;
  chord.ChordType = key.type;
  unsigned mask = 1u << Mod12(key.bass);
  for (int8_t t : ChordTones(chord))
    if (t != NoChordTone) mask |= 1u << Mod12(chord.BasePitch + t);
  return mask;
}

// A shape sounds its chord: two strings at least, each a tone of the chord, the lowest the bass.
bool SoundsChord(const TGuitarShape& shape, const TShapeKey& key) {
  const unsigned mask = ToneMask(key);
  int sounding = 0;
  for (int s = 0; s < GuitarStringCount; ++s) {
    const int fret = shape.frets[static_cast<size_t>(s)];
    if (fret == MutedString) continue;
    const int pc = Mod12(OpenString[static_cast<size_t>(s)] + fret);
    if (!(mask & (1u << pc))) return false;
    if (sounding++ == 0 && pc != key.bass) return false;
  }
  return sounding >= 2;
}

}  // namespace

int TGuitarShape::LowestFret() const {
  int lowest = 0;
  for (int8_t f : frets)
    if (f > 0 && (lowest == 0 || f < lowest)) lowest = f;
  return lowest;
}

int TGuitarShape::HighestFret() const {
  int highest = 0;
  for (int8_t f : frets) highest = std::max<int>(highest, f);
  return highest;
}

std::optional<TShapeKey> ShapeKeyOf(const TChord& chord) {
  if (chord.ChordType >= ChordTypeCount) return std::nullopt;
  if (chord.Extension != 0 || chord.FifthAlteration != 0 || chord.NinthAlteration != 0 || chord.EleventhAlteration != 0)
    return std::nullopt;
  return TShapeKey{static_cast<int8_t>(Mod12(chord.BasePitch + chord.RootOffset)), chord.ChordType,
                   static_cast<int8_t>(Mod12(chord.BasePitch + chord.BassOffset))};
}

void TGuitarShapes::Override(const TGuitarShapes& other) {
  for (const auto& [key, shape] : other.shapes) shapes[key] = shape;
}

TGuitarShapesRead ReadGuitarShapes(std::string_view bytes) {
  TGuitarShapesRead read;
  int lineNo = 0;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    start = end + 1;
    ++lineNo;
    if (lineNo == 1 && line.substr(0, 3) == "\xEF\xBB\xBF") line.remove_prefix(3);
    // A sharp after a letter belongs to a note name; a comment starts a line or follows a blank.
    for (size_t hash = line.find('#'); hash != std::string_view::npos; hash = line.find('#', hash + 1)) {
      if (hash == 0 || line[hash - 1] == ' ' || line[hash - 1] == '\t') {
        line = line.substr(0, hash);
        break;
      }
    }
    line = Trim(line);
    if (line.empty()) continue;
    auto fault = [&](TShapeFault f) { read.problems.push_back({lineNo, f}); };
    const size_t colon = line.find(':');
    if (colon == std::string_view::npos) {
      fault(TShapeFault::NoColon);
      continue;
    }
    const std::optional<TShapeKey> key = ReadName(Trim(line.substr(0, colon)));
    if (!key) {
      fault(TShapeFault::UnknownChord);
      continue;
    }
    std::string_view rest = Trim(line.substr(colon + 1));
    const size_t space = rest.find_first_of(" \t");
    const std::optional<std::array<int8_t, GuitarStringCount>> frets = ReadFrets(rest.substr(0, space));
    if (!frets) {
      fault(TShapeFault::BadFrets);
      continue;
    }
    TGuitarShape shape;
    shape.frets = *frets;
    if (space != std::string_view::npos) {
      const std::string_view option = Trim(rest.substr(space));
      const std::optional<int> barre =
          option.substr(0, 6) == "barre=" ? ReadNumber(option.substr(6)) : std::optional<int>();
      // The barre lies under every fretted string.
      if (!barre || *barre < 1 || *barre > MaxFret ||
          std::any_of(frets->begin(), frets->end(), [&](int8_t f) { return f > 0 && f < *barre; })) {
        fault(TShapeFault::BadBarre);
        continue;
      }
      shape.barre = static_cast<int8_t>(*barre);
    }
    if (!SoundsChord(shape, *key)) {
      fault(TShapeFault::WrongNotes);
      continue;
    }
    read.shapes.shapes[*key] = shape;
  }
  return read;
}

std::optional<TGuitarShape> MovableShape(int root, int type) {
  if (type < 0 || type >= ChordTypeCount) return std::nullopt;
  const TMovable* e = FindMovable(std::begin(EShapes), std::end(EShapes), type);
  const TMovable* a = FindMovable(std::begin(AShapes), std::end(AShapes), type);
  const int eFret = Mod12(root - OpenString[0]);
  const int aFret = Mod12(root - OpenString[1]);
  if (e && (!a || eFret <= aFret)) return Place(*e, eFret);
  if (a) return Place(*a, aFret);
  return std::nullopt;
}

std::optional<TGuitarShape> GuitarShapeOf(const TGuitarShapes& shapes, const TChord& chord) {
  const std::optional<TShapeKey> key = ShapeKeyOf(chord);
  if (!key) return std::nullopt;
  if (const auto it = shapes.shapes.find(*key); it != shapes.shapes.end()) return it->second;
  if (key->bass != key->root) return std::nullopt;
  return MovableShape(key->root, key->type);
}

TChord ChordUnderCapo(const TChord& chord, int capo) {
  TChord c = chord;
  int base = c.BasePitch - capo;
  if (base < 0) base += 12 * ((-base + 11) / 12);
  c.BasePitch = static_cast<int8_t>(base);
  return c;
}

TCapoChoice ChooseCapo(const TGuitarShapes& shapes, const std::vector<TChord>& chords) {
  auto barres = [&](int capo) {
    int count = 0;
    for (const TChord& c : chords) {
      const std::optional<TGuitarShape> shape = GuitarShapeOf(shapes, ChordUnderCapo(c, capo));
      if (shape && shape->IsBarre()) ++count;
    }
    return count;
  };
  TCapoChoice choice;
  choice.barresWithout = barres(0);
  choice.barres = choice.barresWithout;
  for (int capo = 1; capo <= 7 && choice.barres > 0; ++capo) {
    const int n = barres(capo);
    if (n < choice.barres) {
      choice.capo = capo;
      choice.barres = n;
    }
  }
  return choice;
}
