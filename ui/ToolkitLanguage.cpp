#include "ui/ToolkitLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cctype>

namespace {
QString& InstalledLocale() {
  static QString name = QStringLiteral("ru");
  return name;
}
}  // namespace

QString InterfaceLocaleName(const std::string& translationFile) {
  std::string code;
  if (const auto dot = translationFile.rfind('.'); dot != std::string::npos) code = translationFile.substr(dot + 1);
  for (char& c : code) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (code == "ENU") return QStringLiteral("en");
  if (code == "ITA") return QStringLiteral("it");
  if (code == "BEL") return QStringLiteral("be");
  return QStringLiteral("ru");
}

QString InstallToolkitLanguage(const std::string& translationFile) {
  const QString wanted = InterfaceLocaleName(translationFile);
  InstalledLocale() = wanted;
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  auto* translator = new QTranslator(QCoreApplication::instance());
  for (const QString& name : {wanted, wanted == QStringLiteral("be") ? QStringLiteral("ru") : QString()}) {
    if (name.isEmpty()) continue;
    if (translator->load(QStringLiteral("qtbase_") + name, folder)) {
      QCoreApplication::installTranslator(translator);
      return name;
    }
  }
  delete translator;
  return {};
}

QFileDialog::Options FileDialogOptions() {
  const QString system = QLocale::system().name().section(QLatin1Char('_'), 0, 0);
  if (system == InstalledLocale()) return {};
  return QFileDialog::DontUseNativeDialog;
}
