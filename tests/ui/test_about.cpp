// The about box: the build's name, version and legal notice, the logo beside the program, and
// the two links.

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <filesystem>
#include <fstream>

#include "base/untMesConst.h"
#include "settings/untVars.h"
#include "ui/untAbout.h"

namespace fs = std::filesystem;

namespace {

class AboutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (fs::temp_directory_path() / "cantaro-about-XXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    root = tmpl;
    savedProgramFolder = ProgramFolder;
    // A portable copy: its files lie beside the program.
    fs::create_directories(root / "INI");
    std::ofstream(root / "INI" / "cantaro.ini") << "[Keysense]\n";
    SetProgramFolder(root.string());
    saved = OpenUrl;
    OpenUrl = [this](const std::string& url) { opened.push_back(url); };
    savedAddresses = ProjectAddresses();
    ProjectAddresses() = {"https://music.example.net/cantaro", "team@music.example.net"};
  }
  void TearDown() override {
    OpenUrl = saved;
    ProjectAddresses() = savedAddresses;
    SetProgramFolder(savedProgramFolder);
    fs::remove_all(root);
  }
  fs::path root;
  std::function<void(const std::string&)> saved;
  TProjectAddresses savedAddresses;
  std::string savedProgramFolder;
  std::vector<std::string> opened;
};

TEST_F(AboutTest, ShowsTheBuildsNameVersionAndNotice) {
  TVersionInfo v = ProgramVersionInfo();
  EXPECT_EQ(v.ProductName, "Cantaro");
  EXPECT_TRUE(QRegularExpression("^\\d+\\.\\d+\\.\\d+$").match(QString::fromStdString(v.FileVersion)).hasMatch());
  EXPECT_FALSE(v.LegalCopyright.empty());

  TfrmAbout about;
  EXPECT_EQ(about.windowTitle(), "О программе");
  EXPECT_EQ(about.ProductName->text().toStdString(), "Cantaro");
  EXPECT_EQ(about.Version->text().toStdString(), "Версия " + v.FileVersion);
  EXPECT_EQ(about.Copyright->text().toStdString(), v.LegalCopyright);
  EXPECT_EQ(about.lblMail->text().toStdString(), "E-mail: team@music.example.net");
  EXPECT_FALSE(about.lblMail->isHidden());
  EXPECT_EQ(about.lblWWW->text().toStdString(), "https://music.example.net/cantaro");
  EXPECT_GE(about.width(), 392);
  EXPECT_GE(about.height(), 288);
}

TEST_F(AboutTest, TheMailCommandHandsOverOneAddressWithTheSubject) {
  EXPECT_EQ(EmailUrl(), "mailto:team@music.example.net?subject=About%20Cantaro%20program");
  EXPECT_EQ(HomePageUrl(), "https://music.example.net/cantaro");
  actEmailExecute();
  actHomePageExecute();
  EXPECT_EQ(opened, (std::vector<std::string>{EmailUrl(), HomePageUrl()}));
}

TEST_F(AboutTest, WithoutConfiguredAddressesTheLinkOpensTheManualAndNoMailLineIsShown) {
  ProjectAddresses() = {};
  fs::create_directories(root / "manual" / "en");
  std::ofstream(root / "manual" / "en" / "index.html") << "<html></html>";
  EXPECT_EQ(ManualUrl(), "file://" + (root / "manual" / "en" / "index.html").string());
  EXPECT_EQ(HomePageUrl(), ManualUrl());
  EXPECT_EQ(EmailUrl(), "");

  TfrmAbout about;
  EXPECT_TRUE(about.lblMail->isHidden());
  EXPECT_EQ(about.lblWWW->text().toStdString(), Mes(MesId::SActManual));
  QMouseEvent up(QEvent::MouseButtonRelease, QPointF(2, 2), about.lblWWW->mapToGlobal(QPointF(2, 2)),
                 Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(about.lblWWW, &up);
  actEmailExecute();  // nothing to open
  EXPECT_TRUE(actManualExecute(nullptr));
  EXPECT_EQ(opened, (std::vector<std::string>{ManualUrl(), ManualUrl()}));
}

TEST_F(AboutTest, TheManualOpensInTheInterfaceLanguageWhenItHasOneElseInEnglish) {
  for (const char* lang : {"en", "ru"}) {
    fs::create_directories(root / "manual" / lang);
    std::ofstream(root / "manual" / lang / "index.html") << "<html></html>";
  }
  const auto page = [this](const char* lang) { return (root / "manual" / lang / "index.html").string(); };
  const struct {
    const char* language;
    const char* opened;
  } cases[] = {{"ru", "ru"}, {"en", "en"}, {"be", "en"}, {"it", "en"}, {"", "en"}, {"../manual/ru", "en"}};
  for (const auto& c : cases) EXPECT_EQ(ManualFile(c.language), page(c.opened)) << c.language;

  // Help follows the interface language the message table speaks.
  ProjectAddresses() = {};
  EXPECT_TRUE(actManualExecute(nullptr));
  SetMes(MesId::SManualLanguage, "it");
  EXPECT_TRUE(actManualExecute(nullptr));
  SetMes(MesId::SManualLanguage, "");
  EXPECT_EQ(opened, (std::vector<std::string>{"file://" + page("ru"), "file://" + page("en")}));
}

TEST_F(AboutTest, LinksTurnBoldUnderThePointerAndOpenOnClick) {
  TfrmAbout about;
  QLabel* mail = about.lblMail;
  EXPECT_TRUE(mail->font().underline());
  EXPECT_FALSE(mail->font().bold());
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QApplication::sendEvent(mail, &enter);
  EXPECT_TRUE(mail->font().bold());
  EXPECT_TRUE(mail->font().underline());
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(mail, &leave);
  EXPECT_FALSE(mail->font().bold());
  EXPECT_TRUE(mail->font().underline());

  for (QLabel* link : {about.lblWWW, about.lblMail}) {
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(2, 2), link->mapToGlobal(QPointF(2, 2)),
                   Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(link, &up);
  }
  EXPECT_EQ(opened, (std::vector<std::string>{HomePageUrl(), EmailUrl()}));
}

TEST_F(AboutTest, TheLogoIsShownWithWhiteTransparent) {
  {
    TfrmAbout about;
    EXPECT_TRUE(about.imgLogo->isHidden());  // no logo beside the program
  }
  QImage logo(40, 20, QImage::Format_RGB32);
  logo.fill(Qt::white);
  for (int x = 10; x < 30; ++x)
    for (int y = 5; y < 15; ++y) logo.setPixelColor(x, y, QColor(200, 0, 0));
  ASSERT_TRUE(logo.save(QString::fromStdString(LogoFile), "BMP"));
  TfrmAbout about;
  EXPECT_FALSE(about.imgLogo->isHidden());
  QImage shown = about.imgLogo->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(shown.size(), QSize(40, 20));
  EXPECT_EQ(qAlpha(shown.pixel(1, 1)), 0);
  EXPECT_EQ(shown.pixelColor(20, 10), QColor(200, 0, 0));
}

}  // namespace
