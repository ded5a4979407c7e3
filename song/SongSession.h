#pragma once
// The open song as one session: the MIDI file engine with its tracks, the beats laid over
// its ticks with their analysis, the song-wide settings (transposition, beat length, speed,
// key), and the state the window shows, as plain data named after its controls. Every
// command of the song's analysis is an operation here; the window forwards the user's
// gestures and displays the state, and the command line drives the same operations
// headlessly. Questions and notices go through a Prompter, progress texts through a
// StatusSink.
//
// Settings read here, when a command runs: Keysense (chord search), LoadDir and the recent
// files (written by LoadSong), the note notation (every name). The command line sets them
// like the options dialog does.
//
// Headless, a song goes: LoadSong; the beat-length commands and actFindRootExecute or
// cbRootOrigSelect as wanted (a Prompter that answers Yes confirms them);
// actSearchSongChordsExecute; SetTransposition; then grdSong() (one chord name per beat
// cell), beats(), karaoke(), transposition(), cbRootOrigIndex() and the engine MidiFile
// for the text builder, which scans it with TEngineHandlersGuard (song/EngineScan.h).
//
// The piano model's OnMarkKey belongs to the session (it keeps the marked-notes list); a
// piano widget listens to OnKeyChanged, OnRepaint and OnShiftOctaves.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "midi/MidiFile.h"
#include "song/ChordSearch.h"
#include "song/KeyDetect.h"
#include "song/MidiPianoModel.h"
#include "song/Prompter.h"
#include "song/SongTypes.h"

// What the session needs from the playback side of the window. Left empty, the session
// stops and rewinds the engine itself and plays nothing.
struct TPlaybackHooks {
  std::function<void()> StopPlayback;     // toggles a running playback off
  std::function<void()> Rewind;           // stops, silences the output, returns to tick 0
  std::function<void()> PlayMarkedNotes;  // sounds the marked keys for about a second
};

class TSongSession {
 public:
  TSongSession(Prompter& prompter, StatusSink& status);
  TSongSession(const TSongSession&) = delete;
  TSongSession& operator=(const TSongSession&) = delete;

  TPlaybackHooks Playback;
  // The key-aware table's choice (KeysenseChoose of the settings' chord table); tests may put
  // their own table here, empty switches the key-aware choice off.
  TKeysenseChooser KeysenseChooser;
  // With the key-aware table active, the table's chords are chosen for the whole song at once
  // (song/ChordContinuity.h) and a beat's variants list the table's chords that cover it,
  // best first, the chosen one marked, then the exact variants of its notes.
  bool ChordContinuity = false;

  TMidiFile MidiFile;
  TMidiPianoModel MidiPiano;

  // ---- Loading -------------------------------------------------------------------
  // Opens a MIDI or karaoke file. True when it was read with at least one track. A read
  // error inside the engine propagates after the song has been cleared.
  bool LoadSong(const std::string& fileName);
  // The same for a file's contents already in memory; the name stands in the caption and the
  // messages, and neither the load folder nor the recent files change.
  bool LoadSongFromBytes(const std::string& name, std::string bytes);
  bool Loading() const { return loading_; }

  // ---- Chord search --------------------------------------------------------------
  // The most beats a song may have for the chord search; a longer one is refused with an
  // error naming the file. Long real songs have some fifteen thousand beats, halved beats
  // double that; but each beat keeps its notes and chords, and a file holding every key down
  // costs about a kilobyte and a pass over every held key per beat, so two million beats of
  // such a file would take gigabytes and minutes.
  static constexpr int32_t MaxSongBeats = 200000;
  void actSearchSongChordsExecute();
  void SearchSongChords();
  void FillSongGrid(const std::string& marker);

  // ---- Key -----------------------------------------------------------------------
  void actFindRootExecute();
  bool DetectKey();
  // The key list's entries in the current note notation, keeping the selection (and the
  // current-key display in step with it); the marked notes and the variants are named anew.
  void FillKeyList();
  // The marked notes and the chord variants named anew in the current note notation.
  void ShowNoteNames();
  // Selects a key by hand (-1 = unknown).
  void cbRootOrigSelect(int index);

  // ---- Transposition, speed, beat length ------------------------------------------
  void FillTransposeList(bool withKeys);
  void cbTransposSelect(int entry);
  // Selects the entry of a transposition in semitones (-11..+11) and applies it.
  void SetTransposition(int semitones);
  void TransposeSong(int delta);
  void ShowCurrentKey();
  void edtBpmSelect(int entry);
  void actIncBeatExecute();
  void actDefBeatExecute();
  void actDecBeatExecute();
  bool ChangeBeatLength(TBeatCommand command, const std::string& question, int32_t newLength);

  // ---- Chord editing -------------------------------------------------------------
  void ShowVariants();
  void VariantsForNotes(const TNotes& notes);
  void VariantsForMarked();
  void MidiPianoMarkKey(int key, bool marked);
  // A press of the "Автопоиск" toggle: toggles it, and searches the marked notes at once when
  // it goes down.
  void btnAutoSearchMarkedMouseDown();
  void SetAutoSearchMarked(bool down) { btnAutoSearchMarked_ = down; }
  void RemoveSelectedMarked();  // mmMarkedKeyDown with Delete, mmMarkedDblClick
  void SelectMarked(int line);
  void SelectVariantRow(int row);
  void grdVariantsClick() { actPlaySelectedChordExecute(); }
  void actPlaySelectedChordExecute();
  void actSetSelectedChordExecute();
  void SimplifyChords();
  void btnSimplifyClick() { SimplifyChords(); }
  // Copies a beat into the variants grid (the single-beat play of the window does this).
  void ShowBeatVariants(int beat);
  // Before a beat is played alone: its notes marked on the piano, without a search of the
  // marked notes, and its variants shown.
  void MarkBeatForPlay(int beat);

  // ---- Tracks --------------------------------------------------------------------
  // Ticks or unticks a track; an unticked track is muted in the engine.
  void SetTrackChecked(int index, bool checked);
  void SelectTrack(int index);

  // ---- The song grid's cursor and the fragment start ------------------------------
  void SetSongCell(int col, int row);
  // The beat under the grid's cursor, or -1 when the cursor is on no beat.
  int CurrentGridBeat() const;
  // The cursor moves on to the next beat: after the fourth, to the first of the next row.
  void AdvanceSongCell();
  // While the song plays the cursor follows the beat at the position, as long as that beat
  // has a row in the grid.
  void FollowPlayback(int32_t tick);
  void SetFragmentStart(int32_t tick) { fragmentStart_ = tick; }

  // ---- State ---------------------------------------------------------------------
  const TBeats& beats() const { return beats_; }
  int32_t beatLength() const { return beatLength_; }
  int32_t transposition() const { return transposition_; }
  bool karaoke() const { return karaoke_; }
  const TVariants& CurrentBeat() const { return CurrentBeat_; }
  // The search's working tables (their size does not grow with the song).
  const TChordSearch& SearchTables() const { return search_; }
  int32_t fragmentStart() const { return fragmentStart_; }
  // The chord name a beat shows, empty when it has none.
  std::string BeatChordName(int beat) const;

  const TStringGrid& grdSong() const { return grdSong_; }
  const std::vector<std::string>& cbRootOrigItems() const { return cbRootOrigItems_; }
  int cbRootOrigIndex() const { return cbRootOrigIndex_; }
  const std::vector<std::string>& cbTransposItems() const { return cbTransposItems_; }
  int cbTransposIndex() const { return cbTransposIndex_; }
  const std::string& stRootNew() const { return stRootNew_; }
  const std::string& cbBpmText() const { return cbBpmText_; }
  static std::vector<std::string> cbBpmItems();
  TBeatCommand CheckedBeatCommand() const { return checkedBeat_; }
  const std::vector<TTrackRow>& lvTracks() const { return lvTracks_; }
  int lvTracksSelected() const { return lvTracksSelected_; }
  const std::string& edtLength() const { return edtLength_; }
  const TStringGrid& grdVariants() const { return grdVariants_; }
  const std::string& stVariants() const { return stVariants_; }
  const std::vector<std::string>& mmMarked() const { return mmMarked_; }
  int mmMarkedIndex() const { return mmMarkedIndex_; }
  bool mmMarkedVisible() const { return mmMarkedVisible_; }
  bool btnAutoSearchMarked() const { return btnAutoSearchMarked_; }
  const std::string& mmText() const { return mmText_; }
  void SetText(std::string text) { mmText_ = std::move(text); }
  // A lyric event's text added where it belongs in the lyrics view ("/" and "\\" start lines).
  void AppendLyricText(std::string_view lyric);
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }

 private:
  // Everything of opening a song after the file was found: read() fills the engine.
  bool OpenSong(const std::string& fileName, const std::function<void()>& read);
  void StopPlaying();
  void RewindSong();
  void ClearSongState();
  void LayOutSongGrid();
  bool ActivateKeysense();
  int KeyTonic() const;
  void ChooseContinuousChords(const std::vector<std::vector<double>>& values, int tonic);
  void CollectBeatNote(const TMidiEventEx& event);
  void SetMarkedLines(int key, bool marked);

  Prompter& prompter_;
  StatusSink& status_;

  TBeats beats_;
  int32_t beatLength_ = 0;
  int32_t transposition_ = 0;
  bool karaoke_ = false;
  TVariants CurrentBeat_;
  int32_t fragmentStart_ = 0;
  bool loading_ = false;
  bool searching_ = false;

  TChordSearch search_;

  TStringGrid grdSong_{5, 2};
  std::vector<std::string> cbRootOrigItems_;
  int cbRootOrigIndex_ = -1;
  std::vector<std::string> cbTransposItems_;
  int cbTransposIndex_ = 11;
  std::string stRootNew_;
  std::string cbBpmText_;
  TBeatCommand checkedBeat_ = TBeatCommand::actDefBeat;
  std::vector<TTrackRow> lvTracks_;
  int lvTracksSelected_ = -1;
  std::string edtLength_;
  TStringGrid grdVariants_{3, 2};
  std::string stVariants_;
  std::vector<std::string> mmMarked_;
  int mmMarkedIndex_ = -1;
  bool mmMarkedVisible_ = true;
  bool btnAutoSearchMarked_ = true;
  std::string mmText_;
  std::string caption_;
};
