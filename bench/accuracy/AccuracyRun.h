#pragma once
// Measuring a corpus: every song is opened in a song session exactly as the program opens
// it, its key is detected (or given, or left unknown), the chord search runs with or without
// the key-aware table, and every beat's chosen chord is judged against the song's labels.
//
// A corpus is a folder of MIDI files. A song with a "<name>.truth.tsv" beside it takes its
// labels from that table and is analysed whole; any other song takes them from its label
// track (one block of notes per chord), which is muted so that the search never hears it.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/accuracy/AccuracyScore.h"
#include "bench/accuracy/ChordTruth.h"
#include "chords/ChordModel.h"
#include "chords/untKeysense.h"
#include "midi/MidiFile.h"

struct TCorpusSong {
  std::string Name;       // file name without folder and extension
  std::string MidiPath;
  std::string TablePath;  // per-beat table; empty: labels from the label track
};

// The MIDI files of a folder (.mid and .kar, any letter case), sorted by name, with their
// tables where one exists. Throws std::runtime_error when the folder cannot be read.
std::vector<TCorpusSong> ListCorpus(const std::string& folder);

// Whether a song belongs to a range of the numbered songs of a collection (001..450): a song
// named by a number within [first, last] (a bound below 0 is open); with no bound at all,
// every song. Trainer and measurement keep apart the songs a model learns from and those it
// is judged on this way.
bool InSongRange(const std::string& name, long first, long last);

enum class TKeyMode { Detect, None, Fixed };

struct TAccuracyOptions {
  bool Keysense = true;
  TKeyMode Key = TKeyMode::Detect;
  int FixedKey = 0;     // key-list entry (major tonic) for TKeyMode::Fixed
  int LabelTrack = 2;   // track index of the label blocks, for songs without a table
  TBeatJudging Judging = TBeatJudging::Start;
  bool Continuity = false;  // the table's chords chosen for the whole song (ChordContinuity)
  TKeysenseTable Table;     // the key-aware table
  // The learned chord model instead of the table (no Keysense question, no continuity).
  std::shared_ptr<const TChordModel> Model;
};

// What the search saw and chose for one beat, for studying the table without running the
// search again: with Keysense active, the weights handed to the table (summed sounding
// ticks per pitch class) and the chord plain recognition finds when the table gives none.
struct TBeatTrace {
  std::array<int32_t, 12> Weights{};
  bool Asked = false;      // the table was asked for this beat
  TBeatChord Fallback;     // plain recognition's chord (what the beat gets without the table)
};

struct TSongMeasure {
  TSongAccuracy Accuracy;
  int32_t BeatLength = 0;
  int KeyTonic = -1;                  // tonic handed to the table, -1 when not active
  TTruthLabels Labels;
  std::vector<TBeatVerdict> Verdicts;
  std::vector<TBeatTrace> Trace;      // filled only when asked for
};

// Reads the song's labels from its table or from the label track of the loaded file.
// Throws std::runtime_error when there are none or the table cannot be read.
TTruthLabels ReadSongLabels(const TCorpusSong& song, const TMidiFile& midi, int labelTrack);

// Runs the session on one song with the options' key-aware table. Errors (unreadable file, no labels) are reported in Accuracy.Error, not thrown.
// With `trace` the beats' weights and plain-recognition chords are recorded instead of the
// table's choice being applied; Verdicts then judge the table's choice computed from them.
TSongMeasure MeasureSong(const TCorpusSong& song, const TAccuracyOptions& options, bool trace = false);

// The verdicts on a traced measurement's beats had the chord search chosen the table's chords
// for the whole song with the given change penalty: the session's continuity choice, computed
// from the traced weights without running the search again (a penalty of 0 gives each beat
// the table's own choice, as the trace's verdicts do).
std::vector<TBeatVerdict> JudgeContinuity(const TSongMeasure& traced, const TKeysenseTable& table, double changePenalty,
                                          TBeatJudging judging);
