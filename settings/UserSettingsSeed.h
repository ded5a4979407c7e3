#pragma once
// The chord table of the key-aware chord choice ("[Keysense]", keys "Main" and "Added") as the
// settings files share it. A user's own settings file is created without the table; the table
// is read from the user's file only when the user wrote a "[Keysense]" section there, otherwise
// from the file shipped with the program. So a better shipped table reaches every user who never
// edited theirs, and a table edited by hand is never overwritten.

#include <string>

class TIniFile;

struct TKeysenseTableText {
  std::string Main;
  std::string Added;
};

// The table that applies: the settings file's own when it has a "[Keysense]" section, else the
// one of the shipped file (empty path or unreadable file: no table).
TKeysenseTableText KeysenseTableText(const TIniFile& settings, const std::string& shippedFile);

// The first content of a user's settings file: a note on where the chord table comes from and
// how to replace it, without the table itself.
std::string UserSettingsSeed(const std::string& shippedFile);
