#include "ui/untAbout.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFileInfo>
#include <QFont>
#include <QMessageBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "CantaroVersion.h"
#include "base/untMesConst.h"
#include "ui/MesText.h"
#include "settings/untVars.h"

namespace {

QLabel* Centred(const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setAlignment(Qt::AlignCenter);
  return l;
}

void SetBold(QLabel* label, bool bold) {
  QFont f = label->font();
  f.setBold(bold);
  label->setFont(f);
}

}  // namespace

TVersionInfo ProgramVersionInfo() {
  return {CANTARO_PRODUCT_NAME, CANTARO_FILE_VERSION, CANTARO_LEGAL_COPYRIGHT};
}

TProjectAddresses& ProjectAddresses() {
  static TProjectAddresses addresses{CANTARO_HOMEPAGE_URL, CANTARO_CONTACT_EMAIL};
  return addresses;
}

std::string ManualUrl() {
  return QUrl::fromLocalFile(QString::fromStdString(ManualFile())).toString(QUrl::FullyEncoded).toStdString();
}

std::string HomePageUrl() {
  return ProjectAddresses().HomePage.empty() ? ManualUrl() : ProjectAddresses().HomePage;
}

std::string EmailUrl() {
  if (ProjectAddresses().Email.empty()) return {};
  return "mailto:" + ProjectAddresses().Email + "?subject=About%20Cantaro%20program";
}

std::function<void(const std::string& url)> OpenUrl = [](const std::string& url) {
  // A desktop without a browser or mail client gives no report. TolerantMode keeps the "%20"
  // of the mail subject as it stands.
  QDesktopServices::openUrl(QUrl(QString::fromStdString(url), QUrl::TolerantMode));
};

void actHomePageExecute() {
  if (OpenUrl) OpenUrl(HomePageUrl());
}

void actEmailExecute() {
  if (OpenUrl && !EmailUrl().empty()) OpenUrl(EmailUrl());
}

bool actManualExecute(QWidget* parent) {
  if (!QFileInfo::exists(QString::fromStdString(ManualFile()))) {
    QMessageBox::warning(parent, MesText(MesId::SCaptionWarning),
                         QString::fromStdString(MesLines(MesFormat(MesId::SManualMissing, ManualFile()))));
    return false;
  }
  if (OpenUrl) OpenUrl(ManualUrl());
  return true;
}

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName("frmAbout");
  setWindowTitle(MesText(MesId::SAboutCaption));

  auto* pnlTop = new QWidget(this);
  pnlTop->setObjectName("pnlTop");
  pnlTop->setAutoFillBackground(true);
  QPalette pal = pnlTop->palette();
  pal.setColor(QPalette::Window, Qt::white);
  pal.setColor(QPalette::WindowText, Qt::black);
  pnlTop->setPalette(pal);

  QFont serif("Times New Roman");
  serif.setStyleHint(QFont::Serif);
  serif.setBold(true);

  ProductName = Centred(QStringLiteral("Cantaro"), pnlTop);
  QFont big = serif;
  big.setPixelSize(25);
  ProductName->setFont(big);
  imgLogo = Centred(QString(), pnlTop);
  Version = Centred(MesText(MesId::SAboutVersion), pnlTop);
  QFont mid = serif;
  mid.setPixelSize(16);
  Version->setFont(mid);
  Copyright = Centred(QString(), pnlTop);
  Copyright->setWordWrap(true);
  lblWWW = Centred(MesText(MesId::SAboutWWWPrefix), pnlTop);
  lblMail = Centred(MesText(MesId::SAboutMailPrefix), pnlTop);
  for (QLabel* link : {lblWWW, lblMail}) {
    QFont f = link->font();
    f.setUnderline(true);
    link->setFont(f);
    QPalette lp = link->palette();
    lp.setColor(QPalette::WindowText, QColor(0, 0, 255));
    link->setPalette(lp);
    link->setCursor(Qt::PointingHandCursor);
    link->installEventFilter(this);
  }

  auto* top = new QVBoxLayout(pnlTop);
  top->addWidget(ProductName);
  top->addWidget(imgLogo, 1);
  top->addWidget(Version);
  top->addWidget(Copyright);
  top->addSpacing(8);
  top->addWidget(lblWWW);
  top->addWidget(lblMail);

  auto* ok = new QPushButton(MesText(MesId::SAboutOK), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* lay = new QVBoxLayout(this);
  lay->setContentsMargins(0, 0, 0, 8);
  lay->addWidget(pnlTop, 1);
  lay->addWidget(ok, 0, Qt::AlignHCenter);

  FormShow();
  setFixedSize(sizeHint().expandedTo(QSize(392, 288)));
}

void TfrmAbout::FormShow() {
  TVersionInfo v = ProgramVersionInfo();
  if (!v.ProductName.empty()) ProductName->setText(QString::fromStdString(v.ProductName));
  if (!v.FileVersion.empty())
    Version->setText(MesText(MesId::SAboutVersion) + QString::fromStdString(v.FileVersion));
  if (!v.LegalCopyright.empty()) Copyright->setText(QString::fromStdString(v.LegalCopyright));

  // White is the picture's transparent colour; a missing or unreadable file leaves no picture.
  QPixmap logo;
  if (logo.load(QString::fromStdString(LogoFile))) {
    logo.setMask(logo.createMaskFromColor(Qt::white));
    imgLogo->setPixmap(logo);
    imgLogo->setVisible(true);
  } else {
    imgLogo->clear();
    imgLogo->setVisible(false);
  }

  // Without a configured address the mail line is left out and the web link names the manual.
  lblMail->setText(MesText(MesId::SAboutMailPrefix) + QString::fromStdString(ProjectAddresses().Email));
  lblMail->setVisible(!ProjectAddresses().Email.empty());
  lblWWW->setText(ProjectAddresses().HomePage.empty() ? MesText(MesId::SActManual)
                                                      : QString::fromStdString(ProjectAddresses().HomePage));
}

bool TfrmAbout::eventFilter(QObject* watched, QEvent* event) {
  auto* label = qobject_cast<QLabel*>(watched);
  if (label && (label == lblWWW || label == lblMail)) {
    switch (event->type()) {
      case QEvent::Enter:
        SetBold(label, true);
        break;
      case QEvent::Leave:
        SetBold(label, false);
        break;
      case QEvent::MouseButtonRelease:
        if (label == lblWWW)
          actHomePageExecute();
        else
          actEmailExecute();
        return true;
      default:
        break;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void actAboutExecute(QWidget* parent) {
  TfrmAbout about(parent);
  about.exec();
}
