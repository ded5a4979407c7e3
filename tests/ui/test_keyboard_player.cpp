#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <utility>
#include <vector>

#include "ui/KeyboardPlayer.h"

namespace {

struct Player {
  TKeyboardPlayer keys;
  std::vector<std::pair<int, int>> played;
  std::vector<int> shifts;
  int base = 60;
  Player() {
    keys.PlayNote = [this](int n, int v) { played.emplace_back(n, v); };
    keys.ShiftOctaves = [this](int d) { shifts.push_back(d); };
    keys.BaseC = [this] { return base; };
  }
};

}  // namespace

TEST(KeyboardPlayer, TheTwoRowsPlayTwentyOneNotesFromTheGSharpBelowToTheEAbove) {
  Player p;
  std::set<int> notes;
  for (int code : std::initializer_list<int>{'Q', 'W', 'E', 'R', 'T', 'Y', 'U', 'I', 'O', 'P', 219, 221, '1', '2', '4',
                                            '5', '7', '8', '9', 189, 187}) {
    p.played.clear();
    p.keys.PlayFromKey(code, 127);
    ASSERT_EQ(p.played.size(), 1u) << code;
    notes.insert(p.played[0].first);
  }
  EXPECT_EQ(notes.size(), 21u);
  EXPECT_EQ(*notes.begin(), 56);
  EXPECT_EQ(*notes.rbegin(), 76);
  for (int code : std::initializer_list<int>{'3', '6', '0', 'A', 'Z'}) EXPECT_FALSE(TKeyboardPlayer::IsPlayable(code)) << code;
}

TEST(KeyboardPlayer, AHeldKeySoundsOnceAndOnlyItsReleaseEndsIt) {
  Player p;
  p.keys.PlayFromKey('E', 127);
  p.keys.PlayFromKey('E', 127);
  p.keys.PlayFromKey('R', 0);  // never pressed
  p.keys.PlayFromKey('E', 0);
  p.keys.PlayFromKey('E', 0);
  EXPECT_EQ(p.played, (std::vector<std::pair<int, int>>{{60, 127}, {60, 0}}));
}

TEST(KeyboardPlayer, OctaveKeysMoveThePianoOnlyWhenPressed) {
  Player p;
  p.keys.PlayFromKey(192, 127);
  p.keys.PlayFromKey(192, 0);
  p.keys.PlayFromKey(220, 127);
  p.keys.PlayFromKey(8, 127);
  EXPECT_EQ(p.shifts, (std::vector<int>{-1, 1, 1}));
  EXPECT_TRUE(p.played.empty());
}

TEST(KeyboardPlayer, NotesOffTheKeyboardPlayNothing) {
  Player p;
  p.base = 0;  // two octaves from octave 0: the keys below the base C have no note
  for (int code : std::initializer_list<int>{'Q', 'W', '1', '2'}) p.keys.PlayFromKey(code, 127);
  EXPECT_TRUE(p.played.empty());
  p.base = 120;
  p.keys.PlayFromKey(221, 127);  // 136
  EXPECT_TRUE(p.played.empty());
  p.keys.PlayFromKey('P', 127);  // 132
  EXPECT_TRUE(p.played.empty());
  p.keys.PlayFromKey('E', 127);
  EXPECT_EQ(p.played, (std::vector<std::pair<int, int>>{{120, 127}}));
}

TEST(KeyboardPlayer, EndingTheHeldNotesEndsThemInAscendingOrderOnce) {
  Player p;
  p.keys.PlayFromKey('T', 127);
  p.keys.PlayFromKey('E', 127);
  p.played.clear();
  p.keys.PianoShifted();
  EXPECT_EQ(p.played, (std::vector<std::pair<int, int>>{{60, 0}, {64, 0}}));
  EXPECT_TRUE(p.keys.HeldKeyNotes().empty());
  p.keys.PlayFromKey('E', 0);  // its release after the shift finds nothing held
  EXPECT_EQ(p.played.size(), 2u);
}
