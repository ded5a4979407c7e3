// tabulist: the chord-text editor that takes the texts exported by cantaro.
#include <QApplication>
#include <QLocalSocket>
#include <QMessageBox>

#include <unistd.h>

#include "base/untMesConst.h"
#include "platform/TabulistProtocol.h"
#include "tools/tabulist/TfrmTabulist.h"
#include "ui/ToolkitLanguage.h"
#include "ui/untLanguage.h"

namespace {

// A second copy of the editor hands the user over to the first one instead of competing for
// the hand-off socket. A process of another user under the name is not talked to: the reason
// goes to the warning instead.
bool RaiseRunningEditor(QString* errorText) {
  QLocalSocket socket;
  TabulistProtocol::PrepareSocket(socket);
  socket.connectToServer();
  if (!socket.waitForConnected(2000)) return false;
  if (!TabulistProtocol::PeerIsUser(socket.socketDescriptor(), ::geteuid())) {
    socket.abort();
    *errorText = QString::fromStdString(Mes(MesId::STabForeignOwner));
    return false;
  }
  socket.write(TabulistProtocol::kRequestRaise);
  socket.write("\n");
  socket.waitForBytesWritten(2000);
  socket.waitForReadyRead(2000);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("tabulist"));
  // The editor speaks the language chosen for the program beside it (or the system's).
  const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/cantaro");
  InstallToolkitLanguage(InstallStartupLanguage(program.toStdString()));

  TfrmTabulist window;
  QString error;
  if (!window.Listen(&error)) {
    if (RaiseRunningEditor(&error)) return 0;
    QMessageBox::warning(&window, QString::fromStdString(Mes(MesId::SCaptionWarning)),
                         QString::fromStdString(MesFormat(MesId::STabNotListening, error.toStdString())));
  }
  for (const QString& fileName : QApplication::arguments().mid(1)) window.OpenFile(fileName);
  window.show();
  return app.exec();
}
