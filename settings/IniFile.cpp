#include "settings/IniFile.h"

#include <stdexcept>

namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";

bool IsBlank(char c) { return kBlanks.find(c) != std::string_view::npos; }

std::string_view Trim(std::string_view s) {
  std::size_t b = s.find_first_not_of(kBlanks);
  if (b == std::string_view::npos) return {};
  std::size_t e = s.find_last_not_of(kBlanks);
  return s.substr(b, e - b + 1);
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string WithoutLineBreaks(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (char c : value)
    if (c != '\r' && c != '\n') out += c;
  return out;
}

bool IsQuoted(std::string_view v) { return v.size() >= 2 && v.front() == '"' && v.back() == '"'; }

// Cuts to at most n bytes without leaving half a UTF-8 sequence at the end.
std::string CutUtf8(std::string_view s, std::size_t n) {
  if (s.size() <= n) return std::string(s);
  std::size_t cut = n;
  while (cut > 0 && n - cut < 3 && (static_cast<unsigned char>(s[cut]) & 0xC0) == 0x80) --cut;
  return std::string(s.substr(0, cut));
}

}  // namespace

bool SameIniName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

bool TIniFile::IsValidName(std::string_view name) {
  if (name.empty() || IsBlank(name.front()) || IsBlank(name.back())) return false;
  if (name.front() == '[' || name.front() == ';' || name.front() == '#') return false;
  return name.find_first_of("=\r\n") == std::string_view::npos;
}

void TIniFile::Classify(Line& line) {
  line.name.clear();
  line.valueStart = 0;
  std::string_view t = Trim(line.body);
  if (t.empty()) {
    line.kind = Kind::Blank;
  } else if (t.front() == ';' || t.front() == '#') {
    line.kind = Kind::Comment;
  } else if (t.front() == '[' && t.rfind(']') != std::string_view::npos) {
    line.kind = Kind::Section;
    line.name = std::string(Trim(t.substr(1, t.rfind(']') - 1)));
  } else if (std::size_t eq = line.body.find('='); eq != std::string::npos &&
                                                   !Trim(std::string_view(line.body).substr(0, eq)).empty()) {
    line.kind = Kind::Key;
    line.name = std::string(Trim(std::string_view(line.body).substr(0, eq)));
    std::size_t v = eq + 1;
    while (v < line.body.size() && IsBlank(line.body[v])) ++v;
    line.valueStart = v;
  } else {
    line.kind = Kind::Other;
  }
}

void TIniFile::Parse(std::string_view bytes) {
  lines_.clear();
  bom_.clear();
  if (bytes.starts_with("\xEF\xBB\xBF")) {
    bom_ = bytes.substr(0, 3);
    bytes.remove_prefix(3);
  }
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t nl = bytes.find('\n', pos);
    Line line;
    if (nl == std::string_view::npos) {
      line.body = std::string(bytes.substr(pos));
      pos = bytes.size();
    } else {
      std::string_view body = bytes.substr(pos, nl - pos);
      if (!body.empty() && body.back() == '\r') {
        body.remove_suffix(1);
        line.eol = "\r\n";
      } else {
        line.eol = "\n";
      }
      line.body = std::string(body);
      pos = nl + 1;
    }
    Classify(line);
    lines_.push_back(std::move(line));
  }
}

std::string TIniFile::Text() const {
  std::string out = bom_;
  for (const Line& l : lines_) {
    out += l.body;
    out += l.eol;
  }
  return out;
}

std::size_t TIniFile::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i)
    if (lines_[i].kind == Kind::Section && SameIniName(lines_[i].name, section)) return i;
  return std::string::npos;
}

std::size_t TIniFile::FindKey(std::string_view section, std::string_view key) const {
  bool inside = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& l = lines_[i];
    if (l.kind == Kind::Section)
      inside = SameIniName(l.name, section);
    else if (inside && l.kind == Kind::Key && SameIniName(l.name, key))
      return i;
  }
  return std::string::npos;
}

bool TIniFile::SectionExists(std::string_view section) const {
  return FindSection(section) != std::string::npos;
}

bool TIniFile::KeyExists(std::string_view section, std::string_view key) const {
  return FindKey(section, key) != std::string::npos;
}

std::optional<std::string> TIniFile::ReadRawValue(std::string_view section,
                                                  std::string_view key) const {
  std::size_t i = FindKey(section, key);
  if (i == std::string::npos) return std::nullopt;
  const Line& l = lines_[i];
  return std::string(Trim(std::string_view(l.body).substr(l.valueStart)));
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view def) const {
  std::optional<std::string> raw = ReadRawValue(section, key);
  if (!raw) return std::string(def);
  std::string_view v = *raw;
  if (IsQuoted(v)) v = v.substr(1, v.size() - 2);
  return CutUtf8(v, MaxValueLength);
}

std::string TIniFile::LineEnd() const {
  // New lines follow the file's own convention, so a file kept with CR LF stays CR LF.
  for (const Line& l : lines_)
    if (!l.eol.empty()) return l.eol;
  return "\n";
}

void TIniFile::SetValue(std::string_view section, std::string_view key, std::string value) {
  if (!IsValidName(section) || !IsValidName(key))
    throw std::invalid_argument("invalid profile section or key name");
  std::string eol = LineEnd();
  Line entry;
  entry.body = std::string(key) + "=" + value;
  entry.eol = eol;
  Classify(entry);

  if (std::size_t i = FindKey(section, key); i != std::string::npos) {
    Line& l = lines_[i];
    l.body.resize(l.valueStart);
    l.body += value;
    return;
  }

  std::size_t s = FindSection(section);
  if (s == std::string::npos) {
    if (!lines_.empty()) {
      if (lines_.back().eol.empty()) lines_.back().eol = eol;
      if (lines_.back().kind != Kind::Blank) lines_.push_back(Line{"", eol, Kind::Blank, "", 0});
    }
    Line header;
    header.body = "[" + std::string(section) + "]";
    header.eol = eol;
    Classify(header);
    lines_.push_back(std::move(header));
    lines_.push_back(std::move(entry));
    return;
  }

  // After the section's last entry, so blank lines and comments that lead into the next
  // section stay in front of it.
  std::size_t after = s;
  for (std::size_t i = s + 1; i < lines_.size() && lines_[i].kind != Kind::Section; ++i)
    if (lines_[i].kind == Kind::Key || lines_[i].kind == Kind::Other) after = i;
  if (lines_[after].eol.empty()) lines_[after].eol = eol;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after + 1), std::move(entry));
}

void TIniFile::WriteString(std::string_view section, std::string_view key,
                           std::string_view value) {
  std::string v = WithoutLineBreaks(value);
  bool needsQuotes = !v.empty() && (IsBlank(v.front()) || IsBlank(v.back()) || IsQuoted(v));
  SetValue(section, key, needsQuotes ? "\"" + v + "\"" : v);
}

void TIniFile::WriteRawValue(std::string_view section, std::string_view key,
                             std::string_view value) {
  SetValue(section, key, WithoutLineBreaks(value));
}

std::optional<int32_t> ParseIniInteger(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  } else if (!text.empty() && text.front() == '$') {
    base = 16;
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  if (base == 16 && text.size() > 8) return std::nullopt;
  int64_t value = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else
      return std::nullopt;
    value = value * base + digit;
    if (value > 0xFFFFFFFFll) return std::nullopt;
  }
  if (base == 16) {
    auto bits = static_cast<uint32_t>(value);
    if (negative) bits = 0u - bits;
    return static_cast<int32_t>(bits);
  }
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key, int32_t def) const {
  return ParseIniInteger(ReadString(section, key, "")).value_or(def);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
  WriteRawValue(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteRawValue(section, key, value ? "1" : "0");
}
