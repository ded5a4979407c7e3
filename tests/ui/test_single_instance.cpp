// A second start hands its file to the running window over a per-user local socket, and the
// window refuses every other user.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <QTreeView>

#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>

#include "tests/platform/ForeignUser.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/SingleInstance.h"

namespace {

QString UniqueName(const char* what) {
  return QStringLiteral("cantaro-test-%1-%2").arg(getpid()).arg(QString::fromLatin1(what));
}

// Hands the file over from another thread while this one runs the window's event loop.
bool HandOffWhileServing(const QString& name, const QString& file) {
  std::atomic<int> result{-1};
  std::thread client([&] { result = TSingleInstance::HandOff(name, file, 3000) ? 1 : 0; });
  EXPECT_TRUE(QTest::qWaitFor([&] { return result >= 0; }, 8000));
  client.join();
  return result == 1;
}

}  // namespace

TEST(SingleInstance, ASecondStartHandsItsFileToTheRunningWindow) {
  uitest::App();
  TSingleInstance server(UniqueName("handoff"));
  ASSERT_TRUE(server.Listen());
  QStringList opened;
  server.OnOpenFile = [&opened](const QString& file) { opened << file; };
  const QString file = QStringLiteral("/tmp/песня с пробелами.kar");
  EXPECT_TRUE(HandOffWhileServing(UniqueName("handoff"), file));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !opened.isEmpty(); }, 2000));
  EXPECT_EQ(opened, QStringList{file});
  // Only one window listens under a name.
  TSingleInstance second(UniqueName("handoff"));
  EXPECT_FALSE(second.Listen());
}

TEST(SingleInstance, WithoutARunningWindowTheHandOffFailsAtOnce) {
  uitest::App();
  EXPECT_FALSE(TSingleInstance::HandOff(UniqueName("nobody"), QStringLiteral("/tmp/a.mid"), 500));
}

TEST(SingleInstance, TheSocketsPeerIsRecognisedAsTheSameUser) {
  int pair[2];
  ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
  EXPECT_TRUE(PeerIsSameUser(pair[0]));
  close(pair[0]);
  close(pair[1]);
  EXPECT_FALSE(PeerIsSameUser(-1));
}

TEST(SingleInstance, AProcessOfAnotherUserIsRefused) {
  if (!foreign_user::CanRunAsAnotherUser()) GTEST_SKIP() << "needs root to run a process as another user";
  uitest::App();
  const QString name = UniqueName("stranger");
  TSingleInstance server(name);
  ASSERT_TRUE(server.Listen());
  bool opened = false;
  server.OnOpenFile = [&opened](const QString&) { opened = true; };
  const QByteArray raw = name.toUtf8();
  // Another user asks the window to open a file; 0: refused, 1: accepted. Once in a group of
  // its own, once in the window's group: the user decides, not the group.
  for (const auto becomes : {foreign_user::Becomes::UserAndGroup, foreign_user::Becomes::UserOnly}) {
    SCOPED_TRACE(foreign_user::Name(becomes));
    const pid_t child = foreign_user::RunAsNobody(
        [&] {
          int fd = socket(AF_UNIX, SOCK_STREAM, 0);
          sockaddr_un addr;
          const socklen_t length = foreign_user::AbstractAddress(raw, addr);
          if (connect(fd, reinterpret_cast<sockaddr*>(&addr), length) != 0) return 4;
          const std::string request = "OPEN /tmp/other-user.kar\n";
          if (write(fd, request.data(), request.size()) < 0) return 0;  // already refused
          char reply[4] = {};
          const ssize_t n = read(fd, reply, sizeof reply);
          return n > 0 && reply[0] == '1' ? 1 : 0;
        },
        becomes);
    ASSERT_GT(child, 0);
    int status = -1;
    EXPECT_TRUE(QTest::qWaitFor([&] { return waitpid(child, &status, WNOHANG) == child; }, 8000));
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    QCoreApplication::processEvents();
    EXPECT_FALSE(opened);
  }
}

TEST_F(MainWindowTest, AFileHandedOverByTheDesktopOpensInTheRunningWindow) {
  Open();
  w().OpenFromDesktop(uitest::Example("mary-had-a-little-lamb.mid"));
  EXPECT_NE(w().windowTitle().indexOf(QStringLiteral("mary-had-a-little-lamb")), -1);
  EXPECT_GT(w().lvTracks->model()->rowCount(), 0);
}
