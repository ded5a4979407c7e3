#include "song/SongSession.h"

#include <algorithm>

#include "chords/untKeysense.h"
#include "song/LyricsView.h"

TSongSession::TSongSession(Prompter& prompter, StatusSink& status)
    : prompter_(prompter), status_(status) {
  KeysenseChooser = [](const TKeysenseWeights& w, int tonic) { return KeysenseChoose(w, tonic); };
  MidiPiano.OnMarkKey = [this](int key, bool marked) { MidiPianoMarkKey(key, marked); };
  FillKeyList();
  FillTransposeList(false);
  LayOutSongGrid();
}

void TSongSession::StopPlaying() {
  if (!MidiFile.Playing()) return;
  if (Playback.StopPlayback)
    Playback.StopPlayback();
  else
    MidiFile.Stop();
}

void TSongSession::RewindSong() {
  if (Playback.Rewind)
    Playback.Rewind();
  else
    MidiFile.Rewind();
  fragmentStart_ = 0;
}

void TSongSession::SetTrackChecked(int index, bool checked) {
  if (index < 0 || index >= static_cast<int>(lvTracks_.size())) return;
  lvTracks_[static_cast<size_t>(index)].Checked = checked;
  if (index < MidiFile.NumberOfTracks()) MidiFile.TrackAt(index).SetMuted(!checked);
}

void TSongSession::SelectTrack(int index) {
  if (index >= -1 && index < static_cast<int>(lvTracks_.size())) lvTracksSelected_ = index;
}

void TSongSession::SetSongCell(int col, int row) {
  grdSong_.Col = std::clamp(col, 1, grdSong_.ColCount() - 1);
  grdSong_.Row = std::clamp(row, 1, std::max(1, grdSong_.RowCount() - 1));
}

void TSongSession::AppendLyricText(std::string_view lyric) { AppendLyric(mmText_, lyric); }

void TSongSession::AdvanceSongCell() {
  if (grdSong_.Col < 4)
    SetSongCell(grdSong_.Col + 1, grdSong_.Row);
  else
    SetSongCell(1, grdSong_.Row + 1);
}

void TSongSession::FollowPlayback(int32_t tick) {
  if (beatLength_ <= 0 || tick < 0) return;
  const int32_t b = tick / beatLength_;
  if (b / 4 + 1 < grdSong_.RowCount()) SetSongCell(b % 4 + 1, b / 4 + 1);
}

int TSongSession::CurrentGridBeat() const {
  if (grdSong_.Row < 1 || grdSong_.Col < 1) return -1;
  int b = (grdSong_.Row - 1) * 4 + (grdSong_.Col - 1);
  return b < static_cast<int>(beats_.size()) ? b : -1;
}

std::string TSongSession::BeatChordName(int beat) const {
  if (beat < 0 || beat >= static_cast<int>(beats_.size())) return std::string();
  const TVariants& v = beats_[static_cast<size_t>(beat)];
  return v.HasChord() ? ChordName(v.Chord()) : std::string();
}
