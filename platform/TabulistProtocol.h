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

#include <QLocalServer>
#include <QLocalSocket>
#include <QString>
#include <QtGlobal>

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

}  // namespace TabulistProtocol
