// How changes reach the mouse: fields, sections, blocks and whole configurations.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/resources.h"
#include "image/vendor_fields.h"
#include "support/session_fixture.h"

namespace kvrm::test {
namespace {

using ::testing::ElementsAre;

class SessionWritesTest : public SessionFixture {
 protected:
  std::vector<std::string> Sent() {
    std::vector<std::string> lines;
    for (const auto& r : bus.Log()) {
      if (r.kind == SimReport::Kind::kSent) lines.push_back(FormatSimReport(r));
    }
    return lines;
  }
  // Reads the mouse again and splits it; true when no section needed repair.
  bool MouseSectionsValid() {
    const ConfigImage& m = mouse->memory();
    auto valid = [&](int offset, int length) {
      return SectionChecksumValid(
          std::span(m).subspan(static_cast<size_t>(offset), static_cast<size_t>(length)));
    };
    return valid(layout::kVendorOffset, layout::kVendorLength) &&
           valid(layout::kUserOffset, layout::kUserLength) &&
           valid(layout::kProfileOffsets[0], layout::kProfileLength) &&
           valid(layout::kProfileOffsets[1], layout::kProfileLength) &&
           valid(layout::kProfileOffsets[2], layout::kProfileLength);
  }
  ConfigImage Factory(const std::string& name) {
    ConfigImage image{};
    const auto r = FindResource(kRcData, name);
    std::copy_n(r.begin(), std::min(r.size(), kImageSize), image.begin());
    return image;
  }
};

TEST_F(SessionWritesTest, AColourChangeIsOneThreeByteWriteWithoutChecksum) {
  StartWithMouse();
  const uint8_t rgb[] = {0xFF, 0x00, 0x00};
  ASSERT_TRUE(session.WriteField(0x39, rgb));
  EXPECT_THAT(Sent(), ElementsAre("> 40 05 00 39 FF 00 00 03"));
  EXPECT_TRUE(MouseSectionsValid()) << "the mouse keeps its checksums after a field write";
}

TEST_F(SessionWritesTest, VendorSectionWriteIsFiftyFiveShortWritesEndingInTheChecksum) {
  StartWithMouse();
  session.copies().vendor[162] = 0x44;
  session.WriteVendorSection();
  const auto sent = Sent();
  ASSERT_EQ(sent.size(), 55u);
  const uint8_t checksum = SectionChecksum(std::span(session.copies().vendor).first(163));
  char last[64];
  std::snprintf(last, sizeof last, "> 40 05 00 A2 44 %02X", checksum);
  EXPECT_TRUE(sent.back().starts_with(last)) << sent.back();
  EXPECT_TRUE(sent.back().ends_with(" 02"));
  EXPECT_EQ(mouse->memory()[163], checksum);
}

TEST_F(SessionWritesTest, ProfileWriteIsOneBlockThenUserReadBackAndTheReloadNudge) {
  StartWithMouse();
  mouse->memory()[164] = 0x01;  // the firmware switched to Profile 2 on its own
  session.copies().profiles[1][12] = 0x09;
  session.WriteProfileSections();
  const auto sent = Sent();
  ASSERT_EQ(sent.size(), 1u + 21u + 1u + 2u);
  EXPECT_EQ(sent[0], "> 40 07 00 C0 00 93 00 00");
  EXPECT_EQ(sent[22], "> 40 06 00 A4 00 1C 00 00");
  EXPECT_EQ(sent[23], "> 40 05 00 A4 0F 00 00 01");
  EXPECT_TRUE(sent[24].starts_with("> 40 05 00 A4 01 ")) << sent[24];
  for (const auto& p : session.copies().profiles) EXPECT_TRUE(SectionChecksumValid(p));
  EXPECT_EQ(mouse->memory()[241 + 12], 0x09);
  EXPECT_TRUE(MouseSectionsValid());
}

TEST_F(SessionWritesTest, FireKeysGoBetweenTheProfilesAndTheReadBack) {
  StartWithMouse();
  session.WriteProfileSectionsAndFireKeys();
  const auto sent = Sent();
  ASSERT_GT(sent.size(), 23u);
  EXPECT_EQ(sent[22], "> 40 07 01 E4 00 0C 00 00");
  EXPECT_EQ(sent[25], "> 40 06 00 A4 00 1C 00 00");
}

TEST_F(SessionWritesTest, MacroAreaIsTwoHalves) {
  StartWithMouse();
  session.WriteMacroArea();
  EXPECT_EQ(CountSent("> 40 07 01 F0 01 00"), 1);
  EXPECT_EQ(CountSent("> 40 07 02 F0 01 00"), 1);
}

TEST_F(SessionWritesTest, McuLedChangeRefreshesItsChecksumAndSetsControllerData) {
  StartWithMouse();
  session.copies().patch_header[8] = 0x01;
  session.WritePatchHeaderAndMcuLed(true);
  EXPECT_TRUE(SectionChecksumValid(std::span(session.copies().patch_header).subspan(8)));
  EXPECT_EQ(CountSent("> 40 07 03 F0 00 10"), 1);
  EXPECT_EQ(CountSent("> 40 01 07 C4 01"), 1);
  EXPECT_EQ(CountSent("> 40 01 07 C5 83"), 1);
}

TEST_F(SessionWritesTest, ReadBackWithoutTheMouseKeepsTheUserCopy) {
  StartWithMouse();
  const UserSection before = session.copies().user;
  session.link().ForgetDevice();
  session.RefreshProfileParameter();
  EXPECT_EQ(session.copies().user, before);
}

TEST_F(SessionWritesTest, TheFirmwaresOwnProfileAndDpiChangesAreReadByteByByte) {
  StartWithMouse();
  mouse->memory()[164] = 0x02;
  mouse->memory()[166] = 0x05;
  EXPECT_EQ(session.ReadCurrentProfileByte(), 0x02);
  EXPECT_EQ(session.ReadCurrentDpiLevelByte(), 0x05);
  EXPECT_THAT(Sent(), ElementsAre("> 40 09 00 A4 00 01 00 00", "> 40 09 00 A6 00 01 00 00"));
  EXPECT_EQ(session.copies().user[0], 0x02);
  EXPECT_EQ(session.copies().user[2], 0x05);
  session.link().ForgetDevice();
  EXPECT_FALSE(session.ReadCurrentDpiLevelByte());
  EXPECT_EQ(session.copies().user[2], 0x05);
}

TEST_F(SessionWritesTest, HeaderButtonsWithoutTheMouseShowFindingTheDevice) {
  session.Start();
  for (int n = 1; n <= 3; ++n) EXPECT_FALSE(session.DefaultParameterConfirm(n));
  EXPECT_EQ(observer.Count("message Str022"), 3);
  EXPECT_TRUE(bus.Log().empty());
}

TEST_F(SessionWritesTest, ResetOnA4230CWritesItsConfigurationOneAndKeepsRunning) {
  StartWithMouse(kVariantCode4230C);
  ASSERT_TRUE(session.DefaultParameterConfirm(1));
  EXPECT_EQ(mouse->restarts(), 0);
  ConfigImage expected = Factory("KVRM4230CData_Cfg1");
  std::copy_n(session.copies().patch_code.begin(), 512, expected.begin() + 1024);
  std::copy_n(mouse->memory().begin() + 1008, 8, expected.begin() + 1008);
  EXPECT_EQ(mouse->memory(), expected);
  EXPECT_EQ(observer.events.back(), "unlock");
  EXPECT_FALSE(session.refresh_in_progress());
}

TEST_F(SessionWritesTest, ConfirmThreeWritesRestartsAndReadsAgain) {
  StartWithMouse();
  ASSERT_TRUE(session.DefaultParameterConfirm(3));
  EXPECT_EQ(mouse->restarts(), 1);
  EXPECT_EQ(CountSent("> 40 07 00 00 08 00"), 1);
  EXPECT_EQ(CountSent("> 40 09 00 00 08 00"), 2)
      << "the backup read and the read after the restart";
  EXPECT_TRUE(session.DevicePresent());
  const ConfigImage factory = Factory("KVRM4210CData_Cfg3");
  EXPECT_TRUE(
      std::equal(factory.begin() + 1016, factory.begin() + 1024, mouse->memory().begin() + 1016));
}

TEST_F(SessionWritesTest, FactoryConfigurationsKeepTheMousesOwnPatchCode) {
  PlugMouse();
  for (int i = 0; i < 784; ++i)
    mouse->memory()[static_cast<size_t>(1024 + i)] = static_cast<uint8_t>(i * 13);
  mouse->memory()[1014] = 0xAB;
  mouse->memory()[1015] = 0xCD;
  const ConfigImage before = mouse->memory();
  session.Start();
  Tick();
  ASSERT_TRUE(session.DefaultParameterConfirm(2));
  EXPECT_TRUE(
      std::equal(before.begin() + 1008, before.begin() + 1016, mouse->memory().begin() + 1008));
  EXPECT_TRUE(
      std::equal(before.begin() + 1024, before.begin() + 1808, mouse->memory().begin() + 1024));

  session.default_inputs().led_type = "RGB";
  session.TLDefaultParameter();
  EXPECT_TRUE(
      std::equal(before.begin() + 1024, before.begin() + 1808, mouse->memory().begin() + 1024));
  EXPECT_TRUE(MouseSectionsValid());
}

TEST_F(SessionWritesTest, ADamagedProfileTwoIsRepairedWhileOneAndThreeKeepTheirCodes) {
  PlugMouse();
  mouse->memory()[192 + 20] = 0x07;
  mouse->memory()[290 + 20] = 0x07;
  StoreSectionChecksum(std::span(mouse->memory()).subspan(192, 49));
  StoreSectionChecksum(std::span(mouse->memory()).subspan(290, 49));
  mouse->memory()[241 + 3] ^= 0x01;
  session.Start();
  Tick();
  ProfileSection default_profile{};
  BuildProfileDefault(default_profile, session.default_inputs());
  const auto& profiles = session.copies().profiles;
  EXPECT_TRUE(std::equal(default_profile.begin(), default_profile.end() - 1, profiles[1].begin()));
  EXPECT_EQ(profiles[0][20], 0x07);
  EXPECT_EQ(profiles[2][20], 0x07);
  EXPECT_EQ(session.code_texts()[SlotTextIndex(1, 6)].substr(0, 2), "07");
}

}  // namespace
}  // namespace kvrm::test
