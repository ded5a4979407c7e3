#pragma once
// The about box "О программе": product name, version and legal notice of this build, the logo
// picture of the data folder, and the links that the Help menu also offers: the project's web
// address when the build was configured with one, else the installed manual; the mail address
// only when one was configured.

#include <QDialog>
#include <functional>
#include <string>

class QLabel;

// The product's data, compiled in from the build.
struct TVersionInfo {
  std::string ProductName;
  std::string FileVersion;
  std::string LegalCopyright;
};
TVersionInfo ProgramVersionInfo();

// The addresses configured for the build (CANTARO_HOMEPAGE_URL, CANTARO_CONTACT_EMAIL); either
// may be empty. Tests change them.
struct TProjectAddresses {
  std::string HomePage;
  std::string Email;
};
TProjectAddresses& ProjectAddresses();

// The manual as a file address (settings' ManualFile()).
std::string ManualUrl();
// What the web link opens: the project's address, else the manual.
std::string HomePageUrl();
// "mailto:" + address + "?subject=About%20Cantaro%20program"; empty without an address.
std::string EmailUrl();

// How an address is opened: the desktop's default browser or mail client
// (QDesktopServices::openUrl); tests put a recorder here.
extern std::function<void(const std::string& url)> OpenUrl;

// The commands of the Help menu; they ask the desktop to open the address and report nothing.
void actHomePageExecute();
void actEmailExecute();
// The command "Руководство пользователя" (Shift+F1): opens the manual; false, after a warning
// naming the file, when the manual is missing.
bool actManualExecute(QWidget* parent);

class TfrmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmAbout(QWidget* parent = nullptr);

  QLabel* ProductName = nullptr;
  QLabel* imgLogo = nullptr;
  QLabel* Version = nullptr;
  QLabel* Copyright = nullptr;
  QLabel* lblWWW = nullptr;
  QLabel* lblMail = nullptr;

  // Fills the labels and loads the logo (done when the box is created).
  void FormShow();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// The command "О программе...": shows the box modally.
void actAboutExecute(QWidget* parent);
