// The song chord search: a walk over the song beat by beat, the notes of each beat measured
// per channel, and the chord of each beat recognised from them.
#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

#include "base/untMesConst.h"
#include "midi/MidiConstants.h"
#include "midi/EventWalk.h"
#include "base/Finally.h"
#include "chords/untKeysense.h"
#include "song/ChordContinuity.h"
#include "song/ChordModelSearch.h"
#include "song/SongSession.h"

namespace {

constexpr int32_t kMaxTick = std::numeric_limits<int32_t>::max();

// End of beat b; a song reaching the end of the tick range ends its last beat there.
int32_t BeatEnd(size_t b, int32_t beatLength) {
  int64_t end = (static_cast<int64_t>(b) + 1) * beatLength;
  return static_cast<int32_t>(std::min<int64_t>(end, kMaxTick));
}

}  // namespace

void TSongSession::FindChords() {
  TBeats& beats = model_.beats;
  const int32_t beatLength = model_.beatLength;
  if (beatLength > 1) {
    if (!beats.empty() &&
        prompter_.Question(Mes(MesId::SCaptionConfirm), Mes(MesId::SSongRescanQuestion),
                           TPromptButtons::YesNoCancel, TPromptIcon::Question) != TPromptAnswer::Yes)
      return;
    int32_t length = std::max(0, MidiFile.SongLength());
    int64_t count = int64_t{length} / beatLength + 1;
    if (count > MaxSongBeats) {
      // A damaged file claiming a song of hours at a beat of a few ticks: its beats would
      // not fit in memory, and no one reads chords of millions of beats.
      beats.clear();
      Notify(TSongChange::Chords);
      prompter_.Error(Mes(MesId::SCaptionError),
                      MesFormat(MesId::SSongTooLong, MidiFile.Filename(), count, int64_t{MaxSongBeats}));
      return;
    }
    StopPlaying();
    beats.assign(static_cast<size_t>(count), TVariants{});
  } else {
    // No beats to search: nothing may go on showing the chords of the old ones.
    beats.clear();
    Notify(TSongChange::Chords);
  }
  SearchChords();
}

void TSongSession::ActivateKeysense() {
  if (!model_.key.Known()) {
    TRememberedAnswer answer = options_.keysenseKeyAnswer;
    bool remembered = answer != TRememberedAnswer::None;
    if (!remembered) {
      const TPromptReply reply =
          prompter_.QuestionRemembered(Mes(MesId::SCaptionConfirm), Mes(MesId::SSongKeysenseQuestion),
                                       TPromptButtons::YesNo, TPromptIcon::Question, Mes(MesId::SDontAskAgain));
      answer = reply.answer == TPromptAnswer::Yes ? TRememberedAnswer::Yes : TRememberedAnswer::No;
      if (reply.remember) {
        options_.keysenseKeyAnswer = answer;
        if (OnKeysenseAnswerRemembered) OnKeysenseAnswerRemembered(answer);
      }
      remembered = reply.remember;
    }
    if (answer == TRememberedAnswer::Yes) {
      // Asked each time, the user hears of the key found; a standing Yes shows it in the key
      // list only.
      if (remembered)
        DetectKeySilently();
      else
        FindKey();
    }
    // A standing answer has no one waiting for a box: the notice stays in the status bar.
    if (!model_.key.Known()) {
      if (remembered)
        searchNotice_ = Mes(MesId::SSongKeysenseOff);
      else if (answer == TRememberedAnswer::No)
        prompter_.Message(Mes(MesId::SSongKeysenseOff));
    }
  }
  model_.keysenseActive = model_.key.Known() && static_cast<bool>(KeysenseChooser);
}

void TSongSession::CollectBeatNote(const TMidiEventEx& e, int32_t trackNo, TSoundingNoteCollector* sounding) {
  if (e.Status == MidiStatus::Meta) return;
  int channel = e.Status & MidiStatus::ChannelMask;
  int kind = e.Status & MidiStatus::KindMask;
  if (channel == MidiPercussionChannel || (kind != MidiStatus::NoteOff && kind != MidiStatus::NoteOn)) return;
  bool start = kind == MidiStatus::NoteOn && e.Data2 > 0;
  if (e.Data1 > 127) return;  // shifted out of range by a transposition
  if (start) {
    search_.NoteStart(e.Data1, channel, e.Time);
    if (sounding) sounding->Start(trackNo, channel, e.Data1, e.Time);
  } else {
    search_.NoteRelease(e.Data1, channel, e.Time);
    if (sounding) sounding->Release(trackNo, channel, e.Data1, e.Time);
  }
}

void TSongSession::SearchChords() {
  MidiPiano.ClearMarks();
  TBeats& beats = model_.beats;
  if (beats.empty()) return;
  model_.keysenseActive = false;
  searchNotice_.clear();
  const TChordModel* learned = options_.chordModel.get();
  if (options_.keysense && !learned) ActivateKeysense();
  // The model needs no key, but the song's key is still named beside its chords: found
  // without asking, as the table would have asked to.
  if (learned && !model_.key.Known()) DetectKeySilently();

  // The search walks the song itself: it neither plays nor marks a piano key. As a command it
  // leaves the song stopped at its start with no key marked, and the marked keys recognised
  // at once again.
  MidiFile.Rewind();
  searching_ = true;
  search_.Reset(model_.beatLength);
  TFinally restore([this] {
    searching_ = false;
    model_.autoRecognize = true;
    model_.simplified = false;
    MidiPiano.MarkMode = false;
    Notify(TSongChange::AutoRecognize);
    Notify(TSongChange::Chords);
    status_.ShowStatus(std::exchange(searchNotice_, std::string()));
  });
  TEventWalk walk(MidiFile.Song());
  status_.ShowStatus(Mes(MesId::SSongSearchWait));

  const int tonic = model_.keysenseActive ? model_.key.TonicAfter(model_.transposition) : 0;
  const TKeysenseChooser* chooser = model_.keysenseActive ? &KeysenseChooser : nullptr;
  const int32_t beatLength = model_.beatLength;
  // With continuity every beat that gets a table chord keeps the values of all the table's
  // entries; the chords are chosen from them once the whole song has been heard.
  const bool continuity = model_.keysenseActive && options_.continuity;
  std::vector<TEntryValues> values;
  size_t b = 0;
  TKeysenseChooser keepValues = [&](const TKeysenseWeights& w, int k) {
    std::optional<TChord> chord = KeysenseChooser(w, k);
    if (chord) KeysenseValues(ActiveKeysenseTable(), w, k, values[b]);
    return chord;
  };
  if (continuity) {
    values.resize(beats.size());
    chooser = &keepValues;
  }
  // The model hears the song's notes from the same walk.
  std::optional<TSoundingNoteCollector> sounding;
  if (learned) sounding.emplace(MidiFile.Song());
  TSoundingNoteCollector* collector = sounding ? &*sounding : nullptr;
  for (b = 0; b < beats.size(); ++b) {
    search_.StartBeat();
    int32_t end = BeatEnd(b, beatLength);
    walk.To(end, [&](const TMidiEventEx& e, int32_t trackNo) { CollectBeatNote(e, trackNo, collector); });
    search_.FlushSoundingNotes(end);
    if (learned)
      search_.CollectBeatNotes(beats[b]);
    else
      search_.AnalyseBeat(beats[b], chooser, tonic);
  }
  if (continuity) ChooseContinuousChords(values, tonic);
  // The walk gave every beat its notes; the model chooses the chords from the events.
  if (learned) {
    walk.ToEnd([&](const TMidiEventEx& e, int32_t trackNo) { sounding->Event(e, trackNo); });
    ApplyChordModel(*learned, sounding->Finish(), beatLength, beats);
  }
}

void TSongSession::ChooseContinuousChords(const std::vector<TEntryValues>& values, int tonic) {
  const std::vector<KeysenseEntry>& table = ActiveKeysenseTable();
  const std::vector<int32_t> path = ChooseContinuousEntries(values, ContinuityGroups(table), ChordChangePenalty);
  std::vector<TChord> entryChords;
  entryChords.reserve(table.size());
  for (const KeysenseEntry& e : table) entryChords.push_back(KeysenseEntryChord(e, tonic));
  TBeats& beats = model_.beats;
  for (size_t b = 0; b < beats.size(); ++b) {
    if (path[b] < 0) continue;
    TVariants& v = beats[b];
    const TChords exact = RecognizeChords(v.notes, RecognitionMode::AllVariants);
    v.chords = ContinuityVariants(values[b], entryChords, path[b], exact, v.chosen);
  }
}
