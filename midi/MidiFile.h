#pragma once
// The MIDI file engine: reads a standard MIDI file (or a karaoke file) into tracks of timed
// events with a file-wide tempo map, converts between ticks and milliseconds, and plays the
// events back against a clock by handing each one to the OnMidiEvent handler. The same
// dispatch serves as a silent scanner: Seek with dispatch passes every event on the way
// synchronously.

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

#include "midi/InOutError.h"
#include "midi/MidiClock.h"
#include "midi/TempoIndex.h"

enum class TFileFormat : uint8_t { single = 0, multi_synch = 1, multi_asynch = 2 };

// One event as read from a track. Events live contiguously in their track; the Text bytes
// live in the file's byte buffer (or in the track, for events added by hand), so loading
// allocates nothing per event. Channel bytes may be changed in place (transposition).
struct TMidiEventEx {
  uint8_t Status = 0;  // status in force: 0x80..0xEF channel, 0xF0/0xF7 SysEx, 0xFF meta, 0 none yet
  uint8_t Data1 = 0;   // first data byte; the meta type of a meta event
  uint8_t Data2 = 0;   // second data byte of two-byte channel messages, else 0
  int32_t DeltaTicks = 0;
  int32_t Time = 0;  // absolute tick: sum of the track's delta times up to this event

  // The data bytes of a meta or SysEx event as stored after the length; empty otherwise.
  // Valid until the next load of the file (in copies of the event too); std::string(Text())
  // keeps them longer.
  std::string_view Text() const { return {textData_, textLength_}; }

 private:
  friend class TMidiTrack;
  friend class TMidiFile;
  uint32_t textLength_ = 0;
  const char* textData_ = nullptr;
};
using PMidiEventEx = TMidiEventEx*;

using TOnMidiEvent = std::function<void(PMidiEventEx event, int32_t TrackNo)>;

class TMidiTrack {
 public:
  explicit TMidiTrack(int32_t trackNo);
  TMidiTrack(const TMidiTrack&) = delete;
  TMidiTrack& operator=(const TMidiTrack&) = delete;

  // Text of the first non-empty track-name (meta 3) and instrument-name (meta 4) event.
  const std::string& Name() const { return name_; }
  const std::string& Instrument() const { return instrument_; }
  int32_t TrackNo() const { return trackNo_; }

  int32_t EventCount() const { return static_cast<int32_t>(events_.size()); }
  // Null when the index is outside 0..EventCount-1. Pointers stay valid until the next
  // LoadFile of the owning file (or the next AddEvent of this track).
  PMidiEventEx EventAt(int32_t index);
  const TMidiEventEx* EventAt(int32_t index) const;
  std::span<TMidiEventEx> Events() { return events_; }
  std::span<const TMidiEventEx> Events() const { return events_; }

  // Appends an event after the last one: its Time becomes the running sum of the delta
  // times; its text (or the given text) is copied into the track. Fills Name and Instrument
  // from meta events 3 and 4.
  void AddEvent(const TMidiEventEx& event);
  void AddEvent(const TMidiEventEx& event, std::string_view text);

  // Muting swallows the track's note-ons during dispatch and the note-offs of the notes it
  // swallowed; everything else (controllers, lyrics, ...) still passes.
  void SetMuted(bool muted);
  bool Muted() const { return muted_; }

  // Index of the next event that playback will pass.
  int32_t PlayIndex() const { return static_cast<int32_t>(playIndex_); }

 private:
  friend class TMidiFile;
  void NoteNameOrInstrument(const TMidiEventEx& event);

  int32_t trackNo_;
  std::vector<TMidiEventEx> events_;
  std::string name_;
  std::string instrument_;
  uint32_t tickAccumulator_ = 0;  // wraps like the 32-bit sum it stands for
  std::vector<std::unique_ptr<char[]>> ownTexts_;  // texts of events added by hand
  std::size_t playIndex_ = 0;
  bool muted_ = false;
  std::bitset<256> mutedKeys_;
};

// One point of the tempo map: from Tick on, Tempo microseconds per quarter note; Ms is the
// time of that tick.
struct TempoEntry {
  int32_t Tempo = 500000;
  int32_t Tick = 0;
  int32_t Ms = 0;
};

// How complete the last file read was. A track is cut short when its chunk ends inside an
// event (or a chunk claims more bytes than the file holds): what came before is loaded, the
// rest is lost. Reading never changes what is loaded because of this; it only tells.
struct TCutTrack {
  int32_t Track = 0;        // index as in TrackAt
  std::size_t Offset = 0;   // byte offset in the file where reading stopped
  int32_t Tick = 0;         // time of the last event read (0 without events)
};
struct TReadCompleteness {
  std::vector<TCutTrack> CutTracks;
  int32_t MissingTracks = 0;  // announced by the header, not found in the file
  bool Complete() const { return CutTracks.empty() && MissingTracks == 0; }
};

class TMidiFile;
using TNotifyEvent = std::function<void(TMidiFile& Sender)>;
using TErrorReport = std::function<void(const std::string& message)>;

// Period of the playback timer in milliseconds, read at every Play; the settings copy their
// TimerResol value here.
extern int32_t MidiTimerResol;

class TMidiFile {
 public:
  explicit TMidiFile(TPlaybackServices services = {});
  ~TMidiFile();
  TMidiFile(const TMidiFile&) = delete;
  TMidiFile& operator=(const TMidiFile&) = delete;

  // Installs the clock, timer and message pump (stops playback first).
  void SetPlaybackServices(TPlaybackServices services);

  // ---- reading
  const std::string& Filename() const { return filename_; }
  void SetFilename(std::string path) { filename_ = std::move(path); }
  // Reads Filename; returns the number of tracks. Throws EInOutError when the file cannot be
  // read or a chunk claims more bytes than the file holds (the tracks before it remain).
  int32_t LoadFile();
  // The same from bytes in memory (the file's contents); the bytes are kept as the store of
  // the events' texts until the next load.
  int32_t LoadFromBytes(std::string bytes);
  int32_t LoadFromBytes(const void* data, std::size_t size);

  int32_t NumberOfTracks() const { return static_cast<int32_t>(tracks_.size()); }
  // Whether the last read found everything it was promised, and where it did not.
  const TReadCompleteness& Completeness() const { return completeness_; }
  int32_t TicksPerQuarter() const { return ticksPerQuarter_; }
  TFileFormat FileFormat() const { return fileFormat_; }
  // Track count the header announced (informational; NumberOfTracks is what was read).
  int32_t HeaderTracks() const { return headerTracks_; }
  // Throws std::out_of_range with "List index out of bounds (%d)" outside 0..NumberOfTracks-1.
  TMidiTrack& TrackAt(int32_t index);
  const TMidiTrack& TrackAt(int32_t index) const;

  // The last time signature read: numerator and the denominator as a power of two (4, 2 = 4/4).
  uint8_t TimeSigNumerator() const { return timeSigNumerator_; }
  uint8_t TimeSigDenominator() const { return timeSigDenominator_; }

  const std::vector<TempoEntry>& TempoMap() const { return tempoMap_; }
  // Adds a tempo map entry at tick; an entry at or after the last one's tick replaces it.
  void AddTempo(int32_t tempo, int32_t tick);
  // The map entry in force at a tick (or at a time in milliseconds).
  const TempoEntry& TempoAtTick(int32_t tick) const;
  const TempoEntry& TempoAtMs(int32_t ms) const;

  int32_t TicksToMs(int32_t tick) const;
  int32_t MsToTicks(int32_t ms) const;
  // The same in microseconds, on the same map (TicksToMs is TicksToUs in whole milliseconds):
  // the time of a tick, and the last tick reached at a time.
  int64_t TicksToUs(int32_t tick) const;
  int32_t UsToTicks(int64_t us) const;
  // Default beat length in ticks from the time signature (480 for 4/4, 720 for 6/8 at 480).
  int32_t BeatTicks() const;
  // The largest Time of any track's last event; 0 without tracks.
  int32_t SongLength() const;
  // "bar:beat.tick", bars counted as four quarters ("0:02.040").
  std::string FormatTicks(int32_t tick) const;

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
  // Inside the handler, while playback sends ahead: when the event is due, on the playback
  // clock (IMidiClock::NowUs; the steady clock in the program) in microseconds, the speed
  // ratio applied. 0 for events passed by a seek or played without look-ahead.
  int64_t EventDueUs() const { return eventDueUs_; }

 private:
  void ResetForLoad();
  void ParseBytes();
  void ParseHeader(const uint8_t* data, std::size_t length);
  // Returns the offset within the chunk where reading stopped (length when it was read whole).
  std::size_t ParseTrack(const uint8_t* data, std::size_t length);
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

  // reading
  std::string filename_;
  std::string bytes_;  // the loaded file; event texts point into it
  std::vector<std::unique_ptr<TMidiTrack>> tracks_;
  std::vector<TempoEntry> tempoMap_;
  bool tempoTicksSorted_ = true;  // lets lookups bisect instead of scanning
  bool tempoMsSorted_ = true;
  mutable std::atomic<std::size_t> tickHint_{0};  // last entry found, tried first
  mutable std::atomic<std::size_t> msHint_{0};
  // Once the map is out of order: the last entry below a tick or a time, without a scan.
  TTempoIndex tickIndex_;
  TTempoIndex msIndex_;
  int32_t ticksPerQuarter_ = 0;
  int32_t headerTracks_ = 0;
  TReadCompleteness completeness_;
  TFileFormat fileFormat_ = TFileFormat::single;
  uint8_t timeSigNumerator_ = 4;
  uint8_t timeSigDenominator_ = 2;

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
  int64_t leadUs_ = 0;        // of the running playback; 0 without look-ahead
  int64_t anchorWallUs_ = 0;  // a moment of the playback clock, and the song time then
  int64_t anchorSongUs_ = 0;
  int64_t eventDueUs_ = 0;
  uint32_t seekCount_ = 0;
  std::vector<std::pair<int32_t, std::size_t>> aheadHeap_;  // (time, track) of each track's next event
};

// The notice for a file that was not read whole: how many tracks were cut short ("damaged
// file, N tracks cut short"), how many the header announced but the file does not hold, or
// both; an empty text for a complete file.
std::string DamagedFileNotice(const TReadCompleteness& completeness);

// "h:mm:ss.zzz" ("0:01:23.456").
std::string FormatTime(int32_t ms);
