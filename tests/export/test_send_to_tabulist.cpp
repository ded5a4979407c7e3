// The hand-off to the chord-text editor with a scripted editor.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "base/untMesConst.h"
#include "export/SendToTabulist.h"
#include "ScriptedEditor.h"
#include "song/ScriptedPrompter.h"

namespace fs = std::filesystem;

namespace {

class SendToTabulistTest : public testing::Test {
 protected:
  void SetUp() override {
    dir = fs::path(testing::TempDir()) / ("handoff-" + std::to_string(::getpid()) + "-" +
                                          testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    // Portable copies unless a test says otherwise: INI/ beside each program.
    fs::create_directories(dir / "prog" / "INI");
    fs::create_directories(dir / "editor" / "INI");
    programFolder = (dir / "prog").string() + "/";
    editorFolder = (dir / "editor").string() + "/";
  }
  void TearDown() override { fs::remove_all(dir); }

  static void Touch(const fs::path& file) { std::ofstream(file) << "#!/bin/sh\n"; }

  fs::path dir;
  std::string programFolder, editorFolder;
  std::vector<std::string> lines{" Singer", " Song", "TEMPO=120 ", "Am   Dm    E", "Mary had a lit-"};
  ScriptedEditor editor;
  ScriptedPrompter prompter;
};

TEST_F(SendToTabulistTest, RunningEditorTakesTheFileWhichIsThenDeleted) {
  editor.running = true;
  editor.answers = {1};
  editor.folder = editorFolder;
  std::string path = editorFolder;
  EXPECT_EQ(SendToTabulist(lines, path, programFolder, editor, prompter), TSendResult::Sent);
  EXPECT_TRUE(editor.started.empty());
  ASSERT_EQ(editor.seenFiles.size(), 1u);
  EXPECT_EQ(editor.seenFiles[0], " Singer\r\n Song\r\nTEMPO=120 \r\nAm   Dm    E\r\nMary had a lit-\r\n");
  EXPECT_FALSE(fs::exists(editorFolder + "TEMP.$$$"));
  EXPECT_EQ(editor.raised, 1);
  EXPECT_TRUE(prompter.Calls().empty());
}

TEST_F(SendToTabulistTest, RunningEditorNeedsNoProgramFile) {
  editor.running = true;
  editor.answers = {1};
  editor.folder = editorFolder;
  std::string path = editorFolder;  // no tabulist there
  EXPECT_EQ(SendToTabulist(lines, path, programFolder, editor, prompter), TSendResult::Sent);
}

TEST_F(SendToTabulistTest, AnswerZeroIsAskedAgainWhileTheFileStays) {
  editor.running = true;
  editor.answers = {0, 0, 1};
  editor.folder = editorFolder;
  std::string path = editorFolder;
  EXPECT_EQ(SendToTabulist(lines, path, programFolder, editor, prompter), TSendResult::Sent);
  EXPECT_EQ(editor.requests, 3);
  for (const std::string& seen : editor.seenFiles) EXPECT_NE(seen, "<missing>");
  EXPECT_FALSE(fs::exists(editorFolder + "TEMP.$$$"));
}

TEST_F(SendToTabulistTest, EmptySettingFindsTheEditorBesideTheProgramAndKeepsThatFolder) {
  Touch(dir / "prog" / "tabulist");
  editor.answers = {1};
  editor.appearsAfterMs = 300;
  editor.folder = programFolder;
  std::string path;
  EXPECT_EQ(SendToTabulist(lines, path, programFolder, editor, prompter), TSendResult::Sent);
  EXPECT_EQ(path, programFolder);
  EXPECT_EQ(editor.started, (std::vector<std::string>{programFolder + "tabulist"}));
  EXPECT_EQ(editor.raised, 1);
}

TEST_F(SendToTabulistTest, MissingProgramWarnsAndWritesNothing) {
  std::string path = editorFolder;
  EXPECT_EQ(SendToTabulist(lines, path, programFolder, editor, prompter), TSendResult::NoEditorProgram);
  ASSERT_EQ(prompter.Calls().size(), 1u);
  EXPECT_EQ(prompter.Last().Kind, ScriptedPrompter::TKind::Warning);
  EXPECT_EQ(prompter.Last().Caption, "Внимание");
  EXPECT_EQ(prompter.Last().Text,
            "Не удалось обнаружить Табулиста на диске.\rТабулист - это редактор текстов с аккордами.\r"
            "Вы можете его свободно загрузить из Интернет\r(нажмите F1 в главном окне, чтобы узнать адрес).\r\r"
            "Возможно также, Вы не указали расположение\rТабулиста в настройках программы");
  EXPECT_TRUE(editor.started.empty());
  EXPECT_FALSE(fs::exists(editorFolder + "TEMP.$$$"));
}

TEST_F(SendToTabulistTest, FailedStartShowsTheErrorBoxAndWritesNothing) {
  Touch(dir / "editor" / "tabulist");
  editor.startSucceeds = false;
  std::string path = editorFolder;
  EXPECT_EQ(SendToTabulist(lines, path, programFolder, editor, prompter), TSendResult::StartFailed);
  ASSERT_EQ(prompter.Calls().size(), 1u);
  EXPECT_EQ(prompter.Last().Kind, ScriptedPrompter::TKind::Error);
  EXPECT_EQ(prompter.Last().Caption, "Ошибка");
  EXPECT_EQ(prompter.Last().Text,
            "Не удалось запустить Табулист.\rПопробуйте запустить его вручную, и затем\r"
            "повторить передачу текста с аккордами.");
  EXPECT_FALSE(fs::exists(editorFolder + "TEMP.$$$"));
}

// The name is held by a program of another user: it is told nothing and no file is left for it,
// whether it was there first, took the name while the editor started, or between requests.
TEST_F(SendToTabulistTest, AnotherUsersProgramUnderTheEditorsNameGetsNothing) {
  Touch(dir / "editor" / "tabulist");
  struct Case {
    const char* what;
    bool foreign, atStart;
    int afterRequests;
    int started, requests;
  } cases[] = {
      {"there first", true, false, -1, 0, 0},
      {"takes the name at the start", false, true, -1, 1, 0},
      {"takes the name after a refusal", false, false, 1, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedEditor other;
    ScriptedPrompter box;
    other.running = c.afterRequests >= 0;
    other.answers = {0};
    other.folder = editorFolder;
    other.foreign = c.foreign;
    other.foreignTakesNameAtStart = c.atStart;
    other.foreignAfterRequests = c.afterRequests;
    std::string path = editorFolder;
    EXPECT_EQ(SendToTabulist(lines, path, programFolder, other, box), TSendResult::ForeignEditor);
    EXPECT_EQ(other.started.size(), static_cast<std::size_t>(c.started));
    EXPECT_EQ(other.requests, c.requests);
    EXPECT_EQ(other.raised, 0);
    EXPECT_LT(other.now, 1000) << "the refusal does not wait for a limit";
    ASSERT_EQ(box.Calls().size(), 1u);
    EXPECT_EQ(box.Last().Kind, ScriptedPrompter::TKind::Error);
    EXPECT_EQ(box.Last().Caption, "Ошибка");
    EXPECT_EQ(box.Last().Text, Mes(MesId::SForeignTabulist));
    EXPECT_FALSE(fs::exists(editorFolder + "TEMP.$$$"));
  }
}

TEST_F(SendToTabulistTest, EditorThatNeverAppearsEndsInAnErrorAfterTheLimit) {
  Touch(dir / "editor" / "tabulist");
  editor.appearsAfterMs = 1000000;
  std::string path = editorFolder;
  EXPECT_EQ(SendToTabulist(lines, path, programFolder, editor, prompter, {.windowWaitMs = 10000}),
            TSendResult::NoEditorWindow);
  EXPECT_GE(editor.now, 10000);
  EXPECT_LT(editor.now, 10500);
  ASSERT_EQ(prompter.Calls().size(), 1u);
  EXPECT_EQ(prompter.Last().Kind, ScriptedPrompter::TKind::Error);
  EXPECT_EQ(prompter.Last().Text, MesFormat(MesId::STabulistNoWindow, 10));
  EXPECT_FALSE(fs::exists(editorFolder + "TEMP.$$$"));
}

TEST_F(SendToTabulistTest, EditorThatNeverConfirmsEndsInAnErrorAfterTheLimit) {
  editor.running = true;
  editor.answers = {0};
  editor.folder = editorFolder;
  std::string path = editorFolder;
  EXPECT_EQ(SendToTabulist(lines, path, programFolder, editor, prompter, {.answerWaitMs = 3000, .pollMs = 100}),
            TSendResult::NoAnswer);
  EXPECT_GE(editor.requests, 30);
  EXPECT_LE(editor.requests, 32);
  EXPECT_EQ(prompter.Last().Text, MesFormat(MesId::STabulistNoAnswer, 3));
  EXPECT_EQ(editor.raised, 0);
  EXPECT_FALSE(fs::exists(editorFolder + "TEMP.$$$"));
}

TEST_F(SendToTabulistTest, RunningEditorWithEmptySettingGetsTheFileBesideTheProgram) {
  editor.running = true;
  editor.answers = {1};
  editor.folder = programFolder;
  std::string path;
  EXPECT_EQ(SendToTabulist(lines, path, programFolder, editor, prompter), TSendResult::Sent);
  EXPECT_NE(editor.seenFiles.at(0), "<missing>");
  EXPECT_EQ(path, "");  // the setting is not touched when nothing had to be started
}

TEST_F(SendToTabulistTest, UnwritableFolderIsAFileError) {
  editor.running = true;
  editor.answers = {1};
  fs::create_directories(editorFolder + "TEMP.$$$");  // the file cannot take its place
  std::string path = editorFolder;
  EXPECT_THROW(SendToTabulist(lines, path, programFolder, editor, prompter), std::runtime_error);
  EXPECT_EQ(editor.requests, 0);
  EXPECT_EQ(std::distance(fs::directory_iterator(editorFolder), fs::directory_iterator()), 2)
      << "no temporary file is left behind";
}

// An installed copy: the editor lies in a system folder without INI/ beside it.
class InstalledHandoff : public SendToTabulistTest {
 protected:
  void SetUp() override {
    SendToTabulistTest::SetUp();
    fs::create_directories(dir / "usr" / "bin");
    systemFolder = (dir / "usr" / "bin").string() + "/";
    Touch(systemFolder + "tabulist");
    runtime = (dir / "run").string();
    fs::create_directories(runtime);
    const char* old = std::getenv("XDG_RUNTIME_DIR");
    if (old) oldRuntime = old;
    hadRuntime = old != nullptr;
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  }
  void TearDown() override {
    if (hadRuntime)
      setenv("XDG_RUNTIME_DIR", oldRuntime.c_str(), 1);
    else
      unsetenv("XDG_RUNTIME_DIR");
    SendToTabulistTest::TearDown();
  }
  static unsigned Mode(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0xFFFFu;
  }
  std::string systemFolder, runtime, oldRuntime;
  bool hadRuntime = false;
};

TEST_F(InstalledHandoff, TheTextGoesIntoThePrivateRuntimeFolderNotBesideTheEditor) {
  editor.running = true;
  editor.answers = {0, 1};
  const std::string handoff = runtime + "/cantaro/";
  editor.folder = handoff;
  unsigned fileMode = 0;
  editor.onRequest = [&] { fileMode = Mode(handoff + "TEMP.$$$"); };
  std::string path = systemFolder;
  EXPECT_EQ(SendToTabulist(lines, path, systemFolder, editor, prompter), TSendResult::Sent);
  EXPECT_EQ(editor.seenFiles.at(0), HandoffFileContent(lines));
  EXPECT_EQ(fileMode, 0600u);
  EXPECT_EQ(Mode(handoff), 0700u);
  EXPECT_FALSE(fs::exists(handoff + "TEMP.$$$"));
  EXPECT_FALSE(fs::exists(systemFolder + "TEMP.$$$"));
}

TEST_F(InstalledHandoff, AnExistingRuntimeFolderIsNarrowedToTheUserAlone) {
  fs::create_directories(runtime + "/cantaro");
  fs::permissions(runtime + "/cantaro", fs::perms::all);
  editor.running = true;
  editor.answers = {1};
  editor.folder = runtime + "/cantaro/";
  std::string path = systemFolder;
  EXPECT_EQ(SendToTabulist(lines, path, systemFolder, editor, prompter), TSendResult::Sent);
  EXPECT_EQ(Mode(runtime + "/cantaro"), 0700u);
}

TEST_F(InstalledHandoff, ARuntimeFolderThatIsNoFolderIsAFileError) {
  std::ofstream(runtime + "/cantaro") << "not a folder";
  editor.running = true;
  editor.answers = {1};
  std::string path = systemFolder;
  EXPECT_THROW(SendToTabulist(lines, path, systemFolder, editor, prompter), std::runtime_error);
  EXPECT_EQ(editor.requests, 0);

  fs::remove(runtime + "/cantaro");
  fs::create_directories(dir / "elsewhere");
  fs::create_directory_symlink(dir / "elsewhere", runtime + "/cantaro");  // not followed
  EXPECT_THROW(SendToTabulist(lines, path, systemFolder, editor, prompter), std::runtime_error);
  EXPECT_TRUE(fs::is_empty(dir / "elsewhere"));
}

TEST(HandoffFile, EveryLineEndsWithCrLf) {
  EXPECT_EQ(HandoffFileContent({}), "");
  EXPECT_EQ(HandoffFileContent({"", "a"}), "\r\na\r\n");
  EXPECT_EQ(TabulistProgramFile("/opt/tab"), "/opt/tab/tabulist");
  EXPECT_EQ(TabulistHandoffFile("/opt/tab/"), "/opt/tab/TEMP.$$$");
}

}  // namespace
