#pragma once
// Where the built-in synthesizer finds its General MIDI SoundFont: the environment variable
// CANTARO_SOUNDFONT when it names a readable file, otherwise the standard folders of the
// Debian soundfont packages and of the user (XDG data folders), best-known names first.

#include <string>
#include <vector>

// The folders searched, in order: the user's data folder, then every system data folder,
// each with "soundfonts", "sounds/sf2" and "sounds/sf3".
std::vector<std::string> SoundFontFolders();

// The best SoundFont in the folders: "default-GM.sf2" (the system's chosen default),
// "FluidR3_GM.sf2", "TimGM6mb.sf2", "default-GM.sf3", "FluidR3_GM.sf3", then any other .sf2
// or .sf3 file in name order. Empty when there is none.
std::string FindSoundFontIn(const std::vector<std::string>& folders);

// The SoundFont the synthesizer uses; empty when the system has none.
std::string FindGeneralMidiSoundFont();
