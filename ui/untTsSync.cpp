#include "ui/untTsSync.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "base/untMesConst.h"

std::map<QString, TTsEntry> ReadTsEntries(const QString& tsText, QString* language) {
  std::map<QString, TTsEntry> entries;
  QXmlStreamReader xml(tsText);
  QString comment;
  TTsEntry entry;
  bool inMessage = false;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      auto name = xml.name();
      if (name == QLatin1String("TS")) {
        if (language) *language = xml.attributes().value("language").toString();
      } else if (name == QLatin1String("message")) {
        inMessage = true;
        comment.clear();
        entry = {};
      } else if (inMessage && name == QLatin1String("source")) {
        entry.Source = xml.readElementText();
      } else if (inMessage && name == QLatin1String("comment")) {
        comment = xml.readElementText();
      } else if (inMessage && name == QLatin1String("translation")) {
        QString type = xml.attributes().value("type").toString();
        entry.Finished = type.isEmpty();
        entry.Translation = xml.readElementText();
      }
    } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
      inMessage = false;
      if (!comment.isEmpty()) entries[comment] = entry;
    }
  }
  return entries;
}

namespace {

// A line break "\r" must reach the file as a character reference: XML readers turn a raw one
// into "\n", and the text would no longer match the message table. The writer does not
// escape it, so it goes through a private-use stand-in.
constexpr QChar CrStandIn(0xE00D);

QString Protect(QString text) { return text.replace(QLatin1Char('\r'), CrStandIn); }

}  // namespace

QString BuildTs(const QString& language, const std::map<QString, TTsEntry>& entries) {
  QString out;
  QXmlStreamWriter xml(&out);
  xml.setAutoFormatting(true);
  xml.setAutoFormattingIndent(2);
  xml.writeStartDocument();
  xml.writeDTD("<!DOCTYPE TS>");
  xml.writeStartElement("TS");
  xml.writeAttribute("version", "2.1");
  xml.writeAttribute("language", language);
  xml.writeAttribute("sourcelanguage", "ru_RU");
  xml.writeStartElement("context");
  xml.writeTextElement("name", "untMesConst");
  for (int i = 0; i < static_cast<int>(MesId::Count); ++i) {
    auto id = static_cast<MesId>(i);
    QString name = QString::fromUtf8(MesName(id).data(), static_cast<qsizetype>(MesName(id).size()));
    QString source =
        QString::fromUtf8(MesBuiltin(id).data(), static_cast<qsizetype>(MesBuiltin(id).size()));
    xml.writeStartElement("message");
    xml.writeTextElement("source", Protect(source));
    xml.writeTextElement("comment", name);
    xml.writeStartElement("translation");
    auto it = entries.find(name);
    bool finished = it != entries.end() && it->second.Finished &&
                    !it->second.Translation.isEmpty() && it->second.Source == source;
    if (!finished) xml.writeAttribute("type", "unfinished");
    if (it != entries.end() && !it->second.Translation.isEmpty())
      xml.writeCharacters(Protect(it->second.Translation));
    xml.writeEndElement();  // translation
    xml.writeEndElement();  // message
  }
  xml.writeEndElement();  // context
  xml.writeEndElement();  // TS
  xml.writeEndDocument();
  return out.replace(CrStandIn, QLatin1String("&#13;"));
}

QString SyncedTs(const QString& tsText, const QString& defaultLanguage) {
  QString language;
  auto entries = ReadTsEntries(tsText, &language);
  if (language.isEmpty()) language = defaultLanguage;
  return BuildTs(language, entries);
}
