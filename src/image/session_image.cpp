// The image and its section copies: splitting, repair and the code texts.
#include <algorithm>

#include "image/device_session.h"
#include "image/profile_codes.h"
#include "settings/dpi.h"

namespace kvrm {
namespace {

template <size_t N>
void CopyOut(const ConfigImage& image, int offset, std::array<uint8_t, N>& copy) {
  std::copy_n(image.begin() + offset, N, copy.begin());
}

// A section whose checksum fails gets its default data bytes and a fresh checksum.
template <size_t N, typename Builder>
void Verify(std::array<uint8_t, N>& section, Builder build) {
  if (SectionChecksumValid(section)) return;
  build(section);
  StoreSectionChecksum(section);
}

}  // namespace

void DeviceSession::SplitImage() {
  const ConfigImage& image = data_buf_;
  const DefaultInputs& inputs = default_inputs_;
  CopyOut(image, layout::kVendorOffset, copies_.vendor);
  Verify(copies_.vendor, [&](VendorSection& s) { BuildVendorDefault(s, inputs); });
  CopyOut(image, layout::kUserOffset, copies_.user);
  Verify(copies_.user, [&](UserSection& s) { BuildUserDefault(s, inputs); });
  for (int p = 0; p < 3; ++p) {
    CopyOut(image, layout::kProfileOffsets[p], copies_.profiles[p]);
    Verify(copies_.profiles[p], [&](ProfileSection& s) { BuildProfileDefault(s, inputs); });
  }
  CopyOut(image, layout::kReservedOffset, copies_.reserved);
  CopyOut(image, layout::kFireKeyOffset, copies_.fire_keys);
  CopyOut(image, layout::kMacroAreaOffset, copies_.macro_area);
  CopyOut(image, layout::kPatchHeaderOffset, copies_.patch_header);

  const VariantLayout& v = copies_.variant_layout;
  copies_.patch_code.assign(image.begin() + layout::kPatchCodeOffset,
                            image.begin() + layout::kPatchCodeOffset + v.patch_code_length);
  copies_.fire_block.assign(image.begin() + v.fire_block_offset,
                            image.begin() + v.fire_block_offset + v.fire_block_length);
  for (int i = 0; i < layout::kFireMacroCount; ++i) {
    const auto row = copies_.fire_block.begin() + v.fire_table_offset + i * v.fire_record_length;
    copies_.fire_records[static_cast<size_t>(i)].assign(row, row + v.fire_record_length);
    if (v.has_fire_names) {
      std::copy_n(copies_.fire_block.begin() + i * layout::kFireMacroNameLength,
                  layout::kFireMacroNameLength, copies_.fire_names[static_cast<size_t>(i)].begin());
    }
  }
}

void DeviceSession::DataBufToUI() {
  code_texts_ = CodeTextsFromSections(copies_);
  remembered_report_rate_hz_ = ReportRateHz(copies_.vendor);
  observer_.RefreshPages();
}

}  // namespace kvrm
