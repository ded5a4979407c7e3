// The song's key: the key list, detection from the note-ons of the song's beginning.
#include <algorithm>
#include <limits>

#include "base/untMesConst.h"
#include "song/EngineScan.h"
#include "song/SongSession.h"

namespace {
constexpr int kKeyDetectBeats = 120;  // the beginning of a song states its key
}

void TSongSession::FillKeyList() {
  cbRootOrigItems_.clear();
  for (int i = 0; i < 12; ++i)
    cbRootOrigItems_.push_back(PitchClassName(static_cast<int8_t>(i), AccidentalSpelling::Both) +
                               Mes(MesId::SSongKeyOr) +
                               PitchClassName(static_cast<int8_t>((i + 9) % 12), AccidentalSpelling::Both) + "m");
  ShowCurrentKey();
  ShowNoteNames();
}

void TSongSession::cbRootOrigSelect(int index) {
  cbRootOrigIndex_ = index >= 0 && index < 12 ? index : -1;
  ShowCurrentKey();
}

void TSongSession::actFindRootExecute() {
  if (beatLength_ >= 2 && DetectKey()) return;
  prompter_.Information(Mes(MesId::SCaptionInfo), Mes(MesId::SSongKeyFailed));
}

bool TSongSession::DetectKey() {
  MidiPiano.ClearMarks();
  if (beatLength_ < 1) return false;
  int64_t limit = std::min<int64_t>(int64_t{kKeyDetectBeats} * beatLength_, MidiFile.SongLength());
  if (limit <= 0) return false;
  StopPlaying();

  TKeyHistogram counts{};
  MidiFile.Rewind();
  {
    TFinally clearHint([this] { status_.ShowStatus(std::string()); });
    TEngineHandlersGuard borrow(MidiFile, [this, &counts](PMidiEventEx e, int32_t) {
      CountKeyNote(counts, e->Status, e->Data1, e->Data2, transposition_);
    });
    status_.ShowStatus(Mes(MesId::SSongKeyWait));
    // Whole beats: the scan may end up to one beat past the limit.
    for (int64_t t = 0; t < limit;) {
      t = std::min<int64_t>(t + beatLength_, std::numeric_limits<int32_t>::max());
      MidiFile.Seek(static_cast<int32_t>(t), true);
      if (t == std::numeric_limits<int32_t>::max()) break;
    }
    MidiFile.Seek(0, false);
  }

  TKeyResult result = EvaluateKey(counts);
  if (!result.Found()) return false;
  cbRootOrigIndex_ = result.KeyEntry();
  ShowCurrentKey();
  prompter_.Information(Mes(MesId::SSongKeyFoundCaption), KeyReport(result));
  return true;
}
