#include "song/KeyWithMode.h"

namespace {

int PitchClass(int pitch) { return ((pitch % 12) + 12) % 12; }

}  // namespace

std::optional<TKeyWithMode> KeyWithMode(const TSongKey& key, int transposition) {
  if (!key.Known()) return std::nullopt;
  bool minor = false;
  if (key.minor) {
    minor = *key.minor;
  } else if (key.evidence && key.evidence->result.Found()) {
    // The detector's key counts only when it has the signature the song stands in: a key
    // chosen by hand over a detected one keeps its own.
    const TKeyCandidate& best = key.evidence->result.best;
    const int signature = best.minor ? PitchClass(best.tonic + 3) : PitchClass(best.tonic);
    minor = signature == key.key && best.minor;
  }
  const int major = key.TonicAfter(transposition);
  return TKeyWithMode{minor ? PitchClass(major + 9) : major, minor};
}

std::string KeyWithModeName(const TKeyWithMode& key, NoteNotation notation) {
  return PitchClassName(static_cast<int8_t>(key.tonic), AccidentalSpelling::Sharps, notation) + (key.minor ? "m" : "");
}

std::string KeyWithModeName(const TSongKey& key, int transposition, NoteNotation notation) {
  const std::optional<TKeyWithMode> k = KeyWithMode(key, transposition);
  return k ? KeyWithModeName(*k, notation) : std::string();
}
