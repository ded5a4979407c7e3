// Transposition, playback speed and beat length.
#include <algorithm>

#include "base/untMesConst.h"
#include "midi/MidiConstants.h"
#include "base/Finally.h"
#include "song/SongSession.h"

void TSongSession::Transpose(int semitones) {
  if (semitones < -11 || semitones > 11) return;
  StopPlaying();
  const int delta = semitones - model_.transposition;
  const int shownBeat = model_.variantsBeat;
  // Stored before the search runs: a key detection it may start counts the shifted notes
  // back by this amount.
  model_.transposition = semitones;
  Notify(TSongChange::Transposition);
  status_.ShowStatus(Mes(MesId::SSongTransposeWait));
  {
    TFinally clearHint([this] { status_.ShowStatus(std::string()); });
    for (int32_t i = 0; i < MidiFile.NumberOfTracks(); ++i) {
      for (TMidiEventEx& e : MidiFile.TrackAt(i).Events()) {
        const int kind = e.Status & MidiStatus::KindMask;
        if (e.Status == MidiStatus::Meta || (e.Status & MidiStatus::ChannelMask) == MidiPercussionChannel ||
            (kind != MidiStatus::NoteOff && kind != MidiStatus::NoteOn && kind != MidiStatus::PolyPressure))
          continue;
        // Wraps modulo 256, so shifting back by the opposite amount restores every byte.
        e.Data1 = static_cast<uint8_t>(e.Data1 + delta);
      }
    }
    SearchChords();
  }
  // Variants taken from a beat become that beat's variants in the new key, so that a chord
  // put back into the song is one of the transposed song.
  if (shownBeat >= 0) {
    if (shownBeat < static_cast<int>(model_.beats.size())) {
      TakeBeatVariants(shownBeat);
    } else {
      model_.variants = TVariants{};
      model_.variantsBeat = -1;
      Notify(TSongChange::Variants);
    }
  }
}

void TSongSession::SetSpeed(int numerator, int denominator) {
  MidiFile.SetSpeed(static_cast<uint8_t>(numerator), static_cast<uint8_t>(denominator));
  Notify(TSongChange::Speed);
}

bool TSongSession::ChangeBeatLength(TBeatLength length) {
  if (model_.beatLength <= 1 || model_.beatChoice == length) return false;
  MesId question = MesId::SSongDefBeatQuestion;
  int32_t newLength = MidiFile.BeatTicks();
  if (length == TBeatLength::Double) {
    question = MesId::SSongIncBeatQuestion;
    newLength = 2 * MidiFile.BeatTicks();
  } else if (length == TBeatLength::Half) {
    question = MesId::SSongDecBeatQuestion;
    newLength = MidiFile.BeatTicks() / 2;
  }
  if (prompter_.Question(Mes(MesId::SCaptionConfirm), Mes(question), TPromptButtons::YesNoCancel,
                         TPromptIcon::Question) != TPromptAnswer::Yes)
    return false;
  // Half of a default of 1 would be no beat at all; one tick is the shortest beat.
  model_.beatLength = std::max<int32_t>(newLength, 1);
  if (!model_.beats.empty()) {
    model_.beats.clear();
    FindChords();
  }
  model_.beatChoice = length;
  Notify(TSongChange::BeatLength);
  return true;
}
