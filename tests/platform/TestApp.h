#pragma once
// The test program's one Qt application object, made on first use (timers, notifiers and
// posted work need it).

#include <QCoreApplication>

inline QCoreApplication& TestApp() {
  static int argc = 1;
  static char name[] = "test_platform";
  static char* argv[] = {name, nullptr};
  static QCoreApplication* app =
      QCoreApplication::instance() ? QCoreApplication::instance() : new QCoreApplication(argc, argv);
  return *app;
}
