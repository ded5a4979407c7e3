// The socket client of the editor hand-off against a scripted editor in a thread.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <atomic>
#include <memory>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>
#include <unistd.h>

#include "platform/TabulistClient.h"
#include "platform/TabulistProtocol.h"
#include "tests/platform/ForeignUser.h"

namespace {

void EnsureApp() {
  if (!QCoreApplication::instance()) {
    static int argc = 1;
    static char name[] = "test_platform";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
  }
}

// Points the client at a socket of this test only, so no editor of the user answers.
void UseOwnSocket(const char* tag) {
  qputenv(TabulistProtocol::kNameOverrideEnv,
          QByteArray("/cantaro-test-") + tag + "-" + QByteArray::number(::getpid()));
}

// An editor that answers 2024 from a script (the last answer repeats), "raise" with 1, and
// records every request. A silent one reads requests and never answers.
class ScriptedEditor {
 public:
  ScriptedEditor(std::vector<QByteArray> answers, bool silent = false)
      : answers_(std::move(answers)), silent_(silent) {
    std::atomic<bool> listening{false};
    thread_.reset(QThread::create([this, &listening] {
      QLocalServer server;
      TabulistProtocol::PrepareServer(server);
      ok_ = server.listen(TabulistProtocol::ServerName());
      listening = true;
      std::vector<QLocalSocket*> kept;
      while (ok_ && !stop_) {
        if (!server.waitForNewConnection(20)) continue;
        QLocalSocket* socket = server.nextPendingConnection();
        if (!socket) continue;
        if (!socket->canReadLine()) socket->waitForReadyRead(1000);
        const QByteArray request = socket->readLine().trimmed();
        if (request.isEmpty()) {
          delete socket;
          continue;
        }
        {
          std::lock_guard lock(mutex_);
          requests_.push_back(request);
        }
        if (silent_) {
          kept.push_back(socket);
          continue;
        }
        QByteArray answer = "1";
        if (request == TabulistProtocol::kRequestTake) {
          answer = answers_.front();
          if (answers_.size() > 1) answers_.erase(answers_.begin());
        }
        socket->write(answer + "\n");
        socket->waitForBytesWritten(1000);
        socket->disconnectFromServer();
        delete socket;
      }
      for (QLocalSocket* s : kept) delete s;
    }));
    thread_->start();
    while (!listening) std::this_thread::yield();
  }
  ~ScriptedEditor() {
    stop_ = true;
    thread_->wait();
  }
  bool Listening() const { return ok_; }
  std::vector<QByteArray> Requests() {
    std::lock_guard lock(mutex_);
    return requests_;
  }

 private:
  std::vector<QByteArray> answers_;
  bool silent_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> ok_{false};
  std::mutex mutex_;
  std::vector<QByteArray> requests_;
  std::unique_ptr<QThread> thread_;
};

TEST(TabulistClient, NoEditorIsFoundAtOnce) {
  EnsureApp();
  UseOwnSocket("none");
  TTabulistClient client;
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(client.FindEditor());
  EXPECT_EQ(client.Request2024(), -1);
  EXPECT_FALSE(client.RaiseEditor());
  EXPECT_LT(clock.elapsed(), 1000);
}

TEST(TabulistClient, EditorAnswersZeroThenOne) {
  EnsureApp();
  UseOwnSocket("answers");
  ScriptedEditor editor({"0", "1"});
  ASSERT_TRUE(editor.Listening());
  TTabulistClient client;
  EXPECT_TRUE(client.FindEditor());
  EXPECT_FALSE(client.ForeignEditor());
  EXPECT_EQ(client.Request2024(), 0);
  EXPECT_EQ(client.Request2024(), 1);
  EXPECT_TRUE(client.RaiseEditor());
  EXPECT_EQ(editor.Requests(), (std::vector<QByteArray>{"2024", "2024", "raise"}));
}

TEST(TabulistClient, AnEditorOfAnotherUserIsNeverToldAnything) {
  EnsureApp();
  UseOwnSocket("pretend");
  ScriptedEditor editor({"1"});
  ASSERT_TRUE(editor.Listening());
  TTabulistClient client;
  client.SetTrustedUser(::geteuid() + 1);  // the editor now runs as someone else
  EXPECT_FALSE(client.FindEditor());
  EXPECT_TRUE(client.ForeignEditor());
  EXPECT_EQ(client.Request2024(), -1);
  EXPECT_TRUE(client.ForeignEditor());
  EXPECT_FALSE(client.RaiseEditor());
  EXPECT_TRUE(editor.Requests().empty());

  client.SetTrustedUser(::geteuid());
  EXPECT_TRUE(client.FindEditor());
  EXPECT_FALSE(client.ForeignEditor());
}

TEST(TabulistClient, AProcessOfAnotherUserHoldingTheNameIsRefused) {
  if (!foreign_user::CanRunAsAnotherUser())
    GTEST_SKIP() << "running a server as user nobody needs root; the check is covered by pretending";
  EnsureApp();
  UseOwnSocket("nobody");
  const QByteArray name = TabulistProtocol::ServerName().toLocal8Bit();
  // In a group of its own, and in this program's group: the user decides, not the group.
  for (const auto becomes : {foreign_user::Becomes::UserAndGroup, foreign_user::Becomes::UserOnly}) {
    SCOPED_TRACE(foreign_user::Name(becomes));
    int ready[2], stop[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(stop), 0);
    const pid_t server = foreign_user::RunAsNobody(
        [&] {
          ::close(stop[1]);  // so that the parent's close is seen as the end
          return foreign_user::ServeForever(name, ready[1], stop[0]);
        },
        becomes);
    ASSERT_GT(server, 0);
    ASSERT_TRUE(foreign_user::Readable(ready[0], 5000)) << "the server of user nobody did not start";

    TTabulistClient client;
    EXPECT_FALSE(client.FindEditor());
    EXPECT_TRUE(client.ForeignEditor());
    EXPECT_EQ(client.Request2024(), -1);
    EXPECT_FALSE(client.RaiseEditor());

    ::close(stop[1]);
    EXPECT_EQ(foreign_user::ExitStatus(server), 0) << "requests the other user's server received";
    for (int fd : {ready[0], ready[1], stop[0]}) ::close(fd);
  }
}

TEST(TabulistClient, AnswerThatIsNeitherCountsAsNone) {
  EnsureApp();
  UseOwnSocket("garbage");
  ScriptedEditor editor({"yes"});
  TTabulistClient client;
  EXPECT_EQ(client.Request2024(), -1);
}

TEST(TabulistClient, SilentEditorTimesOut) {
  EnsureApp();
  UseOwnSocket("silent");
  ScriptedEditor editor({"1"}, true);
  TTabulistClient client({.connectMs = 500, .answerMs = 300});
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(client.Request2024(), -1);
  EXPECT_GE(clock.elapsed(), 250);
  EXPECT_LT(clock.elapsed(), 2000);
}

TEST(TabulistClient, StartsAProgramDetachedAndRefusesAMissingOne) {
  EnsureApp();
  const std::filesystem::path dir =
      std::filesystem::path(testing::TempDir()) / ("tabulist-start-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::filesystem::path marker = dir / "started";
  const std::filesystem::path program = dir / "tabulist";
  std::ofstream(program) << "#!/bin/sh\ntouch '" << marker.string() << "'\n";
  std::filesystem::permissions(program, std::filesystem::perms::owner_all);

  TTabulistClient client;
  EXPECT_FALSE(client.StartEditor((dir / "missing").string()));
  ASSERT_TRUE(client.StartEditor(program.string()));
  const int64_t start = client.NowMs();
  while (!std::filesystem::exists(marker) && client.NowMs() - start < 5000) client.Pause(20);
  EXPECT_TRUE(std::filesystem::exists(marker));
  std::filesystem::remove_all(dir);
}

TEST(TabulistClient, PauseWaitsAboutAsLongAsAsked) {
  EnsureApp();
  TTabulistClient client;
  const int64_t start = client.NowMs();
  client.Pause(50);
  const int64_t waited = client.NowMs() - start;
  EXPECT_GE(waited, 50);
  EXPECT_LT(waited, 1000);
}

}  // namespace
