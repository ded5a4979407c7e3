#include "midi/MidiSong.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "base/untMesConst.h"
#include "midi/MidiConstants.h"

// A song of a million events is walked at every scan; keep the event small.
static_assert(sizeof(TMidiEventEx) <= 24);

namespace {

int32_t Narrow(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

// A variable-length quantity read within [p, end): the value (wrapping at 32 bits, as the
// number of bytes is not limited) and whether its last byte was inside the data.
struct Vlq {
  uint32_t value = 0;
  bool complete = false;
};

inline Vlq ReadVlq(const uint8_t*& p, const uint8_t* end) {
  Vlq r;
  while (p < end) {
    const uint8_t b = *p++;
    r.value = (r.value << 7) | (b & 0x7Fu);
    if (!(b & 0x80u)) {
      r.complete = true;
      break;
    }
  }
  return r;
}

inline uint32_t BigEndian32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

// Prepends "0" while the text is shorter than the width; longer texts (or a minus sign) stay.
std::string Fill(int64_t value, std::size_t width) {
  std::string s = std::to_string(value);
  if (s.size() < width) s.insert(0, width - s.size(), '0');
  return s;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// TMidiTrack

TMidiTrack::TMidiTrack(int32_t trackNo) : trackNo_(trackNo) {}

PMidiEventEx TMidiTrack::EventAt(int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= events_.size()) return nullptr;
  return &events_[static_cast<std::size_t>(index)];
}

const TMidiEventEx* TMidiTrack::EventAt(int32_t index) const { return const_cast<TMidiTrack*>(this)->EventAt(index); }

void TMidiTrack::NoteNameOrInstrument(const TMidiEventEx& event) {
  if (event.Status != MidiStatus::Meta || event.textLength_ == 0) return;
  if (event.Data1 == MidiMeta::TrackName && name_.empty()) name_.assign(event.textData_, event.textLength_);
  if (event.Data1 == MidiMeta::Instrument && instrument_.empty()) instrument_.assign(event.textData_, event.textLength_);
}

void TMidiTrack::AddEvent(const TMidiEventEx& event) { AddEvent(event, event.Text()); }

void TMidiTrack::AddEvent(const TMidiEventEx& event, std::string_view text) {
  TMidiEventEx e = event;
  e.textData_ = nullptr;
  e.textLength_ = 0;
  if (!text.empty()) {
    auto copy = std::make_unique<char[]>(text.size());
    std::memcpy(copy.get(), text.data(), text.size());
    e.textData_ = copy.get();
    e.textLength_ = static_cast<uint32_t>(text.size());
    ownTexts_.push_back(std::move(copy));
  }
  NoteNameOrInstrument(e);
  tickAccumulator_ += static_cast<uint32_t>(e.DeltaTicks);
  e.Time = static_cast<int32_t>(tickAccumulator_);
  events_.push_back(e);
}

void TMidiTrack::SetMuted(bool muted) {
  if (muted && !muted_) ++muteCount_;
  muted_ = muted;
}

bool TMuteFilter::Passes(const TMidiEventEx& ev) {
  const uint8_t kind = MidiKind(ev.Status);
  const bool noteOn = kind == MidiStatus::NoteOn || kind == MidiStatus::PolyPressure;
  if (noteOn && ev.Data2 > 0) {
    keys_.set(ev.Data1);
    return false;
  }
  if (kind == MidiStatus::NoteOff || noteOn) return !keys_.test(ev.Data1);
  return true;
}

// ---------------------------------------------------------------------------------------
// TMidiSong: reading

TMidiSong::TMidiSong() { tempoMap_.push_back(TempoEntry{}); }

void TMidiSong::Clear() {
  timeSigNumerator_ = 4;
  timeSigDenominator_ = 2;
  // The division and format stay: a header shorter than usual sets only what it holds.
  tempoMap_.assign(1, TempoEntry{});
  tempoTicksSorted_ = true;
  tempoMsSorted_ = true;
  tickHint_.store(0, std::memory_order_relaxed);
  msHint_.store(0, std::memory_order_relaxed);
  tickIndex_.Clear();
  msIndex_.Clear();
  tracks_.clear();
  bytes_.clear();
  bytes_.shrink_to_fit();
  headerTracks_ = 0;
  completeness_ = TReadCompleteness{};
}

int32_t TMidiSong::LoadFile() {
  // The new bytes are read while the old song still stands, so that its memory is reused for
  // the new one instead of going back to the system and being faulted in again.
  std::string bytes;
  try {
    bytes = ReadFileBytes(filename_);
  } catch (...) {
    Clear();
    throw;
  }
  return LoadFromBytes(std::move(bytes));
}

int32_t TMidiSong::LoadFromBytes(std::string bytes) {
  Clear();
  bytes_ = std::move(bytes);
  ParseBytes();
  return NumberOfTracks();
}

void TMidiSong::ParseBytes() {
  const auto* const data = reinterpret_cast<const uint8_t*>(bytes_.data());
  const std::size_t size = bytes_.size();
  std::size_t pos = 0;
  while (pos < size) {
    // Fewer than 8 bytes, or 8 bytes that name no known chunk, end the reading quietly.
    if (size - pos < 8) break;
    const uint8_t* h = data + pos;
    const bool header = std::memcmp(h, "MThd", 4) == 0;
    const bool track = !header && std::memcmp(h, "MTrk", 4) == 0;
    if (!header && !track) break;
    uint32_t length = BigEndian32(h + 4);
    pos += 8;
    // A length of 0 or with its top bit set (negative as a signed count) has no data.
    if (length == 0 || (length & 0x80000000u)) continue;
    // A chunk that claims more bytes than the file holds: the file was cut short. What it
    // holds is read like any chunk; the track it starts is a track cut short, and reading ends.
    const bool cutShort = length > size - pos;
    if (cutShort) {
      length = static_cast<uint32_t>(size - pos);
      if (length == 0) break;
    }
    if (header) {
      ParseHeader(data + pos, length);
    } else {
      const std::size_t stop = ParseTrack(data + pos, length);
      if (stop < length || cutShort) {
        const TMidiTrack& track = *tracks_.back();
        const int32_t tick = track.events_.empty() ? 0 : track.events_.back().Time;
        completeness_.CutTracks.push_back(TCutTrack{track.TrackNo(), pos + stop, tick});
      }
    }
    pos += length;
  }
  completeness_.MissingTracks = std::max(0, headerTracks_ - NumberOfTracks());
}

void TMidiSong::ParseHeader(const uint8_t* data, std::size_t length) {
  // A header shorter than usual sets what it holds and leaves the rest as it was.
  if (length >= 2 && data[1] <= 2) fileFormat_ = static_cast<TFileFormat>(data[1]);
  if (length >= 4) headerTracks_ = (int32_t{data[2]} << 8) | data[3];
  // A time-code division (top bit set) is taken as it stands.
  if (length >= 6) ticksPerQuarter_ = (int32_t{data[4]} << 8) | data[5];
}

std::size_t TMidiSong::ParseTrack(const uint8_t* p, std::size_t length) {
  const uint8_t* const begin = p;
  tracks_.push_back(std::make_unique<TMidiTrack>(NumberOfTracks()));
  TMidiTrack& track = *tracks_.back();
  // With running status a note takes three bytes; more events than that grow the vector.
  track.events_.reserve(length / 3 + 1);

  const uint8_t* const end = p + length;
  const uint8_t* const last = end - 1;
  uint8_t status = 0;
  uint32_t ticks = 0;
  // An event that would need bytes beyond the chunk is dropped, and the track ends there.
  // `stop` is where the last whole event ended: reading stopped there.
  const uint8_t* stop = p;
  while (p < last) {
    const Vlq delta = ReadVlq(p, end);
    if (!delta.complete || p == end) break;
    if (*p & MidiStatus::StatusBit) status = *p++;

    TMidiEventEx ev;
    ev.Status = status;
    ev.DeltaTicks = static_cast<int32_t>(delta.value);
    if (status == MidiStatus::Meta) {
      if (p == end) break;
      ev.Data1 = *p++;
      const Vlq len = ReadVlq(p, end);
      if (!len.complete || len.value > static_cast<std::size_t>(end - p)) break;
      ev.textData_ = reinterpret_cast<const char*>(p);
      ev.textLength_ = len.value;
      p += len.value;
    } else if (IsMidiChannelMessage(status) && MidiKind(status) != MidiStatus::ProgramChange &&
               MidiKind(status) != MidiStatus::ChannelPressure) {
      if (end - p < 2) break;
      ev.Data1 = p[0];
      ev.Data2 = p[1];
      p += 2;
    } else if (IsMidiChannelMessage(status)) {
      if (p == end) break;
      ev.Data1 = *p++;
    } else if (status == MidiStatus::SysEx || status == MidiStatus::SysExContinued) {
      const Vlq len = ReadVlq(p, end);
      if (!len.complete || len.value > static_cast<std::size_t>(end - p)) break;
      ev.textData_ = reinterpret_cast<const char*>(p);
      ev.textLength_ = len.value;
      p += len.value;
    }
    // Any other status (none yet, or a system byte) carries no data bytes.

    ticks += delta.value;
    ev.Time = static_cast<int32_t>(ticks);
    track.events_.push_back(ev);
    stop = p;
    if (status == MidiStatus::Meta) {
      const auto* t = reinterpret_cast<const uint8_t*>(ev.textData_);
      switch (ev.Data1) {
        case MidiMeta::TrackName:
        case MidiMeta::Instrument: track.NoteNameOrInstrument(ev); break;
        case MidiMeta::Tempo:
          // A tempo needs its three bytes; a shorter one is kept as an event only.
          if (ev.textLength_ >= 3) AddTempo((int32_t{t[0]} << 16) | (int32_t{t[1]} << 8) | t[2], ev.Time);
          break;
        case MidiMeta::TimeSignature:
          if (ev.textLength_ >= 2) {
            timeSigNumerator_ = t[0];
            timeSigDenominator_ = t[1];
          }
          break;
        default: break;
      }
    }
  }
  track.tickAccumulator_ = ticks;
  // The reservation counted on notes; a track of long texts or SysEx holds far fewer events,
  // and the song should not keep eight bytes for every byte of its texts.
  if (track.events_.capacity() / 2 > track.events_.size()) track.events_.shrink_to_fit();
  return static_cast<std::size_t>(stop - begin);
}

std::string DamagedFileNotice(const TReadCompleteness& completeness) {
  const int cut = static_cast<int>(completeness.CutTracks.size());
  const int missing = completeness.MissingTracks;
  if (cut > 0 && missing > 0) return MesFormat(MesId::SDamagedFileCutMissing, cut, missing);
  if (missing > 0) return MesFormat(MesId::SDamagedFileMissing, missing);
  if (cut > 0) return MesFormat(MesId::SDamagedFile, cut);
  return {};
}

TMidiTrack& TMidiSong::TrackAt(int32_t index) {
  if (index < 0 || index >= NumberOfTracks()) throw std::out_of_range(MesFormat(MesId::SListIndexError, index));
  return *tracks_[static_cast<std::size_t>(index)];
}

const TMidiTrack& TMidiSong::TrackAt(int32_t index) const { return const_cast<TMidiSong*>(this)->TrackAt(index); }

// ---------------------------------------------------------------------------------------
// Tempo map and conversions

void TMidiSong::AddTempo(int32_t tempo, int32_t tick) {
  const TempoEntry entry{tempo, tick, TicksToMs(tick)};
  // Only the last entry is compared: a tempo at or before its tick replaces it.
  if (tempoMap_.back().Tick >= tick)
    tempoMap_.back() = entry;
  else
    tempoMap_.push_back(entry);
  // Lookups bisect while the entries after the first stay in order; once a replacement puts
  // one out of order they scan, which gives the same answer.
  const std::size_t n = tempoMap_.size();
  if (n >= 3) {
    const TempoEntry& prev = tempoMap_[n - 2];
    if (prev.Tick > entry.Tick) tempoTicksSorted_ = false;
    if (prev.Ms > entry.Ms) tempoMsSorted_ = false;
  }
  // Out of order, lookups use an index of the map (built once, then kept up to date), so
  // that each stays logarithmic however the file orders its tempo changes. The first entry
  // is the fallback and never found below a value.
  auto keep = [&](bool sorted, TTempoIndex& index, int32_t TempoEntry::*key) {
    if (sorted) return;
    for (std::size_t i = index.Size(); i + 1 < n; ++i) index.Set(i, i == 0 ? INT32_MAX : tempoMap_[i].*key);
    index.Set(n - 1, n == 1 ? INT32_MAX : tempoMap_[n - 1].*key);
  };
  keep(tempoTicksSorted_, tickIndex_, &TempoEntry::Tick);
  keep(tempoMsSorted_, msIndex_, &TempoEntry::Ms);
}

// The entry for a key: the last entry after the first whose key is below it, else the first.
// In order, the entry found last time (or the one after it) is tried first, since a song is
// mostly walked forward; then the map is bisected.
template <typename Key>
static const TempoEntry& FindTempo(const std::vector<TempoEntry>& map, bool sorted, std::atomic<std::size_t>& hint,
                                   const TTempoIndex& index, int32_t value, Key key) {
  const std::size_t n = map.size();
  if (sorted) {
    auto fits = [&](std::size_t i) { return key(map[i]) < value && (i + 1 == n || !(key(map[i + 1]) < value)); };
    std::size_t h = hint.load(std::memory_order_relaxed);
    if (h >= 1 && h < n) {
      if (fits(h)) return map[h];
      if (h + 1 < n && fits(h + 1)) {
        hint.store(h + 1, std::memory_order_relaxed);
        return map[h + 1];
      }
    }
    auto it = std::partition_point(map.begin() + 1, map.end(), [&](const TempoEntry& e) { return key(e) < value; });
    if (it == map.begin() + 1) return map.front();
    hint.store(static_cast<std::size_t>(it - 1 - map.begin()), std::memory_order_relaxed);
    return *(it - 1);
  }
  if (index.Size() == n) {
    const std::size_t i = index.LastBelow(value);
    return i == TTempoIndex::npos ? map.front() : map[i];
  }
  for (std::size_t i = n - 1; i >= 1; --i)
    if (key(map[i]) < value) return map[i];
  return map.front();
}

const TempoEntry& TMidiSong::TempoAtTick(int32_t tick) const {
  return FindTempo(tempoMap_, tempoTicksSorted_, tickHint_, tickIndex_, tick, [](const TempoEntry& e) { return e.Tick; });
}

const TempoEntry& TMidiSong::TempoAtMs(int32_t ms) const {
  return FindTempo(tempoMap_, tempoMsSorted_, msHint_, msIndex_, ms, [](const TempoEntry& e) { return e.Ms; });
}

int32_t TMidiSong::TicksToMs(int32_t tick) const {
  if (ticksPerQuarter_ == 0) return 0;
  const TempoEntry& e = TempoAtTick(tick);
  // Whole milliseconds per quarter first, then multiply before dividing, in 64 bits.
  const int64_t msPerQuarter = e.Tempo / 1000;
  return Narrow(msPerQuarter * (int64_t{tick} - e.Tick) / ticksPerQuarter_ + e.Ms);
}

int32_t TMidiSong::MsToTicks(int32_t ms) const {
  const TempoEntry& e = TempoAtMs(ms);
  const int64_t msPerQuarter = e.Tempo / 1000;
  if (msPerQuarter == 0) return 0;
  return Narrow((int64_t{ms} - e.Ms) * ticksPerQuarter_ / msPerQuarter + e.Tick);
}

int64_t TMidiSong::TicksToUs(int32_t tick) const {
  if (ticksPerQuarter_ == 0) return 0;
  const TempoEntry& e = TempoAtTick(tick);
  const int64_t usPerQuarter = int64_t{e.Tempo / 1000} * 1000;
  return usPerQuarter * (int64_t{tick} - e.Tick) / ticksPerQuarter_ + int64_t{e.Ms} * 1000;
}

int32_t TMidiSong::UsToTicks(int64_t us) const {
  // The entry of the last whole millisecond begun: its Ms lies below the time.
  const int64_t ms = us <= 0 ? 0 : (us + 999) / 1000;
  const TempoEntry& e = TempoAtMs(Narrow(ms));
  const int64_t usPerQuarter = int64_t{e.Tempo / 1000} * 1000;
  // A tempo of less than a millisecond per quarter takes no time: its ticks are all reached.
  if (usPerQuarter == 0) return us > int64_t{e.Ms} * 1000 ? std::numeric_limits<int32_t>::max() : e.Tick;
  return Narrow((us - int64_t{e.Ms} * 1000) * ticksPerQuarter_ / usPerQuarter + e.Tick);
}

int32_t TMidiSong::BpmAt(int32_t tick, uint8_t speedNumerator, uint8_t speedDenominator) const {
  const TempoEntry& e = TempoAtTick(tick);
  if (e.Tempo == 0 || speedNumerator == 0 || speedDenominator == 0) return 120;
  const uint32_t bpm = 60000000u / static_cast<uint32_t>(e.Tempo);
  return Narrow(int64_t{bpm} * speedNumerator / speedDenominator);
}

int32_t TMidiSong::BeatTicks() const {
  const int64_t power = timeSigDenominator_;
  int64_t b = power >= 62 ? 0 : int64_t{timeSigNumerator_} * ticksPerQuarter_ / (int64_t{1} << power);
  // Compound and two-beat metres count in groups of two of the plain beats.
  if (timeSigNumerator_ % 3 == 0 || timeSigNumerator_ == 2) b *= 2;
  return b == 0 ? 1 : Narrow(b);
}

int32_t TMidiSong::SongLength() const {
  int32_t length = 0;
  for (const auto& t : tracks_)
    if (!t->events_.empty()) length = std::max(length, t->events_.back().Time);
  return length;
}

std::string TMidiSong::FormatTicks(int32_t tick) const {
  if (ticksPerQuarter_ <= 0) return "0:00.000";
  const int32_t q = tick / ticksPerQuarter_;
  const int32_t r = tick % ticksPerQuarter_;
  return Fill(q / 4, 0) + ":" + Fill(q % 4, 2) + "." + Fill(r, 3);
}

std::string FormatTime(int32_t ms) {
  return Fill(ms / 3600000, 0) + ":" + Fill(ms / 60000 % 60, 2) + ":" + Fill(ms / 1000 % 60, 2) + "." +
         Fill(ms % 1000, 3);
}

