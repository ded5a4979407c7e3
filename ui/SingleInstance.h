#pragma once
// One window per user: a second start of the program hands the file it was given to the
// window already running and ends. The running window listens on a per-user local socket (in
// the abstract namespace, so a crashed program leaves no socket file behind); an abstract
// socket has no file permissions, so the server asks the kernel who connected (SO_PEERCRED)
// and refuses every process of another user.
//
// The request is one line, "OPEN " and the file's absolute path in UTF-8; the answer "1"
// says the window took it.

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;

class TSingleInstance final : public QObject {
  Q_OBJECT
 public:
  // The socket's name for the current user.
  static QString DefaultName();

  explicit TSingleInstance(QString name = DefaultName(), QObject* parent = nullptr);
  ~TSingleInstance() override;

  // Starts listening; false when another window listens already or no socket can be made.
  bool Listen();
  // Called with each file that a later start handed over.
  std::function<void(const QString& file)> OnOpenFile;

  // Hands the file to the window listening under the name; true when it took it. Every step
  // has a timeout, so a hung window does not hang the start.
  static bool HandOff(const QString& name, const QString& file, int timeoutMs = 3000);

 private:
  void Accept();
  QString name_;
  QLocalServer* server_ = nullptr;
};

// Whether the process at the other end of a connected local socket runs as this user.
bool PeerIsSameUser(int socketDescriptor);
