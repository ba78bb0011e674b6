#include "common/resources.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kvrm {
namespace {

using ::testing::Contains;

TEST(Resources, LookupIgnoresCaseOfTypeAndName) {
  const auto exact = FindResource(kRcData, "LANG1");
  ASSERT_FALSE(exact.empty());
  EXPECT_EQ(FindResource("rcdata", "lang1").data(), exact.data());
  EXPECT_EQ(FindResource("RcData", "Lang1").size(), exact.size());
  EXPECT_THAT(ResourceNames(kRcData), Contains("KVRM4210CData_Cfg1"));
}

TEST(Resources, MissingResourcesAreEmpty) {
  EXPECT_TRUE(FindResource(kRcData, "LANG9").empty());
  EXPECT_TRUE(FindResource(kPng, "LANG1").empty()) << "the type is part of the key";
  EXPECT_TRUE(FindResource(kRcData, "").empty());
}

}  // namespace
}  // namespace kvrm
