// Arbitrary bytes into the learned chord model's reader, the same function the program reads
// its model file with. A file that reads must write back to a file that reads to the same
// model, and score and decode a few beats to finite probabilities and valid classes; a file
// that does not read must name its fault.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "chords/ChordModel.h"
#include "chords/ChordModelDecode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const TChordModelRead read = ReadChordModel(bytes);
  if (!read.Model) {
    if (read.Fault == TChordModelFault::None || ChordModelFaultText(read).empty()) std::abort();
    return 0;
  }
  const TChordModelRead again = ReadChordModel(WriteChordModel(*read.Model));
  if (!again.Model || !(*again.Model == *read.Model)) std::abort();

  // A chord, a held bass with a passing note, and a silent beat.
  const std::vector<TBeatFeatures> beats =
      ChordModelFeatures({{0, 960, 45}, {0, 480, 60}, {0, 480, 64}, {240, 960, 67}, {480, 960, 71}}, 480, 3);
  for (const TBeatFeatures& beat : beats)
    for (float p : ChordModelLogProbabilities(*read.Model, beat))
      if (!std::isfinite(p) || p > 1e-3f) std::abort();
  const TModelChords decoded = ChordModelChords(*read.Model, beats, 8, 0.005f);
  if (decoded.Classes.size() != beats.size() || decoded.FirstVariant.size() != beats.size() + 1) std::abort();
  for (size_t b = 0; b < beats.size(); ++b) {
    const int32_t chosen = decoded.Classes[b];
    if (chosen < -1 || chosen >= ChordModelClassCount) std::abort();
    for (uint32_t i = decoded.FirstVariant[b]; i < decoded.FirstVariant[b + 1]; ++i)
      if (decoded.Variants[i] < 0 || decoded.Variants[i] >= ChordModelClassCount) std::abort();
  }
  return 0;
}
