#pragma once
// The about box "О программе": product name, version and legal notice of this build, the logo
// picture beside the program, and the home page and mail links that the Help menu also offers.

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

// The addresses the links open (message texts, so translations can carry other ones).
std::string HomePageUrl();
std::string EmailUrl();  // "mailto:" + address + "?subject=About%20Cantaro%20program"

// How an address is opened: the desktop's default browser or mail client
// (QDesktopServices::openUrl); tests put a recorder here.
extern std::function<void(const std::string& url)> OpenUrl;

// The commands of the Help menu; both ask the desktop to open the address and report nothing.
void actHomePageExecute();
void actEmailExecute();

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
