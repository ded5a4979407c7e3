#pragma once
// Playing from the computer keyboard: the two upper rows of keys as 21 piano keys around the
// C of the middle shown octave (letters the white keys, digits the black ones), and three
// keys that move the piano by an octave. Key codes are the platform-neutral virtual-key
// numbers of the table (letters and digits their ASCII codes, "[" 219, "]" 221, "-" 189,
// "=" 187, "`" 192, "\" 220, Backspace 8); KeyCodeOf translates a Qt key event to them.

#include <cstdint>
#include <functional>
#include <set>

class QKeyEvent;

struct TKeyNote {
  int KeyCode;
  int Offset;  // semitones from the base C; OctaveDown / OctaveUp are commands
};

class TKeyboardPlayer {
 public:
  static constexpr int OctaveDown = -100;
  static constexpr int OctaveUp = 100;

  // Sounds (velocity 127) or ends (0) a note, showing it on the piano.
  std::function<void(int note, int velocity)> PlayNote;
  // Moves the piano by delta octaves.
  std::function<void(int delta)> ShiftOctaves;
  // The C of the piano's middle shown octave.
  std::function<int()> BaseC;

  static bool IsPlayable(int keyCode);
  // A key went down (velocity 127) or up (0).
  void PlayFromKey(int keyCode, int velocity);
  // The piano moved: every note held from the keyboard ends now, since its key would play
  // another note after the move.
  void PianoShifted() { EndHeldNotes(); }
  // Ends every note a key holds (ascending), as when the keys' releases cannot arrive.
  void EndHeldNotes();

  const std::set<int>& HeldKeyNotes() const { return held_; }

 private:
  std::set<int> held_;
};

// The key code of the table for a key event: by the physical key where the platform names it
// (so any keyboard layout plays the same keys), else by the key's symbol; 0 for none.
int KeyCodeOf(const QKeyEvent& event);
