#include "song/KeyDetect.h"
#include "midi/MidiConstants.h"

#include <algorithm>
#include <limits>

#include "base/untMesConst.h"
#include "chords/untChords.h"

namespace {

// Weights by semitones above the key's tonic: tonic 2, scale tones 1, others -1; the tone
// a major key and its relative minor disagree on (raised fifth / leading tone) weighs 0.
constexpr std::array<int8_t, 12> kMajorProfile = {2, -1, 1, -1, 1, 1, -1, 1, 0, 1, -1, 1};
constexpr std::array<int8_t, 12> kMinorProfile = {2, -1, 1, 1, -1, 1, -1, 1, 1, -1, 1, 0};

int32_t Score(const std::array<int8_t, 12>& profile, int tonic, const TKeyHistogram& counts) {
  int64_t sum = 0;
  for (int p = 0; p < 12; ++p) sum += int64_t{profile[static_cast<size_t>((p - tonic + 12) % 12)]} * counts[static_cast<size_t>(p)];
  return static_cast<int32_t>(std::clamp<int64_t>(sum, -2147483647, 2147483647));
}

void Offer(TKeyResult& r, const TKeyCandidate& c) {
  if (c.score > r.second.score) r.second = c;
  if (r.second.score > r.best.score) std::swap(r.best, r.second);
}

std::string ModeName(bool minor) { return Mes(minor ? MesId::SSongModeMinor : MesId::SSongModeMajor); }

}  // namespace

bool TKeyResult::SecondIsClose() const {
  if (best.score <= 0) return false;
  int64_t percent = (int64_t{best.score} - second.score) * 100 / best.score;
  return percent <= 10;
}

void CountKeyNote(TKeyHistogram& counts, uint8_t status, uint8_t data1, uint8_t data2,
                  int transposition) {
  if (status == MidiStatus::Meta || (status & MidiStatus::ChannelMask) == MidiPercussionChannel ||
      (status & MidiStatus::KindMask) != MidiStatus::NoteOn || data2 == 0)
    return;
  // The byte is the untransposed note moved by the transposition modulo 256; undoing it in
  // the same arithmetic also gives the right pitch class for notes that wrapped below 0.
  int pc = static_cast<uint8_t>(data1 - transposition) % 12;
  if (counts[static_cast<size_t>(pc)] < std::numeric_limits<int32_t>::max()) ++counts[static_cast<size_t>(pc)];
}

TKeyResult EvaluateKey(const TKeyHistogram& counts) {
  TKeyResult r;
  for (int t = 0; t < 12; ++t) {
    Offer(r, {t, false, Score(kMajorProfile, t, counts)});
    int m = (t + 9) % 12;
    Offer(r, {m, true, Score(kMinorProfile, m, counts)});
  }
  return r;
}

std::string KeyReport(const TKeyResult& result, NoteNotation notation) {
  std::string text = MesFormat(MesId::SSongKeyFound,
                               PitchClassName(static_cast<int8_t>(result.best.tonic), AccidentalSpelling::Sharps, notation),
                               ModeName(result.best.minor));
  if (result.SecondIsClose() && result.second.tonic >= 0)
    text += MesFormat(MesId::SSongKeyAlternative,
                      PitchClassName(static_cast<int8_t>(result.second.tonic), AccidentalSpelling::Sharps, notation),
                      ModeName(result.second.minor));
  return text;
}
