#include "tools/manpage/ManPage.h"

#include <algorithm>
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

std::string EntrySubject(const std::string& tag) {
  std::istringstream in(tag);
  std::string word;
  in >> word;
  if (word == "cantaro" && !(in >> word)) return "cantaro";
  while (!word.empty() && word.back() == ',') word.pop_back();
  return word;
}

namespace {

struct TEntry {
  std::vector<std::string> tags;
  std::string what;
};

struct TBlock {
  std::string heading;
  std::vector<TEntry> commands, options;
  std::vector<std::string> text;
};

std::size_t Indent(const std::string& line) {
  const std::size_t n = line.find_first_not_of(' ');
  return n == std::string::npos ? line.size() : n;
}

void Append(std::string& what, const std::string& more, const char* separator = " ") {
  if (more.empty()) return;
  if (!what.empty()) what += separator;
  what += more;
}

// The help's blocks; an entry whose subject was seen before joins the earlier one.
std::vector<TBlock> ReadHelp(const std::string& help) {
  std::vector<TBlock> blocks;
  std::vector<std::pair<std::size_t, std::pair<bool, std::size_t>>> where;  // per subject: block, list, index
  std::vector<std::string> subjects;
  TEntry* last = nullptr;
  for (const std::string& line : Lines(help)) {
    if (IsHeading(line) || blocks.empty()) {
      blocks.emplace_back();
      last = nullptr;
      if (IsHeading(line)) {
        blocks.back().heading = line.substr(0, line.size() - 1);
        continue;
      }
    }
    if (Trim(line).empty()) continue;
    TBlock& block = blocks.back();
    const std::size_t indent = Indent(line);
    if (indent > 2 && last) {
      Append(last->what, Trim(line));
      continue;
    }
    if (indent == 0) {
      block.text.push_back(line);
      last = nullptr;
      continue;
    }
    auto [tag, what] = Columns(line);
    const std::string subject = EntrySubject(tag);
    const bool command = tag.rfind("cantaro", 0) == 0;
    std::size_t seen = 0;
    while (seen < subjects.size() && subjects[seen] != subject) ++seen;
    if (seen < subjects.size()) {
      const auto& [b, listAndIndex] = where[seen];
      TEntry& earlier = (listAndIndex.first ? blocks[b].commands : blocks[b].options)[listAndIndex.second];
      earlier.tags.push_back(tag);
      Append(earlier.what, what, "; ");
      last = &earlier;
      continue;
    }
    std::vector<TEntry>& list = command ? block.commands : block.options;
    list.push_back({{tag}, what});
    subjects.push_back(subject);
    where.push_back({blocks.size() - 1, {command, list.size() - 1}});
    last = &list.back();
  }
  blocks.resize(std::max<std::size_t>(blocks.size(), 1));
  return blocks;
}

void WriteEntry(std::ostringstream& out, const TEntry& e) {
  for (std::size_t i = 0; i < e.tags.size(); ++i) out << (i ? ".TQ\n.B " : ".TP\n.B ") << RoffEscape(e.tags[i]) << "\n";
  out << RoffEscape(e.what) << "\n";
}

void WriteText(std::ostringstream& out, const std::vector<std::string>& text) {
  if (text.empty()) return;
  out << ".PP\n";
  for (const std::string& line : text) out << RoffEscape(line) << "\n";
}

}  // namespace

std::string BuildManPage(const TManPageTexts& t) {
  std::vector<std::string> headings = Split(t.Sections, '|');
  headings.resize(5);
  std::vector<std::string> more = Split(t.MoreSections, '|');
  more.resize(2);
  // Entries point into the blocks; the blocks' lists do not change after reading.
  const std::vector<TBlock> blocks = ReadHelp(t.Help);

  std::ostringstream out;
  out << ".\\\" Generated from the program's message texts; do not edit.\n";
  out << ".TH CANTARO 1 \"" << t.Date << "\" \"Cantaro " << t.Version << "\"\n";
  out << ".SH " << RoffEscape(Upper(headings[0])) << "\ncantaro \\- " << RoffEscape(t.Summary) << "\n";

  out << ".SH " << RoffEscape(Upper(headings[1])) << "\n";
  bool first = true;
  for (const TBlock& block : blocks)
    for (const TEntry& e : block.commands)
      for (const std::string& command : e.tags) {
        if (!first) out << ".br\n";
        first = false;
        const std::size_t space = command.find(' ');
        out << ".B " << RoffEscape(command.substr(0, space)) << "\n";
        if (space != std::string::npos) out << RoffEscape(command.substr(space + 1)) << "\n";
      }

  out << ".SH " << RoffEscape(Upper(headings[2])) << "\n";
  for (const std::string& line : Lines(t.Description)) out << RoffEscape(line) << "\n";
  for (const TBlock& block : blocks)
    for (const TEntry& e : block.commands) WriteEntry(out, e);
  WriteText(out, blocks[0].text);

  out << ".SH " << RoffEscape(Upper(headings[3])) << "\n";
  for (std::size_t b = 1; b < blocks.size(); ++b) {
    const TBlock& block = blocks[b];
    if (block.options.empty() && block.text.empty()) continue;
    // The first block of options needs no heading of its own under OPTIONS.
    if (b > 1 && !block.heading.empty()) out << ".SS " << RoffEscape(block.heading) << "\n";
    for (const TEntry& e : block.options) WriteEntry(out, e);
    WriteText(out, block.text);
  }

  if (!t.ExitStatus.empty()) {
    out << ".SH " << RoffEscape(Upper(more[0])) << "\n";
    for (const std::string& line : Lines(t.ExitStatus)) {
      const std::size_t colon = line.find(": ");
      if (colon == std::string::npos)
        out << ".PP\n" << RoffEscape(line) << "\n";
      else
        out << ".TP\n.B " << RoffEscape(line.substr(0, colon)) << "\n" << RoffEscape(line.substr(colon + 2)) << "\n";
    }
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
  if (!t.SeeAlso.empty()) {
    out << ".SH " << RoffEscape(Upper(more[1])) << "\n";
    for (const std::string& line : Lines(t.SeeAlso)) out << RoffEscape(line) << "\n";
  }
  return out.str();
}
