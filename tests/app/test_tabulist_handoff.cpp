// The hand-off to the real chord-text editor: the editor program built beside cantaro, run
// on Qt's offscreen platform, reached through the real local socket.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>

#include <filesystem>
#include <memory>
#include <unistd.h>

#include "ui/sheet/ChordSheetPrint.h"
#include "export/SendToTabulist.h"
#include "export/TabulistPeer.h"
#include "platform/TabulistClient.h"
#include "platform/TabulistProtocol.h"
#include "song/ScriptedPrompter.h"
#include "tests/EnvVar.h"

namespace fs = std::filesystem;

namespace {

const std::string kBin = std::string(CANTARO_BINARY_DIR) + "/bin/";

void EnsureApp() {
  // The process's one application paints too, so that a PDF export after this test can.
  EnsureGuiApplication();
}

// The real client, except that the editor is started as a child the test can end again.
class OwnedEditorPeer final : public TTabulistPeer {
 public:
  explicit OwnedEditorPeer(TTabulistClient& client) : client_(client) {}
  ~OwnedEditorPeer() override { Stop(); }

  bool FindEditor() override { return client_.FindEditor(); }
  bool StartEditor(const std::string& program) override {
    ++starts;
    process_ = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process_->setProcessEnvironment(env);
    process_->start(QString::fromStdString(program), {});
    return process_->waitForStarted(5000);
  }
  int Request2024() override { return client_.Request2024(); }
  bool RaiseEditor() override { return client_.RaiseEditor(); }
  void Pause(int ms) override { client_.Pause(ms); }
  int64_t NowMs() override { return client_.NowMs(); }

  void Stop() {
    if (process_ && process_->state() != QProcess::NotRunning) {
      process_->terminate();
      if (!process_->waitForFinished(5000)) process_->kill();
      process_->waitForFinished(5000);
    }
  }
  int starts = 0;

 private:
  TTabulistClient& client_;
  std::unique_ptr<QProcess> process_;
};

TEST(TabulistHandoff, StartsTheEditorHandsTheTextOverAndReusesTheRunningEditor) {
  EnsureApp();
  ASSERT_TRUE(fs::exists(kBin + "tabulist")) << "the editor is built beside cantaro";
  const EnvVar socketName(TabulistProtocol::kNameOverrideEnv, "/cantaro-test-handoff-" + std::to_string(::getpid()));

  TTabulistClient client;
  OwnedEditorPeer peer(client);
  ScriptedPrompter prompter;
  std::string pathTabulist;  // empty: the editor beside the program
  const std::vector<std::string> lines{" ", " Вечерний звон", "TEMPO=120 ", "Am   Dm", "Вечерний звон"};

  ASSERT_EQ(SendToTabulist(lines, pathTabulist, kBin, peer, prompter), TSendResult::Sent)
      << (prompter.Calls().empty() ? "" : prompter.Last().Text);
  EXPECT_EQ(pathTabulist, kBin);
  EXPECT_EQ(peer.starts, 1);
  EXPECT_FALSE(fs::exists(kBin + "TEMP.$$$"));

  EXPECT_EQ(SendToTabulist(lines, pathTabulist, kBin, peer, prompter), TSendResult::Sent);
  EXPECT_EQ(peer.starts, 1);
  EXPECT_TRUE(prompter.Calls().empty());

  // Without the file the editor refuses: a request without a text is not confirmed.
  EXPECT_EQ(client.Request2024(), 0);
  EXPECT_EQ(client.RaiseEditor(), true);
  peer.Stop();
  EXPECT_FALSE(client.FindEditor());
}

TEST(TabulistHandoff, AnInstalledEditorTakesTheTextFromTheUsersRuntimeFolder) {
  // The editor copied into a bin folder without INI/ beside it, as a package installs it.
  EnsureApp();
  std::string tmpl = (fs::temp_directory_path() / "cantaro-installed-XXXXXX").string();
  ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
  const fs::path root = tmpl;
  fs::create_directories(root / "usr" / "bin");
  fs::copy_file(kBin + "tabulist", root / "usr" / "bin" / "tabulist");
  const std::string bin = (root / "usr" / "bin").string() + "/";
  const EnvVar runtime("XDG_RUNTIME_DIR", (root / "run").string());
  const EnvVar socketName(TabulistProtocol::kNameOverrideEnv, "/cantaro-test-installed-" + std::to_string(::getpid()));

  {
    TTabulistClient client;
    OwnedEditorPeer peer(client);
    ScriptedPrompter prompter;
    std::string pathTabulist;
    ASSERT_EQ(SendToTabulist({"Am   Dm", "Вечерний звон"}, pathTabulist, bin, peer, prompter), TSendResult::Sent)
        << (prompter.Calls().empty() ? "" : prompter.Last().Text);
    EXPECT_EQ(peer.starts, 1);
    EXPECT_TRUE(fs::is_directory(root / "run" / "cantaro"));
    EXPECT_EQ(fs::status(root / "run" / "cantaro").permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_TRUE(fs::is_empty(root / "run" / "cantaro"));  // taken and removed
    EXPECT_FALSE(fs::exists(bin + "TEMP.$$$"));
    peer.Stop();
  }
  fs::remove_all(root);
}

}  // namespace
