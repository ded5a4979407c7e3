#pragma once
// The interface language. The built-in texts are Russian; other languages come from
// translation files beside the program named after it with the language code as extension
// (cantaro.ENU, cantaro.BEL, cantaro.ITA). The language menu does not switch the running
// program: it records the choice where the next start looks for it and offers to quit.
//
// The choice is kept as a registry would keep it: in the section "Software\Borland\Locales"
// of a per-user store (locales.ini in the user's configuration folder, "cantaro" subfolder), a
// value named by the full path of the program file whose data is the code; an empty code
// means no explicit choice (Russian, unless the system's language has a file). Without a
// per-user value the machine-wide store (the same file under $XDG_CONFIG_DIRS, else
// /etc/xdg) is read; the value "@" stands for the key's default value.
//
// At start the code is chosen in this order: the stored code (at most four characters); then
// the system locale's three-letter code (as "ENU" for en_US, "RUS" for ru_RU); then its first
// two letters; then any shipped file of the same language; else the built-in Russian texts.

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QTranslator;

constexpr const char* LocalesKey = "Software\\Borland\\Locales";

// The per-user store's folder ("<config home>/cantaro/"); tests point it at a scratch folder,
// and the machine-wide folders with it (empty: none).
std::string LanguageStoreFolder();
void SetLanguageStoreFolders(const std::string& userFolder,
                             const std::vector<std::string>& machineFolders);

// The full path of the running program file (the name of the stored value).
std::string ProgramFilePath();

// Writes the code for the program file; false when the store could not be written (nothing
// is reported then).
bool WriteLanguageCode(const std::string& programPath, const std::string& code);
// The stored code for the program file: the per-user value, else the default value, else the
// machine-wide store's; at most four characters; empty when none.
std::string ReadLanguageCode(const std::string& programPath);

// The three-letter code of a locale name ("en_US" -> "ENU", "ru_RU" -> "RUS", "be_BY" ->
// "BEL"); empty for an unknown language.
std::string LocaleLanguageCode(const std::string& localeName);

// The codes to try, in order, for a stored code and the system locale's name. Repeats and
// empty codes are left out.
std::vector<std::string> LanguageCandidates(const std::string& storedCode,
                                            const std::string& localeName);

// The translation file to load from the program folder: the first candidate whose file
// "cantaro.<code>" exists there, else any "cantaro.<code>" of the locale's language; empty
// for the built-in texts.
std::string ChooseTranslationFile(const std::string& programFolder, const std::string& storedCode,
                                  const std::string& localeName);

// Loads a translation file and installs it in the application, then puts its texts into the
// message table (every message whose translation is present replaces the built-in text).
// False when the file cannot be read as a translation (the built-in texts stay).
bool InstallTranslation(const std::string& file);
// Removes the installed translation; the message table returns to the built-in texts.
void RemoveTranslation();
// The start-up step: chooses and installs the translation for the running program.
// Returns the file installed, empty when the built-in texts are used.
std::string InstallStartupLanguage();
// Puts the translations of the installed translators into the message table.
void TranslateMessageTable();

// The language menu "Язык (Language)": its entries in order with their codes.
struct TLanguageMenuItem {
  std::string Name;     // action name: actLangBel, actLangEng, actLangIta, actLangRus
  std::string Caption;
  std::string Hint;
  std::string Code;     // written by the command; empty for Russian
  bool Checked = false; // the language stored for the next start
};
std::vector<TLanguageMenuItem> LanguageMenu(const std::string& programPath);

// The language command: stores the code, then asks whether to quit now so that the choice
// takes effect. Returns true when the user answered Yes (the window then closes as "Выйти"
// does).
class Prompter;
bool SwitchLanguage(const std::string& code, Prompter& prompter,
                    const std::string& programPath = ProgramFilePath());
