#pragma once
// Where the keys of the on-screen piano lie, as plain arithmetic over the control's size and
// the number of shown octaves, so that drawing, repainting one key and hit testing agree and
// tests can check them without a window.
//
// Keys are addressed relative to the first shown key (0 = the C of the first shown octave).
// White keys share the full width: white key w spans w * Width / WhiteKeyCount up to the next
// one, so the remainder of the division is spread over the keys. A black key is 2 *
// BlackHalfWidth wide, centred on the last pixel column of the white key to its left, and
// reaches down to 3/5 of the height. Rectangles exclude their right and bottom edges.

#include <array>
#include <cstdint>

struct TPianoRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;   // exclusive
  int Bottom = 0;  // exclusive
  bool Empty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  friend bool operator==(const TPianoRect&, const TPianoRect&) = default;
};

// Semitone of the n-th white key of an octave (C D E F G A B).
inline constexpr std::array<int, 7> WhiteSemitone = {0, 2, 4, 5, 7, 9, 11};
// For each semitone, the index of its white key, or for a black key that of the white key to
// its left.
inline constexpr std::array<int, 12> WhiteIndexOf = {0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6};

bool IsBlackSemitone(int semitone);

struct TPianoGeometry {
  int Width = 0;
  int Height = 0;
  int OctaveCount = 0;
  // Pixels per pixel of a 96 dpi screen: the marks keep their size when the keys are laid out
  // in the pixels of a denser screen.
  double PixelRatio = 1.0;

  TPianoGeometry() = default;
  TPianoGeometry(int width, int height, int octaveCount, double pixelRatio = 1.0)
      : Width(width), Height(height), OctaveCount(octaveCount), PixelRatio(pixelRatio) {}

  // False while there is nothing to lay out (no width, no height or no octave).
  bool Valid() const { return Width > 0 && Height > 0 && OctaveCount > 0; }
  int WhiteKeyCount() const { return OctaveCount * 7; }
  int KeyCount() const { return OctaveCount * 12; }
  int WhiteKeyWidth() const;
  int BlackHalfWidth() const { return WhiteKeyWidth() / 3; }
  // Lower edge of the black keys: 3/5 of the height.
  int UpperHeight() const { return Height * 3 / 5; }
  // Left edge and last pixel column of white key w.
  int WhiteLeft(int w) const;
  int WhiteRight(int w) const;
};

// How many octaves a keyboard of this size shows: at least `minimum`, and as many more as keep
// the white keys about as slender as the design's (22 pixels wide for 105 high), at most the
// model's ten.
int PianoOctavesToFit(int width, int height, int minimum);

// The shape of one key, as it is drawn.
struct TPianoKeyShape {
  bool Black = false;
  TPianoRect Upper;  // the black key, or the upper part of a white key between its neighbours
  TPianoRect Lower;  // the full-width lower part of a white key; empty for a black key
  // The line (y = Upper.Bottom - 1 .. within Lower) that joins the two parts of a white key.
  int JoinLeft = 0, JoinRight = 0, JoinY = 0;
  TPianoRect Mark;    // the ellipse box of the mark, in the lowest rectangle of the key
  TPianoRect Bounds;  // everything the key paints
};

// The shape of key r (relative to the first shown key); nothing drawable (Bounds empty) when r
// is outside 0..KeyCount-1 or the geometry is not valid.
TPianoKeyShape PianoKeyShape(const TPianoGeometry& g, int r);

// The key under a point, relative to the first shown key, or -1 outside the control. In the
// upper part the black keys win over the white keys beside them.
int PianoKeyAt(const TPianoGeometry& g, int x, int y);
