#include "device/device_link.h"

#include <gtest/gtest.h>

#include "device/clock.h"
#include "sim/simulated_bus.h"
#include "sim/simulation.h"

namespace kvrm {
namespace {

class DeviceLinkTest : public ::testing::Test {
 protected:
  void AddMouse() { bus.AddMouse(kVariantCode4210C, SimulatorStartImage("4210C")); }
  SimInterfaceSpec Other(const std::string& path, uint16_t vid = 0x046D, uint16_t pid = 0xC077,
                         int feature = 0) {
    SimInterfaceSpec spec;
    spec.path = path;
    spec.vendor_id = vid;
    spec.product_id = pid;
    spec.capabilities = {5, 0, feature};
    return spec;
  }
  bool AllInvalid() {
    return link.command_handle() == kInvalidHandle && link.reply_handle() == kInvalidHandle &&
           link.read_handle() == kInvalidHandle;
  }

  VirtualClock clock;
  SimulatedHidBus bus{clock};
  DeviceLink link{bus};
};

TEST_F(DeviceLinkTest, NoMatchingInterfaceLeavesHandlesInvalid) {
  bus.AddInterface(Other("kbd"));
  EXPECT_FALSE(link.FindAndOpenDevice(0x7A5C, 0x08B8));
  EXPECT_FALSE(link.SearchAcceptedIds());
  EXPECT_TRUE(AllInvalid());
  EXPECT_EQ(link.device_vendor_id(), 0);
}

TEST_F(DeviceLinkTest, FindsTheMouseAndProbesWithIdentify) {
  bus.AddInterface(Other("kbd"));
  AddMouse();
  ASSERT_TRUE(link.SearchAcceptedIds());
  EXPECT_TRUE(link.DevicePresent());
  EXPECT_NE(link.read_handle(), kInvalidHandle);
  EXPECT_EQ(link.device_vendor_id(), 0x7A5C);
  EXPECT_EQ(link.device_product_id(), 0x08B8);
  EXPECT_EQ(link.feature_report_length(), 8);
  EXPECT_EQ(link.input_report_length(), 8);
  EXPECT_EQ(bus.LogText(), "> 40 0D 00 00 00 00 00 00\n< 41 42 3A 00 00 00 00 00\n");
}

TEST_F(DeviceLinkTest, MatchingIdsWithA16ByteFeatureReportAreRejected) {
  bus.AddInterface(Other("wide", 0x7A5C, 0x08B8, 16));
  EXPECT_FALSE(link.FindAndOpenDevice(0x7A5C, 0x08B8));
  EXPECT_TRUE(AllInvalid());
}

TEST_F(DeviceLinkTest, TheLastMatchingInterfaceKeepsTheHandles) {
  AddMouse();
  bus.AddInterface(Other("twin", 0x7A5C, 0x08B8, 8));
  ASSERT_TRUE(link.SearchAcceptedIds());
  ASSERT_TRUE(link.DevicePresent());
  bus.ClearLog();
  const uint8_t report[8] = {0x40, 0x0D};
  EXPECT_TRUE(link.HidSetFeature(link.command_handle(), report));
  EXPECT_TRUE(bus.Log().empty()) << "the command went to the mouse, not the later twin";
}

TEST_F(DeviceLinkTest, FailedCommandProbeLeavesOnlyTheReplyHandle) {
  AddMouse();
  bus.ArmFaults({.fail_transfer = 1});
  EXPECT_TRUE(link.SearchAcceptedIds());
  EXPECT_EQ(link.command_handle(), kInvalidHandle);
  EXPECT_NE(link.reply_handle(), kInvalidHandle);
  EXPECT_FALSE(link.DevicePresent());
}

TEST_F(DeviceLinkTest, CountSkipsUnopenableAndUnnamedInterfaces) {
  AddMouse();
  bus.AddInterface(Other("kbd"));
  SimInterfaceSpec locked = Other("locked");
  locked.openable = false;
  bus.AddInterface(locked);
  SimInterfaceSpec nameless = Other("nameless", 0x7A5C, 0x08B8, 8);
  nameless.path_query_fails = true;
  bus.AddInterface(nameless);
  EXPECT_EQ(link.CountHidDevices(), 2);
  // The mouse enumerated before the nameless twin is still found.
  EXPECT_TRUE(link.SearchAcceptedIds());
  EXPECT_TRUE(link.DevicePresent());
}

TEST_F(DeviceLinkTest, AcceptedIdsWithAZeroIdAreSkipped) {
  AddMouse();
  link.accepted_ids() = {{0, 0x08B8}, {0x7A5C, 0}};
  EXPECT_FALSE(link.SearchAcceptedIds());
  link.accepted_ids().push_back(kMouseId);
  EXPECT_TRUE(link.SearchAcceptedIds());
}

TEST_F(DeviceLinkTest, TransfersOnInvalidHandlesFailWithoutTheBus) {
  AddMouse();
  uint8_t report[8] = {0x41};
  EXPECT_FALSE(link.HidSetFeature(kInvalidHandle, report));
  EXPECT_FALSE(link.HidGetFeature(kInvalidHandle, report));
  EXPECT_FALSE(link.HidReadInput(report, sizeof report, 0));
  EXPECT_TRUE(bus.Log().empty());
}

TEST_F(DeviceLinkTest, InputReportsArriveOnTheReadHandle) {
  AddMouse();
  ASSERT_TRUE(link.SearchAcceptedIds());
  uint8_t report[8] = {};
  EXPECT_FALSE(link.HidReadInput(report, sizeof report, 0));
  bus.QueueInputReport({0x42, 0x00, 0x00, 0x08});
  ASSERT_TRUE(link.HidReadInput(report, sizeof report, 0));
  EXPECT_EQ(report[0], 0x42);
  EXPECT_EQ(report[3], 0x08);
  EXPECT_NE(bus.LogText().find("! 42 00 00 08 00 00 00 00"), std::string::npos);
}

}  // namespace
}  // namespace kvrm
