#include "settings/untVars.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>

#include "base/untMesConst.h"
#include "chords/untChords.h"
#include "chords/untKeysense.h"
#include "settings/IniFile.h"
#include "settings/IniFileIO.h"

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

std::string InitialLoadDir() { return ProgramFolder + "examples/"; }

std::string ConfigHome = DetectConfigHome();

// True when SettingsFolder is the user's configuration folder rather than "INI" beside the
// program.
bool UsingConfigHome = false;

void ComputeSettingsFolder() {
  std::string beside = ProgramFolder + "INI/";
  // An INI folder that cannot be written is that of an installed copy: it only seeds the user's
  // own settings.
  UsingConfigHome = !(IsFolder(beside) && access(beside.c_str(), W_OK) == 0) && !ConfigHome.empty();
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

// The piano colours of section "Keys", in the order in which they are read and written.
struct TColourKey {
  const char* key;
  TColor* colour;
};
std::array<TColourKey, 5> ColourKeys() {
  return {{{"WhiteKey", &WhiteKey},
           {"BlackKey", &BlackKey},
           {"Border", &Border},
           {"SelectedKey", &SelectedKey},
           {"MarkedKey", &MarkedKey}}};
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

// Module start-up: folders first, the variables that depend on them after.
std::string ProgramFolder = DetectProgramFolder();
std::string SettingsFolder;
std::string LogoFile = ProgramFolder + "logocto.bmp";

std::string PathTabulist;
bool FormOpened = false;
bool ShowHints = true;
int32_t MidiOutNo = 0;
std::string MidiOutName;
bool MidiOutNoTranspose = true;
int8_t OctaveCnt = 4;
bool PlayKeys = true;
bool CommExport = true;
bool Keysense = true;
std::string LoadDir = InitialLoadDir();
TColor WhiteKey = 15793151;
TColor BlackKey = 8388608;
TColor Border = 16711680;
TColor SelectedKey = 16744576;
TColor MarkedKey = 16711935;
int32_t TimerResol = 10;
int32_t TextCodepage = 1251;
bool NoteSetChanged = false;
int32_t OptionsPage = 0;

std::vector<std::string> MRUList;
std::function<void()> OnMRUChanged;

namespace {
const bool kFoldersComputed = (ComputeSettingsFolder(), true);
}

void SetProgramFolder(const std::string& folder) {
  bool loadDirInitial = LoadDir == InitialLoadDir();
  ProgramFolder = WithSlash(folder);
  LogoFile = ProgramFolder + "logocto.bmp";
  if (loadDirInitial) LoadDir = InitialLoadDir();
  ComputeSettingsFolder();
}

void SetConfigHome(const std::string& folder) {
  ConfigHome = folder;
  ComputeSettingsFolder();
}

std::string SettingsFile() { return SettingsFolder + kSettingsFileName; }

std::string ShippedSettingsFile() {
  for (const char* sub : {"INI/", "../lib/cantaro/INI/", "../share/cantaro/INI/"}) {
    std::string path = ProgramFolder + sub + kSettingsFileName;
    if (IsFile(path)) return path;
  }
  return {};
}

void ResetSettings() {
  PathTabulist.clear();
  FormOpened = false;
  ShowHints = true;
  MidiOutNo = 0;
  MidiOutName.clear();
  MidiOutNoTranspose = true;
  OctaveCnt = 4;
  PlayKeys = true;
  CommExport = true;
  Keysense = true;
  LoadDir = InitialLoadDir();
  WhiteKey = 15793151;
  BlackKey = 8388608;
  Border = 16711680;
  SelectedKey = 16744576;
  MarkedKey = 16711935;
  TimerResol = 10;
  TextCodepage = 1251;
  NoteSetChanged = false;
  OptionsPage = 0;
  MRUList.clear();
}

void LoadSettings(TWindowPos& window) {
  const TIniFile ini = ReadForLoading();

  PathTabulist = ReadQuotedPath(ini, PathTabulist);
  FormOpened = ini.ReadBool(kMain, "FormOpened", FormOpened);
  ShowHints = ini.ReadBool(kMain, "ShowHints", ShowHints);
  // Only a known notation is taken; anything else leaves the names as they are and is not
  // written back.
  int32_t noteSet = ini.ReadInteger(kMain, "NoteSet", NoteNotationValue());
  if (noteSet >= 0 && noteSet <= 2) SetNoteNotation(static_cast<uint8_t>(noteSet));
  MidiOutNo = ini.ReadInteger(kMain, "MidiOutNo", MidiOutNo);
  MidiOutNoTranspose = ini.ReadBool(kMain, "MidiOutNoTranspose", MidiOutNoTranspose);
  // The piano divides by its number of white keys: keep to the octaves the Options dialog offers.
  OctaveCnt = static_cast<int8_t>(std::clamp(ini.ReadInteger(kMain, "OctaveCnt", OctaveCnt), 2, 6));
  PlayKeys = ini.ReadBool(kMain, "PlayKeys", PlayKeys);
  CommExport = ini.ReadBool(kMain, "CommExport", CommExport);
  Keysense = ini.ReadBool(kMain, "Keysense", Keysense);
  LoadDir = ini.ReadString(kMain, "LoadDir", LoadDir);
  window.Left = ini.ReadInteger(kMain, "Left", 0);
  window.Top = ini.ReadInteger(kMain, "Top", 0);
  window.Width = std::max(0, ini.ReadInteger(kMain, "Width", 0));
  window.Height = std::max(0, ini.ReadInteger(kMain, "Height", 0));

  MRUList.clear();
  for (int k = 1; k <= MRUMaxCount; ++k) {
    std::string path = ini.ReadString(kMain, "MRU" + std::to_string(k), "");
    if (path.empty()) break;
    MRUList.push_back(path);
  }

  for (const TColourKey& c : ColourKeys()) *c.colour = ini.ReadInteger(kKeys, c.key, *c.colour);

  auto readRest = [&ini] {
    // A timer interval of 0 would spin and a negative one is meaningless.
    TimerResol = std::clamp(ini.ReadInteger(kMain, "TimerResol", TimerResol), 1, 1000);
    std::optional<int32_t> cp = ParseCodepage(ini.ReadString(kMain, "TextCodepage", ""));
    if (cp && *cp > 0 && *cp <= 65535) TextCodepage = *cp;
  };
  try {
    LoadKeysenseTable(ini.ReadString("Keysense", "Main", ""), ini.ReadString("Keysense", "Added", ""));
  } catch (...) {
    readRest();
    throw;
  }
  readRest();
}

TSettingsSaveResult SaveSettings(const TWindowPos& window) {
  const std::string file = SettingsFile();
  auto failed = [&file](const std::string& reason) {
    return TSettingsSaveResult{false, MesFormat(MesId::SSettingsSaveError, file, reason)};
  };

  // Read again now: the program writes only its own keys, and anything written into the file
  // meanwhile (by hand or by another copy of the program) stays.
  TFileReadResult current = ReadWholeFile(file);
  if (current.status == TFileReadResult::Status::Failed) return failed(current.reason);
  TIniFile ini(current.bytes);
  if (current.status == TFileReadResult::Status::Missing && UsingConfigHome) {
    if (TFileWriteResult made = CreateFolders(SettingsFolder); !made) return failed(made.reason);
    if (std::string shipped = ShippedSettingsFile(); !shipped.empty()) {
      TFileReadResult seed = ReadWholeFile(shipped);
      if (seed.status == TFileReadResult::Status::Ok) ini.Parse(seed.bytes);
    }
  }

  ini.WriteRawValue(kMain, "PathTabulist", QuotedPath(PathTabulist));
  ini.WriteBool(kMain, "FormOpened", FormOpened);
  ini.WriteBool(kMain, "ShowHints", ShowHints);
  ini.WriteInteger(kMain, "NoteSet", static_cast<int32_t>(CurrentNoteNotation()));
  ini.WriteInteger(kMain, "MidiOutNo", MidiOutNo);
  ini.WriteBool(kMain, "MidiOutNoTranspose", MidiOutNoTranspose);
  ini.WriteInteger(kMain, "OctaveCnt", OctaveCnt);
  ini.WriteBool(kMain, "PlayKeys", PlayKeys);
  ini.WriteBool(kMain, "CommExport", CommExport);
  ini.WriteBool(kMain, "Keysense", Keysense);
  ini.WriteString(kMain, "LoadDir", LoadDir);
  ini.WriteInteger(kMain, "Left", window.Left);
  ini.WriteInteger(kMain, "Top", window.Top);
  if (window.Width > 0 && window.Height > 0) {
    ini.WriteInteger(kMain, "Width", window.Width);
    ini.WriteInteger(kMain, "Height", window.Height);
  }
  // Keys beyond the list are left alone: an empty MRU key ends the list when it is read, and the
  // list only shrinks when the user edits the file.
  for (std::size_t i = 0; i < MRUList.size() && i < MRUMaxCount; ++i)
    ini.WriteString(kMain, "MRU" + std::to_string(i + 1), MRUList[i]);
  for (const TColourKey& c : ColourKeys()) ini.WriteInteger(kKeys, c.key, *c.colour);
  ini.WriteInteger(kMain, "TimerResol", TimerResol);
  ini.WriteInteger(kMain, "TextCodepage", TextCodepage);

  if (TFileWriteResult w = WriteFileAtomically(file, ini.Text()); !w) return failed(w.reason);
  return TSettingsSaveResult{true, {}};
}

bool SameFileName(const std::string& a, const std::string& b) { return FoldCase(a) == FoldCase(b); }

void AddToMRU(const std::string& newPath) {
  // A copy: the caller may pass an entry of the list itself, which the erase below removes.
  const std::string path = newPath;
  if (!path.empty()) {
    std::erase_if(MRUList, [&path](const std::string& e) { return SameFileName(e, path); });
    MRUList.insert(MRUList.begin(), path);
  }
  if (MRUList.size() > static_cast<std::size_t>(MRUMaxCount)) MRUList.resize(MRUMaxCount);
  if (OnMRUChanged) OnMRUChanged();
}

std::vector<TMRUMenuItem> MRUMenuItems() {
  std::vector<TMRUMenuItem> items;
  for (std::size_t i = 0; i < MRUList.size(); ++i)
    items.push_back({MRUList[i], MRUFirstTag + static_cast<int32_t>(i)});
  return items;
}

std::optional<std::string> MRUFileForTag(int32_t tag) {
  if (tag < MRUFirstTag || tag - MRUFirstTag >= static_cast<int32_t>(MRUList.size())) return std::nullopt;
  return MRUList[static_cast<std::size_t>(tag - MRUFirstTag)];
}
