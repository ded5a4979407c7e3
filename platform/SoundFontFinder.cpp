#include "platform/SoundFontFinder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>

#include <algorithm>
#include <cstdlib>

namespace {

bool Readable(const QString& path) {
  QFileInfo info(path);
  return info.isFile() && info.isReadable() && info.size() > 0;
}

}  // namespace

std::vector<std::string> SoundFontFolders() {
  std::vector<std::string> folders;
  QStringList bases;
  bases << QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  // Without XDG_DATA_DIRS Qt answers with /usr/local/share and /usr/share, as the standard says.
  for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
    if (!bases.contains(dir)) bases << dir;
  for (const QString& base : bases) {
    if (base.isEmpty()) continue;
    for (const char* sub : {"soundfonts", "sounds/sf2", "sounds/sf3"})
      folders.push_back(QDir(base).filePath(QString::fromLatin1(sub)).toStdString());
  }
  return folders;
}

std::string FindSoundFontIn(const std::vector<std::string>& folders) {
  static const char* const kPreferred[] = {"default-GM.sf2", "FluidR3_GM.sf2", "TimGM6mb.sf2",
                                           "default-GM.sf3", "FluidR3_GM.sf3"};
  for (const char* name : kPreferred)
    for (const std::string& folder : folders) {
      const QString path = QDir(QString::fromStdString(folder)).filePath(QString::fromLatin1(name));
      if (Readable(path)) return QFileInfo(path).absoluteFilePath().toStdString();
    }
  for (const std::string& folder : folders) {
    QDir dir(QString::fromStdString(folder));
    const QStringList names =
        dir.entryList({"*.sf2", "*.sf3", "*.SF2", "*.SF3"}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& name : names)
      if (Readable(dir.filePath(name))) return QFileInfo(dir.filePath(name)).absoluteFilePath().toStdString();
  }
  return {};
}

std::string FindGeneralMidiSoundFont() {
  if (const char* env = std::getenv("CANTARO_SOUNDFONT"); env && *env) {
    const QString path = QString::fromLocal8Bit(env);
    if (Readable(path)) return QFileInfo(path).absoluteFilePath().toStdString();
  }
  return FindSoundFontIn(SoundFontFolders());
}
