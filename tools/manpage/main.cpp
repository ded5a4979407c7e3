// cantaro_manpage: writes the manual page cantaro(1) of one language at build time.
//   cantaro_manpage OUT.1 VERSION DATE DATADIR DOCDIR [TRANSLATION]
// Without a translation file the page is in the built-in language.
#include <QByteArray>
#include <QFile>
#include <QTranslator>

#include <cstdio>
#include <fstream>
#include <string>

#include "base/untMesConst.h"
#include "tools/manpage/ManPage.h"

namespace {

std::string Text(const QTranslator* translator, MesId id) {
  const std::string source(MesBuiltin(id));
  if (translator) {
    const QString t = translator->translate("untMesConst", source.c_str(), std::string(MesName(id)).c_str());
    if (!t.isEmpty()) return t.toStdString();
  }
  return source;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6 && argc != 7) {
    std::fprintf(stderr, "usage: %s OUT.1 VERSION DATE DATADIR DOCDIR [TRANSLATION]\n", argv[0]);
    return 2;
  }
  QTranslator translator;
  QByteArray data;
  if (argc == 7) {
    QFile file(QString::fromLocal8Bit(argv[6]));
    if (!file.open(QIODevice::ReadOnly)) {
      std::fprintf(stderr, "cannot read %s\n", argv[6]);
      return 1;
    }
    data = file.readAll();
    if (!translator.load(reinterpret_cast<const uchar*>(data.constData()), static_cast<int>(data.size()))) {
      std::fprintf(stderr, "%s is no translation\n", argv[6]);
      return 1;
    }
  }
  const QTranslator* t = argc == 7 ? &translator : nullptr;
  TManPageTexts texts;
  texts.Help = JoinHelpTexts(Text(t, MesId::SCliHelp), {Text(t, MesId::SCliHelpPlay)},
                             {Text(t, MesId::SCliHelpRender), Text(t, MesId::SCliHelpLeadSheet), Text(t, MesId::SCliHelpBatch),
                              Text(t, MesId::SCliHelpChords), Text(t, MesId::SCliHelpSpelling)});
  texts.Summary = Text(t, MesId::SManSummary);
  texts.Description = Text(t, MesId::SManDescription);
  texts.Files = MesFormat(Text(t, MesId::SManFiles), std::string(argv[4]), std::string(argv[5]));
  texts.Sections = Text(t, MesId::SManSections);
  texts.Version = argv[2];
  texts.Date = argv[3];
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out << BuildManPage(texts);
  out.close();
  if (!out) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
