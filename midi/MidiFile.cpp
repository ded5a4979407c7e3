#include "midi/MidiFile.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <exception>
#include <limits>
#include <stdexcept>

#include "base/untMesConst.h"
#include "midi/MidiConstants.h"

int32_t MidiTimerResol = 10;

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
  muted_ = muted;
  if (muted) mutedKeys_.reset();
}

// ---------------------------------------------------------------------------------------
// TMidiFile: reading

TMidiFile::TMidiFile(TPlaybackServices services) : services_(services) { tempoMap_.push_back(TempoEntry{}); }

TMidiFile::~TMidiFile() { timer_.reset(); }

void TMidiFile::SetPlaybackServices(TPlaybackServices services) {
  Stop();
  services_ = services;
}

void TMidiFile::ResetForLoad() {
  if (dispatchDepth_ > 0) throw std::logic_error("TMidiFile: a file cannot be loaded from its own event handler");
  Stop();
  timeSigNumerator_ = 4;
  timeSigDenominator_ = 2;
  SetSpeed(0, 0);
  tempoMap_.assign(1, TempoEntry{});
  tempoTicksSorted_ = true;
  tempoMsSorted_ = true;
  tickIndex_.Clear();
  msIndex_.Clear();
  tracks_.clear();
  bytes_.clear();
  bytes_.shrink_to_fit();
  headerTracks_ = 0;
  completeness_ = TReadCompleteness{};
  // The new tracks start at their first event, so the position starts there too.
  positionTicks_ = 0;
  positionMs_ = 0;
  passedTicks_ = 0;
  stopTick_ = 0;
}

int32_t TMidiFile::LoadFile() {
  // The new bytes are read while the old song still stands, so that its memory is reused for
  // the new one instead of going back to the system and being faulted in again.
  std::string bytes;
  try {
    bytes = ReadFileBytes(filename_);
  } catch (...) {
    ResetForLoad();
    throw;
  }
  ResetForLoad();
  bytes_ = std::move(bytes);
  ParseBytes();
  return NumberOfTracks();
}

int32_t TMidiFile::LoadFromBytes(std::string bytes) {
  ResetForLoad();
  bytes_ = std::move(bytes);
  ParseBytes();
  return NumberOfTracks();
}

int32_t TMidiFile::LoadFromBytes(const void* data, std::size_t size) {
  return LoadFromBytes(std::string(static_cast<const char*>(data), size));
}

void TMidiFile::ParseBytes() {
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
    const uint32_t length = BigEndian32(h + 4);
    pos += 8;
    // A length of 0 or with its top bit set (negative as a signed count) has no data.
    if (length == 0 || (length & 0x80000000u)) continue;
    if (length > size - pos) {
      // The tracks before it stay loaded; the caller hears of the rest by the exception.
      if (track) completeness_.CutTracks.push_back(TCutTrack{NumberOfTracks(), pos - 8, 0});
      completeness_.MissingTracks = std::max(0, headerTracks_ - NumberOfTracks() - (track ? 1 : 0));
      throw EInOutError(EInOutError::ReadBeyondEnd);
    }
    if (header) {
      ParseHeader(data + pos, length);
    } else {
      const std::size_t stop = ParseTrack(data + pos, length);
      if (stop < length) {
        const TMidiTrack& track = *tracks_.back();
        const int32_t tick = track.events_.empty() ? 0 : track.events_.back().Time;
        completeness_.CutTracks.push_back(TCutTrack{track.TrackNo(), pos + stop, tick});
      }
    }
    pos += length;
  }
  completeness_.MissingTracks = std::max(0, headerTracks_ - NumberOfTracks());
}

void TMidiFile::ParseHeader(const uint8_t* data, std::size_t length) {
  // A header shorter than usual sets what it holds and leaves the rest as it was.
  if (length >= 2 && data[1] <= 2) fileFormat_ = static_cast<TFileFormat>(data[1]);
  if (length >= 4) headerTracks_ = (int32_t{data[2]} << 8) | data[3];
  // A time-code division (top bit set) is taken as it stands.
  if (length >= 6) ticksPerQuarter_ = (int32_t{data[4]} << 8) | data[5];
}

std::size_t TMidiFile::ParseTrack(const uint8_t* p, std::size_t length) {
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

TMidiTrack& TMidiFile::TrackAt(int32_t index) {
  if (index < 0 || index >= NumberOfTracks()) throw std::out_of_range(MesFormat(MesId::SListIndexError, index));
  return *tracks_[static_cast<std::size_t>(index)];
}

const TMidiTrack& TMidiFile::TrackAt(int32_t index) const { return const_cast<TMidiFile*>(this)->TrackAt(index); }

// ---------------------------------------------------------------------------------------
// Tempo map and conversions

void TMidiFile::AddTempo(int32_t tempo, int32_t tick) {
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

const TempoEntry& TMidiFile::TempoAtTick(int32_t tick) const {
  return FindTempo(tempoMap_, tempoTicksSorted_, tickHint_, tickIndex_, tick, [](const TempoEntry& e) { return e.Tick; });
}

const TempoEntry& TMidiFile::TempoAtMs(int32_t ms) const {
  return FindTempo(tempoMap_, tempoMsSorted_, msHint_, msIndex_, ms, [](const TempoEntry& e) { return e.Ms; });
}

int32_t TMidiFile::TicksToMs(int32_t tick) const {
  if (ticksPerQuarter_ == 0) return 0;
  const TempoEntry& e = TempoAtTick(tick);
  // Whole milliseconds per quarter first, then multiply before dividing, in 64 bits.
  const int64_t msPerQuarter = e.Tempo / 1000;
  return Narrow(msPerQuarter * (int64_t{tick} - e.Tick) / ticksPerQuarter_ + e.Ms);
}

int32_t TMidiFile::MsToTicks(int32_t ms) const {
  const TempoEntry& e = TempoAtMs(ms);
  const int64_t msPerQuarter = e.Tempo / 1000;
  if (msPerQuarter == 0) return 0;
  return Narrow((int64_t{ms} - e.Ms) * ticksPerQuarter_ / msPerQuarter + e.Tick);
}

int64_t TMidiFile::TicksToUs(int32_t tick) const {
  if (ticksPerQuarter_ == 0) return 0;
  const TempoEntry& e = TempoAtTick(tick);
  const int64_t usPerQuarter = int64_t{e.Tempo / 1000} * 1000;
  return usPerQuarter * (int64_t{tick} - e.Tick) / ticksPerQuarter_ + int64_t{e.Ms} * 1000;
}

int32_t TMidiFile::UsToTicks(int64_t us) const {
  // The entry of the last whole millisecond begun: its Ms lies below the time.
  const int64_t ms = us <= 0 ? 0 : (us + 999) / 1000;
  const TempoEntry& e = TempoAtMs(Narrow(ms));
  const int64_t usPerQuarter = int64_t{e.Tempo / 1000} * 1000;
  // A tempo of less than a millisecond per quarter takes no time: its ticks are all reached.
  if (usPerQuarter == 0) return us > int64_t{e.Ms} * 1000 ? std::numeric_limits<int32_t>::max() : e.Tick;
  return Narrow((us - int64_t{e.Ms} * 1000) * ticksPerQuarter_ / usPerQuarter + e.Tick);
}

int32_t TMidiFile::BeatTicks() const {
  const int64_t power = timeSigDenominator_;
  int64_t b = power >= 62 ? 0 : int64_t{timeSigNumerator_} * ticksPerQuarter_ / (int64_t{1} << power);
  // Compound and two-beat metres count in groups of two of the plain beats.
  if (timeSigNumerator_ % 3 == 0 || timeSigNumerator_ == 2) b *= 2;
  return b == 0 ? 1 : Narrow(b);
}

int32_t TMidiFile::SongLength() const {
  int32_t length = 0;
  for (const auto& t : tracks_)
    if (!t->events_.empty()) length = std::max(length, t->events_.back().Time);
  return length;
}

std::string TMidiFile::FormatTicks(int32_t tick) const {
  if (ticksPerQuarter_ <= 0) return "0:00.000";
  const int32_t q = tick / ticksPerQuarter_;
  const int32_t r = tick % ticksPerQuarter_;
  return Fill(q / 4, 0) + ":" + Fill(q % 4, 2) + "." + Fill(r, 3);
}

std::string FormatTime(int32_t ms) {
  return Fill(ms / 3600000, 0) + ":" + Fill(ms / 60000 % 60, 2) + ":" + Fill(ms / 1000 % 60, 2) + "." +
         Fill(ms % 1000, 3);
}

// ---------------------------------------------------------------------------------------
// Playback

int32_t TMidiFile::Clock() {
  const uint32_t now = services_.Clock ? services_.Clock->NowMs() : SteadyClockMs();
  // Scaled time since the last speed change, continued from the value the clock had then.
  const int64_t scaled = int64_t{now - speedBase_} * speedNumerator_ / speedDenominator_;
  return static_cast<int32_t>(static_cast<uint32_t>(scaled) + static_cast<uint32_t>(speedOffset_) + speedBase_);
}

int64_t TMidiFile::NowUs() const { return services_.Clock ? services_.Clock->NowUs() : SteadyClockUs(); }

int64_t TMidiFile::SongUsAt(int64_t nowUs) const {
  return anchorSongUs_ + (nowUs - anchorWallUs_) * speedNumerator_ / speedDenominator_;
}

void TMidiFile::SetSpeed(uint8_t numerator, uint8_t denominator) {
  // Sending ahead, the song time goes on from where it is at the new speed.
  if (leadUs_ > 0 && playing_) {
    const int64_t now = NowUs();
    anchorSongUs_ = SongUsAt(now);
    anchorWallUs_ = now;
  }
  if (numerator == 0 || denominator == 0) {
    speedBase_ = 0;
    speedOffset_ = 0;
    speedNumerator_ = 1;
    speedDenominator_ = 1;
    return;
  }
  const uint32_t now = services_.Clock ? services_.Clock->NowMs() : SteadyClockMs();
  const int64_t scaled = int64_t{now - speedBase_} * speedNumerator_ / speedDenominator_;
  const uint32_t clock = static_cast<uint32_t>(scaled) + static_cast<uint32_t>(speedOffset_) + speedBase_;
  speedOffset_ = static_cast<int32_t>(clock - now);
  speedBase_ = now;
  speedNumerator_ = numerator;
  speedDenominator_ = denominator;
}

bool TMidiFile::Play() {
  if (ticksPerQuarter_ <= 0) return false;
  // A second Play replaces the running timer rather than adding one.
  timer_.reset();
  playing_ = false;
  if (!services_.Timers) return false;
  startReference_ = Clock() - positionMs_;
  const int32_t period =
      std::clamp(MidiTimerResol, services_.Timers->MinPeriodMs(), std::max(services_.Timers->MinPeriodMs(), services_.Timers->MaxPeriodMs()));
  leadUs_ = lookAheadUs_ > 0 ? int64_t{period} * 1000 + lookAheadUs_ : 0;
  anchorWallUs_ = NowUs();
  anchorSongUs_ = TicksToUs(positionTicks_);
  playing_ = true;
  errorReported_ = false;
  timer_ = services_.Timers->StartTimer(period, [this] { TimerStep(); });
  if (!timer_) playing_ = false;
  // Sending ahead, what is due within the lead goes out now rather than a timer period late.
  if (playing_ && leadUs_ > 0 && !inStep_) {
    inStep_ = true;
    struct StepGuard {
      bool& flag;
      ~StepGuard() { flag = false; }
    } stepGuard{inStep_};
    LookAheadStep();
  }
  return playing_;
}

bool TMidiFile::PlayFromStart() {
  Rewind();
  return Play();
}

void TMidiFile::Stop() {
  playing_ = false;
  timer_.reset();
  // What was sent ahead has been passed: playing on starts after it.
  if (passedTicks_ > positionTicks_) {
    positionTicks_ = passedTicks_;
    positionMs_ = TicksToMs(positionTicks_);
  }
  leadUs_ = 0;
}

void TMidiFile::Rewind() {
  Stop();
  SeekImpl<false>(0, false);
  if (onUpdateEvent_) {
    const TNotifyEvent update = onUpdateEvent_;
    update(*this);
  }
}

void TMidiFile::Seek(int32_t tick, bool dispatch) {
  SeekImpl<false>(tick, dispatch);
  // A jump while playing goes on from the new place instead of being pulled back to where
  // the clock would have been.
  if (playing_ && !inStep_) {
    startReference_ = Clock() - positionMs_;
    anchorWallUs_ = NowUs();
    anchorSongUs_ = TicksToUs(positionTicks_);
  }
}

namespace {

// Whether a muted track lets the event through: its note-ons are swallowed, and so are the
// note-offs of the keys it swallowed; notes that were already sounding still end.
inline bool PassesMute(std::bitset<256>& mutedKeys, const TMidiEventEx& ev) {
  const uint8_t kind = MidiKind(ev.Status);
  const bool noteOn = kind == MidiStatus::NoteOn || kind == MidiStatus::PolyPressure;
  if (noteOn && ev.Data2 > 0) {
    mutedKeys.set(ev.Data1);
    return false;
  }
  if (kind == MidiStatus::NoteOff || noteOn) return !mutedKeys.test(ev.Data1);
  return true;
}

}  // namespace

template <bool Guarded>
void TMidiFile::SeekImpl(int32_t tick, bool dispatch) {
  ++seekCount_;
  if (tick < passedTicks_ || indicesAhead_) {
    for (auto& t : tracks_) t->playIndex_ = 0;
    indicesAhead_ = false;
  }
  // A copy, so that a handler may replace itself while it runs.
  const TOnMidiEvent handler = dispatch ? onMidiEvent_ : TOnMidiEvent{};
  ++dispatchDepth_;
  // When a handler's exception leaves this seek, the play indices have moved while the
  // position has not: the next seek must not trust them.
  struct DepthGuard {
    int& depth;
    bool& ahead;
    bool done = false;
    ~DepthGuard() {
      --depth;
      if (!done) ahead = true;
    }
  } depthGuard{dispatchDepth_, indicesAhead_};

  for (auto& tp : tracks_) {
    TMidiTrack& track = *tp;
    std::size_t i = track.playIndex_;
    if (!handler) {
      const TMidiEventEx* const events = track.events_.data();
      const std::size_t count = track.events_.size();
      while (i < count && events[i].Time < tick) ++i;
      track.playIndex_ = i;
      continue;
    }
    // The vector is looked up afresh for every event: a handler may add events.
    while (i < track.events_.size() && track.events_[i].Time < tick) {
      TMidiEventEx& ev = track.events_[i];
      // The event counts as passed before it is offered, so a failing handler does not get
      // the same event again at the next step.
      track.playIndex_ = ++i;
      if (track.muted_ && !PassesMute(track.mutedKeys_, ev)) continue;
      if constexpr (Guarded) {
        OfferGuarded(handler, ev, track.trackNo_);
      } else {
        handler(&ev, track.trackNo_);
      }
    }
  }
  depthGuard.done = true;
  positionTicks_ = tick;
  positionMs_ = TicksToMs(tick);
  passedTicks_ = tick;
}

void TMidiFile::DispatchAhead(int32_t limit) {
  // A seek whose handler failed left the indices beyond what was passed: they are set again.
  if (indicesAhead_) SeekImpl<false>(passedTicks_, false);
  if (limit <= passedTicks_) return;
  const TOnMidiEvent handler = onMidiEvent_;
  const uint32_t seeks = seekCount_;
  ++dispatchDepth_;
  struct DepthGuard {
    int& depth;
    int64_t& due;
    ~DepthGuard() {
      --depth;
      due = 0;
    }
  } depthGuard{dispatchDepth_, eventDueUs_};
  // The next event of each track, earliest first (the lower track first when times tie).
  auto later = [](const std::pair<int32_t, std::size_t>& a, const std::pair<int32_t, std::size_t>& b) {
    return a > b;
  };
  std::vector<std::pair<int32_t, std::size_t>>& heap = aheadHeap_;
  heap.clear();
  auto offer = [&](std::size_t t) {
    const TMidiTrack& track = *tracks_[t];
    if (track.playIndex_ < track.events_.size() && track.events_[track.playIndex_].Time < limit) {
      heap.emplace_back(track.events_[track.playIndex_].Time, t);
      std::push_heap(heap.begin(), heap.end(), later);
    }
  };
  for (std::size_t t = 0; t < tracks_.size(); ++t) offer(t);
  while (!heap.empty()) {
    std::pop_heap(heap.begin(), heap.end(), later);
    const std::size_t t = heap.back().second;
    heap.pop_back();
    TMidiTrack& track = *tracks_[t];
    if (track.playIndex_ >= track.events_.size()) continue;
    TMidiEventEx& ev = track.events_[track.playIndex_];
    if (ev.Time >= limit) continue;
    // Passed before it is offered, as in a seek: a failing handler does not get it again.
    ++track.playIndex_;
    offer(t);
    if (!handler || (track.muted_ && !PassesMute(track.mutedKeys_, ev))) continue;
    const int64_t songUs = TicksToUs(ev.Time);
    eventDueUs_ = std::max<int64_t>(1, anchorWallUs_ + (songUs - anchorSongUs_) * speedDenominator_ / speedNumerator_);
    OfferGuarded(handler, ev, track.trackNo_);
    eventDueUs_ = 0;
    // A handler that sought has moved playback elsewhere: the rest is for the next step.
    if (seekCount_ != seeks) return;
  }
  passedTicks_ = std::max(passedTicks_, limit);
}

void TMidiFile::LookAheadStep() {
  const int64_t now = NowUs();
  const int64_t songNow = SongUsAt(now);
  int32_t position = UsToTicks(songNow);
  int32_t limit = Narrow(int64_t{UsToTicks(SongUsAt(now + leadUs_))} + 1);
  if (stopTick_ > 0) {
    limit = std::min(limit, stopTick_);
    if (stopTick_ <= position) {
      position = stopTick_;
      stopTick_ = 0;
    }
  }
  DispatchAhead(limit);
  // A handler that stopped playback leaves the position where dispatch got to, as Stop does;
  // one that sought has set it.
  if (!playing_ || leadUs_ == 0) {
    if (passedTicks_ > positionTicks_) {
      positionTicks_ = passedTicks_;
      positionMs_ = TicksToMs(positionTicks_);
    }
    return;
  }
  positionTicks_ = std::max(std::min(position, passedTicks_), positionTicks_);
  positionMs_ = TicksToMs(positionTicks_);
}

void TMidiFile::OfferGuarded(const TOnMidiEvent& handler, TMidiEventEx& event, int32_t trackNo) {
  try {
    handler(&event, trackNo);
  } catch (const std::exception& e) {
    NoteHandlerError(e.what());
  } catch (...) {
    NoteHandlerError(nullptr);
  }
}

void TMidiFile::NoteHandlerError(const char* what) {
  if (errorReported_) return;
  errorReported_ = true;
  pendingError_ = what && *what ? what : Mes(MesId::SExternalException);
}

void TMidiFile::TimerStep() {
  // A handler or the error report may run a nested message loop; ticks that arrive inside it
  // are left to the step that is running.
  if (!playing_ || inStep_) return;
  inStep_ = true;
  struct StepGuard {
    bool& flag;
    ~StepGuard() { flag = false; }
  } stepGuard{inStep_};

  if (leadUs_ > 0) {
    LookAheadStep();
  } else {
    int32_t target =
        MsToTicks(static_cast<int32_t>(static_cast<uint32_t>(Clock()) - static_cast<uint32_t>(startReference_)));
    if (stopTick_ > 0 && stopTick_ < target) {
      target = stopTick_;
      stopTick_ = 0;
    }
    SeekImpl<true>(target, true);
  }
  if (onUpdateEvent_) {
    try {
      const TNotifyEvent update = onUpdateEvent_;
      update(*this);
    } catch (const std::exception& e) {
      NoteHandlerError(e.what());
    } catch (...) {
      NoteHandlerError(nullptr);
    }
  }
  inStep_ = false;
  if (!pendingError_.empty()) {
    const std::string message = std::move(pendingError_);
    pendingError_.clear();
    try {
      if (errorReport_)
        errorReport_(message);
      else
        std::fprintf(stderr, "%s\n", message.c_str());
    } catch (...) {
      // The report runs inside the timer's event; nothing may escape into the event loop.
    }
  }
}

void TMidiFile::PlayUntil(int32_t tick) {
  // Nothing lies between the position and an end at or before it; playing there would clamp
  // the first step back to the end and pass every event from the start again.
  if (tick <= 0 || tick <= positionTicks_) return;
  const int32_t length = SongLength();
  // Past the end: one tick beyond the last event, so the events at the last tick sound.
  stopTick_ = length < tick ? (length == std::numeric_limits<int32_t>::max() ? length : length + 1) : tick;
  if (!Play() || !services_.Pump) {
    Stop();
    stopTick_ = 0;
    return;
  }
  // Never wait forever: allow twice the stretch's playing time at this speed, plus ten seconds.
  const int64_t stretchMs = std::max<int64_t>(0, int64_t{TicksToMs(stopTick_)} - positionMs_);
  const int64_t limitMs = stretchMs * speedDenominator_ / speedNumerator_ * 2 + 10000;
  IMidiClock* clock = services_.Clock;
  const uint32_t started = clock ? clock->NowMs() : SteadyClockMs();
  while (stopTick_ != 0 && playing_) {
    const uint32_t now = clock ? clock->NowMs() : SteadyClockMs();
    if (int64_t{now - started} > limitMs) break;
    services_.Pump->ProcessMessages(MidiTimerResol > 0 ? MidiTimerResol : 10);
  }
  Stop();
  stopTick_ = 0;
}

int32_t TMidiFile::CurrentBpm() const {
  const TempoEntry& e = TempoAtTick(positionTicks_);
  if (e.Tempo == 0) return 120;
  const uint32_t bpm = 60000000u / static_cast<uint32_t>(e.Tempo);
  return Narrow(int64_t{bpm} * speedNumerator_ / speedDenominator_);
}

bool TMidiFile::AllTracksDone() const {
  return std::all_of(tracks_.begin(), tracks_.end(),
                     [](const auto& t) { return t->playIndex_ >= t->events_.size(); });
}
