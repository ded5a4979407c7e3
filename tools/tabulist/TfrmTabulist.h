#pragma once
// The chord-text editor's main window: one tab per text, a monospace editor, Save and
// Save As, and the local server through which the exporting program hands texts over.

#include <QMainWindow>
#include <QString>

#include <sys/types.h>

class QLocalServer;
class QLocalSocket;
class QPlainTextEdit;
class QTabWidget;

class TfrmTabulist : public QMainWindow {
  Q_OBJECT
 public:
  explicit TfrmTabulist(QWidget* parent = nullptr);

  // Starts the hand-off server. False (with the reason in errorText) when another editor of
  // this user already listens or the socket cannot be made.
  bool Listen(QString* errorText);

  // Reads the hand-off file of the editor's folder into a tab; false when it cannot be read.
  bool TakeHandoffFile();
  bool OpenFile(const QString& fileName);

  // The hand-off file as text: UTF-8 when it is valid UTF-8, else Windows-1251 (what older
  // exporters wrote); CR LF and CR line ends become "\n".
  static QString DecodeHandoff(const QByteArray& bytes);
  // TEMP.$$$ in the hand-off folder: the editor's own for a copy with INI/ beside it, else the
  // user's runtime folder (settings/DataFolders.h); tests set a folder of their own.
  QString HandoffFileName() const;
  void SetHandoffFolder(const QString& folder) { handoffFolder_ = folder; }
  // Connections from processes of another user are dropped unanswered; the trusted user is
  // this program's own (tests pretend to be someone else).
  void SetTrustedUser(uid_t user) { trustedUser_ = user; }
  int DroppedPeers() const { return droppedPeers_; }

  // Writes the current text to the file (UTF-8, "\n" line ends) and makes it the tab's file.
  bool SaveCurrentAs(const QString& fileName);

  QTabWidget* Tabs() const { return tabs_; }
  QPlainTextEdit* CurrentEditor() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void actSaveExecute();
  void actSaveAsExecute();
  void actOpenExecute();
  void actCloseTabExecute();
  void ServerNewConnection();
  void SocketReadyRead(QLocalSocket* socket);
  void RaiseWindow();
  QPlainTextEdit* AddTab(const QString& text, const QString& fileName);
  bool SaveTab(int index, bool askName);
  bool WriteTab(int index, const QString& fileName);
  bool MaySaveTab(int index);
  void UpdateTitle();

  QTabWidget* tabs_ = nullptr;
  QLocalServer* server_ = nullptr;
  int untitledCount_ = 0;
  QString handoffFolder_;
  uid_t trustedUser_;
  int droppedPeers_ = 0;
};
