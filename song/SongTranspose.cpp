// Transposition, playback speed and beat length.
#include <array>

#include "base/untMesConst.h"
#include "song/EngineScan.h"
#include "song/SongSession.h"

namespace {

struct TSpeed {
  MesId text;
  uint8_t numerator, denominator;
};

constexpr std::array<TSpeed, 7> kSpeeds = {{
    {MesId::SSongSpeedX3, 3, 1},
    {MesId::SSongSpeedX2, 2, 1},
    {MesId::SSongSpeedX15, 3, 2},
    {MesId::SSongSpeed11, 1, 1},
    {MesId::SSongSpeedD15, 2, 3},
    {MesId::SSongSpeedD2, 1, 2},
    {MesId::SSongSpeedD3, 1, 3},
}};

constexpr int kTransposEntries = 23;  // +11 .. -11

}  // namespace

std::vector<std::string> TSongSession::cbBpmItems() {
  std::vector<std::string> items;
  for (const TSpeed& s : kSpeeds) items.push_back(Mes(s.text));
  return items;
}

void TSongSession::FillTransposeList(bool withKeys) {
  cbTransposItems_.clear();
  for (int n = 11; n >= -11; --n) {
    std::string item = (n > 0 ? "+" : "") + std::to_string(n);
    if (withKeys && cbRootOrigIndex_ >= 0)
      item += "  " + PitchClassName(static_cast<int8_t>(((cbRootOrigIndex_ + n) % 12 + 12) % 12),
                                    AccidentalSpelling::Sharps);
    cbTransposItems_.push_back(std::move(item));
  }
}

void TSongSession::ShowCurrentKey() {
  if (cbRootOrigIndex_ < 0 || cbRootOrigIndex_ >= static_cast<int>(cbRootOrigItems_.size())) {
    stRootNew_.clear();
    return;
  }
  stRootNew_ = cbRootOrigItems_[static_cast<size_t>((cbRootOrigIndex_ - cbTransposIndex_ + 35) % 12)];
}

void TSongSession::cbTransposSelect(int entry) {
  if (entry < 0 || entry >= kTransposEntries) return;
  cbTransposIndex_ = entry;
  StopPlaying();
  int t = 11 - entry;
  int delta = t - transposition_;
  // Stored before the search runs: a key detection it may start counts the shifted notes
  // back by this amount.
  transposition_ = t;
  TransposeSong(delta);
  ShowCurrentKey();
}

void TSongSession::SetTransposition(int semitones) {
  if (semitones < -11 || semitones > 11) return;
  cbTransposSelect(11 - semitones);
}

void TSongSession::TransposeSong(int delta) {
  status_.ShowStatus(Mes(MesId::SSongTransposeWait));
  TFinally clearHint([this] { status_.ShowStatus(std::string()); });
  for (int32_t i = 0; i < MidiFile.NumberOfTracks(); ++i) {
    for (TMidiEventEx& e : MidiFile.TrackAt(i).Events()) {
      int kind = e.Status & 0xF0;
      if (e.Status == 0xFF || (e.Status & 0x0F) == 9 || (kind != 0x80 && kind != 0x90 && kind != 0xA0))
        continue;
      // Wraps modulo 256, so shifting back by the opposite amount restores every byte.
      e.Data1 = static_cast<uint8_t>(e.Data1 + delta);
    }
  }
  SearchSongChords();
}

void TSongSession::edtBpmSelect(int entry) {
  if (entry < 0 || entry >= static_cast<int>(kSpeeds.size())) return;
  const TSpeed& s = kSpeeds[static_cast<size_t>(entry)];
  MidiFile.SetSpeed(s.numerator, s.denominator);
  cbBpmText_ = Mes(s.text);
}

bool TSongSession::ChangeBeatLength(TBeatCommand command, const std::string& question, int32_t newLength) {
  if (beatLength_ <= 1 || checkedBeat_ == command) return false;
  if (prompter_.Question(Mes(MesId::SCaptionConfirm), question, TPromptButtons::YesNoCancel,
                         TPromptIcon::Question) != TPromptAnswer::Yes)
    return false;
  // Half of a default of 1 would be no beat at all; one tick is the shortest beat.
  beatLength_ = std::max<int32_t>(newLength, 1);
  if (!beats_.empty()) {
    beats_.clear();
    actSearchSongChordsExecute();
  }
  checkedBeat_ = command;
  return true;
}

void TSongSession::actIncBeatExecute() {
  ChangeBeatLength(TBeatCommand::actIncBeat, Mes(MesId::SSongIncBeatQuestion), 2 * MidiFile.BeatTicks());
}

void TSongSession::actDefBeatExecute() {
  ChangeBeatLength(TBeatCommand::actDefBeat, Mes(MesId::SSongDefBeatQuestion), MidiFile.BeatTicks());
}

void TSongSession::actDecBeatExecute() {
  ChangeBeatLength(TBeatCommand::actDecBeat, Mes(MesId::SSongDecBeatQuestion), MidiFile.BeatTicks() / 2);
}
