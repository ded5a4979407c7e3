#include "ui/untLanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>
#include <cctype>
#include <optional>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>

#include "base/untMesConst.h"
#include "settings/IniFile.h"
#include "settings/IniFileIO.h"
#include "settings/untVars.h"
#include "song/Prompter.h"

namespace {

constexpr const char* StoreFileName = "locales.ini";
// The value that stands for the key's default value.
constexpr const char* DefaultValueName = "@";

std::string WithSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

struct StoreFolders {
  std::string user;
  std::vector<std::string> machine;
};

StoreFolders DetectFolders() {
  StoreFolders f;
  std::string home = Env("XDG_CONFIG_HOME");
  if (home.empty() && !Env("HOME").empty()) home = Env("HOME") + "/.config";
  if (!home.empty()) f.user = WithSlash(home) + "cantaro/";
  std::string dirs = Env("XDG_CONFIG_DIRS");
  if (dirs.empty()) dirs = "/etc/xdg";
  std::size_t start = 0;
  while (start <= dirs.size()) {
    std::size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    if (end > start) f.machine.push_back(WithSlash(dirs.substr(start, end - start)) + "cantaro/");
    start = end + 1;
  }
  return f;
}

StoreFolders& Folders() {
  static StoreFolders folders = DetectFolders();
  return folders;
}

std::string Upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

// The store's section when that file has it.
std::optional<TIniFile> ReadStore(const std::string& folder) {
  if (folder.empty()) return std::nullopt;
  TFileReadResult r = ReadWholeFile(folder + StoreFileName);
  if (r.status != TFileReadResult::Status::Ok) return std::nullopt;
  TIniFile ini(r.bytes);
  if (!ini.SectionExists(LocalesKey)) return std::nullopt;
  return ini;
}

// A stored code as the start-up reads it: upper case, at most four characters, nothing that
// could name a file outside the data folder.
std::string CleanCode(const std::string& stored) {
  std::string code = Upper(stored.substr(0, std::min<std::size_t>(stored.size(), 4)));
  if (code.find_first_of("/\\") != std::string::npos || code.find("..") != std::string::npos) return {};
  return code;
}

// The interface language of a language's two letters: the four the program speaks.
std::string InterfaceCodeOfLanguage(std::string language) {
  for (char& c : language) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (language == "ru") return "RUS";
  if (language == "be") return "BEL";
  if (language == "it") return "ITA";
  if (language == "en") return "ENU";
  return {};
}

// A translator that owns the bytes it translates from.
class TOwnedTranslator : public QTranslator {
 public:
  explicit TOwnedTranslator(QByteArray data) : data_(std::move(data)) {}
  bool Load() {
    return load(reinterpret_cast<const uchar*>(data_.constData()), static_cast<int>(data_.size()));
  }

 private:
  QByteArray data_;
};

// The translation of the program's texts and Qt's own one for the same language. Held here
// rather than by the application, so the command line, which runs without one, can use them.
struct TInstalled {
  std::unique_ptr<QTranslator> program;
  std::unique_ptr<QTranslator> qt;
};
TInstalled& Installed() {
  static TInstalled installed;
  return installed;
}

void Uninstall(std::unique_ptr<QTranslator>& translator) {
  if (translator && QCoreApplication::instance()) QCoreApplication::removeTranslator(translator.get());
  translator.reset();
}

void Install(std::unique_ptr<QTranslator>& slot, std::unique_ptr<QTranslator> translator) {
  Uninstall(slot);
  slot = std::move(translator);
  if (slot && QCoreApplication::instance()) QCoreApplication::installTranslator(slot.get());
}

// Qt's translation for an interface code ("qtbase_ru.qm" for RUS) from Qt's translations
// folder; English needs none.
void InstallQtTranslation(const std::string& code) {
  const std::string language = code.size() >= 2 ? code.substr(0, 2) : std::string();
  auto translator = std::make_unique<QTranslator>();
  const QString name = QStringLiteral("qtbase_") + QString::fromStdString(language).toLower();
  if (language.empty() || Upper(language) == "EN" ||
      !translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    translator.reset();
  Install(Installed().qt, std::move(translator));
}

}  // namespace

std::string LanguageStoreFolder() { return Folders().user; }

void SetLanguageStoreFolders(const std::string& userFolder,
                             const std::vector<std::string>& machineFolders) {
  Folders().user = userFolder.empty() ? std::string() : WithSlash(userFolder);
  Folders().machine.clear();
  for (const auto& m : machineFolders) Folders().machine.push_back(WithSlash(m));
}

std::string ProgramFilePath() {
  if (QCoreApplication::instance()) {
    QString path = QCoreApplication::applicationFilePath();
    if (!path.isEmpty()) return path.toStdString();
  }
  std::error_code ec;
  auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : p.string();
}

bool WriteLanguageCode(const std::string& programPath, const std::string& code) {
  const std::string& folder = Folders().user;
  if (folder.empty() || !TIniFile::IsValidName(programPath)) return false;
  std::string file = folder + StoreFileName;
  TIniFile ini;
  TFileReadResult current = ReadWholeFile(file);
  if (current.status == TFileReadResult::Status::Ok) {
    ini.Parse(current.bytes);
  } else if (current.status != TFileReadResult::Status::Missing) {
    return false;  // a store that cannot be read is not replaced
  }
  ini.WriteString(LocalesKey, programPath, code);
  if (!CreateFolders(folder)) return false;
  return static_cast<bool>(WriteFileAtomically(file, ini.Text()));
}

std::string ReadLanguageCode(const std::string& programPath) {
  std::optional<TIniFile> store = ReadStore(Folders().user);
  for (std::size_t i = 0; !store && i < Folders().machine.size(); ++i)
    store = ReadStore(Folders().machine[i]);
  if (!store) return {};
  std::string code;
  if (TIniFile::IsValidName(programPath) && store->KeyExists(LocalesKey, programPath))
    code = store->ReadString(LocalesKey, programPath, "");
  else
    code = store->ReadString(LocalesKey, DefaultValueName, "");
  return code.substr(0, std::min<std::size_t>(code.size(), 4));
}

std::string SystemLocaleName() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
    if (std::string value = Env(name); !value.empty()) return value;
  return "C";
}

std::string InterfaceLanguageOf(const std::string& localeName) {
  const std::string name = localeName.substr(0, localeName.find_first_of(".@"));
  std::string code = InterfaceCodeOfLanguage(name.substr(0, name.find_first_of("_-")));
  return code.empty() ? "ENU" : code;
}

std::vector<std::string> LanguageCandidates(const std::string& storedCode,
                                            const std::string& localeName) {
  std::vector<std::string> out;
  auto add = [&out](const std::string& code) {
    if (!code.empty() && std::find(out.begin(), out.end(), code) == out.end()) out.push_back(code);
  };
  const std::string stored = CleanCode(storedCode);
  add(stored);
  add(InterfaceCodeOfLanguage(stored.substr(0, std::min<std::size_t>(stored.size(), 2))));
  add(InterfaceLanguageOf(localeName));
  return out;
}

std::string ChooseTranslationFile(const std::string& dataFolder, const std::string& storedCode,
                                  const std::string& localeName) {
  std::error_code ec;
  for (const std::string& code : LanguageCandidates(storedCode, localeName)) {
    if (code == kRussianCode) return {};
    std::string file = WithSlash(dataFolder) + "cantaro." + code;
    if (std::filesystem::is_regular_file(file, ec)) return file;
  }
  return {};
}

void TranslateMessageTable() {
  const QTranslator* translator = Installed().program.get();
  for (int i = 0; i < static_cast<int>(MesId::Count); ++i) {
    auto id = static_cast<MesId>(i);
    std::string source(MesBuiltin(id));
    std::string name(MesName(id));
    QString t = translator ? translator->translate("untMesConst", source.c_str(), name.c_str()) : QString();
    std::string text = t.toStdString();
    // An empty text restores the built-in one, which is also what an untranslated message is.
    SetMes(id, text == source ? std::string() : text);
  }
}

bool InstallTranslation(const std::string& file) {
  QFile f(QString::fromStdString(file));
  if (!f.open(QIODevice::ReadOnly)) return false;
  auto translator = std::make_unique<TOwnedTranslator>(f.readAll());
  if (!translator->Load()) return false;
  Install(Installed().program, std::move(translator));
  TranslateMessageTable();
  return true;
}

void RemoveTranslation() {
  Uninstall(Installed().program);
  Uninstall(Installed().qt);
  ResetAllMes();
}

std::string InstallStartupLanguage(const std::string& programPath) {
  const std::string stored = ReadLanguageCode(programPath.empty() ? ProgramFilePath() : programPath);
  const std::string locale = SystemLocaleName();
  std::error_code ec;
  for (const std::string& code : LanguageCandidates(stored, locale)) {
    if (code == kRussianCode) break;
    const std::string file = DataFolder() + "cantaro." + code;
    if (std::filesystem::is_regular_file(file, ec) && InstallTranslation(file)) {
      InstallQtTranslation(code);
      return file;
    }
  }
  // The built-in texts, with Qt's own ones in Russian too.
  RemoveTranslation();
  InstallQtTranslation(kRussianCode);
  return {};
}

std::vector<TLanguageMenuItem> LanguageMenu(const std::string& programPath) {
  std::vector<TLanguageMenuItem> items = {
      {"actLangBel", Mes(MesId::SLangBel), Mes(MesId::SLangBelHint), "BEL"},
      {"actLangEng", Mes(MesId::SLangEng), Mes(MesId::SLangEngHint), "ENU"},
      {"actLangIta", Mes(MesId::SLangIta), Mes(MesId::SLangItaHint), "ITA"},
      {"actLangRus", Mes(MesId::SLangRus), Mes(MesId::SLangRusHint), kRussianCode},
  };
  // The stored choice, or without one the language that follows the system.
  const std::vector<std::string> candidates = LanguageCandidates(ReadLanguageCode(programPath), SystemLocaleName());
  for (const std::string& code : candidates) {
    auto item = std::find_if(items.begin(), items.end(), [&code](const auto& i) { return i.Code == code; });
    if (item != items.end()) {
      item->Checked = true;
      break;
    }
  }
  return items;
}

bool SwitchLanguage(const std::string& code, Prompter& prompter, const std::string& programPath) {
  // A store that cannot be written is not reported: the question is asked all the same.
  WriteLanguageCode(programPath, code);
  return prompter.Question(Mes(MesId::SCaptionConfirm), Mes(MesId::SLangRestart),
                           TPromptButtons::YesNo, TPromptIcon::Warning) == TPromptAnswer::Yes;
}
