// The song's key: chosen by hand, or detected from the note-ons of the song's beginning.
#include <algorithm>
#include <limits>

#include "base/untMesConst.h"
#include "midi/EventWalk.h"
#include "base/Finally.h"
#include "song/SongSession.h"

namespace {
constexpr int kKeyDetectBeats = 120;  // the beginning of a song states its key
}

void TSongSession::SetKey(int key, std::optional<bool> minor) {
  model_.key.key = key >= 0 && key < 12 ? key : -1;
  model_.key.evidence.reset();
  model_.key.minor = model_.key.Known() ? minor : std::nullopt;
  Notify(TSongChange::Key);
}

void TSongSession::FindKey() {
  if (model_.beatLength >= 2 && DetectKey()) return;
  prompter_.Information(Mes(MesId::SCaptionInfo), Mes(MesId::SSongKeyFailed));
}

bool TSongSession::DetectKey() {
  if (!DetectKeySilently()) return false;
  prompter_.Information(Mes(MesId::SSongKeyFoundCaption), KeyReport(model_.key.evidence->result, options_.notation));
  return true;
}

bool TSongSession::DetectKeySilently() {
  MidiPiano.ClearMarks();
  const int32_t beatLength = model_.beatLength;
  if (beatLength < 1) return false;
  int64_t limit = std::min<int64_t>(int64_t{kKeyDetectBeats} * beatLength, MidiFile.SongLength());
  if (limit <= 0) return false;
  StopPlaying();
  // The detection walks the song itself; as a command it leaves the song at its start.
  MidiFile.Rewind();

  TKeyHistogram counts{};
  {
    TFinally clearHint([this] { status_.ShowStatus(std::string()); });
    TEventWalk walk(MidiFile.Song());
    const int32_t transposition = model_.transposition;
    status_.ShowStatus(Mes(MesId::SSongKeyWait));
    // Whole beats: the walk may end up to one beat past the limit.
    for (int64_t t = 0; t < limit;) {
      t = std::min<int64_t>(t + beatLength, std::numeric_limits<int32_t>::max());
      walk.To(static_cast<int32_t>(t), [&counts, transposition](const TMidiEventEx& e, int32_t) {
        CountKeyNote(counts, e.Status, e.Data1, e.Data2, transposition);
      });
      if (t == std::numeric_limits<int32_t>::max()) break;
    }
  }

  TKeyResult result = EvaluateKey(counts);
  if (!result.Found()) return false;
  model_.key.key = result.KeyEntry();
  model_.key.evidence = TKeyEvidence{counts, result};
  model_.key.minor.reset();
  Notify(TSongChange::Key);
  return true;
}
