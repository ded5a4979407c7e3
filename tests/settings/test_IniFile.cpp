#include <gtest/gtest.h>

#include <string>

#include "settings/IniFile.h"

using namespace std::string_literals;

TEST(IniFile, GivesBackEveryByteItDidNotWrite) {
  const std::string files[] = {
      "",
      "[Main]\nA=1\n",
      "[Main]\r\nA=1\r\n\r\n[Keys]\r\nB=2",  // CR LF, no final line end
      "\n\n[Main]\nA=1\r\nB=2\n",           // mixed line ends
      "\xEF\xBB\xBF[Main]\nA=1\n",           // byte order mark
      "garbage\0\xff\xfe[Main\n=\n==\n[]\n"s + std::string(100000, 'x') + "\n;c\n#d\n  [ Main ]  \nA = \"x\"",
  };
  for (const std::string& bytes : files) EXPECT_EQ(TIniFile(bytes).Text(), bytes);
}

TEST(IniFile, ReadsByTheRulesOfProfileFiles) {
  const TIniFile ini(
      "Lost=before any section\n"
      "[main]\n"
      "  PATH  =  \"C:\\Tools\\\"  \n"
      "Inner=\"a\"\"b\"\n"
      "Half=\"open\n"
      "Empty=\n"
      ";Comment=not a key\n"
      "Dup=first\n"
      "Dup=second\n"
      "[ Keys ]\n"
      "Colour=1\n"
      "[MAIN]\n"
      "Dup=third\n"
      "Later=only in the second Main\n");
  struct Case {
    const char* section;
    const char* key;
    std::string expected;
  } cases[] = {
      {"Main", "path", "C:\\Tools\\"},  // one pair of quotes and the blanks around go
      {"Main", "Inner", "a\"\"b"},      // only the enclosing pair
      {"Main", "Half", "\"open"},
      {"Main", "Empty", ""},
      {"Main", "Dup", "first"},
      {"main", "LATER", "only in the second Main"},
      {"Keys", "Colour", "1"},
      {"Main", ";Comment", "default"},
      {"Main", "Lost", "default"},
      {"Nowhere", "Dup", "default"},
  };
  for (const Case& c : cases) EXPECT_EQ(ini.ReadString(c.section, c.key, "default"), c.expected) << c.key;
}

TEST(IniFile, ASectionRightAfterAByteOrderMarkIsFound) {
  TIniFile ini("\xEF\xBB\xBF[Main]\r\nA=1\r\n");
  EXPECT_EQ(ini.ReadString("Main", "A", ""), "1");
  ini.WriteString("Main", "B", "2");
  EXPECT_EQ(ini.Text(), "\xEF\xBB\xBF[Main]\r\nA=1\r\nB=2\r\n");
}

TEST(IniFile, ReadsAValueUpTo2047BytesWithoutSplittingACharacter) {
  std::string ascii(3000, 'a');
  std::string cyrillic;  // two bytes per letter: byte 2047 is the middle of a letter
  for (int i = 0; i < 1500; ++i) cyrillic += "ж";
  const TIniFile ini("[S]\nA=" + ascii + "\nB=" + cyrillic + "\n");
  EXPECT_EQ(ini.ReadString("S", "A", ""), std::string(2047, 'a'));
  EXPECT_EQ(ini.ReadString("S", "B", "").size(), 2046u);
  EXPECT_EQ(ini.ReadRawValue("S", "A")->size(), 3000u);
}

TEST(IniFile, WritingChangesOnlyTheValueOfTheFirstOccurrence) {
  TIniFile ini("; mine\r\n[Main]\r\nDup = old\r\nOther=keep\r\n[main]\r\nDup=second\r\n");
  ini.WriteString("MAIN", "dup", "new");
  EXPECT_EQ(ini.Text(), "; mine\r\n[Main]\r\nDup = new\r\nOther=keep\r\n[main]\r\nDup=second\r\n");
}

TEST(IniFile, NewKeysGoToTheEndOfTheirSectionAndNewSectionsToTheEnd) {
  TIniFile ini("[Main]\nA=1\n\n; about Keys\n[Keys]\nB=2");
  ini.WriteInteger("Main", "C", 3);
  ini.WriteInteger("Keys", "D", 4);
  ini.WriteBool("New", "E", true);
  EXPECT_EQ(ini.Text(), "[Main]\nA=1\nC=3\n\n; about Keys\n[Keys]\nB=2\nD=4\n\n[New]\nE=1\n");

  TIniFile crlf("[Main]\r\n");
  crlf.WriteString("Main", "A", "1");
  crlf.WriteString("Keys", "B", "2");
  EXPECT_EQ(crlf.Text(), "[Main]\r\nA=1\r\n\r\n[Keys]\r\nB=2\r\n");
}

TEST(IniFile, WhatIsWrittenIsReadBack) {
  const std::string values[] = {"plain", " leading", "trailing\t", "\"quoted\"", "\"", "a\"\"b", "",
                                "=x=", "[not a section]", ";not a comment", "кириллица"};
  TIniFile ini("[S]\nK=old\n");
  for (const std::string& v : values) {
    ini.WriteString("S", "K", v);
    ini.WriteString("S", "New" + std::to_string(v.size()), v);
    TIniFile reread(ini.Text());
    EXPECT_EQ(reread.ReadString("S", "K", "?"), v);
    EXPECT_EQ(reread.ReadString("S", "New" + std::to_string(v.size()), "?"), v);
  }
  // A line break would start a new key in the file; it is dropped instead.
  ini.WriteString("S", "K", "one\r\nInjected=1");
  TIniFile reread(ini.Text());
  EXPECT_EQ(reread.ReadString("S", "K", ""), "oneInjected=1");
  EXPECT_FALSE(reread.KeyExists("S", "Injected"));
}

TEST(IniFile, EnclosingQuotesAreStrippedAsAPairOnly) {
  TIniFile ini("[S]\nEmpty=\"\"\nWord=\"x\"\nLone=\"\nInner=a\"b\nOpen=\"abc\nClose=abc\"\n");
  EXPECT_EQ(ini.ReadString("S", "Empty", "?"), "");
  EXPECT_EQ(ini.ReadString("S", "Word", "?"), "x");
  EXPECT_EQ(ini.ReadString("S", "Lone", "?"), "\"");
  EXPECT_EQ(ini.ReadString("S", "Inner", "?"), "a\"b");
  EXPECT_EQ(ini.ReadString("S", "Open", "?"), "\"abc");
  EXPECT_EQ(ini.ReadString("S", "Close", "?"), "abc\"");
  // An empty value stays empty through any number of saves and loads.
  TIniFile again(ini.Text());
  for (int round = 0; round < 3; ++round) {
    again.WriteString("S", "Empty", again.ReadString("S", "Empty", "?"));
    again = TIniFile(again.Text());
  }
  EXPECT_EQ(again.ReadString("S", "Empty", "?"), "");
}

TEST(IniFile, IntegersAreDecimalOrHexadecimal) {
  struct Case {
    const char* text;
    std::optional<int32_t> value;
  } cases[] = {
      {"16", 16},       {"0x10", 16},        {"0X10", 16},       {"$10", 16},
      {"-5", -5},       {"+7", 7},           {"-$10", -16},      {"$FFFFFFFF", -1},
      {"0x80000005", static_cast<int32_t>(0x80000005u)},         {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},            {"2147483648", std::nullopt},
      {"$123456789", std::nullopt},          {"0x", std::nullopt},
      {"abc", std::nullopt},                 {"", std::nullopt}, {"12a", std::nullopt},
      {"$", std::nullopt},                   {"0xg", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseIniInteger(c.text), c.value) << c.text;

  const TIniFile ini("[S]\nHex= 0x10 \nQuoted=\"12\"\nText=abc\nFlag=2\nOff=0\n");
  EXPECT_EQ(ini.ReadInteger("S", "Hex", 7), 16);
  EXPECT_EQ(ini.ReadInteger("S", "Quoted", 7), 12);
  EXPECT_EQ(ini.ReadInteger("S", "Text", 7), 7);
  EXPECT_EQ(ini.ReadInteger("S", "Missing", 7), 7);
  EXPECT_TRUE(ini.ReadBool("S", "Flag", false));
  EXPECT_FALSE(ini.ReadBool("S", "Off", true));
}

TEST(IniFile, RefusesNamesThatWouldBreakTheFile) {
  TIniFile ini;
  for (const char* bad : {"", "a=b", "[x", ";x", " x", "a\nb"})
    EXPECT_THROW(ini.WriteString("S", bad, "v"), std::invalid_argument) << bad;
  EXPECT_EQ(ini.Text(), "");
}
