#pragma once
// Keeps the translation sources (translations/cantaro.<code>.ts) in step with the message
// table: one message per table entry, in table order, in the context "untMesConst" with the
// entry's name as its disambiguation; translations already made are kept, new entries are
// left unfinished, entries gone from the table are dropped, and a translation whose source
// text changed in the table is kept but marked unfinished, so that it is not used until a
// translator has looked at it again.

#include <QString>
#include <map>

struct TTsEntry {
  QString Source;
  QString Translation;
  bool Finished = false;
};

// The translations of a .ts text by message name; also its language attribute.
std::map<QString, TTsEntry> ReadTsEntries(const QString& tsText, QString* language = nullptr);

// The .ts text for the message table with the given translations.
QString BuildTs(const QString& language, const std::map<QString, TTsEntry>& entries);

// The .ts text a file should have: BuildTs over the file's own translations.
QString SyncedTs(const QString& tsText, const QString& defaultLanguage);
