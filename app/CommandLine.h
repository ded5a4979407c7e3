#pragma once
// The headless command line: the road from a song file to its chord text without a window,
// the event view of a file, and chord recognition of given notes. Its results go to the
// given output stream (or a file), its errors to the error stream, and the exit code tells
// whether it worked.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "base/Result.h"
#include "chords/untChords.h"
#include "export/OutputFormats.h"
#include "export/SongAnalysis.h"
#include "export/WriteText.h"
#include "song/SongModel.h"

enum class TCliCommand { Help, Version, Export, Events, Recognize, Devices, Render, Play };
enum class TCliBeat { Default, Double, Half };

struct TCliOptions {
  TCliCommand command = TCliCommand::Help;
  std::string file;                  // the song (Export, Events, Render, Play)
  std::vector<std::string> notes;    // Recognize
  std::string output;                // -o: empty = standard output
  std::string key;                   // "", "auto" or a key entry
  int transpose = 0;
  TCliBeat beat = TCliBeat::Default;
  std::optional<int> notation;       // 0 English, 1 German, 2 Italian; unset: the settings'
  std::optional<bool> spellByKey;    // --spelling key (true) or sharps; unset: the settings'
  std::optional<bool> keysense;      // unset: the settings'
  std::optional<bool> continuity;    // chord continuity with Keysense; unset: the settings'
  std::optional<bool> learnedChords; // --chords learned (true) or table (false); unset: the settings'
  std::optional<bool> comments;      // unset: the settings'
  std::optional<int> codePage;       // Windows code page number; unset: the settings'
  const TOutputFormat* format = &DefaultOutputFormat();
  std::string device;                // Play: --device, a number or a part of a name
  std::string speed;                 // Play: --speed, a tempo list entry
  std::optional<double> gainDb;      // Render: --gain; unset: the peak normalised
  std::vector<std::string> inputs;   // Export: every song or folder named (file is the first)
  int jobs = 0;                      // songs analysed at once; 0: one per core
  bool quiet = false;                // no progress display
  int melodyTrack = 0;               // the lead sheet's melody track (from 1); 0: chosen by the song
};

// Exit codes.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // the file could not be read or written
constexpr int kExitUsage = 2;    // unknown option or value

// The most songs --jobs may analyse at once.
constexpr int kMaxBatchJobs = 256;

// The settings a run uses: the settings file's, with the options given on the command line in
// their place.
struct TCliSettings {
  TSongOptions song;
  TExportOptions text;
  int32_t midiOutNo = 0;  // the output device the options dialog chose
};

// Reads the settings file (a damaged one is reported and its defaults used) and applies the
// options over it.
TCliSettings LoadCliSettings(const TCliOptions& options, std::ostream& err);

struct TCliParse {
  TCliOptions options;
  std::string error;  // not empty: a usage error, with its text
};

TCliParse ParseCommandLine(const std::vector<std::string>& args);

// Runs the command; the exit code is returned. args excludes the program name.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// A note given on the command line: a MIDI number 0..127 or a pitch name with its octave in
// the given notation (C4, F#3, Bb2, H3, DO#4, C-1); nothing when it is neither.
std::optional<int> ParseCliNote(const std::string& text, NoteNotation notation);

// A key given on the command line: 0..11, a major tonic ("C", "F#", "Bb"), a minor one with
// "m" ("Am" stands for its relative major, C), or a key list entry ("C или Am"). The key is the
// pitch class of its major tonic; the error names the option and the text given.
TResult<int> ParseCliKey(const std::string& text, NoteNotation notation);
// The mode a key given on the command line names: minor for "Am", major for "C", nothing for
// a number or a key list entry.
std::optional<bool> ParseCliKeyMode(const std::string& text, NoteNotation notation);

// What the options and settings ask the analysis of a song for (the key given, or "auto").
TAnalysisRequest AnalysisRequestOf(const TCliOptions& options, const TCliSettings& settings);

// The formats' part of --help: a line per format with its name and label.
std::string OutputFormatsHelp();
// The whole text of --help in the message table's language; the manual page is written from it.
std::string CliHelpText();
