#include "chords/untKeysense.h"

#include <bit>
#include <string>

#include "base/untMesConst.h"

std::vector<KeysenseEntry> KeysenseTable;

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

void ParseValue(std::string_view rest) {
  while (!rest.empty()) {
    std::size_t space = rest.find(' ');
    std::string_view token = rest.substr(0, space);
    KeysenseTable.push_back(ParseToken(token));
    rest = space == std::string_view::npos ? std::string_view{} : rest.substr(space + 1);
  }
}

}  // namespace

void LoadKeysenseTable(std::string_view mainValue, std::string_view addedValue) {
  KeysenseTable.clear();
  ParseValue(mainValue);
  ParseValue(addedValue);
}

std::optional<TChord> KeysenseChoose(const std::array<int32_t, 12>& weights, int32_t tonic) {
  return KeysenseChoose(KeysenseTable, weights, tonic);
}

std::optional<TChord> KeysenseChoose(const std::vector<KeysenseEntry>& table, const std::array<int32_t, 12>& weights,
                                     int32_t tonic) {
  int32_t k = ((tonic % 12) + 12) % 12;
  double best = -1.0;
  const KeysenseEntry* chosen = nullptr;
  for (const KeysenseEntry& e : table) {
    // 64-bit sums: twelve large weights must not overflow.
    int64_t in = 0, out = 0;
    for (int i = 0; i < 12; ++i) {
      int64_t v = weights[(i + k) % 12];
      if (i == e.RootClass) v += v / 3;
      if (e.Tones & (1u << i))
        in += v;
      else
        out += v;
    }
    double value = static_cast<double>(in) / 12.0;
    if (e.ToneCount < 12) value -= static_cast<double>(out) / (12 - e.ToneCount);
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
