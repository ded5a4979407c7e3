#include "song/KeyWithMode.h"

#include "midi/MidiConstants.h"

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

std::optional<TKeySpelling> SongKeySpelling(const TSongKey& key, int transposition, bool byKey,
                                            std::optional<int> fileFifths) {
  if (!byKey) return std::nullopt;
  const std::optional<TKeyWithMode> k = KeyWithMode(key, transposition);
  if (!k) return std::nullopt;
  // The file's signature names another key once the song is transposed: KeySpellingOf then
  // takes the usual one.
  return KeySpellingOf(key.TonicAfter(transposition), k->minor, fileFifths);
}

std::string KeyWithModeName(const TKeyWithMode& key, NoteNotation notation, bool byKey, std::optional<int> fileFifths) {
  if (!byKey) return KeyWithModeName(key, notation);
  const TKeySpelling spelling = KeySpellingOf(key.minor ? PitchClass(key.tonic + 3) : key.tonic, key.minor, fileFifths);
  return SpelledNoteName(SpellPitchClass(key.tonic, spelling), notation) + (key.minor ? "m" : "");
}

std::string KeyWithModeName(const TSongKey& key, int transposition, NoteNotation notation, bool byKey,
                            std::optional<int> fileFifths) {
  const std::optional<TKeyWithMode> k = KeyWithMode(key, transposition);
  return k ? KeyWithModeName(*k, notation, byKey, fileFifths) : std::string();
}

std::string KeyEntryName(const TSongKey& key, int transposition, NoteNotation notation, std::optional<int> fileFifths) {
  const std::optional<TKeySpelling> spelling = SongKeySpelling(key, transposition, true, fileFifths);
  if (!spelling) return std::string();
  return SpelledNoteName(SpellPitchClass(key.TonicAfter(transposition), *spelling), notation);
}

std::optional<int> FirstKeySignature(const TMidiSong& song) {
  std::optional<int> fifths;
  int32_t at = 0;
  for (int32_t t = 0; t < song.NumberOfTracks(); ++t) {
    for (const TMidiEventEx& e : song.TrackAt(t).Events()) {
      if (e.Status != MidiStatus::Meta || e.Data1 != MidiMeta::KeySignature) continue;
      if (fifths && e.Time >= at) break;
      const std::string_view data = e.Text();
      const int sf = data.empty() ? 99 : static_cast<int8_t>(data[0]);
      if (data.size() < 2 || sf < -7 || sf > 7) continue;
      fifths = sf;
      at = e.Time;
      break;
    }
  }
  return fifths;
}
