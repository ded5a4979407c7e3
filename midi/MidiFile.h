#pragma once
// The MIDI file engine: a song read from a standard MIDI file (or a karaoke file, its data in
// midi/MidiSong.h) and its player, which plays the events back against a clock by handing
// each one to the OnMidiEvent handler; Seek with dispatch passes every event on the way
// synchronously. The reading and conversion members are the song's, offered here as well
// for the window. Analyses never play: they walk the const song (midi/EventWalk.h).

#include <atomic>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "midi/MidiClock.h"
#include "midi/MidiSong.h"

class TMidiFile;
using TNotifyEvent = std::function<void(TMidiFile& Sender)>;
using TErrorReport = std::function<void(const std::string& message)>;

class TMidiFile {
 public:
  explicit TMidiFile(TPlaybackServices services = {});
  ~TMidiFile();
  TMidiFile(const TMidiFile&) = delete;
  TMidiFile& operator=(const TMidiFile&) = delete;

  // Installs the clock, timer and message pump (stops playback first).
  void SetPlaybackServices(TPlaybackServices services);

  // ---- reading (the song's; see TMidiSong)
  const TMidiSong& Song() const { return *song_; }
  TMidiSong& Song() { return *song_; }
  // The song, shared: an analysis may keep it after the next file is loaded here (that file
  // is then read into a song of its own).
  std::shared_ptr<const TMidiSong> SharedSong() const { return song_; }

  const std::string& Filename() const { return song_->Filename(); }
  void SetFilename(std::string path) { song_->SetFilename(std::move(path)); }
  // Reads Filename; returns the number of tracks. Throws EInOutError when the file cannot be
  // read (missing, a folder, larger than MaxMidiFileBytes, ...). A file cut short is no error:
  // a chunk that claims more bytes than the file holds gives what the file holds, as a track
  // cut short (Completeness()).
  int32_t LoadFile();
  // The same from bytes in memory (the file's contents); the bytes are kept as the store of
  // the events' texts until the next load.
  int32_t LoadFromBytes(std::string bytes);
  int32_t LoadFromBytes(const void* data, std::size_t size);
  // Puts a song read elsewhere in place of the loaded one (playback stops first), so that a
  // file can be read apart and taken only once it is known to hold a song.
  void SetSong(std::shared_ptr<TMidiSong> song);

  int32_t NumberOfTracks() const { return song_->NumberOfTracks(); }
  const TReadCompleteness& Completeness() const { return song_->Completeness(); }
  int32_t TicksPerQuarter() const { return song_->TicksPerQuarter(); }
  TFileFormat FileFormat() const { return song_->FileFormat(); }
  int32_t HeaderTracks() const { return song_->HeaderTracks(); }
  TMidiTrack& TrackAt(int32_t index) { return song_->TrackAt(index); }
  const TMidiTrack& TrackAt(int32_t index) const { return song_->TrackAt(index); }
  uint8_t TimeSigNumerator() const { return song_->TimeSigNumerator(); }
  uint8_t TimeSigDenominator() const { return song_->TimeSigDenominator(); }
  const std::vector<TempoEntry>& TempoMap() const { return song_->TempoMap(); }
  void AddTempo(int32_t tempo, int32_t tick) { song_->AddTempo(tempo, tick); }
  const TempoEntry& TempoAtTick(int32_t tick) const { return song_->TempoAtTick(tick); }
  const TempoEntry& TempoAtMs(int32_t ms) const { return song_->TempoAtMs(ms); }
  int32_t TicksToMs(int32_t tick) const { return song_->TicksToMs(tick); }
  int32_t MsToTicks(int32_t ms) const { return song_->MsToTicks(ms); }
  int64_t TicksToUs(int32_t tick) const { return song_->TicksToUs(tick); }
  int32_t UsToTicks(int64_t us) const { return song_->UsToTicks(us); }
  int32_t BeatTicks() const { return song_->BeatTicks(); }
  int32_t SongLength() const { return song_->SongLength(); }
  std::string FormatTicks(int32_t tick) const { return song_->FormatTicks(tick); }

  // ---- playback
  // Starts the clock at the current position. False (nothing starts) without a division or
  // when no timer can be created.
  bool Play();
  bool PlayFromStart();
  void Stop();
  void Rewind();
  // Moves the position to tick; with dispatch every event passed on the way goes to the
  // OnMidiEvent handler (through the mute filter). A handler's exception propagates.
  void Seek(int32_t tick, bool dispatch);
  // Plays from the position up to tick (past the song's end: to its end), handling messages
  // while it waits, then stops. Returns at once for an end at or before the position, or
  // when playback cannot start; gives up after twice the stretch's playing time plus 10 s.
  void PlayUntil(int32_t tick);
  // Speed ratio numerator:denominator; numerator (or denominator) 0 resets to 1:1.
  void SetSpeed(uint8_t numerator, uint8_t denominator);
  uint8_t SpeedNumerator() const { return speedNumerator_; }
  uint8_t SpeedDenominator() const { return speedDenominator_; }
  // Tempo at the position in beats per minute, the speed ratio applied; 120 without a tempo.
  int32_t CurrentBpm() const;
  bool AllTracksDone() const;
  // Index of the next event of a track that playback will pass (0 for a track not yet passed).
  int32_t PlayIndex(int32_t track) const;
  int32_t PositionTicks() const { return positionTicks_; }
  int32_t PositionMs() const { return positionMs_; }
  bool Playing() const { return playing_; }

  const TOnMidiEvent& OnMidiEvent() const { return onMidiEvent_; }
  void SetOnMidiEvent(TOnMidiEvent handler) { onMidiEvent_ = std::move(handler); }
  const TNotifyEvent& OnUpdateEvent() const { return onUpdateEvent_; }
  void SetOnUpdateEvent(TNotifyEvent handler) { onUpdateEvent_ = std::move(handler); }
  // Receives the text of an exception that escaped a handler during a timer step; playback
  // goes on. Reported once per playback (a handler failing on every event would otherwise
  // raise a report at every step).
  const TErrorReport& ErrorReport() const { return errorReport_; }
  void SetErrorReport(TErrorReport report) { errorReport_ = std::move(report); }

  // One timer step (what the periodic timer runs); public so that platform code and tests
  // can drive it.
  void TimerStep();

  // Sending ahead, for an output that plays messages at their due times. 0 (the default): each
  // event is dispatched at the first timer step that finds the clock at or past it. Otherwise,
  // from the next Play on, every step dispatches the events due before the clock plus one
  // timer period plus this many microseconds, in time order across the tracks (tracks in
  // their order when times tie), and EventDueUs tells the handler when each is due. The
  // position shown stays with the clock; Stop moves it to where dispatch had got to, so that
  // playing on neither repeats nor skips an event.
  void SetLookAheadUs(int64_t us) { lookAheadUs_ = us > 0 ? us : 0; }
  int64_t LookAheadUs() const { return lookAheadUs_; }
  // Period of the playback timer in milliseconds (the settings' TimerResol), read at every Play.
  void SetTimerResol(int32_t ms) { timerResol_ = ms; }
  int32_t TimerResol() const { return timerResol_; }
  // Inside the handler, while playback sends ahead: when the event is due, on the playback
  // clock (IMidiClock::NowUs; the steady clock in the program) in microseconds, the speed
  // ratio applied. 0 for events passed by a seek or played without look-ahead.
  int64_t EventDueUs() const { return eventDueUs_; }

 private:
  // Where playback is in one track: the next event, and the filter of the track's muting
  // (started afresh each time the track is muted).
  struct TTrackCursor {
    std::size_t index = 0;
    TMuteFilter mute;
    uint32_t muteCount = 0;
  };
  // Stops playback and makes the song ready to be read: a new song when an analysis still
  // holds the old one, the same one cleared otherwise.
  TMidiSong& ResetForLoad();
  // One cursor per track of the song.
  std::vector<TTrackCursor>& Cursors();
  bool Passes(const TMidiTrack& track, TTrackCursor& cursor, const TMidiEventEx& event);
  int32_t Clock();
  int64_t NowUs() const;
  // Song time in microseconds at a moment of the playback clock (look-ahead playback).
  int64_t SongUsAt(int64_t nowUs) const;
  // Look-ahead playback: dispatches, in time order, the events before limit.
  void DispatchAhead(int32_t limit);
  void LookAheadStep();
  template <bool Guarded>
  void SeekImpl(int32_t tick, bool dispatch);
  void NoteHandlerError(const char* what);
  // Offers an event to a handler during playback: an exception is noted for the report, not
  // passed into the timer's event.
  void OfferGuarded(const TOnMidiEvent& handler, TMidiEventEx& event, int32_t trackNo);

  std::shared_ptr<TMidiSong> song_;
  std::vector<TTrackCursor> cursors_;

  // playback
  TPlaybackServices services_;
  std::unique_ptr<IMidiTimer> timer_;
  TOnMidiEvent onMidiEvent_;
  TNotifyEvent onUpdateEvent_;
  TErrorReport errorReport_;
  bool playing_ = false;
  bool inStep_ = false;
  int dispatchDepth_ = 0;
  bool errorReported_ = false;
  std::string pendingError_;
  int32_t positionTicks_ = 0;
  // Set while a handler's exception left some play indices past the position tick; the next
  // seek then starts every track from the beginning again.
  bool indicesAhead_ = false;
  int32_t positionMs_ = 0;
  int32_t startReference_ = 0;
  int32_t stopTick_ = 0;
  uint8_t speedNumerator_ = 1;
  uint8_t speedDenominator_ = 1;
  uint32_t speedBase_ = 0;
  int32_t speedOffset_ = 0;
  // Where the play indices are: the events before it have been passed. The position, but
  // ahead of it while playback sends ahead.
  int32_t passedTicks_ = 0;
  int64_t lookAheadUs_ = 0;
  int32_t timerResol_ = 10;
  int64_t leadUs_ = 0;        // of the running playback; 0 without look-ahead
  int64_t anchorWallUs_ = 0;  // a moment of the playback clock, and the song time then
  int64_t anchorSongUs_ = 0;
  int64_t eventDueUs_ = 0;
  uint32_t seekCount_ = 0;
  std::vector<std::pair<int32_t, std::size_t>> aheadHeap_;  // (time, track) of each track's next event
};

