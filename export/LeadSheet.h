#pragma once
// The lead sheet of a song as data: the melody quantised into measures, the chord symbols where
// the chord changes, the lyrics on the melody's notes, the key, the tempo marks and the title.
// Positions are in divisions of a quarter note (LeadSheetDivisions), counted from tick 0, so
// the notation writer (MusicXmlWriter.h) only has to cut them into note values.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Result.h"
#include "chords/KeySpelling.h"
#include "chords/untChords.h"
#include "export/AnalysisDocument.h"

class TMidiSong;
struct TSongAnalysis;

// A quarter note is 24 divisions: both the sixteenth (6) and the eighth triplet (8) fall on them.
inline constexpr int32_t LeadSheetDivisions = 24;
// The longest score written, in quarter notes (some nine hours at 120 beats per minute).
inline constexpr int64_t MaxLeadSheetQuarters = 65536;
inline constexpr std::size_t MaxLeadSheetMeasures = 20000;

struct TLeadMeasure {
  int32_t start = 0;   // divisions from the song's start
  int32_t length = 0;  // divisions, as the time signature has it
  int32_t numerator = 4;
  int32_t denominator = 4;  // the note value (4: quarter)
};

enum class TSyllabic : uint8_t { Single, Begin, Middle, End };

struct TLeadLyric {
  std::string text;  // without the spaces and the hyphen that mark its word's end
  TSyllabic syllabic = TSyllabic::Single;
};

struct TLeadNote {
  int32_t start = 0;  // divisions
  int32_t end = 0;
  int pitch = 60;
  int32_t tick = 0;   // where it starts in the file
  std::optional<TLeadLyric> lyric;
};

struct TLeadHarmony {
  int32_t position = 0;  // divisions
  TChord chord;
  int32_t beat = 0;      // the analysis' beat the chord starts at
};

struct TLeadTempo {
  int32_t position = 0;  // divisions
  int32_t bpm = 120;     // quarter notes per minute, whole
};

struct TLeadSheet {
  std::string title;
  std::string subtitle;
  std::vector<std::pair<std::string, std::string>> creators;  // role ("composer", "lyricist", "artist"), name
  std::string rights;
  std::string partName;   // the melody track's name; empty when it has none
  int melodyTrack = -1;   // index of the melody's track (from 0); -1: none
  int channel = 0;        // the melody's MIDI channel (0..15) and program (0..127)
  int program = 0;
  TKeySpelling key;       // the signature (fifths) and mode the sheet is written in
  std::vector<TLeadMeasure> measures;
  std::vector<TLeadNote> melody;  // in order, never overlapping
  std::vector<TLeadHarmony> harmonies;
  std::vector<TLeadTempo> tempos;
  int32_t EndDivision() const { return measures.empty() ? 0 : measures.back().start + measures.back().length; }
};

// The track that carries the tune: the one whose notes start at (or just after) most of the
// karaoke syllables, else the one that sounds most like a voice (mostly one note at a time, in
// a singing range, the most notes). Never a muted track nor the percussion channel; -1 when
// no track has a note.
int ChooseMelodyTrack(const TMidiSong& song, const std::vector<TAnalysisSyllable>& syllables);

// The lead sheet of an analysis. Its request's melody track (from 1) stands over the choice;
// a track number the song does not have, or a song of independent sequences (format 2), is
// an error with its text.
TResult<TLeadSheet> LeadSheetOf(const TSongAnalysis& analysis);
