#include "settings/UserSettingsSeed.h"

#include "settings/IniFile.h"
#include "settings/IniFileIO.h"

namespace {
constexpr const char* kSection = "Keysense";
}

TKeysenseTableText KeysenseTableText(const TIniFile& settings, const std::string& shippedFile) {
  if (settings.SectionExists(kSection))
    return {settings.ReadString(kSection, "Main", ""), settings.ReadString(kSection, "Added", "")};
  if (shippedFile.empty()) return {};
  TFileReadResult shipped = ReadWholeFile(shippedFile);
  if (shipped.status != TFileReadResult::Status::Ok) return {};
  const TIniFile ini(shipped.bytes);
  return {ini.ReadString(kSection, "Main", ""), ini.ReadString(kSection, "Added", "")};
}

std::string UserSettingsSeed(const std::string& shippedFile) {
  std::string text =
      "; Cantaro settings.\n"
      ";\n"
      "; The program writes its own keys into [Main] and [Keys] when it closes and keeps everything\n"
      "; else in this file as it is.\n"
      ";\n"
      "; The key-aware chord table is read from the settings file shipped with the program";
  if (!shippedFile.empty()) text += ",\n; " + shippedFile + ",";
  text +=
      "\n; so an improved table arrives with each new version. To use a table of your own, copy its\n"
      "; [Keysense] section (Main= and Added=) into this file: a [Keysense] section here replaces\n"
      "; the shipped table, and no update touches it.\n";
  return text;
}
