#include "chords/untKeysense.h"

#include <bit>
#include <string>

#include "base/untMesConst.h"

namespace {

// Decimal with an optional sign, the whole text; nothing otherwise (also on overflow).
std::optional<int32_t> ParseDecimal(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > int64_t{INT32_MAX} + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

KeysenseEntry ParseToken(std::string_view token) {
  // The note name takes two characters when the token carries a "#".
  std::size_t nameLength = token.find('#') != std::string_view::npos ? 2 : 1;
  std::string_view name = token.substr(0, nameLength);
  // The table is written in English names whatever the user's notation.
  int32_t position = 1;
  bool flat = false;
  int32_t pitchClass = ParseNoteName(name, position, flat, NoteNotation::English);
  if (pitchClass < 0) throw EKeysenseError(Mes(MesId::SKeysenseInitError));

  std::string_view typeText = token.substr(std::min(nameLength, token.size()));
  std::optional<int32_t> type = ParseDecimal(typeText);
  if (!type) throw EKeysenseError(MesFormat(MesId::SInvalidInteger, std::string(typeText)));
  // The formula table has 15 rows; any other number names no chord.
  if (*type < 0 || *type >= ChordTypeCount) throw EKeysenseError(Mes(MesId::SKeysenseInitError));

  KeysenseEntry e;
  e.Chord.BasePitch = static_cast<int8_t>(60 + pitchClass);
  e.Chord.ChordType = static_cast<uint8_t>(*type);
  TChord chord = e.Chord;
  for (int8_t slot : ChordTones(chord))
    if (slot != NoChordTone) e.Tones |= static_cast<PitchClassSet>(1u << ((e.Chord.BasePitch + slot) % 12));
  e.ToneCount = std::popcount(static_cast<unsigned>(e.Tones & 0x0FFF));
  e.RootClass = static_cast<uint8_t>((e.Chord.BasePitch + e.Chord.RootOffset) % 12);
  return e;
}

void ParseValue(TKeysenseTable& table, std::string_view rest) {
  while (!rest.empty()) {
    std::size_t space = rest.find(' ');
    std::string_view token = rest.substr(0, space);
    table.push_back(ParseToken(token));
    rest = space == std::string_view::npos ? std::string_view{} : rest.substr(space + 1);
  }
}

}  // namespace

void LoadKeysenseTable(TKeysenseTable& table, std::string_view mainValue, std::string_view addedValue) {
  table.clear();
  ParseValue(table, mainValue);
  ParseValue(table, addedValue);
}

namespace {

// The weights read relative to the tonic k (0..11), r[i] = w[(i + k) mod 12], and their sum.
// 64-bit: twelve large weights must not overflow.
struct TRotated {
  std::array<int64_t, 12> r{};
  int64_t total = 0;
  TRotated(const std::array<int32_t, 12>& weights, int32_t k) {
    for (int i = 0; i < 12; ++i) total += r[i] = weights[(i + k) % 12];
  }
};

// What KeysenseChoose compares for one entry: the covered weight over the twelve pitch
// classes minus the uncovered weight over the pitch classes outside the chord, the root
// weighing a third more.
double EntryValue(const KeysenseEntry& e, const TRotated& w) {
  int64_t in = 0;
  for (int i = 0; i < 12; ++i)
    if (e.Tones & (1u << i)) in += w.r[i];
  int64_t out = w.total - in;
  if (e.RootClass < 12) ((e.Tones >> e.RootClass) & 1u ? in : out) += w.r[e.RootClass] / 3;
  double value = static_cast<double>(in) / 12.0;
  if (e.ToneCount < 12) value -= static_cast<double>(out) / (12 - e.ToneCount);
  return value;
}

int32_t TonicClass(int32_t tonic) { return ((tonic % 12) + 12) % 12; }

}  // namespace

std::optional<TChord> KeysenseChoose(const std::vector<KeysenseEntry>& table, const std::array<int32_t, 12>& weights,
                                     int32_t tonic) {
  int32_t k = TonicClass(tonic);
  const TRotated r(weights, k);
  double best = -1.0;
  const KeysenseEntry* chosen = nullptr;
  for (const KeysenseEntry& e : table) {
    double value = EntryValue(e, r);
    if (value > best) {
      best = value;
      chosen = &e;
    }
  }
  if (chosen == nullptr || best <= 0.0) return std::nullopt;
  TChord c = chosen->Chord;
  c.BasePitch = static_cast<int8_t>(c.BasePitch + k);
  return c;
}

bool KeysenseValues(const std::vector<KeysenseEntry>& table, const std::array<int32_t, 12>& weights, int32_t tonic,
                    std::vector<double>& values) {
  values.assign(table.size(), 0.0);
  const TRotated r(weights, TonicClass(tonic));
  if (r.total <= 0) return false;
  bool some = false;
  for (std::size_t i = 0; i < table.size(); ++i) {
    double value = EntryValue(table[i], r);
    some = some || value > 0.0;
    values[i] = value / static_cast<double>(r.total);
  }
  return some;
}

TChord KeysenseEntryChord(const KeysenseEntry& entry, int32_t tonic) {
  TChord c = entry.Chord;
  c.BasePitch = static_cast<int8_t>(c.BasePitch + TonicClass(tonic));
  return c;
}
