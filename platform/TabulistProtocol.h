#pragma once
// What this program and the chord-text editor agree on. The editor is found through a local
// socket named after its window class; the name carries the user id so that two users on
// one machine never reach each other's editor, and it lives in the Linux abstract namespace,
// so an editor that crashed leaves no stale socket file behind.
//
// Requests and answers are single lines of ASCII text ended by "\n":
//   "2024"  -> "1" once the editor has read TEMP.$$$ from its own folder, "0" otherwise
//   "raise" -> "1" after the editor brought its window to the front
// Any other request is answered "0".
//
// The abstract namespace has no file permissions: any local user may bind the name first or
// connect to it. Both sides therefore ask the kernel who is at the other end of a connection
// (SO_PEERCRED) and talk only to a process of their own user.

#include <QLocalServer>
#include <QLocalSocket>
#include <QString>
#include <QtGlobal>

#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>

namespace TabulistProtocol {

inline constexpr char kWindowClass[] = "TfrmTabulist";
inline constexpr char kHandoffFile[] = "TEMP.$$$";
inline constexpr char kProgramFile[] = "tabulist";
inline constexpr char kRequestTake[] = "2024";
inline constexpr char kRequestRaise[] = "raise";
inline constexpr char kAnswerYes[] = "1";
inline constexpr char kAnswerNo[] = "0";

// Environment variable that replaces the socket name; tests use it to talk to their own
// editor without meeting one that the user has open.
inline constexpr char kNameOverrideEnv[] = "CANTARO_TABULIST_SOCKET";

inline QString ServerName() {
  const QByteArray overrideName = qgetenv(kNameOverrideEnv);
  if (!overrideName.isEmpty()) return QString::fromLocal8Bit(overrideName);
  // A leading "/" keeps Qt from prefixing the temporary folder, whose name may differ
  // between the two processes' environments.
  return QStringLiteral("/%1-%2").arg(QLatin1String(kWindowClass)).arg(static_cast<qulonglong>(::getuid()));
}

inline void PrepareServer(QLocalServer& server) {
  server.setSocketOptions(QLocalServer::AbstractNamespaceOption);
}

inline void PrepareSocket(QLocalSocket& socket) {
  socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
  socket.setServerName(ServerName());
}

// The effective user id of the process at the other end of a connected local socket, or -1
// when the system does not tell (not a socket, not connected).
inline long long PeerUid(qintptr descriptor) {
  if (descriptor < 0) return -1;
  struct ucred cred {};
  socklen_t length = sizeof cred;
  if (::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &cred, &length) != 0 ||
      length != sizeof cred)
    return -1;
  return static_cast<long long>(cred.uid);
}

// Whether the peer runs as the given user (this program's own unless a test says otherwise).
// A peer whose user cannot be told is not trusted either.
inline bool PeerIsUser(qintptr descriptor, uid_t user) {
  return PeerUid(descriptor) == static_cast<long long>(user);
}

}  // namespace TabulistProtocol
