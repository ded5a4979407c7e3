// Where the piano's keys lie and which key a point hits, on the main window's keyboard of
// 617 x 105 pixels and on others.

#include <gtest/gtest.h>

#include "ui/PianoGeometry.h"

namespace {

const TPianoGeometry MainPiano(617, 105, 4);

TEST(PianoGeometry, MainWindowKeyboardHasTheDesignSizes) {
  EXPECT_EQ(MainPiano.WhiteKeyCount(), 28);
  EXPECT_EQ(MainPiano.KeyCount(), 48);
  EXPECT_EQ(MainPiano.WhiteKeyWidth(), 22);
  EXPECT_EQ(MainPiano.BlackHalfWidth(), 7);
  EXPECT_EQ(MainPiano.UpperHeight(), 63);
}

struct HitCase {
  int x, y, key;  // key relative to the first shown C
};

TEST(PianoGeometry, KeyAtPointOnTheMainKeyboard) {
  const HitCase cases[] = {
      {170, 10, 13},   // black key between the second shown C and D
      {170, 90, 12},   // below it: that C
      {0, 0, 0},       // first pixel: the first C
      {0, 104, 0},
      {616, 104, 47},  // last pixel: the last B
      {616, 10, 47},   // no black key right of B
      {22, 10, 1},     // C#
      {22, 104, 2},    // below it the first column of D as drawn (22 * 28 / 617 is still 0)
      {21, 104, 0},    // C's last column
      {14, 10, 1},     // C's last column minus 7: the black key begins
      {13, 10, 0},     // just left of it: still C
      {13, 63, 0},
      {14, 64, 0},     // below the black key's bottom: the white key
      {29, 10, 1},     // D's left edge still counts as C#
      {30, 10, 2},     // D
      {65, 10, 4},     // E has no black key on its right
      {66, 10, 5},     // F begins
      {67, 10, 5},     // F starts at 66: column 67 is F's
      {88, 10, 6},     // F# on F's right edge
  };
  for (const auto& c : cases)
    EXPECT_EQ(PianoKeyAt(MainPiano, c.x, c.y), c.key) << "x=" << c.x << " y=" << c.y;
}

TEST(PianoGeometry, PointsOutsideTheControlHitNothing) {
  EXPECT_EQ(PianoKeyAt(MainPiano, -1, 10), -1);
  EXPECT_EQ(PianoKeyAt(MainPiano, 617, 10), -1);
  EXPECT_EQ(PianoKeyAt(MainPiano, 100, -1), -1);
  EXPECT_EQ(PianoKeyAt(MainPiano, 100, 105), -1);
  EXPECT_EQ(PianoKeyAt(TPianoGeometry(0, 105, 4), 0, 0), -1);
  EXPECT_EQ(PianoKeyAt(TPianoGeometry(617, 105, 0), 10, 10), -1);
}

TEST(PianoGeometry, BlackKeysSitOnTheRightEdgeOfTheirWhiteKey) {
  // C# on the first white key: its right edge is column 21, the black key spans 14..27.
  TPianoKeyShape cs = PianoKeyShape(MainPiano, 1);
  EXPECT_TRUE(cs.Black);
  EXPECT_EQ(cs.Upper, (TPianoRect{14, 0, 28, 63}));
  EXPECT_TRUE(cs.Lower.Empty());
  // Its mark: a 10 x 10 box centred near the bottom of the black key.
  EXPECT_EQ(cs.Mark, (TPianoRect{16, 48, 26, 58}));
}

TEST(PianoGeometry, WhiteKeysAreNarrowedWhereBlackKeysLie) {
  struct Case {
    int key;
    TPianoRect upper, lower;
  };
  // White key w spans w * 617 / 28 ..; its last column stays unpainted (the gap between keys).
  const Case cases[] = {
      {0, {0, 0, 14, 64}, {0, 63, 21, 105}},     // C: black key on the right only
      {2, {29, 0, 36, 64}, {22, 63, 43, 105}},   // D: on both sides
      {4, {51, 0, 65, 64}, {44, 63, 65, 105}},   // E: on the left only
      {5, {66, 0, 80, 64}, {66, 63, 87, 105}},   // F: on the right only
      {47, {601, 0, 616, 64}, {594, 63, 616, 105}},  // last B
  };
  for (const auto& c : cases) {
    TPianoKeyShape k = PianoKeyShape(MainPiano, c.key);
    EXPECT_FALSE(k.Black) << c.key;
    EXPECT_EQ(k.Upper, c.upper) << c.key;
    EXPECT_EQ(k.Lower, c.lower) << c.key;
    EXPECT_EQ(k.JoinY, 63);
    EXPECT_EQ(k.JoinLeft, c.lower.Left + 1);
    EXPECT_EQ(k.JoinRight, c.lower.Right - 2);
  }
}

TEST(PianoGeometry, KeysOutsideTheShownOctavesHaveNoShape) {
  EXPECT_TRUE(PianoKeyShape(MainPiano, -1).Bounds.Empty());
  EXPECT_TRUE(PianoKeyShape(MainPiano, 48).Bounds.Empty());
  EXPECT_FALSE(PianoKeyShape(MainPiano, 47).Bounds.Empty());
}

// Whatever the size, the middle of every key's drawn rectangles is hit as that key, and no
// two keys' rectangles overlap.
TEST(PianoGeometry, HitTestAgreesWithTheDrawnKeys) {
  const TPianoGeometry sizes[] = {{617, 105, 4}, {617, 105, 6}, {400, 80, 2}, {1000, 120, 10},
                                  {211, 50, 3}};
  for (const auto& g : sizes) {
    for (int r = 0; r < g.KeyCount(); ++r) {
      TPianoKeyShape k = PianoKeyShape(g, r);
      const TPianoRect& body = k.Black ? k.Upper : k.Lower;
      int cx = body.Left + (body.Right - body.Left) / 2;
      int cy = k.Black ? g.UpperHeight() / 2 : (body.Top + body.Bottom) / 2 + 1;
      EXPECT_EQ(PianoKeyAt(g, cx, cy), r) << g.Width << "x" << g.Height << "/" << g.OctaveCount
                                          << " key " << r;
      for (int other = r + 1; other < std::min(r + 3, g.KeyCount()); ++other) {
        TPianoKeyShape o = PianoKeyShape(g, other);
        for (const TPianoRect* a : {&k.Upper, &k.Lower})
          for (const TPianoRect* b : {&o.Upper, &o.Lower}) {
            if (a->Empty() || b->Empty()) continue;
            bool overlap = a->Left < b->Right && b->Left < a->Right && a->Top < b->Bottom &&
                           b->Top < a->Bottom;
            // The upper and lower part of a white key meet on the join line only.
            EXPECT_FALSE(overlap) << "keys " << r << " and " << other << " of " << g.Width;
          }
      }
    }
  }
}

TEST(PianoGeometry, SixOctavesShowFortyTwoWhiteKeys) {
  TPianoGeometry g(617, 105, 6);
  EXPECT_EQ(g.WhiteKeyCount(), 42);
  EXPECT_EQ(g.WhiteKeyWidth(), 14);
  EXPECT_EQ(g.BlackHalfWidth(), 4);
  // The remainder of 617 / 42 is spread over the keys: the last key ends at the last column.
  EXPECT_EQ(g.WhiteRight(41), 616);
}

}  // namespace
