#include "tools/manpage/ManPage.h"

#include <sstream>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  return parts;
}

std::string Trim(const std::string& s) {
  const std::size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// "  cantaro --events FILE      the file's tracks" -> {"cantaro --events FILE", "the file's tracks"}:
// the columns are parted by two spaces or more.
std::pair<std::string, std::string> Columns(const std::string& line) {
  const std::string t = Trim(line);
  const std::size_t gap = t.find("  ");
  if (gap == std::string::npos) return {t, {}};
  return {t.substr(0, gap), Trim(t.substr(gap))};
}

bool IsHeading(const std::string& line) { return !line.empty() && line[0] != ' ' && line.back() == ':'; }

std::string Upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

}  // namespace

std::string RoffEscape(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\\')
      out += "\\e";
    else if (c == '-')
      out += "\\-";
    else
      out += c;
  }
  if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
  return out;
}

std::string JoinHelpTexts(const std::string& help, const std::vector<std::string>& commands,
                          const std::vector<std::string>& paragraphs) {
  std::vector<std::string> lines = Lines(help);
  // The first block's last entry: the commands go after it.
  std::size_t at = 0;
  bool inBlock = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (IsHeading(lines[i])) {
      if (inBlock) break;
      inBlock = true;
    } else if (inBlock && !lines[i].empty() && lines[i][0] == ' ') {
      at = i + 1;
    } else if (inBlock && lines[i].empty()) {
      break;
    }
  }
  std::vector<std::string> entries;
  for (const std::string& command : commands) {
    std::string entry;
    for (const std::string& line : Lines(command)) {
      const std::string part = Trim(line);
      // A command's own heading (for --help) gives way to the block it joins.
      if (part.empty() || IsHeading(line)) continue;
      entry += entry.empty() ? "  " + part : (entry.find("   ", 2) == std::string::npos ? "   " : " ") + part;
    }
    if (!entry.empty()) entries.push_back(entry);
  }
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), entries.begin(), entries.end());
  std::string out;
  for (const std::string& line : lines) out += line + "\n";
  for (const std::string& paragraph : paragraphs) out += "\n" + paragraph + "\n";
  return out;
}

std::string BuildManPage(const TManPageTexts& t) {
  std::vector<std::string> headings = Split(t.Sections, '|');
  headings.resize(5);
  const std::vector<std::string> help = Lines(t.Help);

  // The help's blocks: each heading line starts one; its indented lines are two-column entries,
  // any other line is running text.
  struct TBlock {
    std::vector<std::pair<std::string, std::string>> entries;
    std::vector<std::string> text;
  };
  std::vector<TBlock> blocks;
  for (const std::string& line : help) {
    if (IsHeading(line) || blocks.empty()) {
      blocks.emplace_back();
      if (IsHeading(line)) continue;
    }
    if (line.empty()) continue;
    if (line[0] == ' ')
      blocks.back().entries.push_back(Columns(line));
    else
      blocks.back().text.push_back(line);
  }
  blocks.resize(std::max<std::size_t>(blocks.size(), 2));

  std::ostringstream out;
  out << ".\\\" Generated from the program's message texts; do not edit.\n";
  out << ".TH CANTARO 1 \"" << t.Date << "\" \"Cantaro " << t.Version << "\"\n";
  out << ".SH " << RoffEscape(Upper(headings[0])) << "\ncantaro \\- " << RoffEscape(t.Summary) << "\n";

  out << ".SH " << RoffEscape(Upper(headings[1])) << "\n";
  for (std::size_t i = 0; i < blocks[0].entries.size(); ++i) {
    if (i) out << ".br\n";
    const std::string& command = blocks[0].entries[i].first;
    const std::size_t space = command.find(' ');
    out << ".B " << RoffEscape(command.substr(0, space)) << "\n";
    if (space != std::string::npos) out << RoffEscape(command.substr(space + 1)) << "\n";
  }

  out << ".SH " << RoffEscape(Upper(headings[2])) << "\n";
  for (const std::string& line : Lines(t.Description)) out << RoffEscape(line) << "\n";
  for (const auto& [command, what] : blocks[0].entries)
    out << ".TP\n.B " << RoffEscape(command) << "\n" << RoffEscape(what) << "\n";

  out << ".SH " << RoffEscape(Upper(headings[3])) << "\n";
  for (std::size_t b = 1; b < blocks.size(); ++b) {
    for (const auto& [option, what] : blocks[b].entries)
      out << ".TP\n.B " << RoffEscape(option) << "\n" << RoffEscape(what) << "\n";
    if (!blocks[b].text.empty()) {
      out << ".PP\n";
      for (const std::string& line : blocks[b].text) out << RoffEscape(line) << "\n";
    }
  }
  if (!blocks[0].text.empty()) {
    out << ".PP\n";
    for (const std::string& line : blocks[0].text) out << RoffEscape(line) << "\n";
  }

  out << ".SH " << RoffEscape(Upper(headings[4])) << "\n";
  for (const std::string& line : Lines(t.Files)) {
    const std::size_t colon = line.find(": ");
    if (colon == std::string::npos) {
      out << ".PP\n" << RoffEscape(line) << "\n";
    } else {
      out << ".TP\n.I " << RoffEscape(line.substr(0, colon)) << "\n" << RoffEscape(line.substr(colon + 2)) << "\n";
    }
  }
  return out.str();
}
