#pragma once
// A standard MIDI file (or a karaoke file) as data: tracks of timed events with a file-wide
// tempo map, and the conversions between ticks and milliseconds. Reading it allocates
// nothing per event; playing it is TMidiFile's (midi/MidiFile.h), walking it for an analysis
// midi/EventWalk.h's.

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
  friend class TMidiSong;
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

  // Muting swallows the track's note-ons and key pressure during playback and in every walk
  // over the song, and the note-offs of the notes it swallowed; everything else (controllers,
  // lyrics, ...) still passes (TMuteFilter).
  void SetMuted(bool muted);
  bool Muted() const { return muted_; }
  // Counts the times the track was muted, so that a player starts a fresh filter each time.
  uint32_t MuteCount() const { return muteCount_; }

 private:
  friend class TMidiSong;
  friend class TMidiFile;
  void NoteNameOrInstrument(const TMidiEventEx& event);

  int32_t trackNo_;
  std::vector<TMidiEventEx> events_;
  std::string name_;
  std::string instrument_;
  uint32_t tickAccumulator_ = 0;  // wraps like the 32-bit sum it stands for
  std::vector<std::unique_ptr<char[]>> ownTexts_;  // texts of events added by hand
  bool muted_ = false;
  uint32_t muteCount_ = 0;
};

// What a muted track lets through: its note-ons (and key pressure) are swallowed, and so are
// the note-offs of the keys it swallowed; notes that were already sounding still end. One
// filter per track and pass over the song.
class TMuteFilter {
 public:
  bool Passes(const TMidiEventEx& event);
  void Reset() { keys_.reset(); }

 private:
  std::bitset<256> keys_;
};

// One point of the tempo map: from Tick on, Tempo microseconds per quarter note; Ms is the
// time of that tick.
struct TempoEntry {
  int32_t Tempo = 500000;
  int32_t Tick = 0;
  int32_t Ms = 0;
};

// How complete the last file read was. A track is cut short when its chunk ends inside an
// event or the file ends inside its chunk (a chunk that claims more bytes than the file
// holds): what came before is loaded, the rest is lost. Reading never changes what is loaded because of this; it only tells.
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


// A song as read from a standard MIDI file: its tracks of timed events, the tempo map and the
// conversions between ticks and time. Plain data apart from any player: the analyses read a
// const song (midi/EventWalk.h), and TMidiFile plays one.
class TMidiSong {
 public:
  TMidiSong();
  TMidiSong(const TMidiSong&) = delete;
  TMidiSong& operator=(const TMidiSong&) = delete;

  const std::string& Filename() const { return filename_; }
  void SetFilename(std::string path) { filename_ = std::move(path); }
  // Reads Filename; returns the number of tracks. Throws EInOutError when the file cannot be
  // read (missing, a folder, larger than MaxMidiFileBytes, ...). A file cut short is no error:
  // a chunk that claims more bytes than the file holds gives what the file holds, as a track
  // cut short (Completeness()).
  int32_t LoadFile();
  // The same from bytes in memory (the file's contents); the bytes are kept as the store of
  // the events' texts until the next load.
  int32_t LoadFromBytes(std::string bytes);
  // Forgets everything read: no tracks, the default tempo and time signature.
  void Clear();

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
  // The tempo in force at a tick in beats per minute, a speed ratio applied; 120 without a tempo.
  int32_t BpmAt(int32_t tick, uint8_t speedNumerator = 1, uint8_t speedDenominator = 1) const;

 private:
  void ParseBytes();
  void ParseHeader(const uint8_t* data, std::size_t length);
  // Returns the offset within the chunk where reading stopped (length when it was read whole).
  std::size_t ParseTrack(const uint8_t* data, std::size_t length);

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
};

// The notice for a file that was not read whole: how many tracks were cut short ("damaged
// file, N tracks cut short"), how many the header announced but the file does not hold, or
// both; an empty text for a complete file.
std::string DamagedFileNotice(const TReadCompleteness& completeness);

// "h:mm:ss.zzz" ("0:01:23.456").
std::string FormatTime(int32_t ms);
