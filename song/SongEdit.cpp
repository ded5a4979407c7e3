// Chord editing: the variants of a beat or of the marked notes, playing and applying a
// variant, the marked-notes list, and the simplification of all chords.
#include <algorithm>
#include <cstdlib>

#include "base/untMesConst.h"
#include "song/SongSession.h"

namespace {

std::string MarkedLine(int key) {
  return std::to_string(key) + " - " + PitchName(static_cast<int8_t>(key), AccidentalSpelling::Sharps);
}

// The key a line of the marked-notes list stands for: the number before its name.
int MarkedLineKey(const std::string& line) { return std::atoi(line.substr(0, line.find(' ')).c_str()); }

// The tones of a variant as the grid lists them, slot by slot (a slash chord's bass last).
std::string ToneList(TChord chord) {
  TChordTones tones = ChordTones(chord);
  std::string text;
  for (int8_t slot : tones)
    if (slot != NoChordTone) text += PitchName(static_cast<int8_t>(chord.BasePitch + slot), AccidentalSpelling::Sharps) + " ";
  return text;
}

}  // namespace

void TSongSession::ShowVariants() {
  grdVariants_.SetRowCount(2);
  grdVariants_.ClearRow(1);
  const TChords& chords = CurrentBeat_.chords;
  int n = static_cast<int>(chords.size());
  if (n >= grdVariants_.RowCount()) grdVariants_.SetRowCount(n + 1);
  for (int k = 0; k < n; ++k) {
    grdVariants_.SetCell(0, k + 1, std::to_string(k + 1));
    grdVariants_.SetCell(1, k + 1, ChordName(chords[static_cast<size_t>(k)]));
    grdVariants_.SetCell(2, k + 1, ToneList(chords[static_cast<size_t>(k)]));
  }
  grdVariants_.Row = std::clamp(CurrentBeat_.chosen + 1, 1, grdVariants_.RowCount() - 1);
  stVariants_ = MesFormat(MesId::SSongVariantsFound, n);
}

void TSongSession::VariantsForNotes(const TNotes& notes) {
  CurrentBeat_.chords = RecognizeChords(notes, RecognitionMode::AllVariants);
  CurrentBeat_.chosen = 0;
  ShowVariants();
}

void TSongSession::VariantsForMarked() {
  TNotes notes;
  for (int n = 0; n < TMidiPianoModel::NoteCount; ++n)
    if (MidiPiano.IsMarked(n)) notes.push_back(n);
  VariantsForNotes(notes);
}

void TSongSession::ShowBeatVariants(int beat) {
  if (beat < 0 || beat >= static_cast<int>(beats_.size())) return;
  CurrentBeat_ = beats_[static_cast<size_t>(beat)];
  ShowVariants();
}

void TSongSession::MarkBeatForPlay(int beat) {
  if (beat < 0 || beat >= static_cast<int>(beats_.size())) return;
  SetAutoSearchMarked(false);
  MidiPiano.ClearMarks();
  for (int note : beats_[static_cast<size_t>(beat)].notes) MidiPiano.SetMarked(note, true);
  ShowBeatVariants(beat);
}

// The list keeps its lines sorted as text ("100 - E7" before "60 - C4"); the selection
// follows its line when lines are added or removed above it.
void TSongSession::SetMarkedLines(int key, bool marked) {
  std::string line = MarkedLine(key);
  if (marked) {
    auto at = std::upper_bound(mmMarked_.begin(), mmMarked_.end(), line);
    int index = static_cast<int>(at - mmMarked_.begin());
    mmMarked_.insert(at, std::move(line));
    if (mmMarkedIndex_ >= index) ++mmMarkedIndex_;
  } else {
    // Found by its key, not its text: the line may name the note in the notation it was
    // marked in.
    auto at = std::find_if(mmMarked_.begin(), mmMarked_.end(),
                           [key](const std::string& l) { return MarkedLineKey(l) == key; });
    if (at == mmMarked_.end()) return;
    int index = static_cast<int>(at - mmMarked_.begin());
    mmMarked_.erase(at);
    if (mmMarkedIndex_ == index)
      mmMarkedIndex_ = -1;
    else if (mmMarkedIndex_ > index)
      --mmMarkedIndex_;
  }
}

void TSongSession::ShowNoteNames() {
  // Same keys, so the same order: the lines sort by their numbers first.
  for (std::string& line : mmMarked_) line = MarkedLine(MarkedLineKey(line));
  if (CurrentBeat_.chords.empty()) return;
  const int row = grdVariants_.Row;
  ShowVariants();
  grdVariants_.Row = row;
}

void TSongSession::MidiPianoMarkKey(int key, bool marked) {
  if (searching_) return;
  SetMarkedLines(key, marked);
  if (btnAutoSearchMarked_) VariantsForMarked();
}

void TSongSession::btnAutoSearchMarkedMouseDown() {
  // Pressing the button while it is up puts it down: the marked notes are searched at once.
  if (!btnAutoSearchMarked_) VariantsForMarked();
  btnAutoSearchMarked_ = !btnAutoSearchMarked_;
}

void TSongSession::SelectMarked(int line) {
  mmMarkedIndex_ = line >= 0 && line < static_cast<int>(mmMarked_.size()) ? line : -1;
}

void TSongSession::RemoveSelectedMarked() {
  if (mmMarked_.empty()) return;
  btnAutoSearchMarked_ = true;
  int i = mmMarkedIndex_;
  if (i < 0) return;
  int key = MarkedLineKey(mmMarked_[static_cast<size_t>(i)]);
  MidiPiano.SetMarked(key, false);  // removes the line and searches the rest
  int count = static_cast<int>(mmMarked_.size());
  mmMarkedIndex_ = i < count ? i : count - 1;
}

void TSongSession::SelectVariantRow(int row) {
  grdVariants_.Row = std::clamp(row, 1, std::max(1, grdVariants_.RowCount() - 1));
}

void TSongSession::actPlaySelectedChordExecute() {
  int k = grdVariants_.Row - 1;
  if (k < 0 || k >= static_cast<int>(CurrentBeat_.chords.size())) return;
  btnAutoSearchMarked_ = false;
  for (int n = 0; n < TMidiPianoModel::NoteCount; ++n) MidiPiano.SetMarked(n, false);
  TChord& chord = CurrentBeat_.chords[static_cast<size_t>(k)];
  TChordTones tones = ChordTones(chord);
  for (int8_t slot : tones)
    if (slot != NoChordTone) MidiPiano.SetMarked(chord.BasePitch + slot, true);
  if (Playback.PlayMarkedNotes) Playback.PlayMarkedNotes();
}

void TSongSession::actSetSelectedChordExecute() {
  if (CurrentBeat_.chords.empty()) return;
  int b = CurrentGridBeat();
  if (b < 0) return;
  TVariants& beat = beats_[static_cast<size_t>(b)];
  if (!beat.HasChord()) return;
  int k = grdVariants_.Row - 1;
  if (k < 0 || k >= static_cast<int>(CurrentBeat_.chords.size())) return;
  TChord oldChord = beat.Chord();
  TChord newChord = CurrentBeat_.chords[static_cast<size_t>(k)];
  if (prompter_.Question(Mes(MesId::SCaptionConfirm),
                         MesFormat(MesId::SSongReplaceChord, ChordName(oldChord), ChordName(newChord)),
                         TPromptButtons::YesNoCancel, TPromptIcon::Question) != TPromptAnswer::Yes)
    return;
  // The beat may have changed while the question was open.
  if (b >= static_cast<int>(beats_.size())) return;
  TVariants& target = beats_[static_cast<size_t>(b)];
  if (!target.HasChord() || !SameChord(target.Chord(), oldChord)) return;
  target = CurrentBeat_;
  target.chosen = k;
  grdSong_.SetCell(b % 4 + 1, b / 4 + 1, ChordName(newChord));
}

void TSongSession::SimplifyChords() {
  if (prompter_.Question(Mes(MesId::SCaptionWarning), Mes(MesId::SSongSimplifyQuestion),
                         TPromptButtons::YesNoCancel, TPromptIcon::Question) != TPromptAnswer::Yes)
    return;
  for (size_t b = 0; b < beats_.size(); ++b) {
    TVariants& v = beats_[b];
    for (TChord& c : v.chords) {
      if (c.RootOffset != 0) {
        c.BasePitch = static_cast<int8_t>(c.BasePitch + c.RootOffset);
        c.RootOffset = 0;
        c.BassOffset = 0;
      }
      c.Extension = 0;
      c.ExtensionAlteration = 0;
      c.AddFlag = 0;
      c.FifthAlteration = 0;
      c.NinthAlteration = 0;
      c.EleventhAlteration = 0;
    }
    // Every second beat gives up its chord: a simple accompaniment changes chords less often.
    if (b % 2 == 1 && !v.chords.empty()) {
      v.chords.clear();
      v.chosen = 0;
    }
  }
  FillSongGrid(std::string());
}
