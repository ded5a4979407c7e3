#include "base/untMesConst.h"

#include <array>
#include <cstdio>

namespace {

struct Entry {
  std::string_view name;
  std::string_view text;
};

constexpr std::array<Entry, static_cast<std::size_t>(MesId::Count)> kBuiltin = {{
#define CANTARO_MES_ENTRY(id, text) {#id, text},
    CANTARO_MESSAGES(CANTARO_MES_ENTRY)
#undef CANTARO_MES_ENTRY
}};

// The message table in force is process-wide on purpose: the language is chosen once at start
// (a new choice takes effect at the next start), and every window, dialog and command of the
// process shows its texts in it.
std::array<std::string, kBuiltin.size()>& Current() {
  // Built on first use, so the table is ready for module start-up code in any order.
  static std::array<std::string, kBuiltin.size()> texts = [] {
    std::array<std::string, kBuiltin.size()> t;
    for (std::size_t i = 0; i < kBuiltin.size(); ++i) t[i] = std::string(kBuiltin[i].text);
    return t;
  }();
  return texts;
}

std::size_t Index(MesId id) {
  auto i = static_cast<std::size_t>(id);
  return i < kBuiltin.size() ? i : 0;
}

}  // namespace

const std::string& Mes(MesId id) { return Current()[Index(id)]; }
std::string_view MesName(MesId id) { return kBuiltin[Index(id)].name; }
std::string_view MesBuiltin(MesId id) { return kBuiltin[Index(id)].text; }

void SetMes(MesId id, std::string text) {
  auto i = Index(id);
  Current()[i] = text.empty() ? std::string(kBuiltin[i].text) : std::move(text);
}

void ResetAllMes() {
  for (std::size_t i = 0; i < kBuiltin.size(); ++i) Current()[i] = std::string(kBuiltin[i].text);
}

std::string MesLines(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      out += text[i];
      continue;
    }
    out += '\n';
    if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  return out;
}

std::string MesFormatArgs(std::string_view fmt, const MesArg* args, std::size_t count) {
  std::string out;
  out.reserve(fmt.size() + 16);
  std::size_t next = 0;
  for (std::size_t i = 0; i < fmt.size(); ++i) {
    char c = fmt[i];
    if (c != '%' || i + 1 >= fmt.size()) {
      out += c;
      continue;
    }
    char k = fmt[i + 1];
    if (k == '%') {
      out += '%';
      ++i;
      continue;
    }
    if (k != 's' && k != 'd' && k != 'u' && k != 'x') {
      out += c;
      continue;
    }
    if (next >= count) {
      out += c;
      continue;
    }
    const MesArg& a = args[next++];
    if (k == 'x' && a.isNumber()) {
      char buf[32];
      std::snprintf(buf, sizeof buf, "%llX", static_cast<unsigned long long>(a.number()));
      out += buf;
    } else {
      out += a.text();
    }
    ++i;
  }
  return out;
}
