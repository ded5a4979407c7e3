// The manual page is written from the text of --help, so both always list the same commands.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "base/untMesConst.h"
#include "tools/manpage/ManPage.h"

namespace {

TManPageTexts BuiltInTexts() {
  TManPageTexts t;
  t.Help = CliHelpText();
  t.Summary = MesBuiltin(MesId::SManSummary);
  t.Description = MesBuiltin(MesId::SManDescription);
  t.Files = MesFormat(std::string(MesBuiltin(MesId::SManFiles)), "/usr/share/cantaro",
                      "/usr/share/doc/cantaro/manual/ru/index.html");
  t.Sections = MesBuiltin(MesId::SManSections);
  t.MoreSections = MesBuiltin(MesId::SManMoreSections);
  t.ExitStatus = MesBuiltin(MesId::SManExitStatus);
  t.SeeAlso = MesFormat(std::string(MesBuiltin(MesId::SManSeeAlso)), "/usr/share/doc/cantaro/manual/ru/index.html");
  t.Version = "1.2.3";
  t.Date = "2026-12-07";
  return t;
}

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

}  // namespace

TEST(ManPage, EveryEntryOfTheHelpIsOnThePageAndEveryOptionIsExplainedOnce) {
  const std::string page = BuildManPage(BuiltInTexts());
  EXPECT_EQ(page.find(".TH CANTARO 1 \"2026-12-07\" \"Cantaro 1.2.3\"\n"), page.find(".TH"));
  EXPECT_NE(page.find(".SH ИМЯ\ncantaro \\- аккорды песни"), std::string::npos);
  for (const char* heading : {".SH ОБЗОР\n", ".SH ОПИСАНИЕ\n", ".SH ПАРАМЕТРЫ\n", ".SH КОД ЗАВЕРШЕНИЯ\n", ".SH ФАЙЛЫ\n",
                              ".SH СМОТРИТЕ ТАКЖЕ\n"})
    EXPECT_EQ(Count(page, heading), 1u) << heading;

  // Every entry of the help is a tag on the page, once; every option and command is the first
  // word of one entry's tags only (the batch form of --export joins the single one).
  std::map<std::string, int> subjects;
  int entries = 0;
  for (const std::string& line : LinesOf(CliHelpText())) {
    if (line.rfind("  ", 0) != 0 || line.rfind("   ", 0) == 0) continue;
    ++entries;
    const std::string trimmed = line.substr(2);
    const std::string tag = trimmed.substr(0, trimmed.find("  "));
    const std::string bold = ".B " + RoffEscape(tag) + "\n";
    EXPECT_EQ(Count(page, ".TP\n" + bold) + Count(page, ".TQ\n" + bold), 1u) << tag;
    subjects[EntrySubject(tag)] = 0;
  }
  EXPECT_GE(entries, 30);
  // Each entry (".TP" and its ".TQ" tags) counts once for every subject its tags name.
  const std::vector<std::string> lines = LinesOf(page);
  std::vector<std::set<std::string>> entriesOnPage;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if ((lines[i] != ".TP" && lines[i] != ".TQ") || lines[i + 1].rfind(".B ", 0) != 0) continue;
    if (lines[i] == ".TP" || entriesOnPage.empty()) entriesOnPage.emplace_back();
    std::string tag = lines[i + 1].substr(3);
    for (std::size_t at; (at = tag.find("\\-")) != std::string::npos;) tag.replace(at, 2, "-");
    entriesOnPage.back().insert(EntrySubject(tag));
  }
  for (const auto& entry : entriesOnPage)
    for (const std::string& subject : entry)
      if (subjects.count(subject)) ++subjects[subject];
  for (const char* option : {"-o", "--key", "--transpose", "--beat", "--notation", "--keysense", "--continuity",
                             "--comments", "--format", "--codepage", "--gain", "--jobs", "--quiet", "--chords",
                             "--export", "--events", "--recognize", "--devices", "--render", "--play", "--help",
                             "--version", "--device", "--speed", "text", "chordpro", "json", "midi", "pdf"})
    EXPECT_EQ(subjects[option], 1) << option;

  // The notes after a block of options stay with that block; continued lines join their entry.
  EXPECT_LT(page.find("\\-\\-codepage"), page.find(".PP\nБез параметров \\-\\-key"));
  EXPECT_LT(page.find(".PP\nБез параметров \\-\\-key"), page.find(".SS "));
  EXPECT_NE(page.find(".B \\-\\-chords table|learned\nтаблица Keysense или обученная модель (без параметра действуют "
                      "настройки); с моделью"),
            std::string::npos);
  EXPECT_NE(page.find(".TQ\n.B cantaro \\-\\-export ФАЙЛ|ПАПКА..."), std::string::npos);
  EXPECT_NE(page.find(".TP\n.B 0\nкоманда выполнена.\n"), std::string::npos);
  EXPECT_NE(page.find(".TP\n.B 130\n"), std::string::npos);
  EXPECT_NE(page.find(".TP\n.I /usr/share/cantaro\n"), std::string::npos);
  EXPECT_NE(page.find("tabulist(1), руководство пользователя: /usr/share/doc/cantaro/manual/ru/index.html\n"),
            std::string::npos);
  // Only the first word of a synopsis line is bold; each usage line has one, the playing and
  // batch commands too.
  EXPECT_NE(page.find(".SH ОБЗОР\n.B cantaro\nФАЙЛ [параметры]\n.br\n.B cantaro\n\\-\\-export"), std::string::npos);
  EXPECT_LT(page.find(".B cantaro\n\\-\\-play ФАЙЛ"), page.find(".SH ОПИСАНИЕ"));
  // A song file alone opens the window on a desktop; the page says so where it explains it.
  EXPECT_NE(page.find(".TP\n.B cantaro ФАЙЛ [параметры]\nна рабочем столе и без параметров: окно с песней"),
            std::string::npos);
}

TEST(ManPage, TextIsEscapedForRoff) {
  EXPECT_EQ(RoffEscape("--key a\\b"), "\\-\\-key a\\eb");
  EXPECT_EQ(RoffEscape(".hidden"), "\\&.hidden");
  EXPECT_EQ(RoffEscape("'quote"), "\\&'quote");
  EXPECT_EQ(RoffEscape(""), "");
  // No line of the page starts with a dot or an apostrophe that roff would take as a request,
  // apart from the requests themselves.
  TManPageTexts t = BuiltInTexts();
  t.Description = ".TH injected\r'also";
  for (const std::string& line : LinesOf(BuildManPage(t)))
    EXPECT_NE(line.rfind(".TH injected", 0), 0u) << line;
}
