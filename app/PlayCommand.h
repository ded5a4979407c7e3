#pragma once
// cantaro --play: a song played in real time on a MIDI output device, through the same road
// as the window's playback (the engine's timer and dispatch, TMidiOutput), with the position
// shown on a terminal, Ctrl+C stopping it with all notes off, and a lost device reported once.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "platform/SystemMidiOut.h"
#include "song/SongModel.h"

struct TPlayOptions {
  std::string file;
  std::string device;  // a number as --devices prints it, or a part of a name; empty: defaultDevice
  int transpose = 0;
  std::string speed;   // an entry of the tempo list: *3 *2 *1.5 1:1 /1.5 /2 /3; empty: 1:1
  std::string jackServer;  // empty: the default JACK server (JACK_DEFAULT_SERVER)
  // The device the window plays on (its number in the options dialog's list); one that is no
  // longer there gives device 0.
  int32_t defaultDevice = 0;
};

// The speed ratio of a tempo list entry (spaces are ignored); nothing for other texts.
struct TSpeedRatio {
  int numerator = 1, denominator = 1;
};
std::optional<TSpeedRatio> ParseSpeedEntry(const std::string& text);

// The device --play plays on: the one named (a number as --devices prints it, or a part of a
// name), else the window's device, else device 0 when that one is no longer in the list;
// nothing when the named one is not there or there is no device at all.
std::optional<uint32_t> ChoosePlayDevice(const std::vector<TMidiOutDeviceInfo>& devices, const std::string& device,
                                         int32_t defaultDevice);

constexpr int kExitPlayInterrupted = 130;

// Plays the song and returns the exit code: 0 when it played to its end, 130 when Ctrl+C
// stopped it, 1 when the song or the device could not be opened or the device went away.
// song: the analysis options the song is loaded with.
int RunPlay(const TPlayOptions& options, const TSongOptions& song, std::ostream& out, std::ostream& err);
