#include <gtest/gtest.h>

#include "base/untMesConst.h"

TEST(MessageTable, BuiltinTextsAreRussianCaptionsAndRuntimeErrors) {
  EXPECT_EQ(Mes(MesId::SCaptionError), "Ошибка");
  EXPECT_EQ(Mes(MesId::SReadBeyondEnd), "Read beyond end of file");
  EXPECT_EQ(MesName(MesId::SFileNotFound), "SFileNotFound");
}

TEST(MessageTable, ATranslationReplacesATextUntilReset) {
  SetMes(MesId::SCaptionError, "Error");
  EXPECT_EQ(Mes(MesId::SCaptionError), "Error");
  SetMes(MesId::SCaptionError, "");
  EXPECT_EQ(Mes(MesId::SCaptionError), "Ошибка");
  SetMes(MesId::SCaptionInfo, "Info");
  ResetAllMes();
  EXPECT_EQ(Mes(MesId::SCaptionInfo), "Информация");
}

TEST(MessageFormat, FillsPlaceholdersInOrder) {
  EXPECT_EQ(MesFormat("Файл \"%s\" пуст", "a.mid"), "Файл \"a.mid\" пуст");
  EXPECT_EQ(MesFormat(MesId::SInOutError, 103), "I/O error 103");
  EXPECT_EQ(MesFormat("%d%% of %s", 50, std::string("x")), "50% of x");
  EXPECT_EQ(MesFormat("%x", 255), "FF");
}

TEST(MessageLines, CarriageReturnsBecomeLineFeedsOnce) {
  EXPECT_EQ(MesLines("one\rtwo"), "one\ntwo");
  EXPECT_EQ(MesLines("one\r\ntwo\r"), "one\ntwo\n");
  EXPECT_EQ(MesLines("one\ntwo"), "one\ntwo");
}

TEST(MessageFormat, MissingArgumentsLeaveThePlaceholder) {
  EXPECT_EQ(MesFormat("%s and %s", "one"), "one and %s");
  EXPECT_EQ(MesFormat("trailing %"), "trailing %");
  EXPECT_EQ(MesFormat("%q stays", 1), "%q stays");
}
