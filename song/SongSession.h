#pragma once
// The open song as one session: the MIDI file engine with its tracks, the typed song model
// (SongModel.h) laid over its ticks, and the operations of the song's analysis, each named
// for what it does. Questions and notices go through a Prompter, progress texts through a
// StatusSink, and every change of the model is told to the model's observers.
//
// The session reads no settings: what the analysis takes from them comes in TSongOptions.
// Chord and note names are not made here; the presenter of the window and the text builder
// name the model's chords in the notation they are given.
//
// Headless, a song goes: LoadSong; ChangeBeatLength, SetKey or FindKey as wanted (a Prompter
// that answers Yes confirms them); FindChords; Transpose; then Model() for the beats with
// their chords, the key, the transposition and the karaoke flag, and the engine MidiFile for
// the text builder, which walks its song (midi/EventWalk.h).
//
// The piano model's OnMarkKey belongs to the session (a marked key may be recognised at
// once); a piano widget listens to OnKeyChanged, OnRepaint and OnShiftOctaves.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "midi/MidiFile.h"
#include "song/ChordSearch.h"
#include "song/KeyDetect.h"
#include "song/MidiPianoModel.h"
#include "song/Prompter.h"
#include "song/SongModel.h"
#include "song/SongTypes.h"

// What the session needs from the playback side of the window. Left empty, the session
// stops and rewinds the engine itself and plays nothing.
class TSoundingNoteCollector;

struct TPlaybackHooks {
  std::function<void()> StopPlayback;     // toggles a running playback off
  std::function<void()> Rewind;           // stops, silences the output, returns to tick 0
  std::function<void()> PlayMarkedNotes;  // sounds the marked keys for about a second
};

// What the user reads when a song file cannot be read at all: its name and why (not found, a
// folder, too large, ...).
std::string SongReadErrorText(const std::string& fileName, const EInOutError& e);

class TSongSession {
 public:
  TSongSession(Prompter& prompter, StatusSink& status, TSongOptions options = {});
  TSongSession(const TSongSession&) = delete;
  TSongSession& operator=(const TSongSession&) = delete;

  TPlaybackHooks Playback;
  // The key-aware table's choice; tests may put their own here, empty switches the key-aware
  // choice off. By default it is KeysenseChoose over the options' table (or, when that is
  // empty, the table loaded from the settings file).
  TKeysenseChooser KeysenseChooser;
  // Told when the user asks that the answer to the key question of the key-aware choice stand
  // from now on ("Do not ask again"); the window keeps it in the settings. The session itself
  // goes by the answer from then on.
  std::function<void(TRememberedAnswer)> OnKeysenseAnswerRemembered;

  TMidiFile MidiFile;
  TMidiPianoModel MidiPiano;

  // What the analysis takes from the settings.
  const TSongOptions& Options() const { return options_; }
  void SetOptions(TSongOptions options) { options_ = std::move(options); }

  // The model and who is told of its changes.
  const TSongModel& Model() const { return model_; }
  TSongObservers& Observers() { return observers_; }

  // ---- Loading -------------------------------------------------------------------
  // Opens a MIDI or karaoke file. True when it was read with at least one track (a damaged
  // file gives the tracks it holds; MidiFile.Completeness() tells what is missing). A file
  // that cannot be read, is a folder, is larger than MaxMidiFileBytes or holds no track is
  // reported through the Prompter with its name, and the open song stays as it was. Observers
  // hear Opening once the new song is in the engine, then Song when the model is reset.
  bool LoadSong(const std::string& fileName);
  // The same for a file's contents already in memory; the name stands in the messages.
  bool LoadSongFromBytes(const std::string& name, std::string bytes);
  bool Loading() const { return loading_; }

  // ---- Chord search --------------------------------------------------------------
  // The most beats a song may have for the chord search; a longer one is refused with an
  // error naming the file. Long real songs have some fifteen thousand beats, halved beats
  // double that; but each beat keeps its notes and chords, and a file holding every key down
  // costs about a kilobyte and a pass over every held key per beat, so two million beats of
  // such a file would take gigabytes and minutes.
  static constexpr int32_t MaxSongBeats = 200000;
  // Cuts the song into beats and finds every beat's chord; asks first when there are chords
  // already, and, with the key-aware choice on and no key, whether to detect the key (unless
  // the options hold a remembered answer: Yes detects the key without a report, No leaves the
  // notice that the choice is off in the status text when the search ends).
  void FindChords();
  // The search over the beats there are, without questions (a transposition repeats it).
  void SearchChords();
  bool Searching() const { return searching_; }

  // ---- Key -----------------------------------------------------------------------
  // Detects the key from the beginning of the song and reports it; tells the user when no
  // key could be found.
  void FindKey();
  // The same without the notice of a failure; true when a key was found.
  bool DetectKey();
  // Sets the key by hand (-1 = unknown), with the mode when one was given (song/KeyWithMode.h).
  void SetKey(int key, std::optional<bool> minor = std::nullopt);

  // ---- Transposition, speed, beat length ------------------------------------------
  // Shifts the song to `semitones` (-11..+11) from its written pitch and searches its chords
  // again.
  void Transpose(int semitones);
  // The playback speed as a ratio of the written tempo.
  void SetSpeed(int numerator, int denominator);
  // Cuts the song into beats of another length (asks first); the chords are searched again
  // when there were any. False when nothing changed.
  bool ChangeBeatLength(TBeatLength length);

  // ---- Chord editing -------------------------------------------------------------
  // Ranked chords of the given notes, or of the marked keys, become the variants.
  void RecognizeNotes(const TNotes& notes);
  void RecognizeMarkedNotes();
  // A beat's notes and chords become the variants.
  void TakeBeatVariants(int beat);
  // Before a beat is played alone: its notes marked on the piano, without recognising the
  // marked keys, and its variants taken.
  void MarkBeatForPlay(int beat);
  // A key of the piano marked or unmarked; with auto-recognition on, the marked keys are
  // recognised at once. The piano model calls it.
  void MarkNote(int key, bool marked);
  // The keys played on a MIDI keyboard become the marked keys, exactly these; with
  // auto-recognition on they are recognised once, as marked keys are. Nothing else of the
  // song changes.
  void MarkPlayedNotes(const TNotes& notes);
  // Whether marking a key recognises the marked keys at once; switching it on recognises
  // them.
  void SetAutoRecognize(bool on);
  // Marks the tones of a variant on the piano and plays them.
  void PlayVariant(int variant);
  // Makes a variant the chosen chord of a beat (asks first). The beat must have a chord.
  bool ChooseVariant(int beat, int variant);
  // Every chord simplified to its plain triad or seventh, every second beat's chord dropped
  // (asks first).
  void SimplifyChords();

  // ---- Tracks, fragment, lyrics ----------------------------------------------------
  // Enables or disables a track; a disabled track is muted in the engine.
  void SetTrackEnabled(int index, bool enabled);
  void SetFragmentStart(int32_t tick);
  // A lyric event's text added where it belongs in the lyrics ("/" and "\\" start lines).
  void AppendLyricText(std::string_view lyric);
  void SetLyrics(std::string text);

  // ---- State ---------------------------------------------------------------------
  const TBeats& beats() const { return model_.beats; }
  int32_t beatLength() const { return model_.beatLength; }
  int32_t transposition() const { return model_.transposition; }
  bool karaoke() const { return model_.karaoke; }
  int key() const { return model_.key.key; }
  int32_t fragmentStart() const { return model_.fragmentStart; }
  const TVariants& Variants() const { return model_.variants; }
  // The search's working tables (their size does not grow with the song).
  const TChordSearch& SearchTables() const { return search_; }
  // Hands the model over to an analysis that outlives the session (export/SongAnalysis.h);
  // the session is left without beats.
  TSongModel TakeModel() { return std::move(model_); }

 private:
  // Everything of opening a song after its bytes were read; fromFile: an opened file (it
  // joins the recent files), not bytes handed over.
  bool OpenSong(const std::string& fileName, std::string bytes, bool fromFile);
  void StopPlaying();
  void RewindSong();
  void ClearSongState();
  void ActivateKeysense();
  // DetectKey without telling the user the key found (the learned model's search names the
  // key without having asked for it).
  bool DetectKeySilently();
  // The key-aware table of the search, as the options hand it in.
  const std::vector<KeysenseEntry>& ActiveKeysenseTable() const;
  // With continuity: the chords of the beats that have table values chosen for the whole
  // song, and their variants listed (song/ChordContinuity.h).
  void ChooseContinuousChords(const std::vector<std::vector<double>>& values, int tonic);
  // One event of the search's walk, for the beat's notes and, with the learned model, for the
  // song's notes that it hears.
  void CollectBeatNote(const TMidiEventEx& event, int32_t trackNo, TSoundingNoteCollector* sounding);
  void Notify(TSongChange what, int index = -1) { observers_.Notify(what, index); }

  Prompter& prompter_;
  StatusSink& status_;
  TSongOptions options_;
  // A notice left in the status text when the running search ends.
  std::string searchNotice_;
  TSongModel model_;
  TSongObservers observers_;
  bool loading_ = false;
  bool searching_ = false;
  bool markingPlayed_ = false;  // MarkPlayedNotes recognises once, after the last key

  TChordSearch search_;
};
