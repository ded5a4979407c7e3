#pragma once
// What the output device gets for an event that playback dispatched: nothing for a meta event
// (lyrics and the like are for the screen); the whole block for a system-exclusive event, as
// a long message; otherwise the event's status and data bytes. When the sound is to keep the
// song's original pitch (the setting MidiOutNoTranspose), the song's transposition is taken
// back out of the note number of note-off, note-on and key-pressure messages, except on the
// percussion channel, in 8-bit arithmetic like the transposition itself.

#include <optional>

#include "midi/MidiFile.h"
#include "midi/Miditype.h"

// Note-off, note-on or key pressure outside the percussion channel: the events whose note
// number a transposition shifts.
bool IsTransposableNote(uint8_t status);

std::optional<TMidiEvent> PlayedMidiEvent(const TMidiEventEx& event, int transposition,
                                          bool keepOriginalPitch);
