#include "bench/accuracy/ChordTruth.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>

namespace {

constexpr PitchClassSet AllClasses = 0x0FFF;

PitchClassSet Bit(int interval) { return static_cast<PitchClassSet>(1u << interval); }

// The tones counted from `root` instead of from C.
PitchClassSet Rotate(PitchClassSet tones, int root) {
  const unsigned t = tones & AllClasses;
  return static_cast<PitchClassSet>(((t >> root) | (t << (12 - root))) & AllClasses);
}

PitchClassSet Intervals(std::initializer_list<int> list) {
  PitchClassSet s = 0;
  for (int i : list) s |= Bit(i);
  return s;
}

struct TSpelling {
  PitchClassSet Intervals;
  const char* Suffix;
};

// The chords a label may spell. When the tones do not read as one of them from the bass, the
// first of this list that they read as from another root wins: for E G A C, Am7 over E
// rather than C6 over E.
const std::array<TSpelling, 20> Spellings = {{
    {Intervals({0, 4, 7}), ""},
    {Intervals({0, 3, 7}), "m"},
    {Intervals({0, 4, 7, 10}), "7"},
    {Intervals({0, 3, 7, 10}), "m7"},
    {Intervals({0, 4, 7, 11}), "maj7"},
    {Intervals({0, 3, 7, 11}), "mMaj7"},
    {Intervals({0, 4, 7, 9}), "6"},
    {Intervals({0, 3, 7, 9}), "m6"},
    {Intervals({0, 2, 7}), "sus2"},
    {Intervals({0, 5, 7}), "sus4"},
    {Intervals({0, 2, 7, 10}), "7sus2"},
    {Intervals({0, 5, 7, 10}), "7sus4"},
    {Intervals({0, 3, 6}), "dim"},
    {Intervals({0, 3, 6, 9}), "dim7"},
    {Intervals({0, 3, 6, 10}), "m7b5"},
    {Intervals({0, 4, 8}), "aug"},
    {Intervals({0, 7}), "5"},
    {Intervals({0, 2, 4, 7}), "add9"},
    {Intervals({0, 2, 3, 7}), "madd9"},
    {Intervals({0, 2, 4, 7, 10}), "9"},
}};

const TSpelling* SpellingFrom(PitchClassSet tones, int root) {
  if (!(tones & Bit(root))) return nullptr;
  const PitchClassSet rel = Rotate(tones, root);
  for (const TSpelling& s : Spellings)
    if (s.Intervals == rel) return &s;
  return nullptr;
}

const char* const SharpNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

// A note name as the tables write it: a letter A..G, then "#" or "b" (any number). Returns
// the pitch class, or -1.
int ParseLetterName(std::string_view name) {
  static constexpr std::string_view Letters = "C D EF G A B";
  if (name.empty()) return -1;
  const size_t letter = Letters.find(name[0]);
  if (letter == std::string_view::npos || name[0] == ' ') return -1;
  int pc = static_cast<int>(letter);
  for (size_t i = 1; i < name.size(); ++i) {
    if (name[i] == '#') ++pc;
    else if (name[i] == 'b') --pc;
    else break;
  }
  return ((pc % 12) + 12) % 12;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> cells;
  size_t from = 0;
  for (;;) {
    const size_t tab = line.find('\t', from);
    cells.push_back(line.substr(from, tab == std::string_view::npos ? tab : tab - from));
    if (tab == std::string_view::npos) return cells;
    from = tab + 1;
  }
}

bool ParseInt(std::string_view text, int32_t& value) {
  const char* end = text.data() + text.size();
  const auto r = std::from_chars(text.data(), end, value);
  return r.ec == std::errc() && r.ptr == end;
}

[[noreturn]] void BadRow(int line, std::string_view why) {
  throw std::runtime_error("line " + std::to_string(line) + ": " + std::string(why));
}

}  // namespace

TChordFamily ChordFamily(PitchClassSet tones, int root) {
  const PitchClassSet rel = Rotate(tones, ((root % 12) + 12) % 12);
  if (!(rel & Bit(0)) || !(rel & Bit(7))) return TChordFamily::Other;
  const bool major = rel & Bit(4), minor = rel & Bit(3);
  if (major && !minor) return TChordFamily::Major;
  if (minor && !major) return TChordFamily::Minor;
  return TChordFamily::Other;
}

int SpellChordRoot(PitchClassSet tones, int bass) {
  if (SpellingFrom(tones, bass)) return bass;
  for (const TSpelling& s : Spellings)
    for (int step = 1; step < 12; ++step) {
      const int root = (bass + step) % 12;
      if ((tones & Bit(root)) && Rotate(tones, root) == s.Intervals) return root;
    }
  return bass;
}

std::string SpellChordName(PitchClassSet tones, int root, int bass) {
  const TSpelling* s = SpellingFrom(tones, root);
  if (!s) {
    std::string name = "[";
    for (int pc = 0; pc < 12; ++pc)
      if (tones & Bit(pc)) {
        if (name.size() > 1) name += ' ';
        name += SharpNames[pc];
      }
    return name + "]";
  }
  std::string name = std::string(SharpNames[root]) + s->Suffix;
  if (bass != root) name += std::string("/") + SharpNames[bass];
  return name;
}

TTruthLabels LabelsFromNoteBlocks(std::vector<TLabelNote> notes) {
  std::sort(notes.begin(), notes.end(), [](const TLabelNote& a, const TLabelNote& b) {
    return a.Start != b.Start ? a.Start < b.Start : a.Pitch < b.Pitch;
  });
  TTruthLabels labels;
  for (size_t i = 0; i < notes.size();) {
    size_t j = i;
    TTruthLabel label;
    label.Start = notes[i].Start;
    label.End = notes[i].End;
    for (; j < notes.size() && notes[j].Start == label.Start; ++j) {
      label.Tones |= Bit(((notes[j].Pitch % 12) + 12) % 12);
      label.End = std::max(label.End, notes[j].End);
    }
    if (j < notes.size()) label.End = std::min(label.End, notes[j].Start);
    // notes[i] is the lowest of the block: the sort puts it first among equal starts.
    label.Bass = static_cast<int8_t>(((notes[i].Pitch % 12) + 12) % 12);
    label.Root = static_cast<int8_t>(SpellChordRoot(label.Tones, label.Bass));
    label.Family = ChordFamily(label.Tones, label.Root);
    label.Name = SpellChordName(label.Tones, label.Root, label.Bass);
    if (label.End > label.Start) labels.push_back(std::move(label));
    i = j;
  }
  return labels;
}

TTruthLabels ReadTruthTable(std::string_view text) {
  struct TRow {
    int32_t Tick;
    std::optional<TTruthLabel> Label;
  };
  std::vector<TRow> rows;
  int lineNo = 0;
  size_t from = 0;
  while (from < text.size()) {
    size_t eol = text.find('\n', from);
    if (eol == std::string_view::npos) eol = text.size();
    std::string_view line = text.substr(from, eol - from);
    from = eol + 1;
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (lineNo == 1 || line.empty()) continue;  // the header, or a trailing empty line
    const auto cells = SplitTabs(line);
    if (cells.size() < 4) BadRow(lineNo, "fewer than four columns");
    TRow row;
    if (!ParseInt(cells[2], row.Tick) || row.Tick < 0) BadRow(lineNo, "bad tick");
    if (!rows.empty() && row.Tick <= rows.back().Tick) BadRow(lineNo, "ticks do not ascend");
    const std::string_view chord = cells[3];
    if (chord != "N.C.") {
      if (cells.size() < 6) BadRow(lineNo, "a chord without pitch classes or bass");
      TTruthLabel label;
      label.Name = std::string(chord);
      const int root = ParseLetterName(chord);
      const int bass = ParseLetterName(cells[5]);
      if (root < 0) BadRow(lineNo, "chord name without a note letter");
      if (bass < 0) BadRow(lineNo, "bad bass");
      std::string_view pcs = cells[4];
      while (!pcs.empty()) {
        const size_t comma = pcs.find(',');
        int32_t pc = -1;
        if (!ParseInt(pcs.substr(0, comma), pc) || pc < 0 || pc > 11) BadRow(lineNo, "bad pitch class");
        label.Tones |= Bit(pc);
        pcs = comma == std::string_view::npos ? std::string_view() : pcs.substr(comma + 1);
      }
      if (!label.Tones) BadRow(lineNo, "a chord without pitch classes");
      label.Root = static_cast<int8_t>(root);
      label.Bass = static_cast<int8_t>(bass);
      label.Family = ChordFamily(label.Tones, root);
      row.Label = std::move(label);
    }
    rows.push_back(std::move(row));
  }
  TTruthLabels labels;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (!rows[i].Label) continue;
    TTruthLabel label = std::move(*rows[i].Label);
    label.Start = rows[i].Tick;
    if (i + 1 < rows.size()) label.End = rows[i + 1].Tick;
    else if (i > 0) label.End = rows[i].Tick + (rows[i].Tick - rows[i - 1].Tick);
    else label.End = rows[i].Tick + 1;  // a table of one row: only its own tick is known
    labels.push_back(std::move(label));
  }
  return labels;
}

const TTruthLabel* LabelAt(const TTruthLabels& labels, int32_t tick) {
  auto after = std::upper_bound(labels.begin(), labels.end(), tick,
                                [](int32_t t, const TTruthLabel& l) { return t < l.Start; });
  if (after == labels.begin()) return nullptr;
  const TTruthLabel& l = *(after - 1);
  return tick < l.End ? &l : nullptr;
}

const TTruthLabel* LabelCovering(const TTruthLabels& labels, int32_t start, int32_t end) {
  // The first label that may reach into the span: the one sounding at its start, or the
  // first one starting after it.
  auto it = std::upper_bound(labels.begin(), labels.end(), start,
                             [](int32_t t, const TTruthLabel& l) { return t < l.Start; });
  if (it != labels.begin()) --it;
  const TTruthLabel* best = nullptr;
  int32_t bestTicks = 0;
  for (; it != labels.end() && it->Start < end; ++it) {
    const int32_t ticks = std::min(end, it->End) - std::max(start, it->Start);
    if (ticks > bestTicks) {
      bestTicks = ticks;
      best = &*it;
    }
  }
  return best;
}

double ShareOnBeatGrid(const TTruthLabels& labels, int32_t beatLength) {
  if (labels.empty() || beatLength <= 0) return 1.0;
  size_t on = 0;
  for (const TTruthLabel& l : labels) on += l.Start % beatLength == 0;
  return static_cast<double>(on) / static_cast<double>(labels.size());
}
