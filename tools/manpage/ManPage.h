#pragma once
// The manual page cantaro(1), written in roff from the same message texts as `cantaro --help`,
// so the page and the help never say different things.

#include <string>
#include <vector>

struct TManPageTexts {
  std::string Help;         // the text of --help: a usage block and an options block
  std::string Summary;      // one line for NAME
  std::string Description;  // a paragraph
  std::string Files;        // lines "path: what it is"
  std::string Sections;     // the five headings, separated by "|"
  std::string Version;      // "0.1.0"
  std::string Date;         // "2026-12-07"
};

// The page. The help's first block (after its first heading line) becomes SYNOPSIS and, with its
// explanations, DESCRIPTION; the block after the second heading becomes OPTIONS; any closing
// paragraph follows the options. Line breaks in the texts may be "\r", "\r\n" or "\n".
std::string BuildManPage(const TManPageTexts& texts);

// The whole help as the page shows it: the main help, with each command paragraph given after it
// (an indented command line followed by more deeply indented explanation lines) joined into one
// entry of the first block, and any further help paragraphs appended as blocks of their own.
std::string JoinHelpTexts(const std::string& help, const std::vector<std::string>& commands,
                          const std::vector<std::string>& paragraphs);

// A text as roff prints it: backslashes, leading dots and apostrophes, and hyphens escaped.
std::string RoffEscape(const std::string& text);
