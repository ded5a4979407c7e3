#pragma once
// The song as the window's controls show it, made from the session's typed model: the beat
// grid's texts and rows (four beats to a row, "?" over a beat whose notes form no known
// chord), the key and transposition lists with their selected entries, the current key, the
// speed text, the track list, the song's length, the chord variants grid, the marked-notes
// list, the state of the "Автопоиск" button and the caption. The handlers keep the names
// of the window's commands and gestures and make their call into the session; the model's
// change notifications keep the control state in step.
//
// Plain C++ without Qt: the window shows this state through item models, and tests read it
// directly. Names are made in the notation of the window's settings.

#include <cstdint>
#include <string>
#include <vector>

#include "settings/untVars.h"
#include "song/SongSession.h"
#include "ui/presenter/StringGrid.h"

class TSongPresenter {
 public:
  // The settings give the notation of the names shown and keep the open dialog's folder and the
  // recent files up to date.
  TSongPresenter(TSongSession& session, TSettings& settings);
  ~TSongPresenter();
  TSongPresenter(const TSongPresenter&) = delete;
  TSongPresenter& operator=(const TSongPresenter&) = delete;

  TSongSession& Session() { return session_; }
  const TSongSession& Session() const { return session_; }

  // ---- Commands and gestures ---------------------------------------------------------
  // Opens a song; the open dialog starts in its folder next time, and a file that exists
  // goes to the head of the recent files.
  bool LoadSong(const std::string& fileName);
  void actSearchSongChordsExecute() { session_.FindChords(); }
  void actFindRootExecute() { session_.FindKey(); }
  // Selects a key by hand (-1 = unknown).
  void cbRootOrigSelect(int index) { session_.SetKey(index); }
  // The transposition list's entry (0 = +11 .. 22 = -11).
  void cbTransposSelect(int entry);
  // Selects the entry of a transposition in semitones (-11..+11) and applies it.
  void SetTransposition(int semitones) { session_.Transpose(semitones); }
  void edtBpmSelect(int entry);
  void actIncBeatExecute() { session_.ChangeBeatLength(TBeatLength::Double); }
  void actDefBeatExecute() { session_.ChangeBeatLength(TBeatLength::Default); }
  void actDecBeatExecute() { session_.ChangeBeatLength(TBeatLength::Half); }
  void btnSimplifyClick() { session_.SimplifyChords(); }
  // A press of the "Автопоиск" toggle: toggles it, and recognises the marked keys at once
  // when it goes down.
  void btnAutoSearchMarkedMouseDown();
  void SetAutoSearchMarked(bool down) { session_.SetAutoRecognize(down); }
  void RemoveSelectedMarked();  // mmMarkedKeyDown with Delete, mmMarkedDblClick
  void SelectMarked(int line);
  void SelectVariantRow(int row);
  void grdVariantsClick() { actPlaySelectedChordExecute(); }
  void actPlaySelectedChordExecute() { session_.PlayVariant(grdVariants_.Row - 1); }
  // The selected variant becomes the chord of the beat under the grid's cursor.
  void actSetSelectedChordExecute();
  void SetTrackChecked(int index, bool checked);
  void SelectTrack(int index);
  // The key list's entries in the settings' note notation, keeping the selection (and the
  // current-key display in step with it); the marked notes and the variants are named anew.
  void FillKeyList();
  // The marked notes and the chord variants named anew in the settings' note notation.
  void ShowNoteNames();
  // The transposition list, with the key each entry leads to while it is dropped down.
  void FillTransposeList(bool withKeys);
  // The variants of a set of notes (the command line's recognition uses this too).
  void VariantsForNotes(const TNotes& notes) { session_.RecognizeNotes(notes); }
  // A chord held on a MIDI keyboard: with the auto-search button down its notes become the
  // marked keys and are recognised; with it up the keyboard only sounds.
  void KeyboardChord(const TNotes& notes) {
    if (session_.Model().autoRecognize) session_.MarkPlayedNotes(notes);
  }

  // ---- The song grid's cursor -----------------------------------------------------------
  void SetSongCell(int col, int row);
  // The beat under the grid's cursor, or -1 when the cursor is on no beat.
  int CurrentGridBeat() const;
  // The cursor moves on to the next beat: after the fourth, to the first of the next row.
  void AdvanceSongCell();
  // While the song plays the cursor follows the beat at the position, as long as that beat
  // has a row in the grid.
  void FollowPlayback(int32_t tick);
  // The grid cell of a beat and the beat of a grid cell (row 0 and column 0 are headers).
  static void BeatCell(int beat, int& col, int& row);
  static int CellBeat(int col, int row);

  // ---- State -------------------------------------------------------------------------------
  const TStringGrid& grdSong() const { return grdSong_; }
  const std::vector<std::string>& cbRootOrigItems() const { return cbRootOrigItems_; }
  int cbRootOrigIndex() const { return session_.key(); }
  const std::vector<std::string>& cbTransposItems() const { return cbTransposItems_; }
  int cbTransposIndex() const { return 11 - session_.transposition(); }
  const std::string& stRootNew() const { return stRootNew_; }
  const std::string& cbBpmText() const { return cbBpmText_; }
  static std::vector<std::string> cbBpmItems();
  TBeatCommand CheckedBeatCommand() const;
  const std::vector<TTrackRow>& lvTracks() const { return lvTracks_; }
  int lvTracksSelected() const { return lvTracksSelected_; }
  const std::string& edtLength() const { return edtLength_; }
  const TStringGrid& grdVariants() const { return grdVariants_; }
  const std::string& stVariants() const { return stVariants_; }
  const std::vector<std::string>& mmMarked() const { return mmMarked_; }
  int mmMarkedIndex() const { return mmMarkedIndex_; }
  bool mmMarkedVisible() const { return !session_.Searching(); }
  bool btnAutoSearchMarked() const { return session_.Model().autoRecognize; }
  const std::string& mmText() const { return session_.Model().lyrics; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  // The chord name a beat shows, empty when it has none.
  std::string BeatChordName(int beat) const;
  // The beats' chord names anew, the cursor kept: the key, the transposition or the spelling
  // of the names changed.
  void RenameBeats();

 private:
  void Changed(const TSongNotice& notice);
  void SongOpened();
  void FillSongGrid();
  void LayOutSongGrid();
  void ShowCurrentKey();
  void ShowVariants();
  void SetMarkedLines(int key, bool marked);
  // The key the names are spelled in (none: sharps).
  std::optional<TKeySpelling> Spelling() const;

  TSongSession& session_;
  TSettings& settings_;
  int observer_ = 0;

  TStringGrid grdSong_{5, 2};
  std::vector<std::string> cbRootOrigItems_;
  std::vector<std::string> cbTransposItems_;
  std::string stRootNew_;
  std::string cbBpmText_;
  std::vector<TTrackRow> lvTracks_;
  int lvTracksSelected_ = -1;
  std::string edtLength_;
  TStringGrid grdVariants_{3, 2};
  std::string stVariants_;
  std::vector<std::string> mmMarked_;
  int mmMarkedIndex_ = -1;
  std::string caption_;
};
