#pragma once
// The song as a standard MIDI file with a track of its chords added: the original tracks as
// the program holds them (transposed when the song is), and a last track named "Chords" that
// holds every chord change as a block of the chord's tones (the bass an octave lower),
// sounding until the next change, with a marker event carrying the chord's name. DAWs and
// notation programs import the chords from it as a track of their own.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Result.h"
#include "chords/KeySpelling.h"
#include "song/SongTypes.h"

class TMidiSong;

// One block of the chord track: the chord sounds from start up to, not including, end.
struct TChordBlock {
  int32_t start = 0;
  int32_t end = 0;
  std::string name;             // the chord's name
  std::vector<int32_t> notes;   // ascending, the bass first
};

// The blocks of the beats' chosen chords: a block starts where the chosen chord changes (by
// name) and lasts until the next change; a beat without a chord ends the block before it, so
// silence stays silent.
std::vector<TChordBlock> ChordBlocks(const TBeats& beats, int32_t beatLength, NoteNotation notation,
                                    const std::optional<TKeySpelling>& key = std::nullopt);

// The notes of a chord's block: its tones as the recogniser voiced them and the bass one
// octave below, all within 0..127.
std::vector<int32_t> ChordBlockNotes(const TChord& chord);

struct TChordTrackFile {
  std::string bytes;   // the whole file
  int channel = -1;    // channel (0..15) of the chord track's notes
  // The song had no channel without notes: the chord track shares the one with the fewest,
  // which holds this many notes.
  bool channelShared = false;
  int32_t sharedChannelNotes = 0;
  // Note events whose note number a transposition moved outside 0..127 cannot be written.
  int32_t droppedEvents = 0;
};

// Format 0 songs are written as format 1 (their track, then the chord track); format 2 songs
// (independent patterns) are refused: the error says why.
TResult<TChordTrackFile> MidiWithChordTrack(const TMidiSong& file, const std::vector<TChordBlock>& blocks);
