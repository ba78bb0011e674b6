#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/resources.h"
#include "texts/language_parser.h"
#include "texts/language_set.h"

namespace kvrm::test {
namespace {

// Every key that a page, dialog or message of the tool reads.
struct KeyRange {
  int first;
  int last;
};
constexpr KeyRange kReadKeys[] = {
    {1, 2},     {4, 16},    {22, 22},   {100, 107}, {200, 208}, {210, 214}, {220, 223},
    {230, 233}, {240, 243}, {250, 254}, {260, 277}, {280, 286}, {290, 293}, {300, 311},
    {400, 402}, {404, 418}, {420, 422}, {430, 430}, {432, 435}, {440, 442}, {450, 451},
    {454, 458}, {500, 502}, {510, 512}, {520, 526}, {600, 606}, {620, 621}, {700, 707},
    {800, 810}, {812, 824}, {834, 847}, {849, 853}, {856, 871},
};

std::string StrKey(int n) {
  std::string digits = std::to_string(n);
  return "Str" + std::string(3 - digits.size(), '0') + digits;
}

bool LeftOutOfLanguages2And3(int n) {
  return n >= 860 && n <= 871;
}

// Texts that are empty on purpose: the second line of the no-device message in
// language 1 and the seventh RGB effect name.
bool MayBeEmpty(int language, int n) {
  return n == 865 || (language == 1 && n == 101);
}

class LanguageResourcesTest : public ::testing::Test {
 protected:
  LanguageSet languages = LanguageSet::FromResources();
};

TEST_F(LanguageResourcesTest, EveryReadKeyIsPresentInEveryLanguage) {
  for (int k = 1; k <= kLanguageCount; ++k) {
    const LanguageTable& table = languages.Table(k);
    EXPECT_NE(table.Text("FontName"), "") << k;
    EXPECT_NE(table.Text("Title"), "") << k;
    for (const KeyRange& range : kReadKeys) {
      for (int n = range.first; n <= range.last; ++n) {
        const std::string key = StrKey(n);
        if (k != 1 && LeftOutOfLanguages2And3(n) && !table.Has(key)) continue;
        ASSERT_TRUE(table.Has(key)) << "language " << k << " lacks " << key;
        if (!MayBeEmpty(k, n)) {
          EXPECT_NE(table.Text(key), "") << "language " << k << " " << key;
        }
      }
    }
  }
}

TEST_F(LanguageResourcesTest, LanguageOneTexts) {
  const std::pair<const char*, const char*> cases[] = {
      {"FontName", "Calibri"},
      {"Title", "Gaming Mouse"},
      {"Str001", "Reset"},
      {"Str016", "Confirm 3"},
      {"Str022", "Finding the specified device"},
      {"Str100", "Waiting for the device reconnect"},
      {"Str101", ""},
      {"Str105", "Please select a AIM Key"},
      {"Str200", "*"},
      {"Str205", "User-defined"},
      {"Str210", "Left Click"},
      {"Str222", "DPI +"},
      {"Str254", "KB Switch Loop"},
      {"Str270", "Play/Pause"},
      {"Str277", "Key Off"},
      {"Str284", "Stop"},
      {"Str311", "6400"},
      {"Str433", "Delect Macro"},
      {"Str451", "Insert X/Y axis Back"},
      {"Str526", "Input X/Y Value"},
      {"Str606", "7.62 Fire"},
      {"Str700", "Press 'Right Key'+'Back' to switch LED Mode"},
      {"Str705", "Right Key'+'Back' Switch Mode A/B"},
      {"Str803", "Continuse"},
      {"Str820", "4-Seasons"},
      {"Str858", "Mode1"},
      {"Str865", ""},
      {"Str867", "Untill the macro key released"},
      {"Str868", "Number of cycles(1-254)"},
      {"Str871", "AIM DPI"},
  };
  for (const auto& [key, text] : cases) EXPECT_EQ(languages.Table(1).Text(key), text) << key;
}

TEST_F(LanguageResourcesTest, LanguageThreeIsTheUsVariant) {
  const LanguageTable& us = languages.Table(3);
  EXPECT_EQ(us.Text("Title"), "USB Gaming Mouse");
  EXPECT_EQ(us.Text("FontName"), "Calibri");
  EXPECT_EQ(us.Text("Str022"), "Not find the specified device");
  EXPECT_EQ(us.Text("Str100"), "No Device Found");
  EXPECT_EQ(us.Text("Str101"), "Please check your device is attached to USB port");
  for (int n = 860; n <= 871; ++n) EXPECT_FALSE(us.Has(StrKey(n))) << n;
  EXPECT_EQ(us.Text("Str212"), "Middle Click");
}

TEST_F(LanguageResourcesTest, LanguageTwoIsACompleteChineseTranslation) {
  const LanguageTable& chinese = languages.Table(2);
  for (const auto& [key, text] : languages.Table(1).entries()) {
    EXPECT_TRUE(chinese.Has(key)) << key;
  }
  for (const auto& [key, text] : chinese.entries()) {
    EXPECT_EQ(text.find('?'), std::string::npos) << key << " " << text;
  }
  EXPECT_EQ(chinese.Text("Title"), "游戏鼠标");
  EXPECT_EQ(chinese.Text("Str212"), "中键");
  EXPECT_EQ(chinese.Text("Str200"), "*");
  EXPECT_EQ(chinese.Text("Str850"), "125Hz");
}

TEST_F(LanguageResourcesTest, LanguageButtonsNameTheirLanguages) {
  for (int k = 1; k <= kLanguageCount; ++k) {
    EXPECT_EQ(languages.Table(k).Text("Str011"), "English") << k;
    EXPECT_EQ(languages.Table(k).Text("Str012"), "中文") << k;
    EXPECT_EQ(languages.Table(k).Text("Str013"), "English (US)") << k;
  }
}

TEST_F(LanguageResourcesTest, DpiStepNamesAreTheSameEverywhere) {
  const char* const steps[] = {"200",  "400",  "600",  "800",  "1000", "1200",
                               "1600", "2000", "2400", "3200", "4800", "6400"};
  for (int k = 1; k <= kLanguageCount; ++k) {
    for (int i = 0; i < 12; ++i) EXPECT_EQ(languages.Table(k).Text(StrKey(300 + i)), steps[i]);
  }
}

TEST_F(LanguageResourcesTest, ResourcesAreQuotedUtf16Lines) {
  for (int k = 1; k <= kLanguageCount; ++k) {
    const std::string name = "lang" + std::to_string(k);
    const auto bytes = FindResource(kRcData, name);
    ASSERT_GE(bytes.size(), 2u) << name;
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFE);
    const std::string text = DecodeUtf16Le(bytes);
    ASSERT_TRUE(text.ends_with("\"\r\n")) << name;
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
      lines.push_back(text.substr(start, end - start));
    }
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "[" + name + "]");
    for (size_t i = 1; i < lines.size(); ++i) {
      EXPECT_TRUE(lines[i].size() >= 2 && lines[i].front() == '"' && lines[i].back() == '"')
          << name << " line " << i + 1 << ": " << lines[i];
    }
    EXPECT_EQ(languages.Table(k).entries().size(), lines.size() - 1) << name;
  }
}

TEST_F(LanguageResourcesTest, CurrentLanguageSelectsTexts) {
  EXPECT_EQ(languages.current(), 1);
  EXPECT_EQ(languages.LanguageText("Str212"), "Middle Click");
  EXPECT_EQ(languages.FontName(), "Calibri");
  ASSERT_TRUE(languages.Select(2));
  EXPECT_EQ(languages.LanguageText("Str212"), "中键");
  EXPECT_EQ(languages.Title(), "游戏鼠标");
  EXPECT_EQ(languages.LanguageText("Str999"), "");
  for (int refused : {0, 4, -1}) {
    EXPECT_FALSE(languages.Select(refused));
    EXPECT_EQ(languages.current(), 2);
  }
}

TEST_F(LanguageResourcesTest, ButtonLabelsTranslateThroughTheirKey) {
  EXPECT_EQ(languages.FindLanguageKey("Middle Click"), "Str212");
  EXPECT_EQ(languages.FindLanguageKey("中键"), "Str212");
  EXPECT_EQ(languages.FindLanguageKey("Stop"), "Str401");
  EXPECT_EQ(languages.FindLanguageKey("0300B700"), "");
  EXPECT_EQ(languages.FindLanguageKey(""), "");
  EXPECT_EQ(languages.FindLanguageKey("Reset"), "");
}

TEST_F(LanguageResourcesTest, ResourceNamesIgnoreCase) {
  EXPECT_EQ(LoadLanguageTable(2).Text("Str212"), "中键");
  EXPECT_FALSE(FindResource(kRcData, "LANG3").empty());
  EXPECT_TRUE(LoadLanguageTable(4).entries().empty());
}

LanguageTable Table(std::initializer_list<std::pair<const char*, const char*>> entries) {
  LanguageTable table;
  for (const auto& [key, text] : entries) table.Set(key, text);
  return table;
}

TEST(FindLanguageKeyTest, LastMatchWins) {
  const LanguageTable all_stop =
      Table({{"Str271", "Stop"}, {"Str284", "Stop"}, {"Str401", "Stop"}});
  struct Case {
    std::vector<LanguageTable> tables;
    std::string text;
    std::string key;
  };
  const Case cases[] = {
      {{all_stop, all_stop, all_stop}, "Stop", "Str401"},
      {{Table({{"Str401", "Stop"}}), {}, Table({{"Str271", "Stop"}})}, "Stop", "Str271"},
      {{all_stop}, "stop", ""},
      {{all_stop}, "Pause", ""},
      {{Table({{"Str022", "Finding"}, {"Str099", "Finding"}})}, "Finding", ""},
      {{Table({{"Str800", "Fire Key"}, {"Str230", "Fire Key"}})}, "Fire Key", "Str800"},
      {{Table({{"Str801", "Repeat"}})}, "Repeat", ""},
      {{Table({{"str100", "Waiting"}})}, "Waiting", "Str100"},
      {{Table({{"Str101", ""}})}, "", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(FindLanguageKey(c.tables, c.text), c.key) << c.text;
}

}  // namespace
}  // namespace kvrm::test
