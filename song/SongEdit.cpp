// Chord editing: the variants of a beat or of the marked keys, playing and choosing a
// variant, and the simplification of all chords.
#include <algorithm>
#include <array>

#include "base/untMesConst.h"
#include "song/SongSession.h"

void TSongSession::RecognizeNotes(const TNotes& notes) {
  model_.variants.notes = notes;
  model_.variants.chords = RecognizeChords(notes, RecognitionMode::AllVariants);
  model_.variants.chosen = 0;
  model_.variantsBeat = -1;
  Notify(TSongChange::Variants);
}

void TSongSession::RecognizeMarkedNotes() {
  TNotes notes;
  for (int n = 0; n < TMidiPianoModel::NoteCount; ++n)
    if (MidiPiano.IsMarked(n)) notes.push_back(n);
  RecognizeNotes(notes);
}

void TSongSession::TakeBeatVariants(int beat) {
  if (beat < 0 || beat >= static_cast<int>(model_.beats.size())) return;
  model_.variants = model_.beats[static_cast<size_t>(beat)];
  model_.variantsBeat = beat;
  Notify(TSongChange::Variants);
}

void TSongSession::MarkBeatForPlay(int beat) {
  if (beat < 0 || beat >= static_cast<int>(model_.beats.size())) return;
  SetAutoRecognize(false);
  MidiPiano.ClearMarks();
  for (int note : model_.beats[static_cast<size_t>(beat)].notes) MidiPiano.SetMarked(note, true);
  TakeBeatVariants(beat);
}

void TSongSession::MarkNote(int key, bool /*marked*/) {
  Notify(TSongChange::MarkedNotes, key);
  if (model_.autoRecognize && !markingPlayed_) RecognizeMarkedNotes();
}

void TSongSession::MarkPlayedNotes(const TNotes& notes) {
  if (searching_) return;
  std::array<bool, TMidiPianoModel::NoteCount> wanted{};
  for (int note : notes)
    if (note >= 0 && note < TMidiPianoModel::NoteCount) wanted[static_cast<size_t>(note)] = true;
  markingPlayed_ = true;
  for (int n = 0; n < TMidiPianoModel::NoteCount; ++n)
    if (MidiPiano.IsMarked(n) != wanted[static_cast<size_t>(n)]) MidiPiano.SetMarked(n, wanted[static_cast<size_t>(n)]);
  markingPlayed_ = false;
  if (model_.autoRecognize) RecognizeMarkedNotes();
}

void TSongSession::SetAutoRecognize(bool on) {
  model_.autoRecognize = on;
  Notify(TSongChange::AutoRecognize);
}

void TSongSession::PlayVariant(int variant) {
  if (variant < 0 || variant >= static_cast<int>(model_.variants.chords.size())) return;
  SetAutoRecognize(false);
  for (int n = 0; n < TMidiPianoModel::NoteCount; ++n) MidiPiano.SetMarked(n, false);
  TChord& chord = model_.variants.chords[static_cast<size_t>(variant)];
  TChordTones tones = ChordTones(chord);
  for (int8_t slot : tones)
    if (slot != NoChordTone) MidiPiano.SetMarked(chord.BasePitch + slot, true);
  if (Playback.PlayMarkedNotes) Playback.PlayMarkedNotes();
}

bool TSongSession::ChooseVariant(int beat, int variant) {
  const TVariants& variants = model_.variants;
  if (variants.chords.empty()) return false;
  if (beat < 0 || beat >= static_cast<int>(model_.beats.size())) return false;
  if (!model_.beats[static_cast<size_t>(beat)].HasChord()) return false;
  if (variant < 0 || variant >= static_cast<int>(variants.chords.size())) return false;
  const TChord oldChord = model_.beats[static_cast<size_t>(beat)].Chord();
  const TChord newChord = variants.chords[static_cast<size_t>(variant)];
  if (prompter_.Question(Mes(MesId::SCaptionConfirm),
                         MesFormat(MesId::SSongReplaceChord, ChordName(oldChord, options_.notation),
                                   ChordName(newChord, options_.notation)),
                         TPromptButtons::YesNoCancel, TPromptIcon::Question) != TPromptAnswer::Yes)
    return false;
  // The beat may have changed while the question was open.
  if (beat >= static_cast<int>(model_.beats.size())) return false;
  TVariants& target = model_.beats[static_cast<size_t>(beat)];
  if (!target.HasChord() || !SameChord(target.Chord(), oldChord)) return false;
  // The beat keeps its own notes: the variants may be those of the marked keys.
  target.chords = model_.variants.chords;
  target.chosen = variant;
  Notify(TSongChange::BeatChord, beat);
  return true;
}

void TSongSession::SimplifyChords() {
  if (prompter_.Question(Mes(MesId::SCaptionWarning), Mes(MesId::SSongSimplifyQuestion),
                         TPromptButtons::YesNoCancel, TPromptIcon::Question) != TPromptAnswer::Yes)
    return;
  for (size_t b = 0; b < model_.beats.size(); ++b) {
    TVariants& v = model_.beats[b];
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
      v.dropped = true;
    }
  }
  model_.simplified = true;
  Notify(TSongChange::ChordsSimplified);
}
