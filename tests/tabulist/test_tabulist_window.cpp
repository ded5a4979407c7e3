// The chord-text editor's window: taking handed-over texts, answering requests, saving.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLocalSocket>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include "platform/TabulistProtocol.h"
#include "tests/platform/ForeignUser.h"
#include "tools/tabulist/TfrmTabulist.h"

// Fontconfig keeps a cache for the life of the process, which the leak checker reports.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

namespace {

void EnsureApp() {
  if (!QApplication::instance()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test_tabulist";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
  }
}

void WriteFile(const QString& name, const QByteArray& bytes) {
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

TEST(TabulistWindow, DecodesUtf8AndLegacyTextsWithAnyLineEnds) {
  EnsureApp();
  EXPECT_EQ(TfrmTabulist::DecodeHandoff("Am\r\nМэри\r\n"), QStringLiteral("Am\nМэри"));
  EXPECT_EQ(TfrmTabulist::DecodeHandoff("a\rb\nc"), QStringLiteral("a\nb\nc"));
  EXPECT_EQ(TfrmTabulist::DecodeHandoff("\xC2\xE5\xF7\xE5\xF0\r\n"), QStringLiteral("Вечер"));
}

TEST(TabulistWindow, HandedOverTextReplacesAnUntouchedTabAndKeepsAnEditedOne) {
  EnsureApp();
  QTemporaryDir dir;
  TfrmTabulist window;
  window.SetHandoffFolder(dir.path());
  EXPECT_FALSE(window.TakeHandoffFile());  // nothing there yet

  WriteFile(dir.filePath("TEMP.$$$"), "Am   Dm\r\nMary had\r\n");
  ASSERT_TRUE(window.TakeHandoffFile());
  EXPECT_EQ(window.Tabs()->count(), 1);
  EXPECT_EQ(window.CurrentEditor()->toPlainText(), QStringLiteral("Am   Dm\nMary had"));

  window.CurrentEditor()->appendPlainText(QStringLiteral("my own line"));
  WriteFile(dir.filePath("TEMP.$$$"), "E\r\nlit-\r\n");
  ASSERT_TRUE(window.TakeHandoffFile());
  ASSERT_EQ(window.Tabs()->count(), 2);
  EXPECT_EQ(window.CurrentEditor()->toPlainText(), QStringLiteral("E\nlit-"));
  EXPECT_TRUE(qobject_cast<QPlainTextEdit*>(window.Tabs()->widget(0))->toPlainText().endsWith("my own line"));
}

TEST(TabulistWindow, SavesTheTextAsUtf8WithItsFileName) {
  EnsureApp();
  QTemporaryDir dir;
  TfrmTabulist window;
  window.CurrentEditor()->setPlainText(QStringLiteral("Am\nВечер"));
  const QString target = dir.filePath("song.txt");
  ASSERT_TRUE(window.SaveCurrentAs(target));
  QFile file(target);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("Am\nВечер\n"));
  EXPECT_EQ(window.Tabs()->tabText(0), QStringLiteral("song.txt"));
  EXPECT_FALSE(window.CurrentEditor()->document()->isModified());
}

TEST(TabulistWindow, AnswersRequestsOnItsSocket) {
  EnsureApp();
  qputenv(TabulistProtocol::kNameOverrideEnv, QByteArray("/cantaro-test-window-") + QByteArray::number(::getpid()));
  QTemporaryDir dir;
  TfrmTabulist window;
  window.SetHandoffFolder(dir.path());
  QString error;
  ASSERT_TRUE(window.Listen(&error)) << error.toStdString();
  TfrmTabulist second;
  EXPECT_FALSE(second.Listen(&error));  // one editor per user takes the texts

  auto ask = [](const QByteArray& request) {
    QLocalSocket socket;
    TabulistProtocol::PrepareSocket(socket);
    socket.connectToServer();
    if (!socket.waitForConnected(1000)) return QByteArray("no connection");
    socket.write(request + "\n");
    socket.flush();
    for (int i = 0; i < 200 && !socket.canReadLine(); ++i) {
      QCoreApplication::processEvents();
      socket.waitForReadyRead(10);
    }
    return socket.readLine().trimmed();
  };
  EXPECT_EQ(ask("2024"), "0");  // no file
  WriteFile(dir.filePath("TEMP.$$$"), "C\r\nla\r\n");
  EXPECT_EQ(ask("2024"), "1");
  EXPECT_EQ(window.CurrentEditor()->toPlainText(), QStringLiteral("C\nla"));
  EXPECT_EQ(ask("raise"), "1");
  EXPECT_EQ(ask("anything"), "0");
}

// A connection from a process of another user is dropped unanswered, and the hand-off file
// stays where it is: first by pretending that the editor runs as someone else, then, where
// the test may change its user, with a real process of user nobody.
TEST(TabulistWindow, DropsConnectionsOfAnotherUserUnanswered) {
  EnsureApp();
  qputenv(TabulistProtocol::kNameOverrideEnv, QByteArray("/cantaro-test-foreign-") + QByteArray::number(::getpid()));
  QTemporaryDir dir;
  TfrmTabulist window;
  window.SetHandoffFolder(dir.path());
  QString error;
  ASSERT_TRUE(window.Listen(&error)) << error.toStdString();
  WriteFile(dir.filePath("TEMP.$$$"), "Am\r\nla\r\n");

  window.SetTrustedUser(::geteuid() + 1);
  QLocalSocket socket;
  TabulistProtocol::PrepareSocket(socket);
  socket.connectToServer();
  ASSERT_TRUE(socket.waitForConnected(1000));
  socket.write("2024\n");
  socket.flush();
  for (int i = 0; i < 200 && socket.state() == QLocalSocket::ConnectedState; ++i) {
    QCoreApplication::processEvents();
    socket.waitForReadyRead(10);
  }
  EXPECT_EQ(socket.state(), QLocalSocket::UnconnectedState);
  EXPECT_EQ(socket.readAll(), QByteArray());
  EXPECT_EQ(window.DroppedPeers(), 1);
  EXPECT_TRUE(QFile::exists(dir.filePath("TEMP.$$$")));
  EXPECT_EQ(window.CurrentEditor()->toPlainText(), QString());

  window.SetTrustedUser(::geteuid());
  if (!foreign_user::CanRunAsAnotherUser())
    GTEST_SKIP() << "a client as user nobody needs root; the check was covered by pretending";
  const QByteArray name = TabulistProtocol::ServerName().toLocal8Bit();
  const pid_t client = foreign_user::RunAsNobody([&] { return foreign_user::AskOnce(name, "2024\n"); });
  ASSERT_GT(client, 0);
  int status = 0;
  pid_t ended = 0;
  for (int i = 0; i < 1000 && ended == 0; ++i) {
    QCoreApplication::processEvents();
    QTest::qWait(5);
    ended = ::waitpid(client, &status, WNOHANG);
  }
  ASSERT_EQ(ended, client);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "0: dropped unanswered, 1: answered, 2: no connection, 3: left hanging";
  EXPECT_EQ(window.DroppedPeers(), 2);
  EXPECT_TRUE(QFile::exists(dir.filePath("TEMP.$$$")));
  EXPECT_EQ(window.CurrentEditor()->toPlainText(), QString());
}

}  // namespace
