#include "image/vendor_fields.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kvrm::test {
namespace {

using namespace kvrm::vendor;

std::vector<uint8_t> At(const VendorSection& v, int offset, int length) {
  return {v.begin() + offset, v.begin() + offset + length};
}

TEST(VendorFieldsTest, UsbIdsAreBigEndian) {
  VendorSection v{};
  SetVendorId(v, 0x7A5C);
  SetProductId(v, 0x08B8);
  EXPECT_EQ(At(v, 0, 4), (std::vector<uint8_t>{0x7A, 0x5C, 0x08, 0xB8}));
  EXPECT_EQ(VendorId(v), 0x7A5C);
  EXPECT_EQ(ProductId(v), 0x08B8);
}

TEST(VendorFieldsTest, EachOptionFieldOwnsExactlyItsBits) {
  struct Case {
    OptionField field;
    int offset;
    uint8_t mask;
  };
  const Case cases[] = {
      {kIcType, 4, 0xC0},          {kReportRate, 4, 0x30},       {kSensorEnhance, 4, 0x08},
      {kLedPackage, 5, 0x80},      {kKeyMatrixType, 5, 0x40},    {kDpiIndication, 5, 0x30},
      {kDpiSet, 5, 0x0C},          {kDpiLevel, 5, 0x03},         {kSensorRotation, 6, 0xC0},
      {kDpiPrescale, 6, 0x30},     {kFireKeyFrequency, 6, 0x0C}, {kFireKeyCount, 6, 0x03},
      {kLedCtrl0, 7, 0x80},        {kLedCtrl1, 7, 0x40},         {kLedModeFuse, 7, 0x30},
      {kComboKeyTime, 7, 0x08},    {kUsbCdr, 7, 0x04},           {kSensorSleep, 7, 0x02},
      {kUsbMscMode, 7, 0x01},      {kEftRelyNak, 8, 0x08},       {kEftRelug, 8, 0x04},
      {kKeepProfileInfo, 8, 0x02}, {kProfileLedFlash, 8, 0x01},
  };
  for (const Case& c : cases) {
    VendorSection v{};
    SetOption(v, c.field, 0xFF);
    EXPECT_EQ(v[static_cast<size_t>(c.offset)], c.mask) << c.offset << " " << int{c.mask};
    v.fill(0xFF);
    SetOption(v, c.field, 0);
    EXPECT_EQ(v[static_cast<size_t>(c.offset)], static_cast<uint8_t>(~c.mask));
    EXPECT_EQ(Option(v, c.field), 0);
  }
}

TEST(VendorFieldsTest, ReportRateAndPrescaleKeepTheOtherBits) {
  VendorSection v{};
  v[4] = 0xBF;
  SetOption(v, kReportRate, 2);  // 500 Hz
  EXPECT_EQ(v[4], 0xAF);
  EXPECT_EQ(Option(v, kReportRate), 2);
  EXPECT_EQ(Option(v, kIcType), 2);
  v[6] = 0x7F;
  SetOption(v, kDpiPrescale, 1);  // 1.12x
  EXPECT_EQ(v[6], 0x5F);
}

TEST(VendorFieldsTest, SensorRegisterNames) {
  EXPECT_EQ(SensorRegisterName(9), "Avg_lb_lq");
  EXPECT_EQ(SensorRegisterName(16), "HSqDcrDiv_LSqDcrDiv");
  EXPECT_EQ(SensorRegisterName(35), "illumXledAvgThr");
  EXPECT_EQ(SensorRegisterName(39), "Misc_G8CorBit");
  EXPECT_EQ(SensorRegisterName(8), "");
  EXPECT_EQ(SensorRegisterName(40), "");
  std::set<std::string_view> names;
  for (size_t i = 0; i < kSensorRegisters.size(); ++i) {
    EXPECT_EQ(kSensorRegisters[i].offset, 9 + static_cast<int>(i));
    names.insert(kSensorRegisters[i].name);
  }
  EXPECT_EQ(names.size(), kSensorRegisters.size());
}

TEST(VendorFieldsTest, EffectsMaskByLedType) {
  const EffectBoxes all{true, true, true, true, true, true, true};
  const EffectBoxes only4{false, false, false, false, true, false, false};
  const EffectBoxes first_and_third{true, false, true, false, false, false, false};
  struct Case {
    LedType type;
    EffectBoxes boxes;
    uint8_t mask;
  };
  const Case cases[] = {
      {LedType::kNt, only4, 0x10},   {LedType::kNt, all, 0x37},
      {LedType::kRgb, all, 0x7F},    {LedType::kOther, all, 0x7F},
      {LedType::kSync, all, 0x07},   {LedType::kSync, first_and_third, 0x05},
      {LedType::kMcuLed, all, 0xFE}, {LedType::kMcuLed, first_and_third, 0x0A},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EffectsMask(c.type, c.boxes), c.mask) << int{c.mask};
    EXPECT_EQ(EffectsMask(c.type, EffectBoxesFromMask(c.type, c.mask)), c.mask);
  }
  EXPECT_EQ(EffectBoxesFromMask(LedType::kNt, 0xFF),
            (EffectBoxes{true, true, true, false, true, true, false}));
  EXPECT_EQ(EffectBoxesFromMask(LedType::kMcuLed, 0x7F),
            (EffectBoxes{true, true, true, true, true, true, false}));
}

TEST(VendorFieldsTest, DpiLevelsShareBytesByNibble) {
  VendorSection v{};
  v[44] = 0x64;
  EXPECT_EQ(DpiLevelIndex(v, 1), 4);
  EXPECT_EQ(DpiLevelIndex(v, 2), 6);
  SetDpiLevelIndex(v, 4, 2);
  SetDpiLevelIndex(v, 3, 7);
  EXPECT_EQ(v[45], 0x27);
  SetDpiLevelIndex(v, 8, 15);
  EXPECT_EQ(v[47], 0xF0);
  EXPECT_EQ(v[44], 0x64);
  EXPECT_THROW(DpiLevelIndex(v, 9), std::out_of_range);
  EXPECT_THROW(SetDpiLevelIndex(v, 0, 1), std::out_of_range);
}

TEST(VendorFieldsTest, DpiLevelCountIsStoredMinusOne) {
  VendorSection v{};
  SetDpiLevelCount(v, 4);
  EXPECT_EQ(v[43], 3);
  EXPECT_EQ(DpiLevelCount(v), 4);
  SetDpiLevelCount(v, 12);
  EXPECT_EQ(v[43], 7);
  SetDpiLevelCount(v, 0);
  EXPECT_EQ(v[43], 0);
}

TEST(VendorFieldsTest, BreathingTimingIsBigEndian) {
  VendorSection v{};
  SetLedLower(v, 0x0102);
  SetLedUpper(v, 0xFFFF);
  SetLowerDelay(v, 0x0064);
  SetUpperDelay(v, 0xABCD);
  SetStepDelay(v, 50);
  EXPECT_EQ(At(v, 48, 9),
            (std::vector<uint8_t>{0x01, 0x02, 0xFF, 0xFF, 0x00, 0x64, 0xAB, 0xCD, 50}));
  EXPECT_EQ(UpperDelay(v), 0xABCD);
  EXPECT_EQ(LedUpper(v), 0xFFFF);
}

TEST(VendorFieldsTest, LedInitBytes) {
  VendorSection v{};
  SetLedInit0(v, 0x06);
  SetLedInit1(v, 0x87);
  EXPECT_EQ(At(v, 40, 2), (std::vector<uint8_t>{0x06, 0x87}));
  EXPECT_EQ(LedInit1(v), 0x87);
}

TEST(VendorFieldsTest, ColoursAndComboKeysStayInsideTheirTables) {
  VendorSection v{};
  SetBaseColour(v, 10, {1, 2, 3});
  SetDpiColour(v, 1, {4, 5, 6});
  SetDpiColour(v, 8, {7, 8, 9});
  SetComboCode(v, 9, {0x07, 0xD1, 0xF0, 0x18});
  EXPECT_EQ(At(v, 84, 6), (std::vector<uint8_t>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(At(v, 108, 3), (std::vector<uint8_t>{7, 8, 9}));
  EXPECT_EQ(At(v, 159, 4), (std::vector<uint8_t>{0x07, 0xD1, 0xF0, 0x18}));
  EXPECT_EQ(BaseColour(v, 10), (Rgb{1, 2, 3}));
  EXPECT_EQ(ComboCode(v, 9), (std::array<uint8_t, 4>{0x07, 0xD1, 0xF0, 0x18}));
  EXPECT_EQ(BaseColourOffset(1), 57);
  EXPECT_EQ(DpiColourOffset(1), 87);
  EXPECT_EQ(ComboKeyOffset(1), 127);
  EXPECT_THROW(SetBaseColour(v, 11, {}), std::out_of_range);
  EXPECT_THROW(SetDpiColour(v, 9, {}), std::out_of_range);
  EXPECT_THROW(ComboCode(v, 10), std::out_of_range);
  EXPECT_THROW(SetComboCode(v, 0, {}), std::out_of_range);
}

TEST(VendorFieldsTest, UsbDescriptionIsZeroPaddedWithoutTerminatorAtFullLength) {
  VendorSection v;
  v.fill(0xAA);
  SetUsbDescription(v, "Mouse");
  std::vector<uint8_t> expected{'M', 'o', 'u', 's', 'e'};
  expected.resize(16, 0x00);
  EXPECT_EQ(At(v, 111, 16), expected);
  EXPECT_EQ(v[110], 0xAA);
  EXPECT_EQ(v[127], 0xAA);
  EXPECT_EQ(UsbDescription(v), "Mouse");
  SetUsbDescription(v, "HID Gaming Mouse and more");
  EXPECT_EQ(UsbDescription(v), "HID Gaming Mouse");
  EXPECT_EQ(v[127], 0xAA);
}

TEST(VendorFieldsTest, UsbDescriptionChunksCoverTheFieldInOrder) {
  int next = kUsbDescriptionOffset;
  for (const WriteChunk& chunk : kUsbDescriptionChunks) {
    EXPECT_EQ(chunk.offset, next);
    next += chunk.length;
  }
  EXPECT_EQ(next, kUsbDescriptionOffset + kUsbDescriptionLength);
  EXPECT_EQ(kUsbDescriptionChunks.back().length, 1);
}

}  // namespace
}  // namespace kvrm::test
