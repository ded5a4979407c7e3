#include "song/ChordSearch.h"

#include <algorithm>
#include <bit>
#include <limits>


namespace {

void SetBit(std::array<uint64_t, 2>& mask, int note) {
  mask[static_cast<size_t>(note >> 6)] |= uint64_t{1} << (note & 63);
}

void ClearBit(std::array<uint64_t, 2>& mask, int note) {
  mask[static_cast<size_t>(note >> 6)] &= ~(uint64_t{1} << (note & 63));
}

// Calls f(note) for every set bit, ascending.
template <typename F>
void ForEachNote(const std::array<uint64_t, 2>& mask, F&& f) {
  for (int half = 0; half < 2; ++half) {
    uint64_t bits = mask[static_cast<size_t>(half)];
    while (bits) {
      int note = half * 64 + std::countr_zero(bits);
      bits &= bits - 1;
      f(note);
    }
  }
}

TNotes NotesOf(const std::array<uint64_t, 2>& mask) {
  TNotes notes;
  notes.reserve(static_cast<size_t>(std::popcount(mask[0]) + std::popcount(mask[1])));
  ForEachNote(mask, [&](int n) { notes.push_back(n); });
  return notes;
}

}  // namespace

void TChordSearch::Reset(int32_t beatLength) {
  beatLength_ = beatLength;
  minimum_ = beatLength / 16;
  for (int c = 0; c < Channels; ++c) {
    ForEachNote(open_[static_cast<size_t>(c)], [&](int n) { pending_[Index(n, c)].clear(); });
    open_[static_cast<size_t>(c)] = {};
  }
  StartBeat();
}

void TChordSearch::StartBeat() {
  for (int c = 0; c < Channels; ++c) {
    ForEachNote(sounded_[static_cast<size_t>(c)], [&](int n) { durations_[Index(n, c)] = 0; });
    sounded_[static_cast<size_t>(c)] = {};
  }
}

void TChordSearch::AddNoteDuration(int note, int channel, int64_t d, int32_t times) {
  // Pieces shorter than a sixteenth of the beat are passing notes, not harmony. A negative
  // piece (a release delivered from another track before its start) is dropped too.
  if (d < minimum_ || d < 0) return;
  int32_t& slot = durations_[Index(note, channel)];
  // Stacked unreleased starts of one key multiply its time; the sum saturates rather than
  // overflowing in a damaged file.
  int64_t sum = int64_t{slot} + d * times;
  slot = static_cast<int32_t>(std::min<int64_t>(sum, std::numeric_limits<int32_t>::max()));
  if (slot > 0) SetBit(sounded_[static_cast<size_t>(channel)], note);
}

void TChordSearch::NoteStart(int note, int channel, int32_t time) {
  if (!Counted(note, channel)) return;
  auto& runs = pending_[Index(note, channel)];
  if (!runs.empty() && runs.back().tick == time && runs.back().count < std::numeric_limits<int32_t>::max())
    ++runs.back().count;
  else
    runs.push_back({time, 1});
  SetBit(open_[static_cast<size_t>(channel)], note);
}

// A release of a key struck again before it was let go ends the most recent start: the
// piece is measured from the last pending start and that same start is consumed. Pairing
// last-in-first-out keeps each release with the start it measured, and a stack needs no
// shifting.
void TChordSearch::NoteRelease(int note, int channel, int32_t time) {
  if (!Counted(note, channel)) return;
  auto& runs = pending_[Index(note, channel)];
  if (runs.empty()) return;  // a release without a start says nothing
  TPendingRun& last = runs.back();
  AddNoteDuration(note, channel, int64_t{time} - last.tick, 1);
  if (--last.count == 0) runs.pop_back();
  if (runs.empty()) ClearBit(open_[static_cast<size_t>(channel)], note);
}

void TChordSearch::FlushSoundingNotes(int32_t end) {
  for (int c = 0; c < Channels; ++c) {
    ForEachNote(open_[static_cast<size_t>(c)], [&](int n) {
      auto& runs = pending_[Index(n, c)];
      int64_t total = 0;
      for (const TPendingRun& r : runs) {
        AddNoteDuration(n, c, int64_t{end} - r.tick, r.count);
        total += r.count;
      }
      runs.clear();
      runs.push_back({end, static_cast<int32_t>(std::min<int64_t>(total, std::numeric_limits<int32_t>::max()))});
    });
  }
}

size_t TChordSearch::PendingStarts(int note, int channel) const {
  if (note < 0 || note >= Notes || channel < 0 || channel >= Channels) return 0;
  size_t n = 0;
  for (const TPendingRun& r : pending_[Index(note, channel)]) n += static_cast<size_t>(r.count);
  return n;
}

size_t TChordSearch::WorkingBytes() const {
  size_t bytes = sizeof(*this);
  for (const auto& runs : pending_) bytes += runs.capacity() * sizeof(TPendingRun);
  return bytes;
}

void TChordSearch::CollectBeatNotes(TVariants& v) const {
  v.chords.clear();
  v.chosen = 0;
  std::array<uint64_t, 2> all{};
  for (const auto& m : sounded_) {
    all[0] |= m[0];
    all[1] |= m[1];
  }
  v.notes = NotesOf(all);
}

void TChordSearch::AnalyseBeat(TVariants& v, const TKeysenseChooser* keysense, int keyTonic) const {
  CollectBeatNotes(v);

  uint8_t best = 255;
  if (keysense && *keysense) {
    TKeysenseWeights weights{};
    for (int c = 0; c < Channels; ++c)
      ForEachNote(sounded_[static_cast<size_t>(c)], [&](int n) {
        int64_t w = int64_t{weights[static_cast<size_t>(n % 12)]} + durations_[Index(n, c)];
        weights[static_cast<size_t>(n % 12)] =
            static_cast<int32_t>(std::min<int64_t>(w, std::numeric_limits<int32_t>::max()));
      });
    if (auto chord = (*keysense)(weights, keyTonic)) {
      v.chords.assign(1, *chord);
      best = 0;
    }
  }

  if (best != 0) {
    for (int c = 0; c < Channels && best != 0; ++c) {
      const auto& mask = sounded_[static_cast<size_t>(c)];
      // Fewer than two notes never make a chord; skip the call.
      if (std::popcount(mask[0]) + std::popcount(mask[1]) < 2) continue;
      TChords list = RecognizeChords(NotesOf(mask), RecognitionMode::QuickFirst);
      if (list.empty()) continue;
      uint8_t score = ChordScore(list[0]);
      if (score < best) {  // ties keep the lower channel
        best = score;
        v.chords = std::move(list);
      }
    }
  }

  if (best == 255) v.chords = RecognizeChords(v.notes, RecognitionMode::AllVariants);
}
