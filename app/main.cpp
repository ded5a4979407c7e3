// cantaro: the chords of a song from its MIDI or karaoke file.
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

#include <clocale>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "base/untMesConst.h"
#include "settings/untVars.h"
#include "ui/SingleInstance.h"
#include "ui/ToolkitLanguage.h"
#include "ui/untApplication.h"
#include "ui/untLanguage.h"
#include "ui/untMain.h"

namespace {

bool HasEnv(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

// The window opens for "cantaro" and "cantaro FILE" when there is a screen to show it on;
// every option, and a session without a display, keeps to the command line.
bool WantsWindow(const std::vector<std::string>& args) {
  if (args.size() > 1 || (args.size() == 1 && (args[0].empty() || args[0][0] == '-'))) return false;
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && (std::string(platform).rfind("offscreen", 0) == 0 || std::string(platform).rfind("minimal", 0) == 0))
    return false;
  return HasEnv("DISPLAY") || HasEnv("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
  // Dates in the signature of an exported text follow the user's locale.
  std::setlocale(LC_TIME, "");
  std::vector<std::string> args(argv + 1, argv + argc);
  // A missing or damaged data folder is named; the program goes on with its built-in defaults.
  if (!WantsWindow(args)) {
    // The command line speaks the same language as the window would.
    InstallStartupLanguage();
    const std::string message = DataFolderProblem().empty() ? std::string()
                                                            : MesFormat(MesId::SDataFolderMissing, DataFolderProblem());
    if (!message.empty()) std::cerr << MesLines(message) << '\n';
    return RunCommandLine(args, std::cout, std::cerr);
  }

  TCantaroApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("cantaro"));
  QApplication::setDesktopFileName(QStringLiteral("cantaro"));
  InstallToolkitLanguage(InstallStartupLanguage());
  // A second start hands its file to the window already running.
  if (!args.empty() && TSingleInstance::HandOff(TSingleInstance::DefaultName(),
                                                QFileInfo(QString::fromStdString(args[0])).absoluteFilePath()))
    return 0;
  TfrmMain window(args);
  TSingleInstance instance;
  instance.OnOpenFile = [&window](const QString& file) { window.OpenFromDesktop(file.toStdString()); };
  instance.Listen();
  window.show();
  if (!DataFolderProblem().empty())
    QMessageBox::warning(&window, QString::fromStdString(Mes(MesId::SCaptionWarning)),
                         QString::fromStdString(MesLines(MesFormat(MesId::SDataFolderMissing, DataFolderProblem()))));
  return QApplication::exec();
}
