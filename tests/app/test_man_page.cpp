// The manual page is written from the texts of --help, so both always list the same commands.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "base/untMesConst.h"
#include "tools/manpage/ManPage.h"

namespace {

TManPageTexts BuiltInTexts() {
  return {std::string(MesBuiltin(MesId::SCliHelp)),   std::string(MesBuiltin(MesId::SManSummary)),
          std::string(MesBuiltin(MesId::SManDescription)),
          MesFormat(std::string(MesBuiltin(MesId::SManFiles)), "/usr/share/cantaro", "/usr/share/doc/cantaro/manual.html"),
          std::string(MesBuiltin(MesId::SManSections)), "1.2.3", "2026-12-07"};
}

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

TEST(ManPage, EveryCommandAndOptionOfTheHelpIsAnEntry) {
  const std::string page = BuildManPage(BuiltInTexts());
  EXPECT_EQ(page.find(".TH CANTARO 1 \"2026-12-07\" \"Cantaro 1.2.3\"\n"), page.find(".TH"));
  EXPECT_NE(page.find(".SH ИМЯ\ncantaro \\- аккорды песни"), std::string::npos);
  for (const char* heading : {".SH ОБЗОР\n", ".SH ОПИСАНИЕ\n", ".SH ПАРАМЕТРЫ\n", ".SH ФАЙЛЫ\n"})
    EXPECT_NE(page.find(heading), std::string::npos) << heading;

  // Every indented line of the help appears as a tagged paragraph with its explanation.
  int entries = 0;
  for (const std::string& line : LinesOf(MesLines(MesBuiltin(MesId::SCliHelp)))) {
    if (line.rfind("  ", 0) != 0) continue;
    ++entries;
    const std::string trimmed = line.substr(2);
    const std::string tag = trimmed.substr(0, trimmed.find("  "));
    const std::string what = trimmed.substr(trimmed.find_first_not_of(' ', tag.size()));
    EXPECT_NE(page.find(".TP\n.B " + RoffEscape(tag) + "\n" + RoffEscape(what) + "\n"), std::string::npos) << tag;
  }
  EXPECT_GE(entries, 15);
  // The closing note of the help follows the options.
  EXPECT_NE(page.find(".PP\nБез параметров \\-\\-key"), std::string::npos);
  EXPECT_NE(page.find(".TP\n.I /usr/share/cantaro\n"), std::string::npos);
  // Only the first command of the synopsis is bold; each usage line has one.
  EXPECT_NE(page.find(".SH ОБЗОР\n.B cantaro\nФАЙЛ [параметры]\n.br\n.B cantaro\n\\-\\-export"), std::string::npos);
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

TEST(ManPage, PlaybackAndBatchHelpJoinThePage) {
  TManPageTexts texts = BuiltInTexts();
  // The command carries its own heading for --help; on the page it joins the commands.
  texts.Help = JoinHelpTexts(texts.Help, {"Playing:\r  cantaro --play FILE [--device N]\r    play the song\r    on a device"},
                             {"Batch:\r  --jobs N      songs at once\rExit status: 0 done."});
  const std::string page = BuildManPage(texts);
  // The command stands in the synopsis and, with its explanation joined, in the description.
  const std::size_t synopsis = page.find(".SH ОБЗОР\n");
  const std::size_t description = page.find(".SH ОПИСАНИЕ\n");
  const std::size_t options = page.find(".SH ПАРАМЕТРЫ\n");
  const std::size_t play = page.find(".B cantaro\n\\-\\-play FILE [\\-\\-device N]\n");
  EXPECT_GT(play, synopsis);
  EXPECT_LT(play, description);
  EXPECT_NE(page.find(".TP\n.B cantaro \\-\\-play FILE [\\-\\-device N]\nplay the song on a device\n"), std::string::npos);
  EXPECT_EQ(page.find("Playing:"), std::string::npos);
  // The further paragraph is a block of options of its own, its closing line a paragraph.
  const std::size_t jobs = page.find(".TP\n.B \\-\\-jobs N\nsongs at once\n");
  EXPECT_GT(jobs, options);
  EXPECT_NE(page.find("Exit status: 0 done.\n"), std::string::npos);
}
