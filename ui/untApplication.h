#pragma once
// The program's application object. An error that escapes a command or a timer is shown in a
// message box with its text, and the program goes on; the event loop never sees it.

#include <QApplication>

class TCantaroApplication final : public QApplication {
  Q_OBJECT
 public:
  TCantaroApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};
