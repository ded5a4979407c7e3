#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "song/MidiPianoModel.h"

namespace {

struct Recorder {
  std::vector<std::pair<int, bool>> marks;
  std::vector<int> shifts;
  std::vector<int> keys;
  int repaints = 0;
  void Attach(TMidiPianoModel& p) {
    p.OnMarkKey = [this](int t, bool m) { marks.emplace_back(t, m); };
    p.OnShiftOctaves = [this](int8_t o) { shifts.push_back(o); };
    p.OnKeyChanged = [this](int n) { keys.push_back(n); };
    p.OnRepaint = [this] { ++repaints; };
  }
};

}  // namespace

TEST(MidiPianoModel, StartsWithFourOctavesFromOctaveFourAndNothingSounding) {
  TMidiPianoModel p;
  EXPECT_EQ(p.StartOctave(), 4);
  EXPECT_EQ(p.OctaveCount(), 4);
  EXPECT_EQ(p.FirstShownNote(), 48);
  EXPECT_FALSE(p.MarkMode);
  for (int n = 0; n < 128; ++n) {
    EXPECT_EQ(p.KeyLevel(n), 0);
    EXPECT_FALSE(p.IsMarked(n));
  }
}

TEST(MidiPianoModel, NoteMessagesCountSoundingKeysWhateverTheChannel) {
  struct Case {
    std::vector<std::array<uint8_t, 3>> messages;
    int note;
    int level;
  };
  const Case cases[] = {
      {{{0x90, 60, 100}}, 60, 1},
      {{{0x9F, 60, 1}, {0x93, 60, 127}}, 60, 2},
      {{{0x90, 60, 100}, {0x80, 60, 0}}, 60, 0},
      {{{0x90, 60, 100}, {0x90, 60, 0}}, 60, 0},  // velocity 0 ends the note
      {{{0x80, 61, 64}}, 61, -1},                 // unmatched note-off goes below zero
      {{{0x90, 200, 100}}, 200, 0},               // outside 0..127: ignored
      {{{0xA0, 60, 100}, {0xC0, 60, 0}}, 60, 0},  // other messages do nothing
  };
  for (const auto& c : cases) {
    TMidiPianoModel p;
    for (auto m : c.messages) p.HandleMidiMessage(m[0], m[1], m[2]);
    EXPECT_EQ(p.KeyLevel(c.note), c.level) << "note " << c.note;
  }
}

TEST(MidiPianoModel, AllNotesOffReleasesEveryKeyButController121DoesNot) {
  TMidiPianoModel p;
  p.HandleMidiMessage(0x90, 60, 100);
  p.HandleMidiMessage(0x91, 64, 100);
  p.HandleMidiMessage(0xB5, 121, 0);
  EXPECT_EQ(p.KeyLevel(60), 1);
  p.HandleMidiMessage(0xB5, 123, 0);
  EXPECT_EQ(p.KeyLevel(60), 0);
  EXPECT_EQ(p.KeyLevel(64), 0);
}

TEST(MidiPianoModel, TheSoundingCountSaturatesInsteadOfWrapping) {
  TMidiPianoModel p;
  for (int i = 0; i < 300; ++i) p.HandleMidiMessage(0x90, 60, 100);
  EXPECT_EQ(p.KeyLevel(60), 127);
  EXPECT_TRUE(p.IsSounding(60));
  for (int i = 0; i < 600; ++i) p.HandleMidiMessage(0x80, 61, 0);
  EXPECT_EQ(p.KeyLevel(61), -128);
  EXPECT_FALSE(p.IsSounding(61));
}

TEST(MidiPianoModel, AKeyIsRedrawnOnlyWhenItStartsOrStopsSounding) {
  TMidiPianoModel p;
  Recorder r;
  r.Attach(p);
  p.SetKeyLevel(60, 1);
  p.SetKeyLevel(60, 2);
  p.SetKeyLevel(60, 0);
  p.SetKeyLevel(60, -1);
  EXPECT_EQ(r.keys, (std::vector<int>{60, 60}));
}

TEST(MidiPianoModel, InMarkModeNotesMarkKeysAndLeaveTheCountAlone) {
  TMidiPianoModel p;
  Recorder r;
  r.Attach(p);
  p.MarkMode = true;
  p.HandleMidiMessage(0x90, 60, 90);
  EXPECT_TRUE(p.IsMarked(60));
  EXPECT_EQ(p.KeyLevel(60), 0);
  p.HandleMidiMessage(0x90, 60, 0);
  EXPECT_FALSE(p.IsMarked(60));
  EXPECT_EQ(r.marks, (std::vector<std::pair<int, bool>>{{60, true}, {60, false}}));
}

TEST(MidiPianoModel, MarkingNotifiesOnlyRealChangesWithinRange) {
  TMidiPianoModel p;
  Recorder r;
  r.Attach(p);
  p.SetMarked(64, true);
  p.SetMarked(64, true);
  p.SetMarked(-1, true);
  p.SetMarked(128, true);
  p.SetMarked(60, true);
  EXPECT_FALSE(p.IsMarked(-1));
  EXPECT_FALSE(p.IsMarked(128));
  EXPECT_EQ(p.MarkedCount(), 2);
  r.marks.clear();
  p.ClearMarks();
  EXPECT_EQ(r.marks, (std::vector<std::pair<int, bool>>{{60, false}, {64, false}}));
  EXPECT_EQ(p.MarkedCount(), 0);
}

TEST(MidiPianoModel, ScrollingStopsAtTheEdgesAndReportsOnlyChanges) {
  struct Case {
    int count, start, octave, delta;
    bool changed;
    int result;
  };
  const Case cases[] = {
      {4, 0, -1, -1, false, 0},  // already at the left edge
      {6, 4, -1, +1, false, 4},  // 6 octaves: notes 48..119 is the right edge
      {6, 3, -1, +1, true, 4},
      {4, 4, 9, 0, true, 6},     // explicit octave beyond the limit is clamped
      {4, 4, -1, -10, true, 0},
  };
  for (const auto& c : cases) {
    TMidiPianoModel p;
    p.SetOctaveCount(c.count);
    p.ShiftOctaves(c.start, 0);
    Recorder r;
    r.Attach(p);
    EXPECT_EQ(p.ShiftOctaves(c.octave, c.delta), c.changed);
    EXPECT_EQ(p.StartOctave(), c.result);
    EXPECT_EQ(r.shifts.size(), c.changed ? 1u : 0u);
  }
}

TEST(MidiPianoModel, MoreOctavesPullTheFirstOctaveBackWithinRange) {
  TMidiPianoModel p;
  p.ShiftOctaves(6, 0);
  Recorder r;
  r.Attach(p);
  p.SetOctaveCount(6);
  EXPECT_EQ(p.StartOctave(), 4);
  EXPECT_EQ(r.shifts, (std::vector<int>{4}));
  r.repaints = 0;
  p.SetOctaveCount(5);  // start 4 still fits: only a repaint
  EXPECT_EQ(r.repaints, 1);
  EXPECT_EQ(r.shifts.size(), 1u);
  p.SetOctaveCount(5);
  EXPECT_EQ(r.repaints, 1);
}

TEST(MidiPianoModel, OctaveCountStaysWithinOneToTen) {
  TMidiPianoModel p;
  p.SetOctaveCount(0);
  EXPECT_EQ(p.OctaveCount(), 1);
  p.SetOctaveCount(40);
  EXPECT_EQ(p.OctaveCount(), 10);
  EXPECT_EQ(p.StartOctave(), 0);
}
