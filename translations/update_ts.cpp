// Brings translation sources in step with the message table:
//   cantaro_update_ts translations/cantaro.ENU.ts ...
// A missing file is created with every message unfinished. The language of a new file comes
// from its code (ENU en_US, BEL be_BY, ITA it_IT).

#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>

#include "ui/untTsSync.h"

namespace {

QString LanguageOf(const QString& path) {
  QString code = QFileInfo(path).completeBaseName().section('.', -1).toUpper();
  if (code == "ENU") return "en_US";
  if (code == "BEL") return "be_BY";
  if (code == "ITA") return "it_IT";
  return "en_US";
}

}  // namespace

int main(int argc, char** argv) {
  int failures = 0;
  for (int i = 1; i < argc; ++i) {
    QString path = QString::fromLocal8Bit(argv[i]);
    QString current;
    QFile in(path);
    if (in.exists()) {
      if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[i]);
        ++failures;
        continue;
      }
      current = QString::fromUtf8(in.readAll());
      in.close();
    }
    QString synced = SyncedTs(current, LanguageOf(path));
    if (synced == current) continue;
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(synced.toUtf8()) < 0) {
      std::fprintf(stderr, "cannot write %s\n", argv[i]);
      ++failures;
      continue;
    }
    std::printf("updated %s\n", argv[i]);
  }
  return failures == 0 ? 0 : 1;
}
