#pragma once
// The learned chord model applied to the open song: the notes of its unmuted tracks, the
// features of every beat, the chords of the whole song decoded at once, and every beat's
// variants ranked by the model's probability.

#include <cstdint>
#include <vector>

#include "chords/ChordModel.h"
#include "midi/MidiSong.h"
#include "song/SongTypes.h"

// The notes of the song's unmuted tracks, the percussion channel left out, each paired with
// its release in its track (the earliest note-on of the same key and channel first). A note
// never released sounds to the end of the song. Pitches are as the events hold them now
// (transposed).
std::vector<TSoundingNote> SongSoundingNotes(const TMidiSong& song);

// How many variants a beat lists under the model, and the least probability a variant other
// than the chosen one must have.
inline constexpr size_t ModelVariantLimit = 8;
inline constexpr float ModelVariantMinProbability = 0.005f;

// Replaces the chords of every beat by the model's: the decoded chord first and chosen, then
// the other likely classes, best first. A beat in which nothing sounds gets no chord. The
// beats' notes (what the replay heard) stay.
void ApplyChordModel(const TChordModel& model, const TMidiSong& song, int32_t beatLength, TBeats& beats);
