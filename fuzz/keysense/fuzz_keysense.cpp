// Any text as the two values of the chord table: loading either succeeds or raises its error,
// and the choice stays within its documented range.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "chords/untChords.h"
#include "chords/untKeysense.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::size_t nl = text.find('\n');
  const std::string_view mainValue = text.substr(0, nl);
  const std::string_view addedValue = nl == std::string_view::npos ? std::string_view{} : text.substr(nl + 1);

  const auto notation = static_cast<NoteNotation>(size > 0 ? data[0] % 3 : 0);
  TKeysenseTable table;
  try {
    LoadKeysenseTable(table, mainValue, addedValue);
  } catch (const EKeysenseError&) {
  }

  for (const KeysenseEntry& e : table)
    if (e.Chord.BasePitch < 60 || e.Chord.BasePitch > 72 || e.Chord.ChordType >= ChordTypeCount ||
        e.ToneCount < 1 || e.ToneCount > 12 || e.RootClass > 11)
      std::abort();

  std::array<int32_t, 12> weights{};
  std::memcpy(weights.data(), data, std::min(size, sizeof weights));
  const int32_t tonic = size > 48 ? static_cast<int8_t>(data[48]) : 0;
  if (auto c = KeysenseChoose(table, weights, tonic)) {
    if (c->BasePitch < 60 || c->BasePitch > 83 || c->ChordType >= ChordTypeCount) std::abort();
    (void)ChordName(*c, notation);
  }
  return 0;
}
