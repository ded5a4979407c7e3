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
  if (getuid() != 0) GTEST_SKIP() << "needs root to run a process as another user";
  uitest::App();
  const QString name = UniqueName("stranger");
  TSingleInstance server(name);
  ASSERT_TRUE(server.Listen());
  bool opened = false;
  server.OnOpenFile = [&opened](const QString&) { opened = true; };
  const std::string raw = name.toStdString();
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // Another user ("nobody") asks the window to open a file; 0: refused, 1: accepted.
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(3);
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path + 1, raw.data(), raw.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + raw.size());
    if (connect(fd, reinterpret_cast<sockaddr*>(&addr), length) != 0) _exit(4);
    const std::string request = "OPEN /tmp/other-user.kar\n";
    if (write(fd, request.data(), request.size()) < 0) _exit(0);  // already refused
    char reply[4] = {};
    const ssize_t n = read(fd, reply, sizeof reply);
    _exit(n > 0 && reply[0] == '1' ? 1 : 0);
  }
  int status = -1;
  EXPECT_TRUE(QTest::qWaitFor([&] { return waitpid(child, &status, WNOHANG) == child; }, 8000));
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  QCoreApplication::processEvents();
  EXPECT_FALSE(opened);
}

TEST_F(MainWindowTest, AFileHandedOverByTheDesktopOpensInTheRunningWindow) {
  Open();
  w().OpenFromDesktop(uitest::Example("mary-had-a-little-lamb.mid"));
  EXPECT_NE(w().windowTitle().indexOf(QStringLiteral("mary-had-a-little-lamb")), -1);
  EXPECT_GT(w().lvTracks->model()->rowCount(), 0);
}
