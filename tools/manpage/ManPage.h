#pragma once
// The manual page cantaro(1), written in roff from the same text that `cantaro --help` prints,
// so the page and the help never say different things.

#include <string>

struct TManPageTexts {
  std::string Help;          // the whole text of --help
  std::string Summary;       // one line for NAME
  std::string Description;   // a paragraph
  std::string Files;         // lines "path: what it is"
  std::string Sections;      // the five headings NAME|SYNOPSIS|DESCRIPTION|OPTIONS|FILES, separated by "|"
  std::string MoreSections;  // the headings EXIT STATUS|SEE ALSO
  std::string ExitStatus;    // lines "code: meaning"
  std::string SeeAlso;       // a line
  std::string Version;       // "0.1.0"
  std::string Date;          // "2026-12-07"
};

// The page. The help is read as blocks, each after a heading line ("Options:"); a line indented
// by two spaces is an entry (its tag and explanation parted by two spaces or more), a line
// indented further continues the entry before it, any other line is running text.
//  - Entries that start with "cantaro" are commands: SYNOPSIS lists them, DESCRIPTION explains them.
//  - Every other entry goes to OPTIONS, under its block's heading after the first block.
//  - An entry whose first option an earlier entry already has (the batch form of --export) joins
//    that entry as a further tag, so every option is explained in one place.
// Line breaks in the texts may be "\r", "\r\n" or "\n".
std::string BuildManPage(const TManPageTexts& texts);

// A text as roff prints it: backslashes, leading dots and apostrophes, and hyphens escaped.
std::string RoffEscape(const std::string& text);

// The word an entry of the help explains: its first option ("-o" for "-o, --output FILE",
// "--export" for "cantaro --export FILE"), else its first word after "cantaro".
std::string EntrySubject(const std::string& tag);
