#pragma once
// The typed song model: what the analysis of the open song knows, as data. The session
// (SongSession.h) changes it through its operations and tells its observers what changed;
// the window's presenter, the text builder and the command line read it.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/RememberedAnswer.h"
#include "chords/ChordModel.h"
#include "chords/untChords.h"
#include "chords/untKeysense.h"
#include "song/KeyDetect.h"
#include "song/SongTypes.h"

// The three beat lengths a song may be cut into: the file's beat, two of them, half of one.
enum class TBeatLength : uint8_t { Default, Double, Half };

// The song's key with what it was found from. `key` is the major tonic's pitch class (a
// minor key stands as its relative major), -1 when unknown; `evidence` is there when the key
// was detected from the song (not chosen by hand): the note counts by pitch class and the
// best and runner-up key.
struct TKeyEvidence {
  TKeyHistogram counts{};
  TKeyResult result;
};

struct TSongKey {
  int key = -1;
  std::optional<TKeyEvidence> evidence;
  // The mode given by hand with the key (a minor key named as such), if one was.
  std::optional<bool> minor;

  bool Known() const { return key >= 0 && key < 12; }
  // The key's tonic (major) with the song shifted by `transposition` semitones.
  int TonicAfter(int transposition) const { return ((key + transposition) % 12 + 24) % 12; }
};

// What the analysis takes from the settings, handed in by whoever owns the session.
struct TSongOptions {
  // The key-aware chord choice of the chord search (it needs a known key).
  bool keysense = true;
  // With the key-aware choice active, the table's chords are chosen for the whole song at
  // once (song/ChordContinuity.h): a beat keeps its neighbours' chord unless another fits it
  // clearly better, and its variants list the table's chords that cover it, best first, the
  // chosen one marked, then the exact variants of its notes.
  bool continuity = false;
  // The answer the user asked to stand to the question whether to detect the key that the
  // key-aware choice needs; None: asked each time.
  TRememberedAnswer keysenseKeyAnswer = TRememberedAnswer::None;
  // The learned chord model (chords/ChordModel.h): when there is one, it chooses the chords of
  // the whole song and the key-aware table, its key question and continuity do not apply.
  std::shared_ptr<const TChordModel> chordModel;
  // The key-aware table for the search (the settings' table); empty: no chord is chosen by key.
  std::vector<KeysenseEntry> keysenseTable;
  // The names of the chords in the session's questions.
  NoteNotation notation = NoteNotation::English;
};

// What an observer is told: the part of the model that changed and, for one beat, which.
enum class TSongChange : uint8_t {
  Opening,         // a song was read and takes the place of the open one (index 1: from a file)
  Song,            // the new song is in place: tracks, beats, key, transposition, lyrics reset
  Chords,          // the beats were searched anew (their notes and chords)
  ChordsSimplified,// every chord simplified, every second one dropped
  BeatChord,       // one beat's chosen chord changed (`beat`)
  Key,             // the key, chosen by hand or detected
  Transposition,
  BeatLength,
  Speed,
  Variants,        // the variants of the current notes (a beat or the marked keys)
  MarkedNotes,     // a key was marked or unmarked (`beat` holds the key)
  AutoRecognize,   // the marked keys are recognised at once, or not
  Tracks,          // a track was enabled or disabled (`beat` holds its index)
  Lyrics,
  Fragment,
};

struct TSongNotice {
  TSongChange what;
  int index = -1;
};

using TSongObserver = std::function<void(const TSongNotice&)>;

// Observers by a number, so one can leave while others stay.
class TSongObservers {
 public:
  int Add(TSongObserver observer);
  void Remove(int id);
  void Notify(TSongChange what, int index = -1) const;

 private:
  std::vector<std::pair<int, TSongObserver>> observers_;
  int next_ = 1;
};

// Why a beat shows no chord.
enum class TNoChordReason : uint8_t {
  HasChord,     // it has one
  Silent,       // no note sounded long enough in it
  Unrecognised, // its notes form no chord that is known
  Dropped,      // the simplification gave it up
};

TNoChordReason NoChordReason(const TVariants& beat);

struct TSongModel {
  TBeats beats;
  int32_t beatLength = 0;  // ticks
  TBeatLength beatChoice = TBeatLength::Default;
  int32_t transposition = 0;  // semitones, -11..+11
  TSongKey key;
  bool karaoke = false;
  int32_t fragmentStart = 0;
  // True while the last search asked the key-aware table first.
  bool keysenseActive = false;
  // The notes under consideration (a beat's or the marked keys') and their ranked chords.
  TVariants variants;
  // The beat those variants were taken from; -1 when they are the marked keys'.
  int variantsBeat = -1;
  // The marked keys are recognised as soon as one changes.
  bool autoRecognize = true;
  // The lyrics shown while the song plays.
  std::string lyrics;
  // The chords were simplified since they were last searched.
  bool simplified = false;

  // The chord a beat shows, nothing when it has none (or there is no such beat).
  std::optional<TChord> ChosenChord(int beat) const;
};

// The tones of a variant as they are listed beside its name, slot by slot (a slash chord's
// bass last), each followed by a space.
std::string VariantToneList(TChord chord, NoteNotation notation);

// What a beat shows as its chord, in the beat grid and in the written text alike: the chosen
// chord's name, "?" over notes that form no known chord (until the chords are simplified),
// else nothing.
std::string BeatChordText(const TSongModel& model, int beat, NoteNotation notation);
