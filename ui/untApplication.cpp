#include "ui/untApplication.h"

#include <exception>

#include "base/untMesConst.h"
#include "ui/QtPrompter.h"

TCantaroApplication::TCantaroApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TCantaroApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    TQtPrompter(activeWindow()).Error(Mes(MesId::SCaptionError), e.what());
  } catch (...) {
    TQtPrompter(activeWindow()).Error(Mes(MesId::SCaptionError), Mes(MesId::SExternalException));
  }
  return false;
}
