#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "chords/untChords.h"
#include "chords/untKeysense.h"
#include "settings/untVars.h"
#include "tests/settings/ScratchDir.h"

namespace fs = std::filesystem;

namespace {

// A program folder and a configuration folder of its own for every test: no test reads or
// writes the settings of the build folder or of the user running the tests.
class Settings : public ScratchDir {
 protected:
  void SetUp() override {
    ScratchDir::SetUp();
    fs::create_directories(root_ / "prog" / "INI");
    savedProgramFolder_ = ProgramFolder;
    SetConfigHome((root_ / "config").string());
    SetProgramFolder((root_ / "prog").string());
    s = TSettings{};
  }
  void TearDown() override {
    SetProgramFolder(savedProgramFolder_);
    ScratchDir::TearDown();
  }
  std::string Prog() const { return (root_ / "prog").string() + "/"; }
  TWindowPos Load() {
    TWindowPos pos{-1, -1};
    LoadSettings(s, pos);
    return pos;
  }
  // The settings object under test, made after the folders are set.
  TSettings s;
  std::string savedProgramFolder_;
};

}  // namespace

TEST_F(Settings, FirstRunUsesTheInitialValuesAndWritesEveryKey) {
  EXPECT_EQ(SettingsFile(), Prog() + "INI/cantaro.ini");
  EXPECT_EQ(LogoFile, Prog() + "logocto.bmp");
  TWindowPos pos = Load();
  EXPECT_EQ(pos.Left, 0);
  EXPECT_EQ(pos.Top, 0);
  EXPECT_EQ(s.LoadDir, Prog() + "examples/");
  EXPECT_TRUE(MRUMenuItems(s).empty());

  ASSERT_TRUE(SaveSettings(s, TWindowPos{}));
  EXPECT_EQ(Read(SettingsFile()),
            "[Main]\nPathTabulist=\"\"\nFormOpened=0\nShowHints=1\nNoteSet=0\nMidiOutNo=0\n"
            "MidiOutNoTranspose=1\nOctaveCnt=4\nPlayKeys=1\nCommExport=1\nKeysense=1\n"
            "LoadDir=" + Prog() + "examples/\nLeft=0\nTop=0\nWidth=0\nHeight=0\nTimerResol=10\nTextCodepage=1251\n"
            "KeysenseContinuity=0\nChordRecognition=table\nMidiInName=\nMidiThru=0\nExportDir=\n"
            "KeysenseKeyAnswer=\n\n"
            "[Keys]\nWhiteKey=15793151\nBlackKey=8388608\nBorder=16711680\nSelectedKey=16744576\n"
            "MarkedKey=16711935\n");
}

TEST_F(Settings, EverySettingSurvivesASaveAndTheUsersOtherKeysToo) {
  Write(SettingsFile(), "; my notes\r\n[Main]\r\nMine=keep me\r\n[Keysense]\r\nMain=C0 G0\r\n[Other]\r\nX=1");
  s.PathTabulist = "/opt/tab \"x\"/";
  s.FormOpened = true;
  s.ShowHints = false;
  s.NoteSet = NoteNotation::Italian;
  s.MidiOutNo = 3;
  s.MidiOutNoTranspose = false;
  s.OctaveCnt = 6;
  s.PlayKeys = s.CommExport = s.Keysense = false;
  s.LoadDir = " /music/ with blanks ";
  AddToMRU(s, "/b.kar");
  AddToMRU(s, "/a.mid");
  s.WhiteKey = -2147483643;  // a system colour
  s.TimerResol = 25;
  s.TextCodepage = 866;
  s.KeysenseContinuity = true;
  s.LearnedChords = true;
  s.MidiInName = "a2j:Keystation [20] (capture): Keystation MIDI 1";  // ports carry colons and brackets
  s.MidiThru = true;
  s.ExportDir = "/music/chord sheets";
  s.KeysenseKeyAnswer = TRememberedAnswer::No;
  ASSERT_TRUE(SaveSettings(s, TWindowPos{120, -5}));
  ASSERT_TRUE(SaveSettings(s, TWindowPos{120, -5}));  // a second save changes nothing

  s = TSettings{};
  s.NoteSet = NoteNotation::English;
  TWindowPos pos = Load();
  EXPECT_EQ(s.PathTabulist, "/opt/tab \"x\"/");
  EXPECT_TRUE(s.FormOpened);
  EXPECT_FALSE(s.ShowHints);
  EXPECT_EQ(s.NoteSet, NoteNotation::Italian);
  EXPECT_EQ(s.MidiOutNo, 3);
  EXPECT_FALSE(s.MidiOutNoTranspose);
  EXPECT_EQ(s.OctaveCnt, 6);
  EXPECT_FALSE(s.PlayKeys || s.CommExport || s.Keysense);
  EXPECT_EQ(s.LoadDir, " /music/ with blanks ");
  EXPECT_EQ(s.MRUList, (std::vector<std::string>{"/a.mid", "/b.kar"}));
  EXPECT_EQ(s.WhiteKey, -2147483643);
  EXPECT_EQ(s.TimerResol, 25);
  EXPECT_EQ(s.TextCodepage, 866);
  EXPECT_TRUE(s.KeysenseContinuity);
  EXPECT_TRUE(s.LearnedChords);
  EXPECT_EQ(s.MidiInName, "a2j:Keystation [20] (capture): Keystation MIDI 1");
  EXPECT_TRUE(s.MidiThru);
  EXPECT_EQ(s.ExportDir, "/music/chord sheets");
  EXPECT_EQ(s.KeysenseKeyAnswer, TRememberedAnswer::No);
  EXPECT_EQ(pos.Left, 120);
  EXPECT_EQ(pos.Top, -5);
  EXPECT_EQ(s.KeysenseTable.size(), 2u);

  std::string text = Read(SettingsFile());
  EXPECT_EQ(text.rfind("; my notes\r\n[Main]\r\nMine=keep me\r\nPathTabulist=\"/opt/tab \"\"x\"\"/\"\r\n", 0), 0u);
  EXPECT_NE(text.find("[Keysense]\r\nMain=C0 G0\r\n[Other]\r\nX=1\r\n"), std::string::npos);
  EXPECT_EQ(text.find('\n', text.find("X=1")), text.find("X=1") + 4);  // CR LF kept throughout
}

TEST_F(Settings, HandWrittenValuesAreReadByTheRules) {
  Write(SettingsFile(),
        "[Main]\nPathTabulist=\"C:\\Tools\\\"\nMidiOutNo=0x10\nNoteSet=7\nOctaveCnt=0\n"
        "TimerResol=abc\nTextCodepage=windows-1252\n[Keys]\nWhiteKey=$10\nBorder=abc\n");
  Load();
  EXPECT_EQ(s.PathTabulist, "C:\\Tools\\");
  EXPECT_EQ(s.MidiOutNo, 16);
  EXPECT_EQ(s.WhiteKey, 16);
  EXPECT_EQ(s.Border, 16711680);
  EXPECT_EQ(s.TimerResol, 10);
  EXPECT_EQ(s.TextCodepage, 1252);
  EXPECT_EQ(s.OctaveCnt, 2);
  // An unknown notation is ignored and not written back.
  EXPECT_EQ(s.NoteSet, NoteNotation::English);
  EXPECT_EQ(static_cast<int>(s.NoteSet), 0);
  ASSERT_TRUE(SaveSettings(s, TWindowPos{}));
  EXPECT_NE(Read(SettingsFile()).find("NoteSet=0\n"), std::string::npos);

  struct Case {
    const char* octaves;
    const char* timer;
    const char* codepage;
    const char* recognition;
    const char* keyAnswer;
    int8_t octaveCnt;
    int32_t timerResol;
    int32_t textCodepage;
    bool learned;
    TRememberedAnswer answer;
  } cases[] = {{"9", "0", "cp866", "Learned", "YES", 6, 1, 866, true, TRememberedAnswer::Yes},
               {"-3", "100000", "0", "neural", "1", 2, 1000, 1251, false, TRememberedAnswer::None},
               {"5", "$14", "x", "table", "no", 5, 20, 1251, false, TRememberedAnswer::No}};
  for (const Case& c : cases) {
    s = TSettings{};
    Write(SettingsFile(), std::string("[Main]\nOctaveCnt=") + c.octaves + "\nTimerResol=" + c.timer +
                              "\nTextCodepage=" + c.codepage + "\nChordRecognition=" + c.recognition + "\nKeysenseKeyAnswer=" + c.keyAnswer + "\n");
    Load();
    EXPECT_EQ(s.OctaveCnt, c.octaveCnt) << c.octaves;
    EXPECT_EQ(s.TimerResol, c.timerResol) << c.timer;
    EXPECT_EQ(s.TextCodepage, c.textCodepage) << c.codepage;
    EXPECT_EQ(s.LearnedChords, c.learned) << c.recognition;
    EXPECT_EQ(s.KeysenseKeyAnswer, c.answer) << c.keyAnswer;
  }
}

TEST_F(Settings, ABadChordTableStopsLoadingButNotTheKeysAfterIt) {
  s.NoteSet = NoteNotation::German;
  Write(SettingsFile(), "[Main]\nNoteSet=1\nTimerResol=30\nTextCodepage=866\n[Keysense]\nMain=C0 H0\n");
  TWindowPos pos;
  try {
    LoadSettings(s, pos);
    FAIL() << "no error";
  } catch (const EKeysenseError& e) {
    EXPECT_STREQ(e.what(), "Keysense initialization error.");
  }
  EXPECT_EQ(s.KeysenseTable.size(), 1u);
  EXPECT_EQ(s.NoteSet, NoteNotation::German);
  // Saving after the error must not turn the user's timer setting into the default.
  EXPECT_EQ(s.TimerResol, 30);
  EXPECT_EQ(s.TextCodepage, 866);
}

TEST_F(Settings, RecentFilesAreUniqueWithoutRegardToCaseAndAtMostTen) {
  int changes = 0;
  s.OnMRUChanged = [&changes] { ++changes; };
  for (int i = 1; i <= 11; ++i) AddToMRU(s, "/songs/" + std::to_string(i) + ".kar");
  EXPECT_EQ(s.MRUList.size(), 10u);
  EXPECT_EQ(s.MRUList.front(), "/songs/11.kar");
  EXPECT_EQ(s.MRUList.back(), "/songs/2.kar");  // the oldest was dropped

  AddToMRU(s, s.MRUList[4]);  // position 5 moves to the top (passing the entry itself is safe)
  EXPECT_EQ(s.MRUList[0], "/songs/7.kar");
  EXPECT_EQ(s.MRUList[1], "/songs/11.kar");
  EXPECT_EQ(s.MRUList[5], "/songs/6.kar");

  AddToMRU(s, "/Песни/Вечер.KAR");
  AddToMRU(s, "/песни/вечер.kar");
  EXPECT_EQ(s.MRUList.front(), "/песни/вечер.kar");
  EXPECT_EQ(s.MRUList.size(), 10u);
  EXPECT_FALSE(SameFileName("/песни/вечер.kar", "/песни/вечёр.kar"));

  AddToMRU(s, "");  // only rebuilds the menu
  EXPECT_EQ(changes, 15);
  std::vector<TMRUMenuItem> items = MRUMenuItems(s);
  ASSERT_EQ(items.size(), 10u);
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i].Tag, 100 + static_cast<int32_t>(i));
    EXPECT_EQ(items[i].Caption, s.MRUList[i]);
    EXPECT_EQ(MRUFileForTag(s, items[i].Tag), s.MRUList[i]);
  }
  EXPECT_FALSE(MRUFileForTag(s, 99));
  EXPECT_FALSE(MRUFileForTag(s, 110));

  ASSERT_TRUE(SaveSettings(s, TWindowPos{}));
  EXPECT_EQ(Read(SettingsFile()).find("MRU11"), std::string::npos);

  // A full list comes back whole on the next start, the oldest entry too.
  const std::vector<std::string> saved = s.MRUList;
  s.MRUList.clear();
  Load();
  EXPECT_EQ(s.MRUList, saved);
}

TEST_F(Settings, AGapEndsTheRecentFilesAndKeysBeyondTheListStay) {
  Write(SettingsFile(), "[Main]\nMRU1=/a\nMRU2=/b\nMRU3=\nMRU4=/d\n");
  Load();
  EXPECT_EQ(s.MRUList, (std::vector<std::string>{"/a", "/b"}));
  s.MRUList = {"/x"};
  ASSERT_TRUE(SaveSettings(s, TWindowPos{}));
  EXPECT_EQ(Read(SettingsFile()).rfind("[Main]\nMRU1=/x\nMRU2=/b\nMRU3=\nMRU4=/d\n", 0), 0u);
}

TEST_F(Settings, AnInstalledCopyKeepsTheUsersSettingsApartFromTheShippedChordTable) {
  fs::remove_all(root_ / "prog");
  fs::create_directories(root_ / "inst" / "bin");
  const std::string shipped = (root_ / "inst/share/cantaro/INI/cantaro.ini").string();
  Write(shipped, "; shipped\n[Keysense]\nMain=A1 E2\n");
  SetProgramFolder((root_ / "inst" / "bin").string());
  std::string config = (root_ / "config" / "cantaro").string() + "/";
  EXPECT_EQ(SettingsFolder, config);
  EXPECT_EQ(ShippedSettingsFile(), shipped);

  Load();  // before the first save the shipped table is in force
  EXPECT_EQ(s.KeysenseTable.size(), 2u);
  EXPECT_FALSE(fs::exists(config));  // reading creates nothing

  // The user's file is created without the table, which stays the shipped one's...
  s.Keysense = false;
  ASSERT_TRUE(SaveSettings(s, TWindowPos{}));
  std::string text = Read(config + "cantaro.ini");
  EXPECT_EQ(text.find("[Keysense]\nMain"), std::string::npos) << text;
  EXPECT_NE(text.find(shipped), std::string::npos) << "the file says where the table comes from";
  EXPECT_NE(text.find("Keysense=0\n"), std::string::npos);

  // ...so a better table shipped later reaches the user.
  Write(shipped, "[Keysense]\nMain=C0 G0 F0\nAdded=D0\n");
  Load();
  EXPECT_EQ(s.KeysenseTable.size(), 4u);

  // A table the user wrote is theirs: read from their file, and never overwritten.
  Write(config + "cantaro.ini", Read(config + "cantaro.ini") + "[Keysense]\nMain=E1\n");
  Load();
  EXPECT_EQ(s.KeysenseTable.size(), 1u);
  ASSERT_TRUE(SaveSettings(s, TWindowPos{}));
  EXPECT_NE(Read(config + "cantaro.ini").find("[Keysense]\nMain=E1\n"), std::string::npos);

  // An empty section is still the user's choice: no table, not the shipped one.
  Write(config + "cantaro.ini", "[Keysense]\n");
  Load();
  EXPECT_TRUE(s.KeysenseTable.empty());
}

TEST_F(Settings, AMissingSharedFolderIsNamedAndTheBuiltInDefaultsApply) {
  fs::remove_all(root_ / "prog");
  fs::create_directories(root_ / "inst" / "bin");
  SetProgramFolder((root_ / "inst" / "bin").string());
  EXPECT_EQ(DataFolderProblem(), (root_ / "inst/share/cantaro").string() + "/");
  EXPECT_EQ(ShippedSettingsFile(), "");
  Write(SettingsFile(), "[Main]\nShowHints=0\n");
  Load();
  EXPECT_FALSE(s.ShowHints);
  EXPECT_TRUE(s.KeysenseTable.empty());
  EXPECT_EQ(SettingsFolder, (root_ / "config" / "cantaro").string() + "/");
}

TEST_F(Settings, AFailedSaveNamesTheFileAndKeepsTheOldOne) {
  Write(SettingsFile(), "[Main]\nShowHints=0\n");
  Load();
  fs::remove_all(root_ / "prog" / "INI");  // the folder disappeared while the program ran
  TSettingsSaveResult r = SaveSettings(s, TWindowPos{});
  ASSERT_FALSE(r.Ok());
  EXPECT_EQ(r.Error().Text, "Не удалось сохранить настройки в файл\r" + SettingsFile() + ":\r" +
                           std::generic_category().message(ENOENT));

  // A settings file that cannot be read is not replaced by one without the user's keys.
  fs::create_directories(SettingsFile());
  r = SaveSettings(s, TWindowPos{});
  ASSERT_FALSE(r.Ok());
  EXPECT_NE(r.Error().Text.find(SettingsFile()), std::string::npos);
  EXPECT_TRUE(fs::is_directory(SettingsFile()));
}

TEST_F(Settings, GarbageInTheFileIsKeptAndNeverCrashesLoading) {
  const char raw[] = "\0\xff\xfe\r\r\n[Main\n[Main]\nShowHints=0\n=\n\x80\x81=\x82\n";
  std::string garbage(raw, sizeof raw - 1);
  garbage += std::string(200000, 'z');  // a very long line without a final line end
  Write(SettingsFile(), garbage);
  Load();
  EXPECT_FALSE(s.ShowHints);
  ASSERT_TRUE(SaveSettings(s, TWindowPos{}));
  std::string text = Read(SettingsFile());
  EXPECT_EQ(text.rfind(garbage.substr(0, 24), 0), 0u);
  // New lines follow the first line end of the file, here CR LF.
  EXPECT_NE(text.find(std::string(200000, 'z') + "\r\nPathTabulist"), std::string::npos);
}

TEST_F(Settings, TheShippedChordTableLoadsAndChoosesTheChordsOfTheKey) {
  SetProgramFolder(CANTARO_SOURCE_DIR);
  ASSERT_EQ(ShippedSettingsFile(), std::string(CANTARO_SOURCE_DIR) + "/INI/cantaro.ini");
  SetProgramFolder((root_ / "prog").string());
  fs::copy_file(std::string(CANTARO_SOURCE_DIR) + "/INI/cantaro.ini", SettingsFile());
  Load();
  ASSERT_GE(s.KeysenseTable.size(), 20u);

  // Weights by pitch class in the key of C, and what a musician calls the beat.
  struct Case {
    std::array<int32_t, 12> w;
    int32_t tonic;
    const char* name;
  } cases[] = {
      {{90, 0, 30, 0, 60, 0, 0, 60, 0, 0, 0, 0}, 0, "C"},    // C E G with a passing D
      {{60, 0, 0, 0, 60, 0, 0, 0, 0, 90, 0, 0}, 0, "Am"},    // A C E
      {{0, 0, 60, 0, 0, 60, 0, 90, 0, 0, 0, 60}, 0, "G7"},   // G B D F
      {{0, 0, 0, 0, 90, 0, 0, 0, 60, 0, 0, 60}, 0, "E"},     // E G# B: dominant of A minor
      {{60, 0, 0, 0, 0, 90, 0, 0, 60, 0, 0, 0}, 0, "Fm"},    // F Ab C: borrowed from C minor
      {{60, 0, 0, 0, 0, 60, 0, 0, 0, 90, 0, 0}, 0, "F"},     // F A C
      {{0, 60, 0, 0, 60, 0, 0, 0, 0, 90, 0, 0}, 7, "A"},     // A C# E in G major: V of V
  };
  for (const Case& c : cases) {
    std::optional<TChord> chord = KeysenseChoose(s.KeysenseTable, c.w, c.tonic);
    ASSERT_TRUE(chord) << c.name;
    EXPECT_EQ(ChordName(*chord, s.NoteSet), c.name);
  }
}

// Each owner (the window, the command line, a batch run) has a settings object of its own:
// reading and writing one leaves the other as it was, and two objects name the same chord in
// their own notations side by side.
TEST_F(Settings, TwoObjectsAreReadWrittenAndNameChordsIndependently) {
  {
    std::ofstream out(SettingsFile());
    out << "[Main]\nKeysense=0\nCommExport=0\nTextCodepage=cp1252\nOctaveCnt=9\nLeft=12\nNoteSet=2\nMRU1=/a.kar\n"
           "[Keysense]\nMain=C0 G0\n";
  }
  TSettings own;
  TWindowPos pos;
  LoadSettings(own, pos);
  EXPECT_FALSE(own.Keysense);
  EXPECT_FALSE(own.CommExport);
  EXPECT_EQ(own.TextCodepage, 1252);
  EXPECT_EQ(own.OctaveCnt, 6);  // kept to the octaves the dialog offers
  EXPECT_EQ(own.NoteSet, NoteNotation::Italian);
  EXPECT_EQ(own.MRUList, (std::vector<std::string>{"/a.kar"}));
  EXPECT_EQ(own.KeysenseTable.size(), 2u);
  EXPECT_EQ(pos.Left, 12);
  // The other object is untouched.
  EXPECT_TRUE(s.Keysense);
  EXPECT_TRUE(s.CommExport);
  EXPECT_EQ(s.TextCodepage, 1251);
  EXPECT_EQ(s.NoteSet, NoteNotation::English);
  EXPECT_TRUE(s.MRUList.empty());
  EXPECT_TRUE(s.KeysenseTable.empty());

  // The same chord in each object's notation, one after the other and back.
  s.NoteSet = NoteNotation::German;
  const TChord b7{.BasePitch = 59, .ChordType = 2};
  const TChord bb{.BasePitch = 58};
  EXPECT_EQ(ChordName(b7, s.NoteSet), "H7");
  EXPECT_EQ(ChordName(b7, own.NoteSet), "SI7");
  EXPECT_EQ(ChordName(bb, s.NoteSet), "B");
  EXPECT_EQ(ChordName(bb, own.NoteSet), "LA#");
  EXPECT_EQ(ChordName(b7, s.NoteSet), "H7");

  own.PlayKeys = false;
  ASSERT_TRUE(SaveSettings(own, pos));
  EXPECT_NE(Read(SettingsFile()).find("PlayKeys=0\n"), std::string::npos);
  EXPECT_NE(Read(SettingsFile()).find("Left=12\n"), std::string::npos);
  EXPECT_NE(Read(SettingsFile()).find("NoteSet=2\n"), std::string::npos);
  EXPECT_TRUE(s.PlayKeys);

  // A fresh object has the member initialisers, the load folder beside the program.
  s.Keysense = false;
  s.OctaveCnt = 3;
  s = TSettings{};
  EXPECT_TRUE(s.Keysense);
  EXPECT_EQ(s.OctaveCnt, 4);
  EXPECT_EQ(s.LoadDir, Prog() + "examples/");
}
