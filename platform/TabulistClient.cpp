#include "platform/TabulistClient.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <chrono>

#include <unistd.h>

#include "platform/TabulistProtocol.h"

TTabulistClient::TTabulistClient() : TTabulistClient(TTimeouts{}) {}
TTabulistClient::TTabulistClient(const TTimeouts& timeouts) : timeouts_(timeouts), trustedUser_(::geteuid()) {}

bool TTabulistClient::Connect(QLocalSocket& socket) {
  foreign_ = false;
  TabulistProtocol::PrepareSocket(socket);
  socket.connectToServer();
  if (!socket.waitForConnected(timeouts_.connectMs)) return false;
  if (!TabulistProtocol::PeerIsUser(socket.socketDescriptor(), trustedUser_)) {
    foreign_ = true;
    socket.abort();
    return false;
  }
  return true;
}

bool TTabulistClient::FindEditor() {
  QLocalSocket socket;
  const bool found = Connect(socket);
  socket.abort();
  return found;
}

bool TTabulistClient::StartEditor(const std::string& programFile) {
  const QString program = QString::fromStdString(programFile);
  if (!QFileInfo(program).isExecutable()) return false;
  return QProcess::startDetached(program, {});
}

int TTabulistClient::Request2024() { return Request(TabulistProtocol::kRequestTake); }

bool TTabulistClient::RaiseEditor() { return Request(TabulistProtocol::kRequestRaise) == 1; }

int TTabulistClient::Request(const std::string& request) {
  QLocalSocket socket;
  if (!Connect(socket)) return -1;
  socket.write(request.data(), static_cast<qint64>(request.size()));
  socket.write("\n", 1);
  if (!socket.waitForBytesWritten(timeouts_.answerMs)) return -1;

  QElapsedTimer clock;
  clock.start();
  while (!socket.canReadLine()) {
    const qint64 left = timeouts_.answerMs - clock.elapsed();
    if (left <= 0 || socket.bytesAvailable() > 64) return -1;
    if (!socket.waitForReadyRead(static_cast<int>(left))) return -1;
  }
  const QByteArray answer = socket.readLine().trimmed();
  socket.abort();
  if (answer == TabulistProtocol::kAnswerYes) return 1;
  if (answer == TabulistProtocol::kAnswerNo) return 0;
  return -1;
}

void TTabulistClient::Pause(int ms) {
  if (ms <= 0) return;
  QElapsedTimer clock;
  clock.start();
  if (QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread()) {
    while (clock.elapsed() < ms) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, ms - static_cast<int>(clock.elapsed()));
      QThread::msleep(static_cast<unsigned long>(std::min<qint64>(10, std::max<qint64>(0, ms - clock.elapsed()))));
    }
  } else {
    QThread::msleep(static_cast<unsigned long>(ms));
  }
}

int64_t TTabulistClient::NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
