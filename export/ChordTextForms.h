#pragma once
// The other written forms of a song's chords: ChordPro (directives and [Chord] markers
// inside the lyrics) and the beat grid as the window shows it.

#include <string>
#include <vector>

#include "export/ChordTextBuilder.h"

// The plain text with chords above the lyrics, lines ended by eol.
std::string ChordTextString(const TChordText& text, const std::string& eol = "\n");

// ChordPro: {title: }, {subtitle: }, the credits ({artist: }, {composer: }, {lyricist: }),
// {copyright: }, {key: } (the current key, when known), {tempo: } (the opening tempo) and
// {time: } directives, then the lyrics with a [Chord] marker in front of the syllable over
// which the plain text places the chord; every sung line opens with a marker, repeating the
// chord that goes on from the line before. A line of chords without lyrics becomes a line of
// markers; the other texts of the file and the signature become "#" lines, which do not print.
std::string ChordProString(const TChordText& text);

// The beat grid: one line per row of four beats, the row number (from 0) and the four cells,
// tab-separated.
std::string BeatGridString(const std::vector<std::string>& cells);

// Places [chord] markers into a lyric line at the columns (in characters) where the chord
// line has its names. Chords beyond the end of the lyrics are appended.
std::string MergeChordsIntoLyrics(const std::string& chordLine, const std::string& lyricLine);
