#pragma once
// BuildChordText: the whole lyrics-with-chords text of a song. It walks the song's events beat
// by beat (midi/EventWalk.h), places the chord names the beat grid shows above the
// syllables, and adds the title lines, the header line with tempo, transposition and key,
// and the signature. It reads the song only: no player is involved.
//
// Everything it needs is handed in as plain data, so the window, the command line and the
// tests share it without a session object.

#include <cstdint>
#include <string>
#include <vector>

#include "export/ChordTextBuilder.h"
#include "chords/untChords.h"
#include "export/CodePage.h"

class TMidiFile;
class TMidiSong;

struct TChordTextInput {
  // What each beat shows as its chord (BeatChordText of the song model); empty for a beat
  // without chord.
  std::vector<std::string> cells;
  int32_t beatLength = 0;
  int32_t transposition = 0;  // semitones the song stands shifted, -11..+11
  int32_t key = -1;           // original key (selected entry of the key list), -1 unknown
  bool karaoke = false;
  bool commExport = true;
  TCodePage codePage = TCodePage::Cp1251;
  std::string dateTime;  // for the signature; empty: now
  NoteNotation notation = NoteNotation::English;  // of the key names
  // The key after the transposition named with its mode ("Am"), for the ChordPro header;
  // empty when unknown.
  std::string keyWithMode;
  // When not empty, the header's names of the original key and of the key played (their major
  // tonics), in place of both spellings of each ("Bb" rather than "A#(Bb)").
  std::string keyFromName, keyToName;
  // The playback speed as a ratio of the written tempo, for the tempo of the header.
  uint8_t speedNumerator = 1;
  uint8_t speedDenominator = 1;
};

TChordText BuildChordText(const TMidiSong& song, const TChordTextInput& input);
// The same for the song of an engine, at the engine's speed (input's speed is not read).
TChordText BuildChordText(const TMidiFile& engine, const TChordTextInput& input);

// True when every text event of the file (meta types 1 to 7) is valid UTF-8.
bool MidiTextsAreUtf8(const TMidiSong& song);

// The code page for a Windows code page number (the settings store 1251, 1252 or 20866);
// Windows-1251 for any other number.
TCodePage CodePageFromNumber(int32_t number);
