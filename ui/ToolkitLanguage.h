#pragma once
// The toolkit's own texts (the file dialog's buttons and labels, the standard context menus)
// in the program's interface language rather than in the system's.

#include <QFileDialog>
#include <QString>

#include <string>

// The interface language as a locale name ("ru", "en", "it", "be") from the translation file
// in force ("…/cantaro.ENU"); an empty name is the built-in Russian.
QString InterfaceLocaleName(const std::string& translationFile);

// Installs Qt's translation for that language when one is installed on the system (Qt has
// none for Belarusian: its users get the Russian one). Returns the locale name installed.
QString InstallToolkitLanguage(const std::string& translationFile);

// The desktop's own file dialog speaks the system's language: it is used only when that is
// the interface language, otherwise Qt's dialog in the interface language.
QFileDialog::Options FileDialogOptions();
