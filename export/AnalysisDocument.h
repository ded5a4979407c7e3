#pragma once
// The analysis of one song as plain data: what the JSON export writes. It is filled from an
// analysed session (AnalysisOfSession.h) and knows nothing of the engine or the session, so
// the JSON writer and its tests work on values alone.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct TAnalysisTrack {
  int32_t index = 0;  // from 0, in file order
  std::string name;   // UTF-8
  std::string instrument;
  std::vector<int32_t> channels;  // channels (0..15) that carry the track's channel messages, ascending
  int32_t notes = 0;              // note-ons with a velocity
  bool muted = false;
};

struct TAnalysisTempo {
  int32_t tick = 0;
  int32_t ms = 0;
  int32_t microsecondsPerQuarter = 500000;
};

struct TAnalysisTimeSignature {
  int32_t tick = 0;
  int32_t numerator = 4;
  int32_t denominator = 4;  // the note value (4 = quarter), not its power of two
};

// A chord as its parts. Pitch classes count from C = 0.
struct TAnalysisChord {
  std::string name;      // in the chosen notation
  int32_t root = 0;
  std::string rootName;
  int32_t bass = 0;      // the lowest tone; equals root unless the chord is a slash chord
  std::string bassName;
  int32_t type = 0;      // row of the chord formula table
  std::string suffix;    // the type's name suffix ("m", "7", "" for a major triad)
  int32_t extension = 0;  // 0 none, 9, 11 or 13
  bool added = false;     // the extension alone, without the seventh
  int32_t extensionAlteration = 0;  // -1, 0, +1
  int32_t fifthAlteration = 0;
  int32_t ninthAlteration = 0;
  int32_t eleventhAlteration = 0;
  std::vector<int32_t> pitchClasses;  // ascending, each once
  std::vector<int32_t> tones;         // MIDI pitches of the voiced chord, bass first
  int32_t score = 0;                  // rank key of the recogniser, lower is simpler
};

// One ranked variant of a beat: its name and the recogniser's rank key.
struct TAnalysisVariant {
  std::string name;
  int32_t score = 0;
};

struct TAnalysisBeat {
  int32_t index = 0;
  int32_t tick = 0;
  int32_t ms = 0;
  std::optional<TAnalysisChord> chord;  // the chosen chord; none when the beat has none
  std::optional<int32_t> rank;          // index of the chosen chord among the variants
  std::vector<TAnalysisVariant> variants;  // best first
  std::vector<int32_t> notes;            // sounding MIDI notes, ascending
};

struct TAnalysisKeyCandidate {
  int32_t tonic = 0;  // pitch class of the key's own tonic
  bool minor = false;
  std::string name;   // "A" or "Am" style, in the chosen notation
  int32_t score = 0;
};

struct TAnalysisKeyDetection {
  std::vector<int32_t> counts;  // note-ons per pitch class of the song's beginning, C first
  std::optional<TAnalysisKeyCandidate> best;
  std::optional<TAnalysisKeyCandidate> runnerUp;
  bool runnerUpClose = false;  // within ten per cent of the best
};

struct TAnalysisKey {
  // The song's key as the program holds it: the major tonic standing for the major key and its
  // relative minor. None when the key is unknown.
  std::optional<int32_t> entry;
  std::string name;     // "C или Am" style, as the key list shows it; empty when unknown
  std::string source;   // "given", "detected" or "unknown"
  std::optional<int32_t> current;  // entry after the transposition
  std::optional<TAnalysisKeyDetection> detection;
};

struct TAnalysisSyllable {
  std::string text;  // without its "/" or "\\" mark, UTF-8
  int32_t tick = 0;
  int32_t ms = 0;
  bool newLine = false;       // the syllable starts a line
  bool newParagraph = false;  // the syllable starts a paragraph
};

struct TAnalysisDocument {
  std::string file;    // as the user named it (relative to the folder given)
  int32_t format = 1;  // standard MIDI file format 0, 1 or 2
  int32_t ticksPerQuarter = 0;
  std::vector<TAnalysisTrack> tracks;
  std::vector<TAnalysisTempo> tempoMap;
  std::vector<TAnalysisTimeSignature> timeSignatures;
  int32_t lengthTicks = 0;
  int32_t lengthMs = 0;
  int32_t beatLength = 0;
  std::string notation = "english";
  // How the chords were chosen: "keysense-table" or "learned-model", and for the model the
  // note it carries (what it was trained on).
  std::string chordRecognition = "keysense-table";
  std::string chordModel;
  bool karaoke = false;
  int32_t transposition = 0;
  TAnalysisKey key;
  std::vector<TAnalysisBeat> beats;
  std::vector<TAnalysisSyllable> lyrics;
  std::vector<std::string> errors;
  std::vector<std::string> warnings;
};
