#pragma once
// One recipe from a song to its analysis, shared by every front end: the single export and
// the batch of the command line analyse a file for a request; the window's Export dialog
// takes the analysis of the song as it stands (with the user's corrections). Every output
// format is a writer over the analysis (export/OutputFormats.h).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "export/WriteText.h"
#include "midi/MidiSong.h"
#include "song/KeyWithMode.h"
#include "song/SongModel.h"

class Prompter;
class TSongSession;

// What a song is analysed for.
struct TAnalysisRequest {
  // The original key as a key-list entry (the major tonic), -1 when not given; with the mode
  // given with it ("Am": minor).
  int key = -1;
  std::optional<bool> minor;
  // Detect the key from the song when none is given.
  bool detectKey = false;
  int32_t transpose = 0;  // semitones, -11..+11
  TBeatLength beat = TBeatLength::Default;
  TSongOptions song;      // the chord search's options
  TExportOptions text;    // names and texts of the written forms
  // Per format: the lead sheet's melody track as the track list numbers tracks (from 1; 0:
  // the program chooses), the printed sheet's paper ("a4", "letter"; empty: the locale's).
  int32_t melodyTrack = 0;
  std::string paper;
};

// The analysed song, a value that outlives the session it came from.
struct TSongAnalysis {
  std::string name;                         // how the song is named (JSON "file")
  std::shared_ptr<const TMidiSong> song;    // as analysed (transposed when asked)
  TSongModel model;                         // beats, key, transposition, beat length, karaoke
  uint8_t speedNumerator = 1;               // the playback speed, for the tempo of the text
  uint8_t speedDenominator = 1;
  TAnalysisRequest request;
  std::vector<std::string> errors;          // of the analysis, for the report and the JSON
  std::vector<std::string> warnings;

  const TMidiSong& Song() const { return *song; }
  NoteNotation Notation() const { return request.text.notation; }
  // The key the names are spelled in; nothing: sharps (chords/KeySpelling.h).
  std::optional<TKeySpelling> Spelling() const;
  // The key named with its mode (song/KeyWithMode.h); empty when unknown.
  std::string KeyName() const;
};

struct TAnalysisOutcome {
  std::optional<TSongAnalysis> analysis;  // none when the song could not be read
  std::vector<std::string> errors;        // why, when not
};

// Reads and analyses a song file, or a song already in memory (name: how it is named in the
// messages and the analysis). Questions are answered, and errors and warnings reported, by
// the prompter; the analysis also keeps the errors and warnings it reported (a damaged file's
// notice among the warnings).
TAnalysisOutcome AnalyseSongFile(const std::string& path, const std::string& name, const TAnalysisRequest& request,
                                 Prompter& prompter);
TAnalysisOutcome AnalyseSongBytes(const std::string& name, std::string bytes, const TAnalysisRequest& request,
                                  Prompter& prompter);

// The analysis of a song as it stands in a session, nothing searched again; the request gives
// the names' notation, the texts' options and the per-format choices.
TSongAnalysis SongAnalysisOf(const TSongSession& session, const std::string& name, const TAnalysisRequest& request);
