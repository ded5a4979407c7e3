#include "ui/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>

namespace {
constexpr int kMaxRequest = 8192;  // a path, not a flood
const QByteArray kOpen = QByteArrayLiteral("OPEN ");
}  // namespace

bool PeerIsSameUser(int socketDescriptor) {
  struct ucred cred {};
  socklen_t length = sizeof cred;
  if (getsockopt(socketDescriptor, SOL_SOCKET, SO_PEERCRED, &cred, &length) != 0 || length != sizeof cred)
    return false;
  return cred.uid == getuid();
}

QString TSingleInstance::DefaultName() { return QStringLiteral("cantaro-window-%1").arg(getuid()); }

TSingleInstance::TSingleInstance(QString name, QObject* parent) : QObject(parent), name_(std::move(name)) {}

TSingleInstance::~TSingleInstance() = default;

bool TSingleInstance::Listen() {
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::AbstractNamespaceOption);
  server_->setMaxPendingConnections(4);
  if (!server_->listen(name_)) {
    delete server_;
    server_ = nullptr;
    return false;
  }
  connect(server_, &QLocalServer::newConnection, this, [this] { Accept(); });
  return true;
}

void TSingleInstance::Accept() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    if (!PeerIsSameUser(static_cast<int>(socket->socketDescriptor()))) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    QPointer<QLocalSocket> guard(socket);
    // A client that says nothing is dropped after a while.
    QTimer::singleShot(3000, socket, [guard] {
      if (guard) guard->abort();
    });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (socket->bytesAvailable() > kMaxRequest) {
        socket->abort();
        return;
      }
      if (!socket->canReadLine()) return;
      const QByteArray line = socket->readLine(kMaxRequest).trimmed();
      if (!line.startsWith(kOpen) || line.size() == kOpen.size()) {
        socket->abort();
        return;
      }
      const QString file = QString::fromUtf8(line.mid(kOpen.size()));
      socket->write("1\n");
      socket->flush();
      socket->disconnectFromServer();
      if (OnOpenFile) OnOpenFile(file);
    });
  }
}

bool TSingleInstance::HandOff(const QString& name, const QString& file, int timeoutMs) {
  QLocalSocket socket;
  socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
  socket.connectToServer(name);
  if (!socket.waitForConnected(timeoutMs)) return false;
  socket.write(kOpen + file.toUtf8() + '\n');
  if (!socket.waitForBytesWritten(timeoutMs)) return false;
  while (!socket.canReadLine()) {
    if (!socket.waitForReadyRead(timeoutMs)) return false;
  }
  return socket.readLine().trimmed() == "1";
}
