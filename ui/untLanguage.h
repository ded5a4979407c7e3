#pragma once
// The interface language. The built-in texts are Russian; the others come from translation
// files in the data folder (settings/DataFolders.h) named after the program with the language
// code as extension (cantaro.ENU, cantaro.BEL, cantaro.ITA). The language menu does not switch
// the running program: it records the choice where the next start looks for it and offers to quit.
//
// The choice is kept as a registry would keep it: in the section "Software\Borland\Locales"
// of a per-user store (locales.ini in the user's configuration folder, "cantaro" subfolder), a
// value named by the full path of the program file whose data is the code ("RUS" for Russian).
// Without a per-user value the machine-wide store (the same file under $XDG_CONFIG_DIRS, else
// /etc/xdg) is read; the value "@" stands for the key's default value.
//
// At start the code is chosen in this order: the stored code (at most four characters), then
// the program's language of the same two letters ("ENG" -> "ENU"), then the language of the
// system: the first of LC_ALL, LC_MESSAGES and LANG that is set gives Russian for "ru",
// Belarusian for "be", Italian for "it" and English for any other (also "C"). An empty stored
// value means no choice: the system decides. A code without its file falls to the next one;
// Russian, or no file at all, is the built-in texts. Qt's own texts (dialog buttons, the file
// dialog) come from Qt's translation of the same language where the system has it. The window
// and the command line both follow this choice.

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

// The code stored for Russian, the built-in language.
constexpr const char* kRussianCode = "RUS";

// The system's locale name for messages: the first of LC_ALL, LC_MESSAGES, LANG that is set and
// not empty, else "C".
std::string SystemLocaleName();
// The interface language that follows a locale name ("ru_RU.UTF-8" -> "RUS", "be_BY" -> "BEL",
// "it_CH" -> "ITA", anything else, "C" and "xx_YY.UTF-8@euro" too -> "ENU").
std::string InterfaceLanguageOf(const std::string& localeName);

// The codes to try, in order, for a stored code and the system locale's name. Repeats and
// empty codes are left out; the last one is always the system's language.
std::vector<std::string> LanguageCandidates(const std::string& storedCode,
                                            const std::string& localeName);

// The translation file to load from the data folder: that of the first candidate that is
// Russian or has its file "cantaro.<code>" there; empty for the built-in texts.
std::string ChooseTranslationFile(const std::string& dataFolder, const std::string& storedCode,
                                  const std::string& localeName);

// Loads a translation file, installs it in the application when there is one, and puts its
// texts into the message table (every message whose translation is present replaces the
// built-in text). False when the file cannot be read as a translation (the built-in texts stay).
bool InstallTranslation(const std::string& file);
// Removes the installed translation; the message table returns to the built-in texts.
void RemoveTranslation();
// The start-up step: chooses and installs the translation for the running program (with Qt's
// own one when an application exists). Returns the file installed, empty when the built-in
// texts are used. programPath: whose stored language counts (empty: this program's; the
// editor beside the program speaks the program's language).
std::string InstallStartupLanguage(const std::string& programPath = {});
// Puts the translations of the installed translators into the message table.
void TranslateMessageTable();

// The language menu "Язык (Language)": its entries in order with their codes.
struct TLanguageMenuItem {
  std::string Name;     // action name: actLangBel, actLangEng, actLangIta, actLangRus
  std::string Caption;
  std::string Hint;
  std::string Code;     // written by the command
  bool Checked = false; // the language of the next start (stored, else the system's)
};
std::vector<TLanguageMenuItem> LanguageMenu(const std::string& programPath);

// The language command: stores the code, then asks whether to quit now so that the choice
// takes effect. Returns true when the user answered Yes (the window then closes as "Выйти"
// does).
class Prompter;
bool SwitchLanguage(const std::string& code, Prompter& prompter,
                    const std::string& programPath = ProgramFilePath());
