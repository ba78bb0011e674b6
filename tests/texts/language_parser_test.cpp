#include "texts/language_parser.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvrm::test {
namespace {

using ::testing::ElementsAre;

std::vector<uint8_t> Utf16Le(std::u16string_view text, bool with_bom = true) {
  std::vector<uint8_t> bytes;
  if (with_bom) bytes = {0xFF, 0xFE};
  for (char16_t unit : text) {
    bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<uint8_t>(unit >> 8));
  }
  return bytes;
}

TEST(LanguageParserTest, ReadsUtf16WithOrWithoutByteOrderMark) {
  for (bool with_bom : {true, false}) {
    const auto table = ParseLanguageResource(
        Utf16Le(u"[lang2]\r\n\"Str212=中键\"\r\n\r\n\"Title=Gaming Mouse\"\r\n", with_bom),
        "lang2");
    EXPECT_EQ(table.Text("Str212"), "中键") << with_bom;
    EXPECT_EQ(table.Text("Title"), "Gaming Mouse") << with_bom;
  }
}

TEST(LanguageParserTest, UnquotedEntryFallsApartAtItsSpace) {
  const auto table = ParseLanguageResource(Utf16Le(u"[lang1]\r\nStr001=Reset All\r\n"), "lang1");
  EXPECT_EQ(table.Text("Str001"), "Reset");
  EXPECT_EQ(table.entries().size(), 1u);
}

TEST(LanguageParserTest, EntryTextsAsStored) {
  struct Case {
    std::u16string line;
    std::string text;
  };
  const Case cases[] = {
      {u"\"Str500=Say \"\"hi\"\"\"", "Say \"hi\""},
      {u"\"Str500=  padded text \t\"", "padded text"},
      {u"\"  Str500  =x\"", "x"},
      {u"\"Str500=a=b\"", "a=b"},
      {u"\"Str500=\"", ""},
      {u"\"Str500=\U0001F5B1 mouse\"", "\U0001F5B1 mouse"},
      {u"\"Str500=\"\"", "\""},
  };
  for (const Case& c : cases) {
    const auto table = ParseLanguageResource(Utf16Le(u"[lang1]\r\n" + c.line), "lang1");
    EXPECT_TRUE(table.Has("Str500")) << c.text;
    EXPECT_EQ(table.Text("Str500"), c.text);
  }
}

TEST(LanguageParserTest, SectionNamesAndKeysIgnoreCase) {
  const auto bytes = Utf16Le(u"\"[ LANG1 ]\"\r\n\"STR212=Middle Click\"\r\n\"fontname=Calibri\"");
  const auto table = ParseLanguageResource(bytes, "lang1");
  EXPECT_EQ(table.Text("Str212"), "Middle Click");
  EXPECT_EQ(table.Text("str212"), "Middle Click");
  EXPECT_EQ(table.Text("FontName"), "Calibri");
  EXPECT_TRUE(ParseLanguageResource(bytes, "lang2").entries().empty());
}

TEST(LanguageParserTest, OnlyEntriesOfTheSectionCount) {
  const auto table = ParseLanguageResource(
      Utf16Le(u"\"Str001=Before\"\r\n[lang1]\r\n\";Str002=Note\"\r\n\"NoEquals\"\r\n"
              u"\"Str003=First\"\r\n\"Str003=Second\"\r\n[other]\r\n\"Str004=Elsewhere\"\r\n"
              u"[lang1]\r\n\"Str005=Again\""),
      "lang1");
  EXPECT_FALSE(table.Has("Str001"));
  EXPECT_FALSE(table.Has("Str002"));
  EXPECT_EQ(table.Text("Str003"), "First");
  EXPECT_FALSE(table.Has("Str004"));
  EXPECT_EQ(table.Text("Str005"), "Again");
}

TEST(LanguageParserTest, ItemsSplitAtBlanksAndQuotes) {
  EXPECT_THAT(SplitLanguageItems("a\tb\r\n\x01 c"), ElementsAre("a", "b", "c"));
  EXPECT_THAT(SplitLanguageItems("\"a b\"c \"\" d\"e"), ElementsAre("a b", "c", "", "d\"e"));
  EXPECT_THAT(SplitLanguageItems("\"open to the end"), ElementsAre("open to the end"));
  EXPECT_THAT(SplitLanguageItems("  \r\n "), ElementsAre());
}

TEST(LanguageParserTest, MalformedUtf16DecodesWithoutLoss) {
  EXPECT_EQ(DecodeUtf16Le(std::vector<uint8_t>{0xFF, 0xFE, 'A', 0, 'B'}), "A");
  EXPECT_EQ(DecodeUtf16Le(std::vector<uint8_t>{0xFF}), "");
  EXPECT_EQ(DecodeUtf16Le(Utf16Le(u"a\xD800z")), "a\uFFFDz");
  EXPECT_EQ(DecodeUtf16Le(Utf16Le(u"\xDC00\xD83D")), "\uFFFD\uFFFD");
  EXPECT_EQ(DecodeUtf16Le(Utf16Le(u"\xD83D\xDDB1")), "\U0001F5B1");
}

TEST(LanguageParserTest, MissingClosingQuoteCostsOnlyTheNextLine) {
  const auto table = ParseLanguageResource(
      Utf16Le(u"[lang1]\r\n\"Str001=Reset\r\n\"Str002=Confirm 2\"\r\n\"Str016=Confirm 3\""),
      "lang1");
  EXPECT_EQ(table.Text("Str001"), "Reset");
  EXPECT_EQ(table.Text("Str002"), "Confirm");
  EXPECT_EQ(table.Text("Str016"), "Confirm 3");
}

TEST(LayoutIniTest, OneItemPerLine) {
  const auto ini = ParseIniLines(
      "// \xC9\xE8\xD6\xC3 remark\r\n[ORG1]\r\nSize_A = 9\r\n;Size_B=1\r\nWeb = http://a b/\n"
      "Path=C:\\Users\\Public\\Documents\\\rDPILED_Status=1");
  const auto& org1 = ini.Section("org1");
  EXPECT_EQ(org1.Text("size_a"), "9");
  EXPECT_FALSE(org1.Has("Size_B"));
  EXPECT_EQ(org1.Text("Web"), "http://a b/");
  EXPECT_EQ(org1.Text("Path"), "C:\\Users\\Public\\Documents\\");
  EXPECT_EQ(org1.Text("DPILED_Status"), "1");
  EXPECT_EQ(org1.entries().size(), 4u);
  EXPECT_FALSE(ini.Has("org"));
  EXPECT_TRUE(ini.Section("org").entries().empty());
}

TEST(LayoutIniTest, EightBitRemarksPassThrough) {
  const auto ini = ParseIniLines("[org]\r\nNote=\xB5\xC6\xB9\xE2 ; kept\r\n");
  EXPECT_EQ(ini.Section("ORG").Text("Note"), "\xB5\xC6\xB9\xE2 ; kept");
}

}  // namespace
}  // namespace kvrm::test
