// Texts of MIDI files: UTF-8 stays, legacy code pages are decoded.
#include <gtest/gtest.h>

#include "export/CodePage.h"

namespace {

TEST(CodePage, DecodesTheThreeLegacyCodePages) {
  struct Case {
    TCodePage codePage;
    std::string bytes;
    std::string expected;
  } cases[] = {
      {TCodePage::Cp1251, "\xC0\xE1\xE2\xFF", "Абвя"},
      {TCodePage::Cp1251, "\xA8\xB8\xB9\x88", "Ёё№€"},
      {TCodePage::Cp1251, "\x98", "\xEF\xBF\xBD"},  // no character there
      {TCodePage::Cp1252, "caf\xE9 \x80\x9F", "café €Ÿ"},
      {TCodePage::Koi8r, "\xE1\xC2\xD7\xD1", "Абвя"},
      {TCodePage::Koi8r, "\xB3\xA3", "Ёё"},
      {TCodePage::Cp1251, "plain ASCII", "plain ASCII"},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeCodePage(c.bytes, c.codePage), c.expected) << c.expected;
}

TEST(CodePage, ValidUtf8StaysAndEverythingElseIsDecoded) {
  EXPECT_EQ(DecodeMidiText("Вечерний звон", TCodePage::Cp1251), "Вечерний звон");
  EXPECT_EQ(DecodeMidiText("\xC2\xE5\xF7\xE5\xF0", TCodePage::Cp1251), "Вечер");
  EXPECT_EQ(DecodeMidiText("\xC2\xE5\xF7\xE5\xF0", TCodePage::Koi8r), "бЕВЕП");
}

TEST(CodePage, RejectsMalformedUtf8) {
  const char* invalid[] = {
      "\xC0\xAF",          // overlong "/"
      "\xE0\x80\xAF",      // overlong, three bytes
      "\xED\xA0\x80",      // surrogate
      "\xF4\x90\x80\x80",  // above U+10FFFF
      "\xD0",              // cut short
      "\xBF",              // lone continuation byte
      "\xFF",
  };
  for (const char* s : invalid) EXPECT_FALSE(IsValidUtf8(s)) << testing::PrintToString(std::string(s));
  const char* valid[] = {"", "abc", "я", "€", "\xF0\x9F\x8E\xB5", "\xF4\x8F\xBF\xBF"};
  for (const char* s : valid) EXPECT_TRUE(IsValidUtf8(s)) << s;
}

TEST(CodePage, CountsCharactersNotBytes) {
  EXPECT_EQ(Utf8Length(""), 0u);
  EXPECT_EQ(Utf8Length("Am"), 2u);
  EXPECT_EQ(Utf8Length("Вечер"), 5u);
  EXPECT_EQ(Utf8Length("a\xFF" "b"), 3u);  // a stray byte counts once
}

TEST(CodePage, NamesAreRecognisedInAnyCase) {
  EXPECT_EQ(CodePageFromName("CP1251"), TCodePage::Cp1251);
  EXPECT_EQ(CodePageFromName("windows-1252"), TCodePage::Cp1252);
  EXPECT_EQ(CodePageFromName("KOI8-R"), TCodePage::Koi8r);
  EXPECT_FALSE(CodePageFromName("utf-16").has_value());
  for (TCodePage cp : {TCodePage::Cp1251, TCodePage::Cp1252, TCodePage::Koi8r})
    EXPECT_EQ(CodePageFromName(CodePageName(cp)), cp);
}

}  // namespace
