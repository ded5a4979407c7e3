#include "midi/MidiFile.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <limits>
#include <stdexcept>

#include "base/untMesConst.h"
#include "midi/MidiConstants.h"

namespace {

int32_t Narrow(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Loading

TMidiFile::TMidiFile(TPlaybackServices services) : song_(std::make_shared<TMidiSong>()), services_(services) {}

TMidiFile::~TMidiFile() { timer_.reset(); }

void TMidiFile::SetPlaybackServices(TPlaybackServices services) {
  Stop();
  services_ = services;
}

TMidiSong& TMidiFile::ResetForLoad() {
  if (dispatchDepth_ > 0) throw std::logic_error("TMidiFile: a file cannot be loaded from its own event handler");
  Stop();
  SetSpeed(0, 0);
  if (song_.use_count() > 1) {
    // An analysis still reads the old song: the new one is read beside it.
    auto fresh = std::make_shared<TMidiSong>();
    fresh->SetFilename(song_->Filename());
    song_ = std::move(fresh);
  }
  cursors_.clear();
  // The new tracks start at their first event, so the position starts there too.
  positionTicks_ = 0;
  positionMs_ = 0;
  passedTicks_ = 0;
  stopTick_ = 0;
  indicesAhead_ = false;
  return *song_;
}

int32_t TMidiFile::LoadFile() { return ResetForLoad().LoadFile(); }

void TMidiFile::SetSong(std::shared_ptr<TMidiSong> song) {
  ResetForLoad();
  if (song) song_ = std::move(song);
}

int32_t TMidiFile::LoadFromBytes(std::string bytes) { return ResetForLoad().LoadFromBytes(std::move(bytes)); }

int32_t TMidiFile::LoadFromBytes(const void* data, std::size_t size) {
  return LoadFromBytes(std::string(static_cast<const char*>(data), size));
}

std::vector<TMidiFile::TTrackCursor>& TMidiFile::Cursors() {
  if (cursors_.size() != static_cast<std::size_t>(song_->NumberOfTracks()))
    cursors_.resize(static_cast<std::size_t>(song_->NumberOfTracks()));
  return cursors_;
}

bool TMidiFile::Passes(const TMidiTrack& track, TTrackCursor& cursor, const TMidiEventEx& event) {
  if (!track.muted_) return true;
  if (cursor.muteCount != track.muteCount_) {
    cursor.mute.Reset();
    cursor.muteCount = track.muteCount_;
  }
  return cursor.mute.Passes(event);
}

int32_t TMidiFile::PlayIndex(int32_t track) const {
  if (track < 0 || static_cast<std::size_t>(track) >= cursors_.size()) return 0;
  return static_cast<int32_t>(cursors_[static_cast<std::size_t>(track)].index);
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
  if (song_->TicksPerQuarter() <= 0) return false;
  // A second Play replaces the running timer rather than adding one.
  timer_.reset();
  playing_ = false;
  if (!services_.Timers) return false;
  startReference_ = Clock() - positionMs_;
  const int32_t period =
      std::clamp(timerResol_, services_.Timers->MinPeriodMs(), std::max(services_.Timers->MinPeriodMs(), services_.Timers->MaxPeriodMs()));
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

template <bool Guarded>
void TMidiFile::SeekImpl(int32_t tick, bool dispatch) {
  ++seekCount_;
  std::vector<TTrackCursor>& cursors = Cursors();
  if (tick < passedTicks_ || indicesAhead_) {
    for (TTrackCursor& c : cursors) c.index = 0;
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

  for (std::size_t t = 0; t < cursors.size(); ++t) {
    TMidiTrack& track = song_->TrackAt(static_cast<int32_t>(t));
    TTrackCursor& cursor = cursors[t];
    std::size_t i = cursor.index;
    if (!handler) {
      const TMidiEventEx* const events = track.events_.data();
      const std::size_t count = track.events_.size();
      while (i < count && events[i].Time < tick) ++i;
      cursor.index = i;
      continue;
    }
    // The vector is looked up afresh for every event: a handler may add events.
    while (i < track.events_.size() && track.events_[i].Time < tick) {
      TMidiEventEx& ev = track.events_[i];
      // The event counts as passed before it is offered, so a failing handler does not get
      // the same event again at the next step.
      cursor.index = ++i;
      if (!Passes(track, cursor, ev)) continue;
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
  std::vector<TTrackCursor>& cursors = Cursors();
  auto offer = [&](std::size_t t) {
    const TMidiTrack& track = song_->TrackAt(static_cast<int32_t>(t));
    const std::size_t i = cursors[t].index;
    if (i < track.events_.size() && track.events_[i].Time < limit) {
      heap.emplace_back(track.events_[i].Time, t);
      std::push_heap(heap.begin(), heap.end(), later);
    }
  };
  for (std::size_t t = 0; t < cursors.size(); ++t) offer(t);
  while (!heap.empty()) {
    std::pop_heap(heap.begin(), heap.end(), later);
    const std::size_t t = heap.back().second;
    heap.pop_back();
    TMidiTrack& track = song_->TrackAt(static_cast<int32_t>(t));
    TTrackCursor& cursor = cursors[t];
    if (cursor.index >= track.events_.size()) continue;
    TMidiEventEx& ev = track.events_[cursor.index];
    if (ev.Time >= limit) continue;
    // Passed before it is offered, as in a seek: a failing handler does not get it again.
    ++cursor.index;
    offer(t);
    if (!handler || !Passes(track, cursor, ev)) continue;
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
    services_.Pump->ProcessMessages(timerResol_ > 0 ? timerResol_ : 10);
  }
  Stop();
  stopTick_ = 0;
}

int32_t TMidiFile::CurrentBpm() const { return song_->BpmAt(positionTicks_, speedNumerator_, speedDenominator_); }

bool TMidiFile::AllTracksDone() const {
  for (int32_t t = 0; t < song_->NumberOfTracks(); ++t)
    if (PlayIndex(t) < song_->TrackAt(t).EventCount()) return false;
  return true;
}
