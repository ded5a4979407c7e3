// The song chord search: a silent replay of the song beat by beat, the notes of each beat
// measured per channel, and the chord of each beat recognised from them.
#include <algorithm>
#include <limits>

#include "base/untMesConst.h"
#include "song/EngineScan.h"
#include "chords/untKeysense.h"
#include "song/ChordContinuity.h"
#include "settings/untVars.h"
#include "song/SongSession.h"

namespace {

constexpr int32_t kMaxTick = std::numeric_limits<int32_t>::max();

// End of beat b; a song reaching the end of the tick range ends its last beat there.
int32_t BeatEnd(size_t b, int32_t beatLength) {
  int64_t end = (static_cast<int64_t>(b) + 1) * beatLength;
  return static_cast<int32_t>(std::min<int64_t>(end, kMaxTick));
}

}  // namespace

void TSongSession::actSearchSongChordsExecute() {
  if (beatLength_ > 1) {
    if (!beats_.empty() &&
        prompter_.Question(Mes(MesId::SCaptionConfirm), Mes(MesId::SSongRescanQuestion),
                           TPromptButtons::YesNoCancel, TPromptIcon::Question) != TPromptAnswer::Yes)
      return;
    int32_t length = std::max(0, MidiFile.SongLength());
    int64_t count = int64_t{length} / beatLength_ + 1;
    if (count > MaxSongBeats) {
      // A damaged file claiming a song of hours at a beat of a few ticks: its beats would
      // not fit in memory, and no one reads chords of millions of beats.
      beats_.clear();
      FillSongGrid(std::string());
      prompter_.Error(Mes(MesId::SCaptionError),
                      MesFormat(MesId::SSongTooLong, MidiFile.Filename(), count, int64_t{MaxSongBeats}));
      return;
    }
    StopPlaying();
    beats_.assign(static_cast<size_t>(count), TVariants{});
  } else {
    // No beats to search: the grid must not go on showing the chords of the old ones.
    beats_.clear();
    FillSongGrid(std::string());
  }
  SearchSongChords();
}

bool TSongSession::ActivateKeysense() {
  if (Keysense && cbRootOrigIndex_ < 0) {
    if (prompter_.Question(Mes(MesId::SCaptionConfirm), Mes(MesId::SSongKeysenseQuestion),
                           TPromptButtons::YesNo, TPromptIcon::Question) == TPromptAnswer::Yes)
      actFindRootExecute();
    else
      prompter_.Message(Mes(MesId::SSongKeysenseOff));
  }
  KeysenseActive = Keysense && cbRootOrigIndex_ >= 0 && static_cast<bool>(KeysenseChooser);
  return KeysenseActive;
}

int TSongSession::KeyTonic() const { return ((cbRootOrigIndex_ - cbTransposIndex_ + 23) % 12 + 12) % 12; }

void TSongSession::CollectBeatNote(const TMidiEventEx& e) {
  if (e.Status == 0xFF) return;
  int channel = e.Status & 0x0F;
  int kind = e.Status & 0xF0;
  if (channel == TChordSearch::PercussionChannel || (kind != 0x80 && kind != 0x90)) return;
  bool start = kind == 0x90 && e.Data2 > 0;
  if (e.Data1 > 127) return;  // shifted out of range by a transposition
  MidiPiano.HandleMidiMessage(e.Status, e.Data1, e.Data2);
  if (start)
    search_.NoteStart(e.Data1, channel, e.Time);
  else
    search_.NoteRelease(e.Data1, channel, e.Time);
}

void TSongSession::SearchSongChords() {
  MidiPiano.ClearMarks();
  if (beats_.empty()) return;
  KeysenseActive = false;
  if (Keysense) ActivateKeysense();

  // The marks the replay makes must not start the variant search of the marked notes.
  MidiPiano.MarkMode = true;
  mmMarkedVisible_ = false;
  btnAutoSearchMarked_ = false;
  // Every beat ends with its marks cleared, so the hidden marked-notes list would only be
  // filled and emptied again for each note: it is left alone while the replay runs.
  searching_ = true;
  search_.Reset(beatLength_);
  MidiFile.Rewind();
  TFinally restore([this] {
    MidiPiano.ClearMarks();  // a scan cut short leaves no stray marks
    searching_ = false;
    btnAutoSearchMarked_ = true;
    mmMarkedVisible_ = true;
    MidiPiano.MarkMode = false;
    FillSongGrid("?");
    status_.ShowStatus(std::string());
  });
  TEngineHandlersGuard borrow(MidiFile, [this](PMidiEventEx e, int32_t) { CollectBeatNote(*e); });
  status_.ShowStatus(Mes(MesId::SSongSearchWait));

  int tonic = KeysenseActive ? KeyTonic() : 0;
  const TKeysenseChooser* chooser = KeysenseActive ? &KeysenseChooser : nullptr;
  // With continuity every beat that gets a table chord keeps the values of all the table's
  // entries; the chords are chosen from them once the whole song has been heard.
  const bool continuity = KeysenseActive && ChordContinuity;
  std::vector<TEntryValues> values;
  size_t b = 0;
  TKeysenseChooser keepValues = [&](const TKeysenseWeights& w, int k) {
    std::optional<TChord> chord = KeysenseChooser(w, k);
    if (chord) KeysenseValues(w, k, values[b]);
    return chord;
  };
  if (continuity) {
    values.resize(beats_.size());
    chooser = &keepValues;
  }
  for (b = 0; b < beats_.size(); ++b) {
    search_.StartBeat();
    int32_t end = BeatEnd(b, beatLength_);
    MidiFile.Seek(end, true);
    search_.FlushSoundingNotes(end);
    search_.AnalyseBeat(beats_[b], chooser, tonic);
    MidiPiano.ClearMarks();
  }
  MidiFile.Seek(0, false);
  if (continuity) ChooseContinuousChords(values, tonic);
}

void TSongSession::ChooseContinuousChords(const std::vector<TEntryValues>& values, int tonic) {
  const std::vector<int32_t> path = ChooseContinuousEntries(values, ContinuityGroups(KeysenseTable), ChordChangePenalty);
  std::vector<TChord> entryChords;
  for (size_t e = 0; e < KeysenseTable.size(); ++e) entryChords.push_back(KeysenseEntryChord(e, tonic));
  for (size_t b = 0; b < beats_.size(); ++b) {
    if (path[b] < 0) continue;
    TVariants& v = beats_[b];
    const TChords exact = RecognizeChords(v.notes, RecognitionMode::AllVariants);
    v.chords = ContinuityVariants(values[b], entryChords, path[b], exact, v.chosen);
  }
}

void TSongSession::FillSongGrid(const std::string& marker) {
  grdSong_.SetRowCount(2);
  grdSong_.ClearRow(1);
  grdSong_.Row = 1;
  grdSong_.Col = 1;
  size_t n = beats_.size();
  grdSong_.SetRowCount(static_cast<int>(n / 4) + 2);
  for (int row = 1; row < grdSong_.RowCount(); ++row) grdSong_.ClearRow(row);
  for (size_t b = 0; b < n; ++b) {
    int row = static_cast<int>(b / 4) + 1;
    int col = static_cast<int>(b % 4) + 1;
    const TVariants& v = beats_[b];
    if (col == 1) grdSong_.SetCell(0, row, std::to_string(b / 4));
    if (v.HasChord())
      grdSong_.SetCell(col, row, ChordName(v.Chord()));
    else if (!v.notes.empty())
      grdSong_.SetCell(col, row, marker);
  }
}
