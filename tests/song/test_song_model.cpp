// The typed song model: what each beat shows and why, the key's evidence, and the
// notifications its observers get, without the window's presenter.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/song/SessionFixture.h"

using songfiles::TTrackBuilder;

namespace {

// C, an unknown cluster, silence, G: one beat each.
std::vector<TTrackBuilder> FourBeats() {
  TTrackBuilder t;
  Triad(t, 0, 60, 64, 67);
  t.Note(0, 60, 480, 960).Note(0, 61, 480, 960).Note(0, 62, 480, 960).Note(0, 63, 480, 960).Note(0, 66, 480, 960);
  Triad(t, 3, 55, 59, 62);
  return {t};
}

}  // namespace

TEST_F(SessionTest, EachBeatKnowsItsChordOrWhyItHasNone) {
  LoadAndSearch("reasons.mid", FourBeats());
  const TSongModel& model = session.Model();
  ASSERT_GE(model.beats.size(), 4u);
  EXPECT_EQ(NoChordReason(model.beats[0]), TNoChordReason::HasChord);
  EXPECT_EQ(NoChordReason(model.beats[2]), TNoChordReason::Silent);
  EXPECT_EQ(ChordName(*model.ChosenChord(0), NoteNotation::English), "C");
  EXPECT_EQ(ChordName(*model.ChosenChord(3), NoteNotation::German), "G");
  EXPECT_FALSE(model.ChosenChord(2).has_value());
  EXPECT_FALSE(model.ChosenChord(99).has_value());
  // The unknown cluster shows "?" in the grid and in the written text alike, until simplified.
  const TNoChordReason cluster = NoChordReason(model.beats[1]);
  if (cluster == TNoChordReason::Unrecognised) {
    EXPECT_EQ(BeatChordText(model, 1, NoteNotation::English), "?");
    EXPECT_EQ(Cells()[1], "?");
  }
  prompter.Answer(TPromptAnswer::Yes);
  session.SimplifyChords();
  EXPECT_EQ(NoChordReason(model.beats[3]), TNoChordReason::Dropped);
  EXPECT_EQ(BeatChordText(model, 1, NoteNotation::English), "");
  EXPECT_EQ(BeatChordText(model, 3, NoteNotation::English), "");
  EXPECT_EQ(BeatChordText(model, 0, NoteNotation::Italian), "DO");
}

TEST_F(SessionTest, ADetectedKeyKeepsItsEvidenceAndAKeyChosenByHandHasNone) {
  Load("key.mid", FourBeats());
  ASSERT_TRUE(session.DetectKey());
  const TSongKey& key = session.Model().key;
  ASSERT_TRUE(key.evidence.has_value());
  EXPECT_EQ(key.key, key.evidence->result.KeyEntry());
  EXPECT_GT(key.evidence->counts[0], 0);  // C sounded
  EXPECT_EQ(key.evidence->counts[1], 1);  // C# once, in the cluster
  EXPECT_GE(key.evidence->result.second.tonic, 0);
  session.SetKey(5);
  EXPECT_EQ(session.Model().key.key, 5);
  EXPECT_FALSE(session.Model().key.evidence.has_value());
  EXPECT_EQ(session.Model().key.TonicAfter(-7), 10);
}

TEST_F(SessionTest, ObserversHearWhatChangedAndCanLeave) {
  std::vector<TSongChange> heard;
  const int id = session.Observers().Add([&heard](const TSongNotice& n) { heard.push_back(n.what); });
  Load("observed.mid", FourBeats());
  // The old song is rewound first; then the new one opens and its model is reset.
  const auto opening = std::find(heard.begin(), heard.end(), TSongChange::Opening);
  ASSERT_NE(opening, heard.end());
  EXPECT_NE(std::find(opening, heard.end(), TSongChange::Song), heard.end());
  heard.clear();
  session.FindChords();
  EXPECT_EQ(heard.back(), TSongChange::Chords);
  heard.clear();
  session.Transpose(2);
  ASSERT_FALSE(heard.empty());
  EXPECT_EQ(heard.front(), TSongChange::Transposition);
  EXPECT_EQ(session.transposition(), 2);
  session.Observers().Remove(id);
  heard.clear();
  session.SetKey(3);
  EXPECT_TRUE(heard.empty());
}

// A variant chosen from the marked keys replaces the beat's chords, not the notes that
// sounded in it: playing the beat alone afterwards still marks its own notes.
TEST_F(SessionTest, ChoosingAVariantKeepsTheBeatsOwnNotes) {
  LoadAndSearch("choose.mid", FourBeats());
  session.TakeBeatVariants(3);  // the variants of another beat first
  for (int n : {62, 65, 69}) session.MidiPiano.SetMarked(n, true);
  ASSERT_EQ(session.Variants().notes, (TNotes{62, 65, 69}));
  prompter.Answer(TPromptAnswer::Yes);
  ASSERT_TRUE(session.ChooseVariant(0, 0));
  EXPECT_EQ(ChordName(session.beats()[0].Chord(), NoteNotation::English), "Dm");
  EXPECT_EQ(session.beats()[0].notes, (TNotes{60, 64, 67}));
  EXPECT_FALSE(session.ChooseVariant(2, 0));  // a silent beat has no chord to replace
}
