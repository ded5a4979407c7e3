#include "settings/untVars.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <functional>

#include "base/untMesConst.h"
#include "chords/untChords.h"
#include "chords/untKeysense.h"
#include "settings/DataFolders.h"
#include "settings/IniFile.h"
#include "settings/IniFileIO.h"
#include "settings/UserSettingsSeed.h"

namespace {

constexpr const char* kSettingsFileName = "cantaro.ini";
constexpr const char* kMain = "Main";
constexpr const char* kKeys = "Keys";

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string DetectProgramFolder() {
  // The real file behind /proc/self/exe, so a link in a bin folder still finds the INI folder
  // beside the program itself.
  std::string buf(4096, '\0');
  ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size());
  if (n <= 0 || static_cast<std::size_t>(n) >= buf.size()) return "./";
  buf.resize(static_cast<std::size_t>(n));
  std::size_t slash = buf.rfind('/');
  return slash == std::string::npos ? "./" : buf.substr(0, slash + 1);
}

std::string DetectConfigHome() {
  // An XDG path must be absolute; a relative one is ignored as the standard says.
  if (const char* x = std::getenv("XDG_CONFIG_HOME"); x != nullptr && x[0] == '/') return x;
  if (const char* h = std::getenv("HOME"); h != nullptr && h[0] != '\0')
    return std::string(h) + "/.config";
  return {};
}

bool IsFolder(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsFile(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The shipped files as found from the program folder (see settings/DataFolders.h). Process-wide
// with the program folder it is found from: fixed at start.
TDataFolders& Data() {
  static TDataFolders data;
  return data;
}

// The user's configuration folder, process-wide with the settings folder made from it: fixed at
// start (tests point it at a scratch folder).
std::string ConfigHome = DetectConfigHome();

// True when SettingsFolder is the user's configuration folder rather than "INI" beside the
// program; part of the settings folder's choice, fixed at start with it.
bool UsingConfigHome = false;

void ComputeSettingsFolder() {
  std::string beside = ProgramFolder + "INI/";
  // An installed copy keeps settings in the user's folder; a build or portable copy in its INI
  // folder, unless that cannot be written (a portable copy on a read-only medium).
  const bool keepsBeside = Data().Layout != TDataLayout::Installed && IsFolder(beside);
  UsingConfigHome = !(keepsBeside && access(beside.c_str(), W_OK) == 0) && !ConfigHome.empty();
  SettingsFolder = UsingConfigHome ? WithSlash(ConfigHome) + "cantaro/" : beside;
}

// "Windows-1251" is how code pages are usually named; the number alone is what is written.
std::optional<int32_t> ParseCodepage(std::string text) {
  if (auto n = ParseIniInteger(text)) return n;
  for (const char* prefix : {"windows-", "cp"}) {
    std::string p = prefix;
    if (text.size() > p.size() && SameIniName(text.substr(0, p.size()), p))
      return ParseIniInteger(text.substr(p.size()));
  }
  return std::nullopt;
}

std::string QuotedPath(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    out += c;
    if (c == '"') out += '"';
  }
  return out + "\"";
}

// The stored form of PathTabulist: in double quotes with inner quotes doubled. Undoubling them
// on reading keeps a path with a quote in it from growing with every save.
std::string ReadQuotedPath(const TIniFile& ini, const std::string& def) {
  std::optional<std::string> raw = ini.ReadRawValue(kMain, "PathTabulist");
  if (!raw) return def;
  std::string value = ini.ReadString(kMain, "PathTabulist", def);
  if (raw->size() < 2 || raw->front() != '"' || raw->back() != '"') return value;
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    out += value[i];
    if (value[i] == '"' && i + 1 < value.size() && value[i + 1] == '"') ++i;
  }
  return out;
}

// Lower case of the letters that have one in ASCII, Latin-1 and Cyrillic; other bytes as they
// are (also malformed UTF-8).
std::string FoldCase(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      out += (b >= 'A' && b <= 'Z') ? static_cast<char>(b + 32) : static_cast<char>(b);
      continue;
    }
    if ((b & 0xE0) == 0xC0 && i + 1 < s.size() && (static_cast<unsigned char>(s[i + 1]) & 0xC0) == 0x80) {
      unsigned cp = ((b & 0x1Fu) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3Fu);
      if ((cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) || (cp >= 0x410 && cp <= 0x42F))
        cp += 0x20;
      else if (cp >= 0x400 && cp <= 0x40F)
        cp += 0x50;
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
      ++i;
      continue;
    }
    out += static_cast<char>(b);
  }
  return out;
}

// One key of the settings file: how it is read into the settings object and written from it.
// The table below lists the keys in the order in which they are written.
struct TSettingKey {
  const char* section;
  const char* key;
  std::function<void(const TIniFile&, TSettings&, TWindowPos&)> read;
  std::function<void(TIniFile&, const TSettings&, const TWindowPos&)> write;
};

TSettingKey BoolKey(const char* section, const char* key, bool TSettings::*member) {
  return {section, key,
          [=](const TIniFile& ini, TSettings& s, TWindowPos&) { s.*member = ini.ReadBool(section, key, s.*member); },
          [=](TIniFile& ini, const TSettings& s, const TWindowPos&) { ini.WriteBool(section, key, s.*member); }};
}

template <typename T>
TSettingKey IntKey(const char* section, const char* key, T TSettings::*member, int32_t low = INT32_MIN,
                   int32_t high = INT32_MAX) {
  return {section, key,
          [=](const TIniFile& ini, TSettings& s, TWindowPos&) {
            s.*member = static_cast<T>(std::clamp(ini.ReadInteger(section, key, s.*member), low, high));
          },
          [=](TIniFile& ini, const TSettings& s, const TWindowPos&) { ini.WriteInteger(section, key, s.*member); }};
}

TSettingKey StringKey(const char* section, const char* key, std::string TSettings::*member) {
  return {section, key,
          [=](const TIniFile& ini, TSettings& s, TWindowPos&) { s.*member = ini.ReadString(section, key, s.*member); },
          [=](TIniFile& ini, const TSettings& s, const TWindowPos&) { ini.WriteString(section, key, s.*member); }};
}

// The window's position, which the window keeps itself; 0 without the key.
TSettingKey WindowKey(const char* key, int32_t TWindowPos::*member) {
  return {kMain, key, [=](const TIniFile& ini, TSettings&, TWindowPos& w) { w.*member = ini.ReadInteger(kMain, key, 0); },
          [=](TIniFile& ini, const TSettings&, const TWindowPos& w) { ini.WriteInteger(kMain, key, w.*member); }};
}

const std::vector<TSettingKey>& SettingKeys() {
  // A constant table, built once on first use.
  static const std::vector<TSettingKey> keys = {
      {kMain, "PathTabulist",
       [](const TIniFile& ini, TSettings& s, TWindowPos&) { s.PathTabulist = ReadQuotedPath(ini, s.PathTabulist); },
       [](TIniFile& ini, const TSettings& s, const TWindowPos&) {
         ini.WriteRawValue(kMain, "PathTabulist", QuotedPath(s.PathTabulist));
       }},
      BoolKey(kMain, "FormOpened", &TSettings::FormOpened),
      BoolKey(kMain, "ShowHints", &TSettings::ShowHints),
      // Only a known notation is taken; anything else leaves the names as they are and is not
      // written back.
      {kMain, "NoteSet",
       [](const TIniFile& ini, TSettings& s, TWindowPos&) {
         int32_t noteSet = ini.ReadInteger(kMain, "NoteSet", static_cast<int32_t>(s.NoteSet));
         if (noteSet >= 0 && noteSet <= 2) s.NoteSet = static_cast<NoteNotation>(noteSet);
       },
       [](TIniFile& ini, const TSettings& s, const TWindowPos&) {
         ini.WriteInteger(kMain, "NoteSet", static_cast<int32_t>(s.NoteSet));
       }},
      IntKey(kMain, "MidiOutNo", &TSettings::MidiOutNo),
      BoolKey(kMain, "MidiOutNoTranspose", &TSettings::MidiOutNoTranspose),
      // The piano divides by its number of white keys: the octaves the Options dialog offers.
      IntKey(kMain, "OctaveCnt", &TSettings::OctaveCnt, 2, 6),
      BoolKey(kMain, "PlayKeys", &TSettings::PlayKeys),
      BoolKey(kMain, "CommExport", &TSettings::CommExport),
      BoolKey(kMain, "Keysense", &TSettings::Keysense),
      StringKey(kMain, "LoadDir", &TSettings::LoadDir),
      WindowKey("Left", &TWindowPos::Left),
      WindowKey("Top", &TWindowPos::Top),
      WindowKey("Width", &TWindowPos::Width),
      WindowKey("Height", &TWindowPos::Height),
      {kMain, "MRU",
       [](const TIniFile& ini, TSettings& s, TWindowPos&) {
         s.MRUList.clear();
         for (int k = 1; k <= MRUMaxCount; ++k) {
           std::string path = ini.ReadString(kMain, "MRU" + std::to_string(k), "");
           if (path.empty()) break;
           s.MRUList.push_back(path);
         }
       },
       [](TIniFile& ini, const TSettings& s, const TWindowPos&) {
         // Keys beyond the list are left alone: an empty MRU key ends the list when it is
         // read, and the list only shrinks when the user edits the file.
         for (std::size_t i = 0; i < s.MRUList.size() && i < MRUMaxCount; ++i)
           ini.WriteString(kMain, "MRU" + std::to_string(i + 1), s.MRUList[i]);
       }},
      IntKey(kKeys, "WhiteKey", &TSettings::WhiteKey),
      IntKey(kKeys, "BlackKey", &TSettings::BlackKey),
      IntKey(kKeys, "Border", &TSettings::Border),
      IntKey(kKeys, "SelectedKey", &TSettings::SelectedKey),
      IntKey(kKeys, "MarkedKey", &TSettings::MarkedKey),
      // A timer interval of 0 would spin and a negative one is meaningless.
      IntKey(kMain, "TimerResol", &TSettings::TimerResol, 1, 1000),
      {kMain, "TextCodepage",
       [](const TIniFile& ini, TSettings& s, TWindowPos&) {
         std::optional<int32_t> cp = ParseCodepage(ini.ReadString(kMain, "TextCodepage", ""));
         if (cp && *cp > 0 && *cp <= 65535) s.TextCodepage = *cp;
       },
       [](TIniFile& ini, const TSettings& s, const TWindowPos&) { ini.WriteInteger(kMain, "TextCodepage", s.TextCodepage); }},
      BoolKey(kMain, "KeysenseContinuity", &TSettings::KeysenseContinuity),
      {kMain, "ChordRecognition",
       [](const TIniFile& ini, TSettings& s, TWindowPos&) {
         std::string v = ini.ReadString(kMain, "ChordRecognition", "");
         for (char& c : v) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
         // Anything else (a file of an older version, a typing slip) keeps the table.
         s.LearnedChords = v == "learned";
       },
       [](TIniFile& ini, const TSettings& s, const TWindowPos&) {
         ini.WriteString(kMain, "ChordRecognition", s.LearnedChords ? "learned" : "table");
       }},
      StringKey(kMain, "MidiInName", &TSettings::MidiInName),
      BoolKey(kMain, "MidiThru", &TSettings::MidiThru),
      StringKey(kMain, "ExportDir", &TSettings::ExportDir),
      {kMain, "KeysenseKeyAnswer",
       [](const TIniFile& ini, TSettings& s, TWindowPos&) {
         std::string v = ini.ReadString(kMain, "KeysenseKeyAnswer", "");
         for (char& c : v) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
         // Anything else asks again: a question too many is better than an answer not given.
         s.KeysenseKeyAnswer = v == "yes"  ? TRememberedAnswer::Yes
                               : v == "no" ? TRememberedAnswer::No
                                           : TRememberedAnswer::None;
       },
       [](TIniFile& ini, const TSettings& s, const TWindowPos&) {
         const char* v = s.KeysenseKeyAnswer == TRememberedAnswer::Yes  ? "yes"
                         : s.KeysenseKeyAnswer == TRememberedAnswer::No ? "no"
                                                                        : "";
         ini.WriteString(kMain, "KeysenseKeyAnswer", v);
       }},
  };
  return keys;
}

TIniFile ReadForLoading() {
  TFileReadResult r = ReadWholeFile(SettingsFile());
  if (r.status == TFileReadResult::Status::Missing && UsingConfigHome) {
    // Until the user has a file of their own, the shipped one supplies the chord table.
    std::string shipped = ShippedSettingsFile();
    if (!shipped.empty()) r = ReadWholeFile(shipped);
  }
  // A file that cannot be read is treated as missing here; saving refuses to replace it.
  return r.status == TFileReadResult::Status::Ok ? TIniFile(r.bytes) : TIniFile();
}

}  // namespace

// Module start-up: the folders, fixed at start (see untVars.h).
std::string ProgramFolder = DetectProgramFolder();
std::string SettingsFolder;
std::string LogoFile;

namespace {
void ComputeDataFolders() {
  Data() = FindDataFolders(ProgramFolder);
  LogoFile = Data().Data + "logocto.bmp";
}
// Computes the folders above once, when the module starts.
const bool kFoldersComputed = (ComputeDataFolders(), ComputeSettingsFolder(), true);
}  // namespace

void SetProgramFolder(const std::string& folder) {
  ProgramFolder = WithSlash(folder);
  ComputeDataFolders();
  ComputeSettingsFolder();
}

std::string InitialLoadDir() { return Data().Examples; }

const std::string& DataFolder() { return Data().Data; }
std::string ManualFile() { return Data().Manual; }
const std::string& DataFolderProblem() { return Data().Problem; }

void SetConfigHome(const std::string& folder) {
  ConfigHome = folder;
  ComputeSettingsFolder();
}

const std::string& ConfigHomeFolder() { return ConfigHome; }

std::string SettingsFile() { return SettingsFolder + kSettingsFileName; }

std::string ShippedSettingsFile() {
  std::string path = ShippedSettingsPath(Data());
  return IsFile(path) ? path : std::string();
}

void LoadSettings(TSettings& settings, TWindowPos& window) {
  const TIniFile ini = ReadForLoading();
  window = TWindowPos{};
  // Every key is read before the chord table, whose bad entry ends loading with an error.
  for (const TSettingKey& k : SettingKeys()) k.read(ini, settings, window);
  // The user's own table when they wrote one, else the shipped one (see UserSettingsSeed.h).
  const TKeysenseTableText table = KeysenseTableText(ini, ShippedSettingsFile());
  LoadKeysenseTable(settings.KeysenseTable, table.Main, table.Added);
}

TSettingsSaveResult SaveSettings(const TSettings& settings, const TWindowPos& window) {
  const std::string file = SettingsFile();
  auto failed = [&file](const std::string& reason) {
    return TSettingsSaveResult(TError(MesFormat(MesId::SSettingsSaveError, file, reason)));
  };

  // Read again now: the program writes only its own keys, and anything written into the file
  // meanwhile (by hand or by another copy of the program) stays.
  TFileReadResult current = ReadWholeFile(file);
  if (current.status == TFileReadResult::Status::Failed) return failed(current.reason);
  TIniFile ini(current.bytes);
  if (current.status == TFileReadResult::Status::Missing && UsingConfigHome) {
    if (TFileWriteResult made = CreateFolders(SettingsFolder); !made) return failed(made.Error().Text);
    ini.Parse(UserSettingsSeed(ShippedSettingsFile()));
  }

  for (const TSettingKey& k : SettingKeys()) k.write(ini, settings, window);

  if (TFileWriteResult w = WriteFileAtomically(file, ini.Text()); !w) return failed(w.Error().Text);
  return {};
}

bool SameFileName(const std::string& a, const std::string& b) { return FoldCase(a) == FoldCase(b); }

void AddToMRU(TSettings& settings, const std::string& newPath) {
  std::vector<std::string>& list = settings.MRUList;
  // A copy: the caller may pass an entry of the list itself, which the erase below removes.
  const std::string path = newPath;
  if (!path.empty()) {
    std::erase_if(list, [&path](const std::string& e) { return SameFileName(e, path); });
    list.insert(list.begin(), path);
  }
  if (list.size() > static_cast<std::size_t>(MRUMaxCount)) list.resize(MRUMaxCount);
  if (settings.OnMRUChanged) settings.OnMRUChanged();
}

std::vector<TMRUMenuItem> MRUMenuItems(const TSettings& settings) {
  std::vector<TMRUMenuItem> items;
  for (std::size_t i = 0; i < settings.MRUList.size(); ++i)
    items.push_back({settings.MRUList[i], MRUFirstTag + static_cast<int32_t>(i)});
  return items;
}

std::optional<std::string> MRUFileForTag(const TSettings& settings, int32_t tag) {
  const std::vector<std::string>& list = settings.MRUList;
  if (tag < MRUFirstTag || tag - MRUFirstTag >= static_cast<int32_t>(list.size())) return std::nullopt;
  return list[static_cast<std::size_t>(tag - MRUFirstTag)];
}
