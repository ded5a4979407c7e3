#pragma once
// Guitar chord shapes: how a chord is fingered in standard tuning (E A D G B E), read from a
// small text file the program ships (a user's own file of the same form overrides single
// shapes), and the barre shapes that move up the neck (the E and A shapes), so every root of
// the common chord types has a shape. The capo hint asks, for the chords of a song, which capo
// position needs the fewest barres.
//
// The file has one shape a line: a chord name, a colon, the frets of the six strings from the
// low E ("x" muted, "0" open; digits, or numbers parted by "-" when a fret has two digits) and
// optionally the barre's fret:
//
//   # comment
//   C: x32010
//   Bb: x13331 barre=1
//   D/F#: 200232
//   Ebm7: x-6-8-6-7-6 barre=6
//
// The name is an English root (C, C#, Db ... B) with a suffix of the chord table ("", m, 7,
// m7, 7M or maj7, m7M, 6, m6, sus2, sus4, 7sus2, 7sus4, dim, aug, 5) and an optional "/bass".

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chords/untChords.h"

inline constexpr int GuitarStringCount = 6;
inline constexpr int8_t MutedString = -1;

struct TGuitarShape {
  std::array<int8_t, GuitarStringCount> frets{};  // low E first: MutedString, 0 open, else the fret
  int8_t barre = 0;                               // the fret one finger holds across; 0: none
  bool operator==(const TGuitarShape&) const = default;
  bool IsBarre() const { return barre > 0; }
  // The lowest fret pressed (0 when every string is open or muted).
  int LowestFret() const;
  // The highest fret pressed.
  int HighestFret() const;
};

// What a shape is found by: the chord's root, its row of the chord table and its bass (the
// root for a chord without a bass of its own), as pitch classes.
struct TShapeKey {
  int8_t root = 0;
  uint8_t type = 0;
  int8_t bass = 0;
  auto operator<=>(const TShapeKey&) const = default;
};

// The shape key of a chord; none for chords no shape stands for (an extension or an altered
// fifth, ninth or eleventh: their tones are shown instead).
std::optional<TShapeKey> ShapeKeyOf(const TChord& chord);

// A line that was skipped and why.
enum class TShapeFault : uint8_t { NoColon, UnknownChord, BadFrets, BadBarre, WrongNotes };
struct TShapeProblem {
  int line = 0;  // from 1
  TShapeFault fault = TShapeFault::NoColon;
};

struct TGuitarShapes {
  std::map<TShapeKey, TGuitarShape> shapes;
  // Shapes of `other` take the place of these for the same chord.
  void Override(const TGuitarShapes& other);
};

struct TGuitarShapesRead {
  TGuitarShapes shapes;
  std::vector<TShapeProblem> problems;
};

// Reads a shapes file from its bytes. A line that is not a shape is skipped and named in the
// problems; the rest is read. Never throws.
TGuitarShapesRead ReadGuitarShapes(std::string_view bytes);

// The E-shape or A-shape barre (whichever sits lower on the neck) of a chord type on a root;
// none for the types without a movable shape. At fret 0 it is the open E or A shape.
std::optional<TGuitarShape> MovableShape(int root, int type);

// The shape a chord is played with: the file's for the chord, else the movable barre; none
// when neither stands for it.
std::optional<TGuitarShape> GuitarShapeOf(const TGuitarShapes& shapes, const TChord& chord);

// The capo position (0..7) whose shapes for the chords need the fewest barres, ties to the
// lower position; with the barres counted at that position and without a capo. A chord with
// no shape counts as no barre.
struct TCapoChoice {
  int capo = 0;
  int barres = 0;         // at the capo
  int barresWithout = 0;  // without a capo
  // True when a capo saves a barre.
  bool Helps() const { return capo > 0 && barres < barresWithout; }
};
TCapoChoice ChooseCapo(const TGuitarShapes& shapes, const std::vector<TChord>& chords);

// The chord a guitarist fingers with the capo at `capo`: the chord shifted down that far.
TChord ChordUnderCapo(const TChord& chord, int capo);
