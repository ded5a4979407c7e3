// The command that builds the open song's chord text and hands it to the editor.
#include <gtest/gtest.h>

#include <filesystem>

#include "ScriptedEditor.h"
#include "SmfWriter.h"
#include "base/untMesConst.h"
#include "export/WriteText.h"
#include "settings/untVars.h"
#include "song/ScriptedPrompter.h"
#include "song/SongSession.h"

namespace fs = std::filesystem;

namespace {

class WriteText : public testing::Test {
 protected:
  void SetUp() override {
    session.SetOptions({.keysense = false});  // no key question in the search
    folder = (fs::path(testing::TempDir()) / ("write-text-" + std::to_string(::getpid()))).string() + "/";
    fs::create_directories(folder + "INI");  // a portable editor: the text goes into its folder
    options.pathTabulist = folder;
    options.programFolder = ProgramFolder;
    editor.running = true;
    editor.answers = {0, 1};
    editor.folder = folder;
  }
  void TearDown() override {
    fs::remove_all(folder);
  }

  std::string folder;
  TExportOptions options;
  ScriptedEditor editor;
  ScriptedPrompter prompter;
  RecordingStatusSink status;
  TSongSession session{prompter, status};
  const std::string song = std::string(CANTARO_SOURCE_DIR) + "/examples/mary-had-a-little-lamb.mid";
};

TEST_F(WriteText, DecliningTheChordSearchHandsNothingOver) {
  ASSERT_TRUE(session.LoadSong(song));
  prompter.Answer(TPromptAnswer::No);
  EXPECT_FALSE(actWriteTextExecute(session, prompter, status, editor, options).has_value());
  ASSERT_EQ(prompter.Calls().size(), 1u);
  EXPECT_EQ(prompter.Last().Caption, "Внимание");
  EXPECT_EQ(prompter.Last().Text, "Аккорды не определены!\rОпределить сейчас?");
  EXPECT_EQ(prompter.Last().Buttons, TPromptButtons::YesNoCancel);
  EXPECT_EQ(editor.requests, 0);
}

TEST_F(WriteText, SearchesOnRequestAndHandsTheSongOver) {
  ASSERT_TRUE(session.LoadSong(song));
  prompter.Answer(TPromptAnswer::Yes);
  status.texts.clear();
  const auto result = actWriteTextExecute(session, prompter, status, editor, options);
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(*result, TSendResult::Sent);
  EXPECT_FALSE(session.beats().empty());
  ASSERT_EQ(editor.seenFiles.size(), 2u);  // asked again after the first 0
  const std::string& handed = editor.seenFiles[1];
  EXPECT_EQ(handed.rfind(" \r\n Mary Had a Little Lamb\r\nTEMPO=", 0), 0u) << handed;
  EXPECT_NE(handed.find("\r\nMa-ry had a lit-tle lamb,"), std::string::npos);
  EXPECT_NE(handed.find("\r\n\r\n//Created with Cantaro by Tabulist Software\r\n//"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder + "TEMP.$$$"));
  EXPECT_EQ(editor.raised, 1);
  EXPECT_EQ(status.texts.back(), "");
  EXPECT_NE(std::find(status.texts.begin(), status.texts.end(), Mes(MesId::SBuildingText)), status.texts.end());
}

TEST_F(WriteText, TextFollowsTheSessionsTranspositionAndKey) {
  ASSERT_TRUE(session.LoadSong(song));
  session.SetKey(0);
  session.FindChords();
  session.Transpose(-1);
  const TChordTextInput input = ChordTextInputOf(session, options);
  EXPECT_EQ(input.transposition, -1);
  EXPECT_EQ(input.key, 0);
  ASSERT_EQ(input.cells.size(), session.beats().size());
  const auto result = actWriteTextExecute(session, prompter, status, editor, options);
  ASSERT_EQ(result, TSendResult::Sent);
  EXPECT_NE(editor.seenFiles.back().find("TRANSPOS=1 C-->B\r\n"), std::string::npos);
  EXPECT_TRUE(prompter.Calls().empty());
}

TEST_F(WriteText, MissingEditorIsReportedAndTheSettingTakesTheProgramFolder) {
  ASSERT_TRUE(session.LoadSong(song));
  session.FindChords();
  editor.running = false;
  options.pathTabulist.clear();
  options.programFolder = folder + "prog/";
  const auto result = actWriteTextExecute(session, prompter, status, editor, options);
  ASSERT_EQ(result, TSendResult::NoEditorProgram);
  EXPECT_EQ(options.pathTabulist, folder + "prog/");
  EXPECT_EQ(prompter.Last().Kind, ScriptedPrompter::TKind::Warning);
}

}  // namespace

// A damaged file claiming a song to the end of the tick range with a beat of two ticks: the
// search refuses it, and the text is its frame alone instead of a scan of a billion beats.
TEST_F(WriteText, ASongTooLongToSearchIsHandedOverWithoutChords) {
  smf::Track t;
  t.Meta(0, 3, "Endless").On(0, 0, 60);
  for (int i = 0; i < 8; ++i) t.Meta((1u << 28) - 1, 1, "la");
  t.Meta(7, 1, "end");  // 8 * (2^28 - 1) + 7 = 2^31 - 1
  ASSERT_TRUE(session.LoadSongFromBytes("endless.mid", smf::File({t}, 2)));
  ASSERT_EQ(session.MidiFile.SongLength(), 2147483647);
  ASSERT_EQ(session.beatLength(), 2);

  prompter.Answer(TPromptAnswer::Yes);
  const auto result = actWriteTextExecute(session, prompter, status, editor, options);
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(*result, TSendResult::Sent);
  EXPECT_TRUE(session.beats().empty());
  ASSERT_EQ(prompter.Calls().size(), 2u);
  EXPECT_EQ(prompter.Calls()[1].Kind, ScriptedPrompter::TKind::Error);
  EXPECT_EQ(prompter.Calls()[1].Text.rfind("Композиция \"endless.mid\" слишком длинная", 0), 0u);
  ASSERT_EQ(editor.seenFiles.size(), 2u);
  const std::string& handed = editor.seenFiles[1];
  // No beat was replayed: the frame without title, lyrics or comments.
  EXPECT_EQ(handed.rfind(" \r\n \r\nTEMPO=120 \r\n\r\n//Created with", 0), 0u) << handed;
}
