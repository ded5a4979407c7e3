// The song as a MIDI file with a chord track: the original tracks read back unchanged, the
// chord track's blocks and markers naming the chords of the beats.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>

#include "SmfWriter.h"
#include "base/untMesConst.h"
#include "export/ChordTrack.h"
#include "midi/MidiFile.h"
#include "settings/untVars.h"
#include "song/ScriptedPrompter.h"
#include "song/SongSession.h"

namespace {

const std::string kExamples = std::string(CANTARO_SOURCE_DIR) + "/examples/";

TVariants Beat(const TNotes& notes) {
  TVariants v;
  v.notes = notes;
  v.chords = RecognizeChords(notes, RecognitionMode::AllVariants);
  return v;
}

struct TNoteEvent {
  int32_t time;
  uint8_t status, data1, data2;
  bool operator==(const TNoteEvent&) const = default;
};

std::vector<TNoteEvent> ChannelEvents(const TMidiTrack& track) {
  std::vector<TNoteEvent> events;
  for (const TMidiEventEx& e : track.Events())
    if (e.Status >= 0x80 && e.Status < 0xF0) events.push_back({e.Time, e.Status, e.Data1, e.Data2});
  return events;
}

class ChordTrackTest : public testing::Test {
 protected:
  ScriptedPrompter prompter;
  RecordingStatusSink status;
};

TEST_F(ChordTrackTest, ABlockLastsUntilTheChordChangesAndABeatWithoutChordEndsIt) {
  const TBeats beats = {Beat({60, 64, 67}), Beat({48, 64, 67}), Beat({}), Beat({60, 64, 67}), Beat({55, 59, 62})};
  const std::vector<TChordBlock> blocks = ChordBlocks(beats, 480, NoteNotation::English);
  ASSERT_EQ(blocks.size(), 3u);
  EXPECT_EQ(blocks[0].name, "C");
  EXPECT_EQ(blocks[0].start, 0);
  EXPECT_EQ(blocks[0].end, 960);
  EXPECT_EQ(blocks[1].name, "C");
  EXPECT_EQ(blocks[1].start, 1440);
  EXPECT_EQ(blocks[1].end, 1920);
  EXPECT_EQ(blocks[2].name, "G");
  EXPECT_EQ(blocks[2].end, 2400);
}

TEST_F(ChordTrackTest, ABlockHoldsTheChordTonesAndTheBassAnOctaveLower) {
  const TChords c = RecognizeChords({60, 64, 67}, RecognitionMode::AllVariants);
  const std::vector<int32_t> notes = ChordBlockNotes(c.front());
  ASSERT_EQ(notes.size(), 4u);
  EXPECT_EQ(notes[0] % 12, 0);
  EXPECT_EQ(notes[1] - notes[0], 12);
  std::set<int> classes;
  for (int n : notes) classes.insert(n % 12);
  EXPECT_EQ(classes, (std::set<int>{0, 4, 7}));

  const TChords slash = RecognizeChords({52, 60, 67}, RecognitionMode::AllVariants);
  auto ce = std::find_if(slash.begin(), slash.end(), [](const TChord& x) { return ChordName(x, NoteNotation::English) == "C/E"; });
  ASSERT_NE(ce, slash.end());
  EXPECT_EQ(ChordBlockNotes(*ce).front() % 12, 4) << "a slash chord's bass sounds below";
}

TEST_F(ChordTrackTest, TheSongReadsBackWithItsTracksUnchangedAndTheChordsAsATrackOfTheirOwn) {
  for (int transpose : {0, 3}) {
    TSongSession session(prompter, status);
    ASSERT_TRUE(session.LoadSong(kExamples + "korobeiniki.kar"));
    prompter.Answer(TPromptAnswer::Yes);
    session.FindChords();
    if (transpose) session.Transpose(transpose);
    const std::vector<TChordBlock> blocks = ChordBlocks(session.beats(), session.beatLength(), NoteNotation::English);
    ASSERT_GT(blocks.size(), 10u);
    const TResult<TChordTrackFile> out = MidiWithChordTrack(session.MidiFile.Song(), blocks);
    ASSERT_TRUE(out.Ok()) << out.Error().Text;
    EXPECT_FALSE(out->channelShared);

    TMidiFile back;
    ASSERT_EQ(back.LoadFromBytes(out->bytes), session.MidiFile.NumberOfTracks() + 1);
    EXPECT_EQ(back.FileFormat(), TFileFormat::multi_synch);
    EXPECT_EQ(back.TicksPerQuarter(), session.MidiFile.TicksPerQuarter());
    EXPECT_EQ(back.SongLength(), std::max(session.MidiFile.SongLength(), blocks.back().end));
    for (int32_t t = 0; t < session.MidiFile.NumberOfTracks(); ++t) {
      EXPECT_EQ(ChannelEvents(back.TrackAt(t)), ChannelEvents(session.MidiFile.TrackAt(t)))
          << "track " << t << " transposed by " << transpose;
      EXPECT_EQ(back.TrackAt(t).Name(), session.MidiFile.TrackAt(t).Name());
    }
    const TMidiTrack& chords = back.TrackAt(back.NumberOfTracks() - 1);
    EXPECT_EQ(chords.Name(), "Chords");
    // Every marker names a block, and the notes starting with it are that chord's tones.
    std::vector<std::string> markers;
    std::map<int32_t, std::vector<int32_t>> starts;
    for (const TMidiEventEx& e : chords.Events()) {
      if (e.Status == 0xFF && e.Data1 == 0x06) markers.emplace_back(e.Text());
      if ((e.Status & 0xF0) == 0x90 && e.Data2 > 0) {
        EXPECT_EQ(e.Status & 0x0F, out->channel);
        starts[e.Time].push_back(e.Data1);
      }
    }
    ASSERT_EQ(markers.size(), blocks.size());
    for (size_t i = 0; i < blocks.size(); ++i) {
      EXPECT_EQ(markers[i], blocks[i].name);
      EXPECT_EQ(starts[blocks[i].start], blocks[i].notes) << blocks[i].name;
      TNotes sorted(blocks[i].notes.begin(), blocks[i].notes.end());
      const TChords again = RecognizeChords(sorted, RecognitionMode::AllVariants);
      ASSERT_FALSE(again.empty());
      EXPECT_TRUE(std::any_of(again.begin(), again.end(), [&](const TChord& c) { return ChordName(c, NoteNotation::English) == blocks[i].name; }))
          << "the block of " << blocks[i].name << " is recognised as that chord";
    }
  }
}

TEST_F(ChordTrackTest, AFormat0SongIsWrittenAsFormat1AndAFormat2SongIsRefused) {
  smf::Track only;
  only.On(0, 0, 60).On(0, 0, 64).On(0, 0, 67).Off(960, 0, 60).Off(0, 0, 64).Off(0, 0, 67);
  TSongSession session(prompter, status);
  ASSERT_TRUE(session.LoadSongFromBytes("zero.mid", smf::File({only}, 480, 0)));
  session.FindChords();
  const TResult<TChordTrackFile> out = MidiWithChordTrack(session.MidiFile.Song(), ChordBlocks(session.beats(), session.beatLength(), NoteNotation::English));
  ASSERT_TRUE(out.Ok());
  TMidiFile back;
  ASSERT_EQ(back.LoadFromBytes(out->bytes), 2);
  EXPECT_EQ(back.FileFormat(), TFileFormat::multi_synch);
  EXPECT_EQ(out->channel, 1) << "the first channel the song leaves free";

  TSongSession patterns(prompter, status);
  ASSERT_TRUE(patterns.LoadSongFromBytes("two.mid", smf::File({only, only}, 480, 2)));
  const TResult<TChordTrackFile> refused = MidiWithChordTrack(patterns.MidiFile.Song(), {});
  ASSERT_FALSE(refused.Ok());
  EXPECT_EQ(refused.Error().Text, Mes(MesId::SChordTrackFormat2));
}

TEST_F(ChordTrackTest, WithoutAFreeChannelTheChordsShareTheOneWithTheFewestNotes) {
  smf::Track busy;
  for (int ch = 0; ch < 16; ++ch)
    for (int n = 0; n < (ch == 5 ? 1 : 3); ++n) busy.On(0, ch, 60 + n).Off(10, ch, 60 + n);
  TSongSession session(prompter, status);
  ASSERT_TRUE(session.LoadSongFromBytes("busy.mid", smf::File({busy})));
  const TResult<TChordTrackFile> out = MidiWithChordTrack(session.MidiFile.Song(), {});
  ASSERT_TRUE(out.Ok());
  EXPECT_EQ(out->channel, 5);
  EXPECT_TRUE(out->channelShared);
  EXPECT_EQ(out->sharedChannelNotes, 1);
}

TEST_F(ChordTrackTest, AtAChangeTheOldBlockEndsBeforeTheNewOneSoundsSoSharedTonesKeepSounding) {
  smf::Track t;
  t.On(0, 0, 72).Off(1440, 0, 72);
  TSongSession session(prompter, status);
  ASSERT_TRUE(session.LoadSongFromBytes("one.mid", smf::File({t})));
  // C, Am and C/E share C and E: each change releases and strikes them at the same tick.
  const std::vector<TChordBlock> blocks = {
      {0, 480, "C", {48, 60, 64, 67}}, {480, 960, "Am", {45, 57, 60, 64}}, {960, 1440, "C/E", {40, 60, 64, 67}}};
  const TResult<TChordTrackFile> out = MidiWithChordTrack(session.MidiFile.Song(), blocks);
  ASSERT_TRUE(out.Ok()) << out.Error().Text;
  TMidiFile back;
  ASSERT_EQ(back.LoadFromBytes(out->bytes), 2);
  std::set<int> sounding;
  for (const TNoteEvent& e : ChannelEvents(back.TrackAt(1))) {
    const bool on = (e.status & 0xF0) == 0x90 && e.data2 > 0;
    EXPECT_EQ(sounding.count(e.data1), on ? 0u : 1u) << (on ? "struck while sounding: " : "released while silent: ")
                                                     << int(e.data1) << " at " << e.time;
    if (on) sounding.insert(e.data1);
    else sounding.erase(e.data1);
  }
  EXPECT_TRUE(sounding.empty());
}

TEST_F(ChordTrackTest, TheChordsNeverGoToThePercussionChannelHoweverEmptyItIs) {
  // Notes per channel; the percussion channel is the emptiest of all or left silent.
  const struct {
    const char* what;
    std::array<int, 16> notes;
    int channel;
    int sharedNotes;
  } cases[] = {
      {"drums silent, every other channel busy", {3, 3, 3, 3, 3, 3, 3, 3, 3, 0, 3, 3, 3, 3, 3, 3}, 0, 3},
      {"drums with the fewest notes", {3, 3, 3, 3, 3, 3, 3, 3, 3, 1, 3, 3, 2, 3, 3, 3}, 12, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    smf::Track busy;
    for (int ch = 0; ch < 16; ++ch)
      for (int n = 0; n < c.notes[size_t(ch)]; ++n) busy.On(0, ch, 60 + n).Off(10, ch, 60 + n);
    TSongSession session(prompter, status);
    ASSERT_TRUE(session.LoadSongFromBytes("drums.mid", smf::File({busy})));
    const TResult<TChordTrackFile> out = MidiWithChordTrack(session.MidiFile.Song(), {});
    ASSERT_TRUE(out.Ok());
    EXPECT_EQ(out->channel, c.channel);
    EXPECT_TRUE(out->channelShared);
    EXPECT_EQ(out->sharedChannelNotes, c.sharedNotes);
  }
}

TEST_F(ChordTrackTest, AChannelWithOnlyAProgramIsTakenAfterTheUnusedOnes) {
  smf::Track t;
  t.Raw(0, std::string{char(0xC0), char(40)}).Raw(0, std::string{char(0xC1), char(41)}).On(0, 2, 60).Off(10, 2, 60);
  TSongSession session(prompter, status);
  ASSERT_TRUE(session.LoadSongFromBytes("programs.mid", smf::File({t})));
  EXPECT_EQ(MidiWithChordTrack(session.MidiFile.Song(), {}).Value().channel, 3);
}

TEST_F(ChordTrackTest, NotesATranspositionMovedOutOfRangeAreLeftOutAndTheFileStaysValid) {
  smf::Track t;
  t.On(0, 0, 125).Off(480, 0, 125).On(0, 0, 60).Off(480, 0, 60);
  TSongSession session(prompter, status);
  ASSERT_TRUE(session.LoadSongFromBytes("high.mid", smf::File({t})));
  session.Transpose(5);  // 125 + 5 = 130 cannot be a note number
  const TResult<TChordTrackFile> out = MidiWithChordTrack(session.MidiFile.Song(), {});
  ASSERT_TRUE(out.Ok());
  EXPECT_EQ(out->droppedEvents, 2);
  TMidiFile back;
  ASSERT_EQ(back.LoadFromBytes(out->bytes), 2);
  const std::vector<TNoteEvent> events = ChannelEvents(back.TrackAt(0));
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].data1, 65);
  EXPECT_EQ(events[0].time, 480);
}

}  // namespace
