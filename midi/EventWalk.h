#pragma once
// A read-only walk over a song's events from tick 0 on, for the analyses (chord search, key
// detection, the text builder, the JSON analysis): To(tick) offers every event before the
// tick that was not offered yet, track after track, each track's events in their order. A
// walk beat by beat thus meets the events in the order playback passes them when it jumps
// from beat to beat. A muted track loses its note-ons and key pressure (and the note-offs of
// the notes it lost) as it does in playback; its texts and everything else pass, so the
// lyrics of a muted track still reach the text. Nothing of the song or of a player changes.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "midi/MidiSong.h"

class TEventWalk {
 public:
  explicit TEventWalk(const TMidiSong& song)
      : song_(song), cursors_(static_cast<std::size_t>(song.NumberOfTracks())) {}

  // visit(const TMidiEventEx& event, int32_t trackNo) for every event before tick.
  template <typename Visit>
  void To(int32_t tick, Visit&& visit) {
    Walk(tick, false, visit);
    if (tick > position_) position_ = tick;
  }
  // The same for every event left, however late.
  template <typename Visit>
  void ToEnd(Visit&& visit) {
    Walk(0, true, visit);
  }

  // The furthest tick walked to (by To).
  int32_t Position() const { return position_; }
  const TMidiSong& Song() const { return song_; }

 private:
  template <typename Visit>
  void Walk(int32_t tick, bool all, Visit& visit) {
    for (std::size_t t = 0; t < cursors_.size(); ++t) {
      const TMidiTrack& track = song_.TrackAt(static_cast<int32_t>(t));
      const std::span<const TMidiEventEx> events = track.Events();
      TCursor& cursor = cursors_[t];
      const bool muted = track.Muted();
      std::size_t i = cursor.index;
      while (i < events.size() && (all || events[i].Time < tick)) {
        const TMidiEventEx& event = events[i++];
        if (muted && !cursor.mute.Passes(event)) continue;
        visit(event, track.TrackNo());
      }
      cursor.index = i;
    }
  }

  struct TCursor {
    std::size_t index = 0;
    TMuteFilter mute;
  };
  const TMidiSong& song_;
  std::vector<TCursor> cursors_;
  int32_t position_ = 0;
};
