// The hidraw backend is built only on Linux.
#if defined(__linux__)

#include "device/hid_backend_linux.h"

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

namespace kvrm {
namespace {

namespace fs = std::filesystem;

struct UeventCase {
  std::string name;
  std::string text;
  bool ok;
  uint16_t vendor_id, product_id;
};

class UeventTest : public testing::TestWithParam<UeventCase> {};

TEST_P(UeventTest, ReadsHidId) {
  const UeventCase& c = GetParam();
  const auto attributes = ParseHidUevent(c.text);
  ASSERT_EQ(attributes.has_value(), c.ok);
  if (!c.ok) return;
  EXPECT_EQ(attributes->vendor_id, c.vendor_id);
  EXPECT_EQ(attributes->product_id, c.product_id);
}

INSTANTIATE_TEST_SUITE_P(
    Uevents, UeventTest,
    testing::Values(UeventCase{"Mouse",
                               "DRIVER=hid-generic\nHID_ID=0003:00007A5C:000008B8\nHID_NAME=Mouse\n"
                               "MODALIAS=hid:b0003g0001v00007A5Cp000008B8\n",
                               true, 0x7A5C, 0x08B8},
                    UeventCase{"LastLineWithoutNewline", "HID_ID=0005:0000046d:0000b01a", true,
                               0x046D, 0xB01A},
                    UeventCase{"NoHidId", "DRIVER=hid-generic\nHID_NAME=x\n", false, 0, 0},
                    UeventCase{"IdAbove16Bits", "HID_ID=0003:00017A5C:000008B8\n", false, 0, 0},
                    UeventCase{"MissingProduct", "HID_ID=0003:00007A5C\n", false, 0, 0},
                    UeventCase{"NotHex", "HID_ID=0003:00007A5G:000008B8\n", false, 0, 0}),
    [](const testing::TestParamInfo<UeventCase>& info) { return info.param.name; });

// A class directory and a device directory laid out as sysfs and /dev have them,
// with regular files standing in for the nodes.
class FakeTreeTest : public testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::path(testing::TempDir()) /
            ("hidraw_tree_" +
             std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "dev");
    AddNode("hidraw10", "HID_ID=0003:00007A5C:000008B8\n", true);
    AddNode("hidraw2", "HID_ID=0003:0000046D:0000C077\n", true);
    AddNode("hidraw3", "HID_ID=0003:00001234:00005678\n", false);
  }
  void TearDown() override { fs::remove_all(root_); }

  void AddNode(const std::string& name, const std::string& uevent, bool with_dev_node) {
    fs::create_directories(root_ / "class" / name / "device");
    std::ofstream(root_ / "class" / name / "device" / "uevent") << uevent;
    if (with_dev_node) std::ofstream(root_ / "dev" / name) << "";
  }

  std::string Dev(const std::string& name) const { return (root_ / "dev" / name).string(); }

  fs::path root_;
};

TEST_F(FakeTreeTest, EnumeratesInNumericOrderAndCountsNodesThatOpen) {
  LinuxHidBackend backend((root_ / "class").string(), (root_ / "dev").string());
  const auto paths = backend.InterfacePaths();
  ASSERT_TRUE(paths.has_value());
  EXPECT_EQ(*paths, (std::vector<std::string>{Dev("hidraw2"), Dev("hidraw3"), Dev("hidraw10")}));
  EXPECT_EQ(backend.CountOpenable(), 2);
}

TEST_F(FakeTreeTest, AttributesFollowTheOpenedNode) {
  LinuxHidBackend backend((root_ / "class").string(), (root_ / "dev").string());
  const HidHandle handle = backend.Open(Dev("hidraw10"), HidAccess::kNone);
  ASSERT_NE(handle, kInvalidHandle);
  HidAttributes attributes;
  ASSERT_TRUE(backend.GetAttributes(handle, &attributes));
  EXPECT_EQ(attributes.vendor_id, 0x7A5C);
  EXPECT_EQ(attributes.product_id, 0x08B8);
  backend.Close(handle);
  EXPECT_FALSE(backend.GetAttributes(handle, &attributes));
  EXPECT_EQ(backend.Open(Dev("hidraw3"), HidAccess::kNone), kInvalidHandle);
}

TEST(LinuxHidBackendTest, MissingClassDirectoryGivesNoList) {
  LinuxHidBackend backend("/nonexistent/hidraw", "/nonexistent");
  EXPECT_FALSE(backend.InterfacePaths().has_value());
  EXPECT_EQ(backend.CountOpenable(), 0);
}

}  // namespace
}  // namespace kvrm

#endif  // defined(__linux__)
