// Damaged and unusual files from the shared corpus go the whole road without harm: either
// loading reports them, or every analysis step runs on what was read.
#include <gtest/gtest.h>

#include <filesystem>

#include "midi/InOutError.h"
#include "tests/song/SessionFixture.h"

TEST_F(SessionTest, DamagedFilesAreReportedOrAnalysedWithoutHarm) {
  std::filesystem::path dir = std::filesystem::path(CANTARO_SHARED_DIR) / "corpus" / "fixtures";
  if (!std::filesystem::exists(dir)) GTEST_SKIP() << "no fixtures";
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (entry.path().extension() != ".mid") continue;
    ++files;
    SCOPED_TRACE(entry.path().filename().string());
    prompter.Clear();
    bool loaded = false;
    try {
      loaded = presenter.LoadSong(entry.path().string());
    } catch (const EInOutError&) {
      EXPECT_TRUE(presenter.lvTracks().empty());
      EXPECT_EQ(session.beatLength(), 0);
    }
    EXPECT_FALSE(session.Loading());
    if (!loaded) {
      EXPECT_TRUE(presenter.lvTracks().empty());
      continue;
    }
    prompter.Answer({TPromptAnswer::Yes, TPromptAnswer::Yes, TPromptAnswer::Yes, TPromptAnswer::Yes});
    presenter.actSearchSongChordsExecute();
    presenter.actFindRootExecute();
    presenter.SetTransposition(11);
    presenter.SetTransposition(-11);
    presenter.actDecBeatExecute();
    session.SimplifyChords();
    presenter.SetTransposition(0);
    EXPECT_EQ(session.transposition(), 0);
    EXPECT_EQ(presenter.grdSong().RowCount(), static_cast<int>(session.beats().size() / 4) + 2);
  }
  EXPECT_GE(files, 10);
}
