// The interface language: the stored choice, the order in which translation files are
// looked for, installing a translation into the message table, the translation sources, and
// the language menu.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <filesystem>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>

#include "tests/EnvVar.h"
#include "base/untMesConst.h"
#include "song/ScriptedPrompter.h"
#include "ui/untLanguage.h"
#include "ui/untOptions.h"
#include "ui/untTsSync.h"

namespace fs = std::filesystem;

namespace {


class LanguageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (fs::temp_directory_path() / "cantaro-lang-XXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    root = tmpl;
    SetLanguageStoreFolders((root / "user").string(), {(root / "machine").string()});
  }
  void TearDown() override {
    RemoveTranslation();
    fs::remove_all(root);
  }
  static void Write(const fs::path& p, const std::string& text) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
  }
  static std::string Read(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
  }

  fs::path root;
  const std::string program = "/opt/cantaro/bin/cantaro";
};

TEST_F(LanguageTest, TheChoiceIsStoredUnderTheProgramsPath) {
  EXPECT_EQ(ReadLanguageCode(program), "");
  ASSERT_TRUE(WriteLanguageCode(program, "ENU"));
  EXPECT_EQ(ReadLanguageCode(program), "ENU");
  EXPECT_EQ(ReadLanguageCode("/elsewhere/cantaro"), "");  // a moved program loses the choice
  std::string text = Read(root / "user" / "locales.ini");
  EXPECT_NE(text.find("[Software\\Borland\\Locales]"), std::string::npos);
  EXPECT_NE(text.find("/opt/cantaro/bin/cantaro=ENU"), std::string::npos);
}

TEST_F(LanguageTest, RussianIsStoredAsAnExplicitCodeSoItHoldsAgainstTheSystem) {
  ASSERT_TRUE(WriteLanguageCode(program, "ITA"));
  ScriptedPrompter prompter{TPromptAnswer::No};
  SwitchLanguage(LanguageMenu(program)[3].Code, prompter, program);
  EXPECT_EQ(ReadLanguageCode(program), "RUS");
  EXPECT_NE(Read(root / "user" / "locales.ini").find("/opt/cantaro/bin/cantaro=RUS\n"), std::string::npos);
  EnvVar lang("LC_ALL", "it_IT.UTF-8");
  EXPECT_EQ(ChooseTranslationFile(CANTARO_BINARY_DIR "/bin", ReadLanguageCode(program), SystemLocaleName()), "");
}

TEST_F(LanguageTest, ReadingFallsBackToTheDefaultValueAndTheMachineStore) {
  Write(root / "machine" / "locales.ini", "[Software\\Borland\\Locales]\n" + program + "=ITA\n");
  EXPECT_EQ(ReadLanguageCode(program), "ITA");
  // A per-user key wins even without a value for this program: then its default value counts.
  Write(root / "user" / "locales.ini", "[Software\\Borland\\Locales]\n@=BELARUS\n");
  EXPECT_EQ(ReadLanguageCode(program), "BELA");  // at most four characters
  Write(root / "user" / "locales.ini", "[Other]\nx=1\n");
  EXPECT_EQ(ReadLanguageCode(program), "ITA");
}

TEST_F(LanguageTest, AStoreThatCannotBeWrittenIsNotReportedButTheQuestionIsAsked) {
  Write(root / "blocked", "a file where the folder should be");
  SetLanguageStoreFolders((root / "blocked").string(), {});
  EXPECT_FALSE(WriteLanguageCode(program, "ENU"));
  ScriptedPrompter prompter{TPromptAnswer::No};
  EXPECT_FALSE(SwitchLanguage("ENU", prompter, program));
  ASSERT_EQ(prompter.Calls().size(), 1u);
  EXPECT_EQ(prompter.Calls()[0].Kind, ScriptedPrompter::TKind::Question);
}

TEST_F(LanguageTest, SwitchingStoresTheCodeAndAsksToQuit) {
  ScriptedPrompter prompter{TPromptAnswer::Yes, TPromptAnswer::No};
  EXPECT_TRUE(SwitchLanguage("ENU", prompter, program));
  EXPECT_EQ(ReadLanguageCode(program), "ENU");
  const auto& q = prompter.Calls()[0];
  EXPECT_EQ(q.Caption, "Подтверждение");
  EXPECT_EQ(q.Text, "Чтобы изменения вступили в силу, \rВы должны перезапустить программу.\rВыйти из программы сейчас?");
  EXPECT_EQ(q.Buttons, TPromptButtons::YesNo);
  EXPECT_EQ(q.Icon, TPromptIcon::Warning);
  // No: the choice is kept for the next start all the same.
  EXPECT_FALSE(SwitchLanguage("ITA", prompter, program));
  EXPECT_EQ(ReadLanguageCode(program), "ITA");
}

TEST_F(LanguageTest, TheMenuChecksTheStoredLanguage) {
  auto menu = LanguageMenu(program);
  ASSERT_EQ(menu.size(), 4u);
  EXPECT_EQ(menu[0].Name, "actLangBel");
  EXPECT_EQ(menu[0].Caption, "Беларуская мова");
  EXPECT_EQ(menu[1].Caption, "English language");
  EXPECT_EQ(menu[1].Hint, "Switch to English language");
  EXPECT_EQ(menu[2].Code, "ITA");
  EXPECT_EQ(menu[3].Code, "RUS");
  {
    // Without a choice the language that follows the system is checked.
    EnvVar lang("LC_ALL", "ru_RU.UTF-8");
    EXPECT_TRUE(LanguageMenu(program)[3].Checked);
  }
  {
    EnvVar lang("LC_ALL", "C");
    menu = LanguageMenu(program);
    EXPECT_TRUE(menu[1].Checked);
    EXPECT_FALSE(menu[3].Checked);
  }
  WriteLanguageCode(program, "ITA");
  EnvVar lang("LC_ALL", "ru_RU.UTF-8");
  menu = LanguageMenu(program);
  EXPECT_TRUE(menu[2].Checked);
  EXPECT_EQ(std::count_if(menu.begin(), menu.end(), [](const auto& i) { return i.Checked; }), 1);
}

TEST(LanguageCodes, TheSystemLocaleComesFromLcAllThenLcMessagesThenLang) {
  struct Case {
    std::optional<std::string> all, messages, lang;
    const char* locale;
  } cases[] = {
      {"be_BY.UTF-8", "it_IT.UTF-8", "ru_RU.UTF-8", "be_BY.UTF-8"},
      {std::nullopt, "it_IT.UTF-8", "ru_RU.UTF-8", "it_IT.UTF-8"},
      {"", "it_IT.UTF-8", "ru_RU.UTF-8", "it_IT.UTF-8"},  // set but empty counts as unset
      {std::nullopt, std::nullopt, "ru_RU.UTF-8", "ru_RU.UTF-8"},
      {std::nullopt, "", "", "C"},
      {std::nullopt, std::nullopt, std::nullopt, "C"},
  };
  for (const Case& c : cases) {
    EnvVar all("LC_ALL", c.all), messages("LC_MESSAGES", c.messages), lang("LANG", c.lang);
    EXPECT_EQ(SystemLocaleName(), c.locale);
  }
}

TEST(LanguageCodes, EveryLocaleGetsOneOfTheFourLanguagesEnglishForTheRest) {
  const std::pair<const char*, const char*> cases[] = {
      {"ru_RU.UTF-8", "RUS"}, {"ru", "RUS"},        {"ru_UA", "RUS"},       {"be_BY.UTF-8", "BEL"},
      {"be_BY@latin", "BEL"}, {"it_IT", "ITA"},     {"it_CH.UTF-8", "ITA"}, {"en_US.UTF-8", "ENU"},
      {"en_GB", "ENU"},       {"de_DE.UTF-8", "ENU"}, {"C", "ENU"},         {"C.UTF-8", "ENU"},
      {"POSIX", "ENU"},       {"", "ENU"},          {"xx_YY.UTF-8@euro", "ENU"}, {"RU_ru", "RUS"}};
  for (const auto& [locale, code] : cases) EXPECT_EQ(InterfaceLanguageOf(locale), code) << locale;
}

TEST(LanguageCodes, CandidatesComeInTheStartUpOrder) {
  using V = std::vector<std::string>;
  EXPECT_EQ(LanguageCandidates("ITA", "en_GB"), (V{"ITA", "ENU"}));
  EXPECT_EQ(LanguageCandidates("", "ru_RU"), (V{"RUS"}));
  EXPECT_EQ(LanguageCandidates("enu", "en_US"), (V{"ENU"}));
  EXPECT_EQ(LanguageCandidates("ENG", "ru_RU"), (V{"ENG", "ENU", "RUS"}));  // an older code's language
  EXPECT_EQ(LanguageCandidates("ENUS", "C"), (V{"ENUS", "ENU"}));
  EXPECT_EQ(LanguageCandidates("RUS", "it_IT"), (V{"RUS", "ITA"}));
  // A stored code never names a file outside the data folder.
  EXPECT_EQ(LanguageCandidates("../x", "C"), V{"ENU"});
}

TEST_F(LanguageTest, TheFirstExistingFileIsChosen) {
  std::string folder = (root / "share").string();
  Write(root / "share" / "cantaro.ENU", "x");
  Write(root / "share" / "cantaro.BEL", "x");
  auto chosen = [&](const std::string& code, const std::string& locale) {
    std::string f = ChooseTranslationFile(folder, code, locale);
    return f.empty() ? f : fs::path(f).filename().string();
  };
  EXPECT_EQ(chosen("BEL", "en_US"), "cantaro.BEL");
  EXPECT_EQ(chosen("ITA", "be_BY"), "cantaro.BEL");  // no ITA file: the system's language
  EXPECT_EQ(chosen("ITA", "ru_RU"), "");             // Russian: the built-in texts
  EXPECT_EQ(chosen("RUS", "en_US"), "");             // Russian chosen holds against the system
  EXPECT_EQ(chosen("", "en_US"), "cantaro.ENU");
  EXPECT_EQ(chosen("", "de_DE"), "cantaro.ENU");     // any other language: English
  EXPECT_EQ(chosen("", "C"), "cantaro.ENU");
  fs::remove(root / "share" / "cantaro.ENU");
  EXPECT_EQ(chosen("", "C"), "");                    // no English file: the built-in texts
}

std::string BuiltTranslation(const char* code) {
  return std::string(CANTARO_BINARY_DIR) + "/bin/cantaro." + code;
}

TEST_F(LanguageTest, AnInstalledTranslationReplacesTheMessageTexts) {
  ASSERT_TRUE(InstallTranslation(BuiltTranslation("ENU")));
  EXPECT_EQ(Mes(MesId::SCaptionError), "Error");
  EXPECT_EQ(Mes(MesId::SOptCaption), "Program settings");
  // Line breaks and placeholders survive the translation.
  EXPECT_EQ(Mes(MesId::SSettingsSaveError), "Could not save the settings to the file\r%s:\r%s");
  // Language names stay in their own language whatever the interface's language.
  EXPECT_EQ(Mes(MesId::SLangBel), "Беларуская мова");
  // Widgets built afterwards show the translation.
  TfrmOptions dlg(std::vector<std::string>{});
  EXPECT_EQ(dlg.windowTitle(), "Program settings");

  // Another language replaces the first one entirely.
  ASSERT_TRUE(InstallTranslation(BuiltTranslation("ITA")));
  EXPECT_EQ(Mes(MesId::SCaptionError), "Errore");
  EXPECT_EQ(Mes(MesId::SSettingsSaveError), "Impossibile salvare le impostazioni nel file\r%s:\r%s");
  RemoveTranslation();
  EXPECT_EQ(Mes(MesId::SCaptionError), "Ошибка");
}

TEST_F(LanguageTest, TheLanguageMenuNamesEachLanguageInItselfInEveryTranslation) {
  // Whoever switched to a language they cannot read must still find their own.
  for (const char* code : {"ENU", "BEL", "ITA"}) {
    ASSERT_TRUE(InstallTranslation(BuiltTranslation(code))) << code;
    auto menu = LanguageMenu(program);
    ASSERT_EQ(menu.size(), 4u);
    EXPECT_EQ(menu[0].Caption, "Беларуская мова") << code;
    EXPECT_EQ(menu[0].Hint, "Пераключыцца на беларускую мову") << code;
    EXPECT_EQ(menu[1].Caption, "English language") << code;
    EXPECT_EQ(menu[2].Caption, "Lingua italiana") << code;
    EXPECT_EQ(menu[3].Caption, "Русский язык") << code;
    EXPECT_EQ(menu[3].Hint, "Переключиться на русский язык") << code;
    EXPECT_NE(Mes(MesId::SMenuLanguage).find("(Language)"), std::string::npos) << code;
  }
}

TEST_F(LanguageTest, TextsLeftOutOfATranslationKeepTheBuiltInText) {
  // A translation made before a text was added or changed: only one text is finished.
  QString ts = BuildTs("en_US", {{"SCaptionError", {"Ошибка", "Error", true}},
                                 {"SCaptionWarning", {"Внимание", "Warning", false}}});
  fs::path source = root / "partial.ts";
  fs::path compiled = root / "cantaro.ENU";
  Write(source, ts.toStdString());
  QProcess lrelease;
  lrelease.start(CANTARO_LRELEASE, {"-silent", "-nounfinished", QString::fromStdString(source.string()),
                                    "-qm", QString::fromStdString(compiled.string())});
  ASSERT_TRUE(lrelease.waitForFinished(60000));
  ASSERT_EQ(lrelease.exitCode(), 0) << lrelease.readAllStandardError().toStdString();

  ASSERT_TRUE(InstallTranslation(compiled.string()));
  EXPECT_EQ(Mes(MesId::SCaptionError), "Error");
  EXPECT_EQ(Mes(MesId::SCaptionWarning), "Внимание");
  EXPECT_EQ(Mes(MesId::SLangRestart), MesBuiltin(MesId::SLangRestart));
}

TEST_F(LanguageTest, AtStartTheStoredLanguageOfTheDataFolderIsInstalled) {
  // The test program lies in the build's bin folder, beside the compiled translations.
  EnvVar lang("LC_ALL", "it_IT.UTF-8");
  ASSERT_TRUE(WriteLanguageCode(ProgramFilePath(), "BEL"));
  EXPECT_EQ(fs::path(InstallStartupLanguage()).filename(), "cantaro.BEL");
  EXPECT_EQ(Mes(MesId::SCaptionError), "Памылка");
  // A code without a file falls back to the system's language.
  ASSERT_TRUE(WriteLanguageCode(ProgramFilePath(), "XYZ"));
  EXPECT_EQ(fs::path(InstallStartupLanguage()).filename(), "cantaro.ITA");
  EXPECT_EQ(Mes(MesId::SCaptionError), "Errore");
  // No choice: the system's language; Russian: the built-in texts.
  ASSERT_TRUE(WriteLanguageCode(ProgramFilePath(), ""));
  EnvVar c("LC_ALL", "C");
  EXPECT_EQ(fs::path(InstallStartupLanguage()).filename(), "cantaro.ENU");
  EXPECT_EQ(Mes(MesId::SCaptionError), "Error");
  ASSERT_TRUE(WriteLanguageCode(ProgramFilePath(), "RUS"));
  EXPECT_EQ(InstallStartupLanguage(), "");
  EXPECT_EQ(Mes(MesId::SCaptionError), "Ошибка");
}

TEST_F(LanguageTest, TheEditorSpeaksTheLanguageChosenForTheProgramBesideIt) {
  EnvVar lang("LC_ALL", "C");
  const std::string program = (fs::path(ProgramFilePath()).parent_path() / "cantaro").string();
  ASSERT_TRUE(WriteLanguageCode(program, "ITA"));
  ASSERT_TRUE(WriteLanguageCode(ProgramFilePath(), "BEL"));
  EXPECT_EQ(fs::path(InstallStartupLanguage(program)).filename(), "cantaro.ITA");
  EXPECT_EQ(Mes(MesId::SCaptionError), "Errore");
  EXPECT_EQ(fs::path(InstallStartupLanguage()).filename(), "cantaro.BEL");
}

TEST_F(LanguageTest, QtsOwnTextsFollowTheSameLanguage) {
  const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!QFile::exists(qtFolder + "/qtbase_ru.qm") || !QFile::exists(qtFolder + "/qtbase_it.qm"))
    GTEST_SKIP() << "Qt's translations (qtbase_ru.qm, qtbase_it.qm) are not in " << qtFolder.toStdString();
  ASSERT_TRUE(WriteLanguageCode(ProgramFilePath(), "ITA"));
  InstallStartupLanguage();
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annulla");
  ASSERT_TRUE(WriteLanguageCode(ProgramFilePath(), "RUS"));
  InstallStartupLanguage();
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Отмена");
  ASSERT_TRUE(WriteLanguageCode(ProgramFilePath(), "ENU"));
  InstallStartupLanguage();
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}

TEST_F(LanguageTest, AFileThatIsNoTranslationChangesNothing) {
  Write(root / "cantaro.XYZ", "not a translation file");
  EXPECT_FALSE(InstallTranslation((root / "cantaro.XYZ").string()));
  EXPECT_FALSE(InstallTranslation((root / "missing").string()));
  EXPECT_EQ(Mes(MesId::SCaptionError), "Ошибка");
}

QString ReadTs(const char* code) {
  QFile f(QString(CANTARO_SOURCE_DIR) + "/translations/cantaro." + code + ".ts");
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << code;
  return QString::fromUtf8(f.readAll());
}

TEST(TranslationSources, AreInStepWithTheMessageTable) {
  for (const char* code : {"ENU", "BEL", "ITA"}) {
    QString ts = ReadTs(code);
    EXPECT_TRUE(SyncedTs(ts, "en_US") == ts)
        << "translations/cantaro." << code
        << ".ts is out of step with base/untMesConst.h: run cmake --build <build folder> "
           "--target update_translations";
  }
}

TEST(TranslationSources, TranslationsKeepThePlaceholdersOfTheirSource) {
  static const QRegularExpression placeholder("%[sdux]");
  auto placeholders = [](const QString& text) {
    QStringList list;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) list << it.next().captured();
    return list;
  };
  for (const char* code : {"ENU", "BEL", "ITA"}) {
    auto entries = ReadTsEntries(ReadTs(code));
    for (int i = 0; i < static_cast<int>(MesId::Count); ++i) {
      auto id = static_cast<MesId>(i);
      auto it = entries.find(QString::fromUtf8(MesName(id).data(), MesName(id).size()));
      if (it == entries.end() || it->second.Translation.isEmpty()) continue;
      QString source = QString::fromUtf8(MesBuiltin(id).data(), MesBuiltin(id).size());
      EXPECT_EQ(placeholders(it->second.Translation), placeholders(source)) << code << " " << MesName(id);
    }
  }
}

TEST(TranslationSources, EveryTextIsTranslatedInEveryLanguage) {
  // A new or changed text appears unfinished after update_translations; it shows in Russian
  // in every other language until it is translated.
  for (const char* code : {"ENU", "BEL", "ITA"}) {
    auto entries = ReadTsEntries(ReadTs(code));
    for (int i = 0; i < static_cast<int>(MesId::Count); ++i) {
      QString name = QString::fromUtf8(MesName(static_cast<MesId>(i)).data(), MesName(static_cast<MesId>(i)).size());
      auto it = entries.find(name);
      ASSERT_TRUE(it != entries.end()) << code << " " << name.toStdString();
      EXPECT_TRUE(it->second.Finished && !it->second.Translation.isEmpty())
          << "translations/cantaro." << code << ".ts: " << name.toStdString() << " is not translated";
    }
  }
}

TEST(TranslationSources, TranslationsKeepLineBreaksAndHintParts) {
  // A hint is "short|long": the status bar and the tooltip each take their part, so the
  // number of parts must survive; so must the message boxes' line layout.
  for (const char* code : {"ENU", "BEL", "ITA"}) {
    auto entries = ReadTsEntries(ReadTs(code));
    for (int i = 0; i < static_cast<int>(MesId::Count); ++i) {
      auto id = static_cast<MesId>(i);
      auto it = entries.find(QString::fromUtf8(MesName(id).data(), MesName(id).size()));
      if (it == entries.end() || !it->second.Finished) continue;
      QString source = QString::fromUtf8(MesBuiltin(id).data(), MesBuiltin(id).size());
      const QString& tr = it->second.Translation;
      EXPECT_EQ(tr.count('\r'), source.count('\r')) << code << " " << MesName(id);
      EXPECT_EQ(tr.count('|'), source.count('|')) << code << " " << MesName(id);
      EXPECT_EQ(tr.count('&') > 0, source.count('&') > 0) << code << " " << MesName(id);
      EXPECT_EQ(tr.startsWith(' '), source.startsWith(' ')) << code << " " << MesName(id);
      EXPECT_EQ(tr.endsWith(' '), source.endsWith(' ')) << code << " " << MesName(id);
    }
  }
}

TEST(TranslationSources, EnglishCoversTheDialogs) {
  auto entries = ReadTsEntries(ReadTs("ENU"));
  for (int i = 0; i < static_cast<int>(MesId::Count); ++i) {
    std::string name(MesName(static_cast<MesId>(i)));
    if (name.rfind("SOpt", 0) != 0 && name.rfind("SColor", 0) != 0) continue;
    if (name == "SOptTabulistFile" || name == "SOptTabulistFilter") continue;  // file names
    auto it = entries.find(QString::fromStdString(name));
    EXPECT_TRUE(it != entries.end() && it->second.Finished) << name;
  }
}

}  // namespace

namespace {

TEST(TranslationSources, ATranslationOfAChangedTextIsKeptButNoLongerUsed) {
  QString ts = BuildTs("en_US", {{"SCaptionError", {"Ошибка", "Error", true}},
                                 {"SCaptionWarning", {"Старый текст", "Old text", true}},
                                 {"SGone", {"Нет такого", "No such", true}}});
  auto entries = ReadTsEntries(ts);
  EXPECT_TRUE(entries["SCaptionError"].Finished);
  EXPECT_EQ(entries["SCaptionWarning"].Source, "Внимание");
  EXPECT_EQ(entries["SCaptionWarning"].Translation, "Old text");
  EXPECT_FALSE(entries["SCaptionWarning"].Finished);
  EXPECT_FALSE(entries["SCaptionInfo"].Finished);
  EXPECT_EQ(entries.count("SGone"), 0u);
  EXPECT_EQ(entries.size(), static_cast<std::size_t>(MesId::Count));
  // Line breaks reach the file as character references and come back as they were.
  EXPECT_TRUE(ts.contains("&#13;"));
  EXPECT_EQ(entries["SSettingsSaveError"].Source.toStdString(), MesBuiltin(MesId::SSettingsSaveError));
}

}  // namespace
