#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/untMesConst.h"
#include "midi/InOutError.h"
#include "tests/song/SessionFixture.h"

using songfiles::TTrackBuilder;

TEST_F(SessionTest, TheBeatLengthFollowsTheTimeSignatureAndDivision) {
  struct Case {
    int numerator, power, division, beat;
  };
  const Case cases[] = {{4, 2, 480, 480}, {6, 3, 96, 144}, {3, 2, 1, 1}, {2, 2, 480, 480}, {12, 3, 480, 1440}};
  for (const auto& c : cases) {
    TTrackBuilder t;
    t.TimeSignature(c.numerator, c.power).Note(0, 60, 0, 10);
    Load("sig.mid", {t}, c.division);
    EXPECT_EQ(session.beatLength(), c.beat) << c.numerator << "/" << (1 << c.power) << " at " << c.division;
  }
}

TEST_F(SessionTest, AfterLoadingTheControlsShowAFreshUnanalysedSong) {
  TTrackBuilder a, b;
  a.Name("Piano").Meta(0, 4, "Grand").Note(0, 60, 0, 960);
  b.Name("Bass").Note(1, 36, 0, 1000);
  Load("fresh.mid", {a, b});
  EXPECT_EQ(presenter.cbTransposIndex(), 11);
  EXPECT_EQ(presenter.cbTransposItems().at(11), "0");
  EXPECT_EQ(session.transposition(), 0);
  EXPECT_EQ(presenter.cbRootOrigIndex(), -1);
  EXPECT_EQ(presenter.stRootNew(), "");
  EXPECT_EQ(presenter.CheckedBeatCommand(), TBeatCommand::actDefBeat);
  EXPECT_EQ(presenter.cbBpmText(), "120");
  EXPECT_EQ(presenter.grdSong().RowCount(), 2);
  EXPECT_EQ(presenter.grdSong().Cell(0, 0), "#");
  EXPECT_EQ(presenter.grdSong().Cell(1, 0), "Бит 1");
  EXPECT_EQ(presenter.grdSong().Cell(4, 0), "Бит 4");
  for (int c = 1; c <= 4; ++c) EXPECT_EQ(presenter.grdSong().Cell(c, 1), "");
  EXPECT_TRUE(session.beats().empty());
  ASSERT_EQ(presenter.lvTracks().size(), 2u);
  EXPECT_EQ(presenter.lvTracks()[0].Caption, "1");
  EXPECT_EQ(presenter.lvTracks()[0].Name, "Piano");
  EXPECT_EQ(presenter.lvTracks()[0].Instrument, "Grand");
  EXPECT_EQ(presenter.lvTracks()[1].Caption, "2");
  EXPECT_TRUE(presenter.lvTracks()[1].Checked);
  EXPECT_EQ(presenter.lvTracksSelected(), 0);
  EXPECT_EQ(presenter.edtLength(), "0:02.040");  // tick 1000 at 480 per quarter
  EXPECT_FALSE(session.karaoke());
  EXPECT_FALSE(session.Loading());
  EXPECT_TRUE(prompter.Calls().empty());
}

TEST_F(SessionTest, TheThirdTrackMakesAKaraokeFileOnlyWhenItsMetaEventsOutnumberTheRest) {
  struct Case {
    int metas, others, tracks;
    bool karaoke;
  };
  const Case cases[] = {{3, 1, 3, true}, {2, 2, 3, false}, {5, 0, 2, false}, {1, 0, 4, true}};
  for (const auto& c : cases) {
    std::vector<TTrackBuilder> tracks(static_cast<size_t>(c.tracks));
    TTrackBuilder& lyrics = tracks[std::min<size_t>(2, tracks.size() - 1)];
    // the end-of-track event counts as one more meta event
    for (int i = 0; i < c.metas - 1; ++i) lyrics.Meta(i * 10, 1, "la");
    for (int i = 0; i < c.others; ++i) lyrics.Raw(i * 10, {0xC0, 1});
    Load("kar.mid", tracks);
    EXPECT_EQ(session.karaoke(), c.karaoke) << c.metas << " metas, " << c.others << " others, " << c.tracks << " tracks";
  }
}

TEST_F(SessionTest, LoadingOneFileAfterAnotherKeepsOneFileNameInTheCaption) {
  TTrackBuilder t;
  t.Note(0, 60, 0, 100);
  std::string first = Load("first.mid", {t});
  EXPECT_EQ(presenter.Caption(), "Cantaro - " + first);
  std::string second = Load("second.mid", {t});
  EXPECT_EQ(presenter.Caption(), "Cantaro - " + second);
  EXPECT_EQ(settings.MRUList.at(0), second);
  EXPECT_EQ(settings.MRUList.at(1), first);
  EXPECT_EQ(settings.LoadDir, songfiles::ScratchDir().string() + "/");
}

TEST_F(SessionTest, AMissingFileChangesOnlyTheLoadFolderAndLeavesTheSongUsable) {
  TTrackBuilder t;
  Triad(t, 0, 60, 64, 67);
  std::string path = Load("kept.mid", {t});
  presenter.actSearchSongChordsExecute();
  ASSERT_EQ(Cells(), (std::vector<std::string>{"C", ""}));

  EXPECT_FALSE(presenter.LoadSong("/no/such/folder/gone.mid"));
  EXPECT_EQ(settings.LoadDir, "/no/such/folder/");
  ASSERT_EQ(prompter.Calls().size(), 1u);
  EXPECT_EQ(prompter.Last().Kind, ScriptedPrompter::TKind::Error);
  EXPECT_EQ(prompter.Last().Caption, "Ошибка");
  EXPECT_EQ(prompter.Last().Text, "Файл /no/such/folder/gone.mid не найден");
  EXPECT_EQ(presenter.Caption(), "Cantaro - " + path);
  EXPECT_EQ(Cells(), (std::vector<std::string>{"C", ""}));
  EXPECT_EQ(settings.MRUList.size(), 1u);
  EXPECT_FALSE(session.Loading());
}

// Each file that cannot be read as a song is named in its error, and the song that was open
// stays open: its caption, tracks, chords and recent files as they were.
TEST_F(SessionTest, AFileThatHoldsNoSongIsReportedByNameAndTheOpenSongStays) {
  namespace fs = std::filesystem;
  TTrackBuilder t;
  t.Name("Kept");
  Triad(t, 0, 60, 64, 67);
  const std::string kept = Load("kept-song.mid", {t});
  presenter.actSearchSongChordsExecute();
  ASSERT_EQ(Cells(), (std::vector<std::string>{"C", ""}));

  const std::string folder = (songfiles::ScratchDir() / "a-folder.mid").string();
  fs::create_directories(folder);
  const std::string huge = (songfiles::ScratchDir() / "huge.mid").string();
  std::ofstream(huge).close();
  fs::resize_file(huge, MaxMidiFileBytes + 1);  // sparse: nothing is written
  const std::string limit = std::to_string(MaxMidiFileBytes);
  struct Case {
    std::string path;
    std::string text;
  };
  const std::string empty = songfiles::WriteFile("empty.mid", "");
  const std::string text = songfiles::WriteFile("notes.mid", "These are no MIDI bytes at all, only a letter.\n");
  const std::string cut = songfiles::WriteFile("cut-header.mid", songfiles::SongBytes({t}).substr(0, 20));
  const Case cases[] = {
      {empty, "Файл \"" + empty + "\" пуст или испорчен."},
      {text, "Файл \"" + text + "\" пуст или испорчен."},
      {cut, "Файл \"" + cut + "\" пуст или испорчен."},
      {folder, folder + " — это папка, а не файл песни"},
      {huge, "Не удалось прочитать файл " + huge + ":\rФайл слишком велик: " + std::to_string(MaxMidiFileBytes + 1) +
                 " байт при пределе " + limit + " байт"},
      {"/no/such/folder/gone.mid", "Файл /no/such/folder/gone.mid не найден"},
  };
  for (const Case& c : cases) {
    prompter.Clear();
    EXPECT_FALSE(presenter.LoadSong(c.path)) << c.path;
    ASSERT_EQ(prompter.Calls().size(), 1u) << c.path;
    EXPECT_EQ(prompter.Last().Kind, ScriptedPrompter::TKind::Error);
    EXPECT_EQ(prompter.Last().Caption, "Ошибка");
    EXPECT_EQ(prompter.Last().Text, c.text);
    EXPECT_EQ(presenter.Caption(), "Cantaro - " + kept) << c.path;
    EXPECT_EQ(session.MidiFile.Filename(), kept);
    ASSERT_EQ(presenter.lvTracks().size(), 1u) << c.path;
    EXPECT_EQ(presenter.lvTracks()[0].Name, "Kept");
    EXPECT_EQ(Cells(), (std::vector<std::string>{"C", ""})) << c.path;
    EXPECT_EQ(settings.MRUList, (std::vector<std::string>{kept})) << c.path;
    EXPECT_FALSE(session.Loading());
  }
  fs::remove(huge);
}

TEST_F(SessionTest, AChunkLongerThanTheFileGivesTheTracksBeforeItAndTheTrackCutShort) {
  TTrackBuilder t;
  Triad(t, 0, 60, 64, 67);
  LoadAndSearch("good.mid", {t});
  // A second track chunk that claims more bytes than the file holds: the file ends inside its
  // second event.
  TTrackBuilder u;
  u.Note(1, 48, 0, 100).Note(1, 50, 200, 300);
  const std::string second = songfiles::SongBytes({u}).substr(14);  // its MTrk chunk
  std::string bytes = songfiles::SongBytes({t, u});
  bytes.resize(bytes.size() - second.size() + 8 + 6);
  std::string broken = songfiles::WriteFile("broken.mid", bytes);
  ASSERT_TRUE(presenter.LoadSong(broken));
  EXPECT_EQ(presenter.Caption(), "Cantaro - " + broken);
  ASSERT_EQ(presenter.lvTracks().size(), 2u);
  EXPECT_TRUE(session.beats().empty());
  const TReadCompleteness& c = session.MidiFile.Completeness();
  ASSERT_EQ(c.CutTracks.size(), 1u);
  EXPECT_EQ(c.CutTracks[0].Track, 1);
  EXPECT_EQ(DamagedFileNotice(c), "Файл повреждён, обрезано дорожек: 1");
  ASSERT_EQ(session.MidiFile.TrackAt(1).EventCount(), 1);  // the first note-on only
  EXPECT_EQ(session.MidiFile.TrackAt(1).EventAt(0)->Data1, 48);
  presenter.actSearchSongChordsExecute();
  EXPECT_FALSE(session.beats().empty());
}

namespace {

// Tries to open another file while the first one is still being opened.
class ReenteringPrompter : public Prompter {
 public:
  TSongSession* session = nullptr;
  std::string other;
  bool nestedResult = true;
  TPromptAnswer Question(const std::string&, const std::string&, TPromptButtons, TPromptIcon) override {
    return TPromptAnswer::No;
  }
  void Information(const std::string&, const std::string&) override {}
  void Warning(const std::string&, const std::string&) override {}
  void Error(const std::string&, const std::string&) override { nestedResult = session->LoadSong(other); }
  void Message(const std::string&) override {}
};

}  // namespace

TEST(SongLoading, OpeningAFileWhileOneIsBeingOpenedIsIgnored) {
  ReenteringPrompter p;
  NullStatusSink s;
  TSongSession session(p, s);
  TSettings settings;
  TSongPresenter presenter(session, settings);
  p.session = &session;
  TTrackBuilder t;
  t.Note(0, 60, 0, 100);
  p.other = songfiles::WriteSong("other.mid", {t});
  EXPECT_FALSE(presenter.LoadSong(songfiles::WriteFile("empty2.mid", "")));
  EXPECT_FALSE(p.nestedResult);
  EXPECT_TRUE(presenter.lvTracks().empty());
  EXPECT_TRUE(presenter.LoadSong(p.other));  // and afterwards it works
}
