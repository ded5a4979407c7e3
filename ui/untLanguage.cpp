#include "ui/untLanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <algorithm>
#include <cctype>
#include <optional>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>

#include "base/untMesConst.h"
#include "settings/IniFile.h"
#include "settings/IniFileIO.h"
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

// Three-letter codes as the system abbreviates languages: two letters for the language, one
// for its country; the first entry of a language is its main country.
struct LanguageCodes {
  const char* language;
  const char* code;
  std::vector<std::pair<const char*, const char*>> countries;
};

const std::vector<LanguageCodes>& CodeTable() {
  static const std::vector<LanguageCodes> table = {
      {"ru", "RUS", {}},
      {"be", "BEL", {}},
      {"uk", "UKR", {}},
      {"en", "ENU", {{"GB", "ENG"}, {"AU", "ENA"}, {"CA", "ENC"}, {"NZ", "ENZ"}, {"IE", "ENI"},
                     {"ZA", "ENS"}, {"IN", "ENN"}, {"SG", "ENE"}, {"PH", "ENP"}, {"MY", "ENM"}}},
      {"it", "ITA", {{"CH", "ITS"}}},
      {"de", "DEU", {{"CH", "DES"}, {"AT", "DEA"}, {"LU", "DEL"}, {"LI", "DEC"}}},
      {"fr", "FRA", {{"BE", "FRB"}, {"CA", "FRC"}, {"CH", "FRS"}, {"LU", "FRL"}}},
      {"es", "ESN", {{"MX", "ESM"}, {"AR", "ESS"}, {"CO", "ESO"}, {"CL", "ESL"}}},
      {"pt", "PTG", {{"BR", "PTB"}}},
      {"nl", "NLD", {{"BE", "NLB"}}},
      {"pl", "PLK", {}},
      {"cs", "CSY", {}},
      {"sk", "SKY", {}},
      {"sl", "SLV", {}},
      {"hr", "HRV", {}},
      {"bg", "BGR", {}},
      {"ro", "ROM", {}},
      {"hu", "HUN", {}},
      {"el", "ELL", {}},
      {"tr", "TRK", {}},
      {"lt", "LTH", {}},
      {"lv", "LVI", {}},
      {"et", "ETI", {}},
      {"fi", "FIN", {}},
      {"sv", "SVE", {}},
      {"da", "DAN", {}},
      {"nb", "NOR", {}},
      {"no", "NOR", {}},
      {"kk", "KKZ", {}},
      {"he", "HEB", {}},
      {"ar", "ARA", {}},
      {"ja", "JPN", {}},
      {"ko", "KOR", {}},
      {"zh", "CHS", {{"TW", "CHT"}, {"HK", "ZHH"}}},
  };
  return table;
}

std::vector<std::string> ExistingTranslationFiles(const std::string& programFolder,
                                                  const std::string& storedCode,
                                                  const std::string& localeName) {
  namespace fs = std::filesystem;
  std::vector<std::string> files;
  std::error_code ec;
  for (const std::string& code : LanguageCandidates(storedCode, localeName)) {
    std::string file = WithSlash(programFolder) + "cantaro." + code;
    if (fs::is_regular_file(file, ec)) files.push_back(file);
  }
  // The system's language in another country: a file of the same language is closer to what
  // the user reads than the built-in texts.
  std::string code = LocaleLanguageCode(localeName);
  if (code.size() >= 2) {
    std::vector<std::string> same;
    for (const auto& entry : fs::directory_iterator(programFolder.empty() ? "." : programFolder, ec)) {
      std::string name = entry.path().filename().string();
      if (name.rfind("cantaro.", 0) == 0 && name.size() > 10 && name.size() <= 12 &&
          name.compare(8, 2, code, 0, 2) == 0 && entry.is_regular_file(ec))
        same.push_back(entry.path().string());
    }
    std::sort(same.begin(), same.end());
    for (auto& f : same)
      if (std::find(files.begin(), files.end(), f) == files.end()) files.push_back(f);
  }
  return files;
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

QPointer<QTranslator>& Installed() {
  static QPointer<QTranslator> installed;
  return installed;
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

std::string LocaleLanguageCode(const std::string& localeName) {
  std::string lang, country;
  std::size_t end = localeName.find_first_of(".@");
  std::string name = localeName.substr(0, end);
  std::size_t sep = name.find_first_of("_-");
  lang = name.substr(0, sep);
  for (char& c : lang) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (sep != std::string::npos) country = Upper(name.substr(sep + 1));
  for (const auto& entry : CodeTable()) {
    if (lang != entry.language) continue;
    for (const auto& [c, code] : entry.countries)
      if (country == c) return code;
    return entry.code;
  }
  return {};
}

std::vector<std::string> LanguageCandidates(const std::string& storedCode,
                                            const std::string& localeName) {
  std::vector<std::string> out;
  auto add = [&out](std::string code) {
    code = Upper(code);
    // A code names a file beside the program: nothing that could leave the folder.
    if (code.empty() || code.find_first_of("/\\") != std::string::npos || code.find("..") != std::string::npos)
      return;
    if (std::find(out.begin(), out.end(), code) == out.end()) out.push_back(code);
  };
  add(storedCode.substr(0, std::min<std::size_t>(storedCode.size(), 4)));
  std::string system = LocaleLanguageCode(localeName);
  add(system);
  add(system.substr(0, std::min<std::size_t>(system.size(), 2)));
  return out;
}

std::string ChooseTranslationFile(const std::string& programFolder, const std::string& storedCode,
                                  const std::string& localeName) {
  auto files = ExistingTranslationFiles(programFolder, storedCode, localeName);
  return files.empty() ? std::string() : files.front();
}

void TranslateMessageTable() {
  for (int i = 0; i < static_cast<int>(MesId::Count); ++i) {
    auto id = static_cast<MesId>(i);
    std::string source(MesBuiltin(id));
    std::string name(MesName(id));
    QString t = QCoreApplication::translate("untMesConst", source.c_str(), name.c_str());
    std::string text = t.toStdString();
    // An empty text restores the built-in one, which is also what an untranslated message is.
    SetMes(id, text == source ? std::string() : text);
  }
}

bool InstallTranslation(const std::string& file) {
  QFile f(QString::fromStdString(file));
  if (!f.open(QIODevice::ReadOnly)) return false;
  auto* translator = new TOwnedTranslator(f.readAll());
  if (!translator->Load()) {
    delete translator;
    return false;
  }
  if (QTranslator* old = Installed()) {
    QCoreApplication::removeTranslator(old);
    delete old;
  }
  translator->setParent(QCoreApplication::instance());
  QCoreApplication::installTranslator(translator);
  Installed() = translator;
  TranslateMessageTable();
  return true;
}

void RemoveTranslation() {
  if (QTranslator* old = Installed()) {
    QCoreApplication::removeTranslator(old);
    delete old;
  }
  ResetAllMes();
}

std::string InstallStartupLanguage() {
  std::string folder = std::filesystem::path(ProgramFilePath()).parent_path().string();
  std::string stored = ReadLanguageCode(ProgramFilePath());
  for (const std::string& file : ExistingTranslationFiles(folder, stored, QLocale::system().name().toStdString()))
    if (InstallTranslation(file)) return file;
  return {};
}

std::vector<TLanguageMenuItem> LanguageMenu(const std::string& programPath) {
  std::vector<TLanguageMenuItem> items = {
      {"actLangBel", Mes(MesId::SLangBel), Mes(MesId::SLangBelHint), "BEL"},
      {"actLangEng", Mes(MesId::SLangEng), Mes(MesId::SLangEngHint), "ENU"},
      {"actLangIta", Mes(MesId::SLangIta), Mes(MesId::SLangItaHint), "ITA"},
      {"actLangRus", Mes(MesId::SLangRus), Mes(MesId::SLangRusHint), ""},
  };
  std::string stored = Upper(ReadLanguageCode(programPath));
  bool any = false;
  for (auto& item : items) any |= (item.Checked = !item.Code.empty() && item.Code == stored);
  // No choice (or one the menu does not offer) is the built-in language.
  if (!any) items.back().Checked = true;
  return items;
}

bool SwitchLanguage(const std::string& code, Prompter& prompter, const std::string& programPath) {
  // A store that cannot be written is not reported: the question is asked all the same.
  WriteLanguageCode(programPath, code);
  return prompter.Question(Mes(MesId::SCaptionConfirm), Mes(MesId::SLangRestart),
                           TPromptButtons::YesNo, TPromptIcon::Warning) == TPromptAnswer::Yes;
}
