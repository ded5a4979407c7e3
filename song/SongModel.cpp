#include "song/SongModel.h"

#include <algorithm>

int TSongObservers::Add(TSongObserver observer) {
  observers_.emplace_back(next_, std::move(observer));
  return next_++;
}

void TSongObservers::Remove(int id) {
  std::erase_if(observers_, [id](const auto& o) { return o.first == id; });
}

void TSongObservers::Notify(TSongChange what, int index) const {
  const TSongNotice notice{what, index};
  for (const auto& o : observers_) o.second(notice);
}

TNoChordReason NoChordReason(const TVariants& beat) {
  if (beat.HasChord()) return TNoChordReason::HasChord;
  if (beat.dropped) return TNoChordReason::Dropped;
  return beat.notes.empty() ? TNoChordReason::Silent : TNoChordReason::Unrecognised;
}

std::optional<TChord> TSongModel::ChosenChord(int beat) const {
  if (beat < 0 || beat >= static_cast<int>(beats.size())) return std::nullopt;
  const TVariants& v = beats[static_cast<size_t>(beat)];
  if (!v.HasChord()) return std::nullopt;
  return v.Chord();
}

std::string VariantToneList(TChord chord, NoteNotation notation) {
  TChordTones tones = ChordTones(chord);
  std::string text;
  for (int8_t slot : tones)
    if (slot != NoChordTone)
      text += PitchName(static_cast<int8_t>(chord.BasePitch + slot), AccidentalSpelling::Sharps, notation) + " ";
  return text;
}

std::string BeatChordText(const TSongModel& model, int beat, NoteNotation notation,
                          const std::optional<TKeySpelling>& key) {
  if (beat < 0 || beat >= static_cast<int>(model.beats.size())) return std::string();
  const TVariants& v = model.beats[static_cast<size_t>(beat)];
  if (v.HasChord()) return ChordNameIn(v.Chord(), notation, key);
  return v.notes.empty() || model.simplified ? std::string() : std::string("?");
}
