// Damaged and unusual files (the parser fixtures the project carries) go the whole road without
// harm: either loading reports them by name, or every analysis step runs on what was read.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/TestFiles.h"
#include "tests/song/SessionFixture.h"

TEST_F(SessionTest, DamagedFilesAreReportedOrAnalysedWithoutHarm) {
  const std::filesystem::path dir = test_files::Fixtures();
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (entry.path().extension() != ".mid") continue;
    ++files;
    SCOPED_TRACE(entry.path().filename().string());
    prompter.Clear();
    const bool loaded = presenter.LoadSong(entry.path().string());
    EXPECT_FALSE(session.Loading());
    if (!loaded) {
      ASSERT_EQ(prompter.Calls().size(), 1u);
      EXPECT_NE(prompter.Last().Text.find(entry.path().string()), std::string::npos) << prompter.Last().Text;
      continue;
    }
    EXPECT_EQ(session.MidiFile.Filename(), entry.path().string());
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
